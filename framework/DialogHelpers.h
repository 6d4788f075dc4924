// Small helpers of the system's dialogs: message boxes, always titled with
// the program's name so that every message says where it comes from, and
// centring a dialog over its owner.
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

// Centres the window over its owner (over the work area when it has none or
// the owner is hidden), kept inside the work area of that monitor.
void CenterOverOwner(HWND window);
