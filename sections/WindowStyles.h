// The window style bits that the section page templates use, as plain
// numbers so that the portable catalogue and the template writer need no
// Windows headers. The Windows tests check them against windows.h.
#pragma once

#include <cstdint>

namespace sections {
namespace styles {

// Windows.
constexpr std::uint32_t kChild = 0x40000000;      // WS_CHILD
constexpr std::uint32_t kVisible = 0x10000000;    // WS_VISIBLE
constexpr std::uint32_t kDisabled = 0x08000000;   // WS_DISABLED
constexpr std::uint32_t kBorder = 0x00800000;     // WS_BORDER
constexpr std::uint32_t kVScroll = 0x00200000;    // WS_VSCROLL
constexpr std::uint32_t kHScroll = 0x00100000;    // WS_HSCROLL
constexpr std::uint32_t kGroup = 0x00020000;      // WS_GROUP
constexpr std::uint32_t kTabStop = 0x00010000;    // WS_TABSTOP
constexpr std::uint32_t kThickFrame = 0x00040000; // WS_THICKFRAME
constexpr std::uint32_t kClientEdge = 0x00000200; // WS_EX_CLIENTEDGE

// Dialogs.
constexpr std::uint32_t kSetFont = 0x00000040;    // DS_SETFONT

// Buttons.
constexpr std::uint32_t kPushButton = 0x00000000;   // BS_PUSHBUTTON
constexpr std::uint32_t kAutoCheckBox = 0x00000003; // BS_AUTOCHECKBOX
constexpr std::uint32_t kGroupBox = 0x00000007;     // BS_GROUPBOX
constexpr std::uint32_t kButtonCenter = 0x00000300; // BS_CENTER
constexpr std::uint32_t kButtonTop = 0x00000400;    // BS_TOP
constexpr std::uint32_t kMultiLine = 0x00002000;    // BS_MULTILINE
constexpr std::uint32_t kFlat = 0x00008000;         // BS_FLAT

// Statics.
constexpr std::uint32_t kLeftText = 0x00000000;     // SS_LEFT
constexpr std::uint32_t kBitmap = 0x0000000E;       // SS_BITMAP

// Edits.
constexpr std::uint32_t kAutoHScroll = 0x00000080;  // ES_AUTOHSCROLL
constexpr std::uint32_t kReadOnly = 0x00000800;     // ES_READONLY

// Combo boxes.
constexpr std::uint32_t kDropDownList = 0x00000003; // CBS_DROPDOWNLIST
constexpr std::uint32_t kSort = 0x00000100;         // CBS_SORT

// Up-down controls.
constexpr std::uint32_t kSetBuddyInt = 0x00000002;  // UDS_SETBUDDYINT
constexpr std::uint32_t kAlignRight = 0x00000004;   // UDS_ALIGNRIGHT
constexpr std::uint32_t kAutoBuddy = 0x00000010;    // UDS_AUTOBUDDY
constexpr std::uint32_t kArrowKeys = 0x00000020;    // UDS_ARROWKEYS
constexpr std::uint32_t kHotTrack = 0x00000100;     // UDS_HOTTRACK
constexpr std::uint32_t kNoThousands = 0x00000080;  // UDS_NOTHOUSANDS (never used)

} // namespace styles
} // namespace sections
