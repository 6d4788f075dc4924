// How each kind of group lays out its controls, and the item lists. Offsets
// are from the group box's left edge; labels stand at y = 14 and the controls
// under them at y = 25.
#include "sections/SectionCatalogue.h"

#include "sections/WindowStyles.h"

#include <array>

namespace sections {
namespace {

using namespace styles;

constexpr int kLabelY = 14;
constexpr int kControlY = 25;
constexpr int kLabelHeight = 8;
constexpr int kGroupY = 3;
constexpr int kGroupHeight = 55;

constexpr std::uint32_t kShown = kChild | kVisible;

// Builds one page's controls in template order.
class Layout {
public:
    explicit Layout(const CataloguePage& page) : page_(page) {}

    std::vector<TemplateControl> Run()
    {
        TemplateControl picture = Make(ControlKind::Bitmap, -1, "", "Static", kBitmap, 3, 3, 69, 55);
        controls_.push_back(picture);
        for (std::size_t i = 0; i < page_.groups.size(); ++i) {
            group_ = static_cast<int>(i);
            const CatalogueGroup& group = page_.groups[i];
            switch (group.kind) {
            case GroupKind::Font: Font(group); break;
            case GroupKind::LinkState: LinkState(group); break;
            case GroupKind::Color: Color(group); break;
            case GroupKind::Image: Image(group); break;
            case GroupKind::Border: Border(group); break;
            case GroupKind::Width: Width(group); break;
            case GroupKind::CheckBox: StandAlone(group); break;
            }
        }
        return controls_;
    }

private:
    TemplateControl Make(ControlKind kind, int id, const std::string& text, const char* className,
                         std::uint32_t style, int x, int y, int cx, int cy)
    {
        TemplateControl control;
        control.kind = kind;
        control.id = id;
        control.text = text;
        control.className = className;
        control.style = kShown | style;
        control.x = x;
        control.y = y;
        control.cx = cx;
        control.cy = cy;
        control.group = group_;
        return control;
    }

    TemplateControl& Add(TemplateControl control)
    {
        controls_.push_back(std::move(control));
        return controls_.back();
    }

    void Box(const CatalogueGroup& group)
    {
        lastLabel_.clear();
        Add(Make(ControlKind::GroupBox, -1, group.caption, "Button", kGroupBox | kFlat, group.x, kGroupY,
                 group.width, kGroupHeight));
    }

    TemplateControl& Label(const CatalogueGroup& group, int offset, const std::string& text, int width, int id = -1,
                           int y = kLabelY, int height = kLabelHeight)
    {
        lastLabel_ = text;
        return Add(Make(ControlKind::Label, id, text, "Static", kLeftText | kGroup, group.x + offset, y, width,
                        height));
    }

    TemplateControl& ColorButton(const CatalogueGroup& group, int offset, int y)
    {
        TemplateControl& button = Add(Make(ControlKind::ColorButton, group.ids.color, "", "Button",
                                           kPushButton | kTabStop, group.x + offset, y, 38, 26));
        button.defaultColor = group.defaultColor;
        button.spokenName = SpokenName(group);
        return button;
    }

    TemplateControl& DropDown(const CatalogueGroup& group, int id, int offset, int width, ItemList list,
                              const std::string& selected)
    {
        TemplateControl& dropDown = Add(Make(ControlKind::DropDown, id, "", "ComboBox",
                                             kDropDownList | kSort | kVScroll | kTabStop, group.x + offset,
                                             kControlY, width, 30));
        dropDown.list = list;
        dropDown.initialText = selected;
        return dropDown;
    }

    // The edit stands immediately before its up-down: the up-down takes the
    // control before it as its buddy.
    void SpinBox(const CatalogueGroup& group, int editOffset, int upDownOffset, int upDownWidth, int lower, int upper,
                 const std::string& number, std::uint32_t state = 0)
    {
        TemplateControl& edit = Add(Make(ControlKind::SpinEdit, group.ids.sizeEdit, "", "Edit",
                                         kReadOnly | kAutoHScroll | kBorder | kTabStop | state,
                                         group.x + editOffset, kControlY, 44, 13));
        edit.initialText = number;
        TemplateControl& upDown = Add(Make(ControlKind::UpDown, group.ids.upDown, "", "msctls_updown32",
                                           kSetBuddyInt | kAlignRight | kAutoBuddy | kArrowKeys | kHotTrack | state,
                                           group.x + upDownOffset, kControlY, upDownWidth, 13));
        upDown.lower = lower;
        upDown.upper = upper;
        upDown.spokenName = SpokenName(group);
        upDown.text = upDown.spokenName;
    }

    TemplateControl& CheckBox(int id, const std::string& text, int x, int y, int cx, int cy,
                              std::uint32_t extra = 0)
    {
        return Add(Make(ControlKind::CheckBox, id, text, "Button", kAutoCheckBox | kTabStop | extra, x, y, cx, cy));
    }

    void Font(const CatalogueGroup& group)
    {
        Box(group);
        Label(group, 15, "Font Color", 44);
        ColorButton(group, 13, kControlY);
        Label(group, 61, "Font Family", 80);
        DropDown(group, group.ids.family, 61, 80, ItemList::Family, group.family);
        // Room for a second line: the longest note wraps in the fonts the page gets.
        if (!group.note.empty()) Label(group, 61, group.note, group.noteWidth, -1, 41, 16);
        Label(group, 149, "Font Size", 50);
        SpinBox(group, 149, 184, 10, 4, 40, group.size);
        Label(group, 203, "Font Weight", 50);
        DropDown(group, group.ids.weight, 203, 45, ItemList::Weight, group.weight);
        Label(group, 257, "Font Style", 50);
        DropDown(group, group.ids.fontStyle, 257, 45, ItemList::FontStyle, "normal");
        if (group.ids.align) {
            Label(group, 312, "Align", 45);
            DropDown(group, group.ids.align, 312, 45, ItemList::Alignment, "default");
        }
        if (group.ids.check) CheckBox(group.ids.check, "Underline", group.x + group.width - 52, 26, 46, 10);
    }

    void LinkState(const CatalogueGroup& group)
    {
        Box(group);
        Label(group, 25, "Color", 30);
        ColorButton(group, 15, kControlY);
        if (group.ids.check) CheckBox(group.ids.check, "Underline", group.x + 67, kControlY, 46, 10).checked =
                                 group.underlineTicked;
    }

    void Color(const CatalogueGroup& group)
    {
        Box(group);
        const bool withTransparent = group.ids.check != 0;
        ColorButton(group, withTransparent ? 14 : 15, 20);
        if (withTransparent) CheckBox(group.ids.check, "Transparent", group.x + 67, 24, 58, 18, kMultiLine);
    }

    void StandAlone(const CatalogueGroup& group)
    {
        CheckBox(group.ids.check, group.caption, group.x, group.y, group.width, 51, kMultiLine | kButtonCenter);
    }

    void Image(const CatalogueGroup& group)
    {
        const GroupIds& ids = group.ids;
        const bool background = ids.position != 0;
        const int urlWidth = background ? 218 : 296;
        Box(group);
        CheckBox(ids.check, "Use Image", group.x + (background ? 12 : 13), kControlY, 50, 12);
        Label(group, 71, "Image URL (use entire url including http://)", urlWidth, ids.urlLabel).style |= kDisabled;
        Add(Make(ControlKind::UrlEdit, ids.urlEdit, "", "Edit", kAutoHScroll | kBorder | kTabStop | kDisabled,
                 group.x + 71, kControlY, urlWidth, 12));
        Add(Make(ControlKind::PushButton, ids.apply, "Apply Image", "Button", kPushButton | kTabStop | kDisabled,
                 group.x + 71, 42, 56, 12));
        if (!background) return;
        const struct {
            const char* text;
            int label;
            int list;
            ItemList items;
        } lists[] = {
            {"Position", ids.positionLabel, ids.position, ItemList::Position},
            {"Repeat", ids.repeatLabel, ids.repeat, ItemList::Repeat},
            {"Attachment", ids.attachmentLabel, ids.attachment, ItemList::Attachment},
        };
        int offset = 71 + urlWidth + 10;
        for (const auto& list : lists) {
            Label(group, offset, list.text, 67, list.label).style |= kDisabled;
            DropDown(group, list.list, offset, 67, list.items, "").style |= kDisabled;
            offset += 77;
        }
    }

    void Border(const CatalogueGroup& group)
    {
        const GroupIds& ids = group.ids;
        Box(group);
        Label(group, 11, "Style", 67, ids.styleLabel);
        DropDown(group, ids.styleList, 11, 67, ItemList::BorderStyle, "none");
        Label(group, 93, "Color", 40, ids.colorLabel).style |= kDisabled;
        ColorButton(group, 93, kControlY).style |= kDisabled;
        Label(group, 146, "Width", 44, ids.widthLabel).style |= kDisabled;
        SpinBox(group, 146, 181, 11, 1, 50, "", kDisabled);
    }

    void Width(const CatalogueGroup& group)
    {
        const GroupIds& ids = group.ids;
        Box(group);
        CheckBox(ids.check, "Custom Width", group.x + 5, 26, 62, 13, kMultiLine | kButtonTop);
        Label(group, 71, "Width", 44, ids.widthLabel).style |= kDisabled;
        SpinBox(group, 71, 106, 11, 100, 1600, "", kDisabled);
    }

    // The group's caption and the label that stands over the control, if
    // the group has one (a colour group has only its caption).
    std::string SpokenName(const CatalogueGroup& group) const
    {
        return lastLabel_.empty() ? group.caption : group.caption + " " + lastLabel_;
    }

    const CataloguePage& page_;
    std::vector<TemplateControl> controls_;
    std::string lastLabel_; // the last label of the group being laid out
    int group_ = -1;
};

using PageControlLists = std::array<std::vector<TemplateControl>, kSectionPageCount>;

PageControlLists MakeControlLists()
{
    PageControlLists lists;
    for (const CataloguePage& page : SectionCatalogue()) lists.at(PageIndex(page.page)) = Layout(page).Run();
    return lists;
}

} // namespace

const CataloguePage& CataloguePageOf(SectionPageId page)
{
    // Called from the pages' message handlers: an unknown page is an empty
    // page, not an exception.
    static const CataloguePage none;
    for (const CataloguePage& entry : SectionCatalogue())
        if (entry.page == page) return entry;
    return none;
}

const std::vector<std::string>& ItemsOf(ItemList list)
{
    static const std::vector<std::string> none;
    static const std::vector<std::string> family = {
        "Arial", "Arial Black", "Comic Sans MS", "Courier New", "Georgia", "Helvetica",
        "Impact", "Microsoft Sans Serif", "Times New Roman", "Trebuchet MS", "Verdana"};
    static const std::vector<std::string> weight = {
        "normal", "bold", "bolder", "lighter", "100", "200", "300", "400", "500", "600", "700", "800", "900"};
    static const std::vector<std::string> fontStyle = {"normal", "italic", "oblique"};
    static const std::vector<std::string> alignment = {"default", "left", "center", "right"};
    static const std::vector<std::string> position = {
        "top left", "top center", "top right", "center left", "center center", "center right",
        "bottom left", "bottom center", "bottom right"};
    static const std::vector<std::string> repeat = {"no-repeat", "repeat-x", "repeat-y", "repeat"};
    static const std::vector<std::string> attachment = {"scroll", "fixed"};
    static const std::vector<std::string> borderStyle = {
        "dashed", "dotted", "double", "groove", "inset", "outset", "ridge", "solid", "none"};
    switch (list) {
    case ItemList::Family: return family;
    case ItemList::Weight: return weight;
    case ItemList::FontStyle: return fontStyle;
    case ItemList::Alignment: return alignment;
    case ItemList::Position: return position;
    case ItemList::Repeat: return repeat;
    case ItemList::Attachment: return attachment;
    case ItemList::BorderStyle: return borderStyle;
    case ItemList::None: break;
    }
    return none;
}

const std::vector<TemplateControl>& TemplateControls(SectionPageId page)
{
    static const PageControlLists lists = MakeControlLists();
    static const std::vector<TemplateControl> none;
    const int index = PageIndex(page);
    return index >= 0 && index < kSectionPageCount ? lists[index] : none;
}

const TemplateControl* FindTemplateControl(SectionPageId page, int id)
{
    if (id == -1) return nullptr;
    for (const TemplateControl& control : TemplateControls(page))
        if (control.id == id) return &control;
    return nullptr;
}

bool IsRoutedKind(ControlKind kind)
{
    switch (kind) {
    case ControlKind::ColorButton:
    case ControlKind::DropDown:
    case ControlKind::UpDown:
    case ControlKind::CheckBox:
    case ControlKind::PushButton:
        return true;
    default:
        return false;
    }
}

} // namespace sections
