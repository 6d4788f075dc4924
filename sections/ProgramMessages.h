// The program's own window messages, all of them. Windows leaves the numbers
// from WM_APP (0x8000) up to programs: ours begin just above it, and the
// window framework keeps a range of its own above ours
// (framework/FrameworkMessages.h). The numbers are written out, so that the
// portable core can name them without a Windows header; where one is at
// hand they are checked against it below.
#pragma once

// WM_APP.
constexpr unsigned kProgramMessageBase = 0x8000;

// Sent (never posted) by the property handlers to the main frame after every
// change they write, wParam and lParam 0: the frame clears its saved flag and
// the preview reloads the working page. WM_APP+1, 32769.
constexpr unsigned kPageChangedMessage = kProgramMessageBase + 1;

// Posted once by each section page to itself at the end of its
// initialisation: the page takes the width it shows as its scroll page.
// WM_APP+2, 32770.
constexpr unsigned kPagePlacedMessage = kProgramMessageBase + 2;

// Posted to the main frame to show the failed-store message box once the
// handler that stored the page has returned (never from inside a control's
// own notification).
constexpr unsigned kStoreFailedNoticeMessage = kProgramMessageBase + 16;

// Posted to the main frame when a section page could not be made; wParam is
// its tab index. The message box comes from the loop, not from inside the
// idle step or the tab switch that tried to make the page.
constexpr unsigned kPageFailedNoticeMessage = kProgramMessageBase + 17;

// Posted by the main frame to itself at the first change of the system's
// settings, colours or theme of a burst: handled once no other message
// waits, it passes what changed on to the frame's windows once.
constexpr unsigned kSystemChangesDueMessage = kProgramMessageBase + 18;

// Every message of the program lies in this range.
constexpr unsigned kProgramMessageLast = kProgramMessageBase + 0x39F;

// The frame and the pages answer these two numbers also when they come from
// outside the program: they never change.
static_assert(kPageChangedMessage == 32769 && kPagePlacedMessage == 32770, "WM_APP+1 and WM_APP+2");

#ifdef _WIN32
#include <windows.h>

#include "framework/FrameworkMessages.h"

static_assert(kProgramMessageBase == WM_APP, "the program's messages begin at WM_APP");
static_assert(kProgramMessageLast < kFrameworkMessageFirst, "the framework's messages lie above the program's");
#endif
