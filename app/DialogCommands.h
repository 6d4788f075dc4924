// The commands that open a modal dialog of their own, owned by the window
// that is active then: Show Code opens the code view; Donate and About open
// the same About dialog (Donate never opens the donation page by itself).
#pragma once

#include <windows.h>

// Runs the command (ID_GP_SHOW_CODE, ID_GP_DONATE or ID_GP_ABOUT); false for
// any other id.
bool RunDialogCommand(UINT id);
