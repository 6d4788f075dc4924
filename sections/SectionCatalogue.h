// The section page catalogue: the sixteen pages in tab order with their
// titles, dialog templates and groups, and the controls that the groups lay
// out. It is the one source of the page templates (the resource script is
// written from it, sections/SectionTemplateText.h) and of the values the
// controls show after initialisation. What the controls write is the
// property table's business (sections/PropertyTable.h); a test holds the two
// against each other.
//
// Geometry is in dialog units of "Microsoft Sans Serif" 8. Control ids are
// unique only within a page.
#pragma once

#include "sections/PageControls.h"
#include "sections/SectionPageIds.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sections {

// The layouts that every group of every page follows.
enum class GroupKind {
    Font,           // colour, family, size, weight, style; optional align, underline, note
    LinkState,      // colour and, mostly, an "Underline" box
    Color,          // Background page: a colour button, optionally "Transparent"
    Image,          // "Use Image", URL label and edit, "Apply Image"; Background: three lists
    Border,         // Borders page: style, colour and width
    Width,          // Size page: "Custom Width" and a width spin box
    CheckBox,       // a check box that stands outside any group box
};

// Ids of a group's controls, by role; 0 where the group has no such control.
struct GroupIds {
    int color = 0;          // colour picker button
    int family = 0;         // "Font Family" drop-down
    int sizeEdit = 0;       // spin box edit ("Font Size", "Width")
    int upDown = 0;         // its up-down
    int weight = 0;
    int fontStyle = 0;
    int align = 0;
    int check = 0;          // "Underline", "Transparent", "Use Image", "Custom Width", stand-alone box
    int styleList = 0;      // border "Style"
    int styleLabel = 0;
    int colorLabel = 0;     // border "Color"
    int widthLabel = 0;     // border and size "Width"
    int urlLabel = 0;
    int urlEdit = 0;
    int apply = 0;          // "Apply Image"
    int positionLabel = 0, position = 0;
    int repeatLabel = 0, repeat = 0;
    int attachmentLabel = 0, attachment = 0;
};

struct CatalogueGroup {
    GroupKind kind = GroupKind::Font;
    std::string caption;            // group box caption; check box text for CheckBox
    int x = 0;                      // left edge (DLU)
    int width = 0;
    int y = 3;                      // stand-alone check boxes stand lower
    GroupIds ids;
    ColorValue defaultColor = 0;    // what the colour button shows while automatic
    std::string family;             // font groups: initial family, size text, weight
    std::string size;
    std::string weight;
    bool underlineTicked = false;
    std::string note;               // a "NOTE:" label under the family drop-down
    int noteWidth = 0;
};

struct CataloguePage {
    SectionPageId page = SectionPageId::Background;
    const char* title = "";         // window text and tab title, " Background "
    int dialogId = 0;               // template resource id
    int width = 0;                  // template size (DLU)
    int height = 0;
    const char* colorDefaultText = "Default"; // automatic entry of the colour buttons
    std::vector<CatalogueGroup> groups;
};

// The sixteen pages in tab order.
const std::vector<CataloguePage>& SectionCatalogue();
// An id outside the sixteen gives an empty page (no title, no groups).
const CataloguePage& CataloguePageOf(SectionPageId page);

// The bitmap that every page shows at its top left.
constexpr int kPagePictureId = 211;
constexpr int kPagePictureWidth = 104;   // pixels
constexpr int kPagePictureHeight = 90;

// The item lists of the drop-downs.
enum class ItemList { None, Family, Weight, FontStyle, Alignment, Position, Repeat, Attachment, BorderStyle };
const std::vector<std::string>& ItemsOf(ItemList list);

// One control of a page template, in template order, with the state that
// initialisation gives it.
enum class ControlKind { Bitmap, GroupBox, Label, ColorButton, DropDown, SpinEdit, UpDown, CheckBox, UrlEdit, PushButton };

struct TemplateControl {
    ControlKind kind = ControlKind::Label;
    int id = -1;                    // -1 for the bitmap, labels without a role and group boxes
    std::string text;               // window text in the template
    const char* className = "";     // "Button", "Static", "Edit", "ComboBox", "msctls_updown32"
    std::uint32_t style = 0;        // full style, WS_CHILD and WS_VISIBLE included
    int x = 0, y = 0, cx = 0, cy = 0;
    int group = -1;                 // index of its CatalogueGroup in the page
    // What a screen reader calls a control that has no label of its own
    // before it: the group's caption and the label over the control, as a
    // sighted user reads them ("Topmost Text Font Color"). Colour buttons
    // are served this name; an up-down carries it as its window text.
    std::string spokenName;

    // After initialisation.
    ItemList list = ItemList::None;
    std::string initialText;        // drop-down: text selected (empty: none); spin edit: its number
    bool checked = false;
    int lower = 0, upper = 0;       // up-down range
    ColorValue defaultColor = 0;    // colour button
};

// The page's controls in template order: the bitmap, then for each group its
// group box (if any) and its controls.
const std::vector<TemplateControl>& TemplateControls(SectionPageId page);

// The control of a page with an id, or nullptr (ids -1 are not looked up).
const TemplateControl* FindTemplateControl(SectionPageId page, int id);

// Whether the kind is one the page binds to a property handler's controls.
bool IsRoutedKind(ControlKind kind);

} // namespace sections
