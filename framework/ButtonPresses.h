// Quick second presses on owner-drawn buttons. The button control takes a
// second click within the double-click time on an owner-drawn button as a
// double click: it reports BN_DOUBLECLICKED, shows no pressed state and
// sends no BN_CLICKED, so a user's quick second press would do nothing. A
// button given to TreatDoubleClicksAsPresses takes that click for a press
// like any other: it is drawn pressed while the mouse button is down and
// sends BN_CLICKED when it is released over the button.
#pragma once

#include <windows.h>

// Stays in place until the button is destroyed. False when the button could
// not be subclassed.
bool TreatDoubleClicksAsPresses(HWND button);
