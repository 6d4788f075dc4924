// Small helpers of dialogs and their texts: a string of the program's string
// table, centring a dialog over its owner, and the system's GUI font for a
// dialog's controls.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

// The string resource id of the program's module, read in place (empty when
// there is none).
std::wstring LoadResourceString(UINT id);

// Centres the window over its owner (over the work area when it has none or
// the owner is hidden), kept inside the work area of that monitor.
void CenterOverOwner(HWND window);

// Gives the dialog's controls with these ids the system's default GUI font,
// redrawing them.
void UseDefaultGuiFont(HWND dialog, std::initializer_list<int> ids);
