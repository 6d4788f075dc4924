// The program's message boxes, every one titled with the program's name so
// that each message says where it comes from.
#pragma once

#include <windows.h>

#include <string>

// The program's name from its string table (IDS_APP_TITLE), or
// "Glimmerpatch" when the string cannot be loaded.
std::wstring ApplicationTitle();

// Shows a message box titled ApplicationTitle() and returns its answer.
// type holds the buttons and icon (MB_OK | MB_ICONEXCLAMATION, ...).
int ShowUserMessage(HWND owner, const std::wstring& text, UINT type);

// A question with Yes and No buttons and a question icon; true for Yes.
bool AskUser(HWND owner, const std::wstring& question);
