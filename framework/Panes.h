// F6 and Shift+F6 move the keyboard focus from pane to pane of a top-level
// window, as in every program with panes, and Tab leaves a pane's last stop
// for the next pane. The top-level window decides what its panes are and
// their order; the keys reach it as these two commands (from its
// accelerator table, or sent by a control inside a pane that has no further
// stop for Tab).
#pragma once

#include <windows.h>

#include <vector>

constexpr UINT kNextPaneCommand = 0xE150;     // F6
constexpr UINT kPreviousPaneCommand = 0xE151; // Shift+F6

// Asks the top-level window that holds `from` to move the focus on to the
// next pane (or back to the previous one).
void RequestNeighbourPane(HWND from, bool forward);

// The index of the pane after (or before) the one that is or holds
// `focus`, wrapping and passing over panes that are missing or hidden; a
// focus in no pane counts as just before the first. -1 when no pane can
// take the focus.
int NeighbourPane(const std::vector<HWND>& panes, HWND focus, bool forward);
