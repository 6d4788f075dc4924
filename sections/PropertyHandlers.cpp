#include "sections/PropertyHandlers.h"

#include "style/StyleDocument.h"

#include <cstdint>

namespace sections {
namespace {

// The StyleDocument operations that edit the working page, as the handlers
// make them, counted and with their results gathered: the dispatcher
// refreshes the preview only after a run that made one, and passes on
// whether all of them reached the page. (GetPropertyValue only reads; the
// handlers call it as it is.)
class StyleEdits {
public:
    void SetProperty(const std::string& selector, const std::string& property, const std::string& value)
    {
        result_ &= StyleDocument::SetProperty(selector, property, value);
        ++made_;
    }
    void SetProperties(const std::string& selector, const std::vector<std::string>& properties,
                       const std::vector<std::string>& values)
    {
        result_ &= StyleDocument::SetProperties(selector, properties, values);
        ++made_;
    }
    void RemoveProperty(const std::string& selector, const std::string& property)
    {
        result_ &= StyleDocument::RemoveProperty(selector, property);
        ++made_;
    }
    void RemoveProperties(const std::string& selector, const std::vector<std::string>& properties)
    {
        result_ &= StyleDocument::RemoveProperties(selector, properties);
        ++made_;
    }
    void RemoveRule(const std::string& selector)
    {
        result_ &= StyleDocument::RemoveRule(selector);
        ++made_;
    }
    bool Made() const { return made_ > 0; }
    StoreResult Result() const { return result_; }

private:
    int made_ = 0;
    StoreResult result_ = StoreResult::Stored;
};

// Colour picker buttons.

void ColorHandler(const PropertyRow& row, PageControls& page, StyleEdits& style)
{
    const ColorValue color = page.ButtonColor(row.controlId);
    const std::string value = color == kAutomaticColor ? row.literal : RgbText(color);
    style.SetProperty(row.selector, row.property, value);
}

// Border colour buttons have no automatic entry: always the rgb form.
void BorderColorHandler(const PropertyRow& row, PageControls& page, StyleEdits& style)
{
    style.SetProperty(row.selector, row.property, RgbText(page.ButtonColor(row.controlId)));
}

// Drop-down lists: the selected item is the value, as it stands.
void TextHandler(const PropertyRow& row, PageControls& page, StyleEdits& style)
{
    style.SetProperty(row.selector, row.property, page.ControlText(row.controlId));
}

// Up-downs: the new position is the reported one plus the change, kept in the
// up-down's range. The buddy edit is not read; the up-down writes it itself
// once the page answers the notification.
void SizeHandler(const PropertyRow& row, PageControls& page, const UpDownChange& change, StyleEdits& style)
{
    long long n = static_cast<long long>(change.position) + change.delta;
    const std::uint32_t range = page.UpDownRange(row.controlId);
    const int upper = static_cast<std::int16_t>(range & 0xFFFF);
    const int lower = static_cast<std::int16_t>((range >> 16) & 0xFFFF);
    if (n < lower)
        n = lower;
    else if (n > upper)
        n = upper;
    style.SetProperty(row.selector, row.property, std::to_string(n) + row.literal);
}

// The auto check box has already toggled when its notification arrives.
void UnderlineHandler(const PropertyRow& row, PageControls& page, StyleEdits& style)
{
    const char* value = page.IsChecked(row.controlId) ? "underline" : "none";
    style.SetProperty(row.selector, "text-decoration", value);
}

void AlignmentHandler(const PropertyRow& row, PageControls& page, StyleEdits& style)
{
    const std::string text = page.ControlText(row.controlId);
    if (text == "default") {
        style.RemoveProperty(row.selector, "text-align");
        style.SetProperty(row.selector, "display", "inline");
    } else {
        style.SetProperties(row.selector, {"text-align", "display"}, {text, "block"});
    }
}

void EnableAll(PageControls& page, const std::vector<int>& ids)
{
    for (int id : ids) page.EnableControl(id);
}

void DisableAll(PageControls& page, const std::vector<int>& ids)
{
    for (int id : ids) page.DisableControl(id);
}

// A border group's "Style": "none" takes the group's border away and disables
// its colour and width; another style on a group that had one changes only the
// style; leaving "none" starts the group at a white, 4 pixel border.
void BorderStyleHandler(const PropertyRow& row, PageControls& page, StyleEdits& style)
{
    const std::string text = page.ControlText(row.controlId);
    if (text == "none") {
        DisableAll(page, row.switched);
        page.SetControlText(row.edit, "");
        style.RemoveProperties(row.selector, {"border-style", "border-width", "border-color"});
        if (!row.cellSelector.empty()) {
            // While "Remove default borders" is ticked the cell rule holds a
            // border-style line; the content tables keep "none" then. The
            // property text comes back from GetPropertyValue with a TAB in
            // front and is passed on as it is.
            std::string property = "border-style";
            const std::string value = StyleDocument::GetPropertyValue(row.cellSelector, property);
            if (!value.empty()) style.SetProperty(row.selector, property, "none");
        }
    } else if (page.IsControlEnabled(row.label)) {
        style.SetProperty(row.selector, "border-style", text);
    } else {
        EnableAll(page, row.switched);
        page.SetButtonColor(row.button, 0x00FFFFFF);
        page.SetControlText(row.edit, "4");
        style.SetProperties(row.selector, {"border-style", "border-width", "border-color"},
                            {text, "4px", "rgb(255, 255, 255)"});
    }
}

// "Remove default borders": one property text serves every call, so after the
// first GetPropertyValue it carries a TAB in front and the lines written and
// looked for begin with two TABs.
void RemoveDefaultBorders(const PropertyRow& row, PageControls& page, StyleEdits& style)
{
    std::string property = row.property;
    if (page.IsChecked(row.controlId)) {
        const std::string value = StyleDocument::GetPropertyValue(row.selector, property);
        if (value.empty()) style.SetProperty(row.selector, property, "none");
        style.SetProperty(row.cellSelector, property, "none");
    } else {
        const std::string value = StyleDocument::GetPropertyValue(row.selector, property);
        if (value == "none") style.RemoveProperty(row.selector, property);
        style.RemoveProperty(row.cellSelector, property);
    }
}

void RemoveDefaultBackground(const PropertyRow& row, PageControls& page, StyleEdits& style)
{
    const char* value = page.IsChecked(row.controlId) ? "transparent" : "none";
    style.SetProperty(row.selector, row.property, value);
}

void Transparent(const PropertyRow& row, PageControls& page, StyleEdits& style)
{
    if (page.IsChecked(row.controlId)) {
        page.DisableControl(row.button);
        style.SetProperty(row.selector, row.property, "transparent");
    } else {
        page.EnableControl(row.button);
        PropertyRow button = row;
        button.controlId = row.button;
        ColorHandler(button, page, style);
    }
}

void BackgroundUseImage(const PropertyRow& row, PageControls& page, StyleEdits& style)
{
    if (page.IsChecked(row.controlId)) {
        EnableAll(page, row.switched);
        return;
    }
    DisableAll(page, row.switched);
    page.SetControlText(row.edit, "");
    style.SetProperty(row.selector, row.property, "none");
}

// Both "Apply Image" buttons: the URL is written as typed, except for the
// bytes that an unquoted url() cannot hold (EscapeImageAddress).
void ApplyImage(const PropertyRow& row, PageControls& page, StyleEdits& style)
{
    style.SetProperty(row.selector, row.property, "url(" + EscapeImageAddress(page.ControlText(row.edit)) + ")");
}

// Ticking only opens the width for the arrows, starting from the group's
// number; the first arrow writes it.
void CustomWidth(const PropertyRow& row, PageControls& page, StyleEdits& style)
{
    if (page.IsChecked(row.controlId)) {
        EnableAll(page, row.switched);
        page.SetControlText(row.edit, row.literal);
        return;
    }
    DisableAll(page, row.switched);
    page.SetControlText(row.edit, "");
    style.RemoveProperty(row.selector, row.property);
}

// Ticking writes the contact image rules, without a refresh (the row says
// so): the preview shows them at its next refresh, normally after "Apply
// Image".
void ContactUseImage(const PropertyRow& row, PageControls& page, StyleEdits& style)
{
    if (page.IsChecked(row.controlId)) {
        EnableAll(page, row.switched);
        for (const ContactImageRule& rule : ContactImageRules())
            style.SetProperties(rule.selector, rule.properties, rule.values);
        return;
    }
    // Label, then the emptied URL edit, then the button.
    for (int id : row.switched) {
        if (id == row.edit) page.SetControlText(id, "");
        page.DisableControl(id);
    }
    for (const ContactImageRule& rule : ContactImageRules()) style.RemoveRule(rule.selector);
}

void RunSpecialHandler(const PropertyRow& row, PageControls& page, StyleEdits& style)
{
    switch (row.special) {
    case SpecialHandler::RemoveDefaultBorders:
        return RemoveDefaultBorders(row, page, style);
    case SpecialHandler::RemoveDefaultBackground:
        return RemoveDefaultBackground(row, page, style);
    case SpecialHandler::Transparent:
        return Transparent(row, page, style);
    case SpecialHandler::BackgroundUseImage:
        return BackgroundUseImage(row, page, style);
    case SpecialHandler::BackgroundApplyImage:
    case SpecialHandler::ContactApplyImage:
        return ApplyImage(row, page, style);
    case SpecialHandler::CustomWidth:
        return CustomWidth(row, page, style);
    case SpecialHandler::ContactUseImage:
        return ContactUseImage(row, page, style);
    case SpecialHandler::None:
        break;
    }
}

} // namespace

std::string RgbText(ColorValue color)
{
    return "rgb(" + std::to_string(color & 0xFF) + ", " + std::to_string((color >> 8) & 0xFF) + ", " +
           std::to_string((color >> 16) & 0xFF) + ")";
}

namespace {

// Bytes that end an unquoted url() early or make it invalid (blanks, quotes,
// parentheses, the backslash), or that would end the style element or the
// declaration's line ("<", ">", line ends and every other control character).
bool MustEscapeInAddress(unsigned char byte)
{
    if (byte < 0x20 || byte >= 0x7F) return true;
    switch (byte) {
    case ' ':
    case '"':
    case '\'':
    case '(':
    case ')':
    case '\\':
    case '<':
    case '>':
        return true;
    default:
        return false;
    }
}

} // namespace

std::string EscapeImageAddress(const std::string& address)
{
    static const char kHexDigits[] = "0123456789ABCDEF";
    std::string escaped;
    escaped.reserve(address.size());
    for (const char c : address) {
        const auto byte = static_cast<unsigned char>(c);
        if (!MustEscapeInAddress(byte)) {
            escaped += c;
            continue;
        }
        escaped += '%';
        escaped += kHexDigits[byte >> 4];
        escaped += kHexDigits[byte & 0xF];
    }
    return escaped;
}

const std::vector<ContactImageRule>& ContactImageRules()
{
    // The blank in "300 px" and "150 px" belongs to these two values.
    static const std::vector<ContactImageRule> rules = {
        {".contactTable{",
         {"width", "height", "padding", "background-attachment", "background-position", "background-repeat",
          "background-color"},
         {"300 px !important", "150 px !important", "0px !important", "scroll", "center center", "no-repeat",
          "transparent"}},
        {".contactTable table, table .contactTable td{",
         {"padding", "border", "background-color", "background-image"},
         {"0px !important", "0px", "transparent", "none"}},
        {".contactTable a img{",
         {"visibility", "border", "filter"},
         {"hidden", "0px !important", "none !important"}},
        {".contactTable a{",
         {"display", "height", "width", "filter"},
         {"block", "28px", "115px", "none !important"}},
        {".contactTable .text{",
         {"font-size", "filter"},
         {"1px !important", "none !important"}},
    };
    return rules;
}

namespace {

void RunHandler(const PropertyRow& row, PageControls& page, const UpDownChange& change, StyleEdits& style)
{
    switch (row.kind) {
    case HandlerKind::Color:
        return ColorHandler(row, page, style);
    case HandlerKind::BorderColor:
        return BorderColorHandler(row, page, style);
    case HandlerKind::Text:
        return TextHandler(row, page, style);
    case HandlerKind::Size:
        return SizeHandler(row, page, change, style);
    case HandlerKind::Underline:
        return UnderlineHandler(row, page, style);
    case HandlerKind::Alignment:
        return AlignmentHandler(row, page, style);
    case HandlerKind::BorderStyle:
        return BorderStyleHandler(row, page, style);
    case HandlerKind::Special:
        return RunSpecialHandler(row, page, style);
    }
}

} // namespace

// The one refresh, after the handler's last edit: never after a run that
// edited nothing, and for a row that refreshes only when cleared, not while
// its check box is ticked.
StoreResult RunPropertyHandler(const PropertyRow& row, PageControls& page, const UpDownChange& change)
{
    StyleEdits style;
    RunHandler(row, page, change, style);
    if (style.Made() && (row.refresh == Refresh::AfterEdit || !page.IsChecked(row.controlId)))
        page.SendRefresh(style.Result());
    return style.Result();
}

} // namespace sections
