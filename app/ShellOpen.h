// Opening a web address in the user's browser through the shell's "open"
// verb, behind a replaceable function so that tests can count the calls and
// never start a browser.
#pragma once

#include <windows.h>

#include <string>

using ShellOpenFunction = void (*)(HWND owner, const std::wstring& address);

// Asks the shell to "open" the address with a normal window.
void ShellOpenAddress(HWND owner, const std::wstring& address);

// Puts function in place of the shell call (nullptr puts the shell call
// back) and returns what was there before.
ShellOpenFunction ReplaceShellOpen(ShellOpenFunction function);
