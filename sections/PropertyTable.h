// The style property table: one row for each control of the section pages
// that has a property handler (286 rows), and the per-page routing that finds
// a control's row from the message it sent.
//
// The rows are written down page by page in PropertyTableData.cpp, in the
// same shape as the catalogue of groups they come from; this file expands
// them (a link-state line becomes one row per state) into PropertyRow records.
#pragma once

#include "sections/SectionPageIds.h"

#include <string>
#include <vector>

namespace sections {

// The message and notification that run a handler.
enum class Trigger {
    ColorChanged,   // WM_NOTIFY, code 0x8000, from a colour picker button
    DeltaPos,       // WM_NOTIFY, UDN_DELTAPOS, from an up-down control
    SelChange,      // WM_COMMAND, CBN_SELCHANGE, from a drop-down list
    Command,        // WM_COMMAND with any code, from a check box or push button
};

enum class HandlerKind {
    Color,          // colour picker button: rgb form or the automatic literal
    BorderColor,    // colour picker button of the Borders page: rgb form always
    Text,           // drop-down list: the selected item's text
    Size,           // up-down: clamped number and unit
    Underline,      // "Underline" check box: text-decoration
    Alignment,      // "Align" drop-down: text-align and display
    BorderStyle,    // "Style" drop-down of a border group
    Special,        // one of the handlers below
};

enum class SpecialHandler {
    None,
    RemoveDefaultBorders,       // Borders page, check box
    RemoveDefaultBackground,    // Background page, check box
    Transparent,                // Background page, "Content Color" check box
    BackgroundUseImage,         // Background page, "Use Image"
    BackgroundApplyImage,       // Background page, "Apply Image"
    CustomWidth,                // Size page, "Top" and "Content" check boxes
    ContactUseImage,            // Contact page, "Use Image"
    ContactApplyImage,          // Contact page, "Apply Image"
};

// Whether a run of a row's handler that edited the working page ends with
// kPageChangedMessage to the main frame. (A run that edited nothing never does.)
enum class Refresh {
    AfterEdit,      // always
    WhenCleared,    // only when the row's check box is clear after the run:
                    // ticking it only opens its group, or writes what the
                    // preview shows at its next refresh
};

struct PropertyRow {
    SectionPageId page = SectionPageId::Background;
    std::string group;          // caption of the group box, empty outside one
    int controlId = 0;          // the routing key (for a size handler the up-down)
    Trigger trigger = Trigger::Command;
    HandlerKind kind = HandlerKind::Special;
    SpecialHandler special = SpecialHandler::None;
    std::string selector;       // rule block searched for, "{" included
    std::string property;
    // Colour handlers (and "Transparent"): the automatic literal. Size
    // handlers: the unit. "Custom Width": the number the edit starts from.
    std::string literal;

    // Controls beyond the routing key that some handlers read or change.
    int edit = 0;       // size: buddy edit; border style, "Custom Width": width
                        // edit; image groups: URL edit
    int button = 0;     // border style: the group's colour button;
                        // "Transparent": the "Content Color" button
    int label = 0;      // border style: the "Color" label whose state tells
                        // whether the group already has a style
    // Controls enabled and disabled together, in the order they are switched.
    std::vector<int> switched;
    // "Remove default borders" and the "Content Borders" style: the rule of
    // the content tables' cells, which keeps border-style "none".
    std::string cellSelector;
    Refresh refresh = Refresh::AfterEdit;
};

// All rows, page by page in tab order. Made on first use, which may be
// inside a page's message handler: it throws nothing for faults of the
// data; a line that cannot be expanded is left out and reported by
// PropertyTableProblems, which the table's test requires to be empty.
const std::vector<PropertyRow>& PropertyTable();
const std::vector<std::string>& PropertyTableProblems();

// The rows of one page: its routing table.
const std::vector<const PropertyRow*>& PageRows(SectionPageId page);

// The row of a control of a page for a trigger, or nullptr.
const PropertyRow* FindPropertyRow(SectionPageId page, int controlId, Trigger trigger);

// Routing of a page's WM_COMMAND: a drop-down's row only for CBN_SELCHANGE,
// a check box's or button's row for any code. nullptr: not routed.
const PropertyRow* RouteCommand(SectionPageId page, int controlId, int notifyCode);

// Routing of a page's WM_NOTIFY: a colour picker button's row for the
// colour-changed code, an up-down's row for UDN_DELTAPOS. nullptr: not routed.
const PropertyRow* RouteNotify(SectionPageId page, int controlId, int code);

// The trigger that runs handlers of a kind.
Trigger TriggerOf(HandlerKind kind);

} // namespace sections
