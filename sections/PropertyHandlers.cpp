#include "sections/PropertyHandlers.h"

#include "style/StyleDocument.h"

#include <cstdint>

namespace sections {
namespace {

// Colour picker buttons.

StoreResult ColorHandler(const PropertyRow& row, PageControls& page)
{
    const ColorValue color = page.ButtonColor(row.controlId);
    const std::string value = color == kAutomaticColor ? row.literal : RgbText(color);
    const StoreResult result = StyleDocument::SetProperty(row.selector, row.property, value);
    page.SendRefresh(result);
    return result;
}

// Border colour buttons have no automatic entry: always the rgb form.
StoreResult BorderColorHandler(const PropertyRow& row, PageControls& page)
{
    const StoreResult result =
        StyleDocument::SetProperty(row.selector, row.property, RgbText(page.ButtonColor(row.controlId)));
    page.SendRefresh(result);
    return result;
}

// Drop-down lists: the selected item is the value, as it stands.
StoreResult TextHandler(const PropertyRow& row, PageControls& page)
{
    const StoreResult result = StyleDocument::SetProperty(row.selector, row.property, page.ControlText(row.controlId));
    page.SendRefresh(result);
    return result;
}

// Up-downs: the new position is the reported one plus the change, kept in the
// up-down's range. The buddy edit is not read; the up-down writes it itself
// once the page answers the notification.
StoreResult SizeHandler(const PropertyRow& row, PageControls& page, const UpDownChange& change)
{
    long long n = static_cast<long long>(change.position) + change.delta;
    const std::uint32_t range = page.UpDownRange(row.controlId);
    const int upper = static_cast<std::int16_t>(range & 0xFFFF);
    const int lower = static_cast<std::int16_t>((range >> 16) & 0xFFFF);
    if (n < lower)
        n = lower;
    else if (n > upper)
        n = upper;
    const StoreResult result = StyleDocument::SetProperty(row.selector, row.property, std::to_string(n) + row.literal);
    page.SendRefresh(result);
    return result;
}

// The auto check box has already toggled when its notification arrives.
StoreResult UnderlineHandler(const PropertyRow& row, PageControls& page)
{
    const char* value = page.IsChecked(row.controlId) ? "underline" : "none";
    const StoreResult result = StyleDocument::SetProperty(row.selector, "text-decoration", value);
    page.SendRefresh(result);
    return result;
}

StoreResult AlignmentHandler(const PropertyRow& row, PageControls& page)
{
    const std::string text = page.ControlText(row.controlId);
    StoreResult result = StoreResult::Stored;
    if (text == "default") {
        result &= StyleDocument::RemoveProperty(row.selector, "text-align");
        result &= StyleDocument::SetProperty(row.selector, "display", "inline");
    } else {
        result = StyleDocument::SetProperties(row.selector, {"text-align", "display"}, {text, "block"});
    }
    page.SendRefresh(result);
    return result;
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
StoreResult BorderStyleHandler(const PropertyRow& row, PageControls& page)
{
    const std::string text = page.ControlText(row.controlId);
    StoreResult result = StoreResult::Stored;
    if (text == "none") {
        DisableAll(page, row.switched);
        page.SetControlText(row.edit, "");
        result = StyleDocument::RemoveProperties(row.selector, {"border-style", "border-width", "border-color"});
        if (!row.cellSelector.empty()) {
            // While "Remove default borders" is ticked the cell rule holds a
            // border-style line; the content tables keep "none" then. The
            // property text comes back from GetPropertyValue with a TAB in
            // front and is passed on as it is.
            std::string property = "border-style";
            const std::string value = StyleDocument::GetPropertyValue(row.cellSelector, property);
            if (!value.empty()) result &= StyleDocument::SetProperty(row.selector, property, "none");
        }
    } else if (page.IsControlEnabled(row.label)) {
        result = StyleDocument::SetProperty(row.selector, "border-style", text);
    } else {
        EnableAll(page, row.switched);
        page.SetButtonColor(row.button, 0x00FFFFFF);
        page.SetControlText(row.edit, "4");
        result = StyleDocument::SetProperties(row.selector, {"border-style", "border-width", "border-color"},
                                              {text, "4px", "rgb(255, 255, 255)"});
    }
    page.SendRefresh(result);
    return result;
}

// "Remove default borders": one property text serves every call, so after the
// first GetPropertyValue it carries a TAB in front and the lines written and
// looked for begin with two TABs.
StoreResult RemoveDefaultBorders(const PropertyRow& row, PageControls& page)
{
    std::string property = row.property;
    StoreResult result = StoreResult::Stored;
    if (page.IsChecked(row.controlId)) {
        const std::string value = StyleDocument::GetPropertyValue(row.selector, property);
        if (value.empty()) result &= StyleDocument::SetProperty(row.selector, property, "none");
        result &= StyleDocument::SetProperty(row.cellSelector, property, "none");
    } else {
        const std::string value = StyleDocument::GetPropertyValue(row.selector, property);
        if (value == "none") result &= StyleDocument::RemoveProperty(row.selector, property);
        result &= StyleDocument::RemoveProperty(row.cellSelector, property);
    }
    page.SendRefresh(result);
    return result;
}

StoreResult RemoveDefaultBackground(const PropertyRow& row, PageControls& page)
{
    const char* value = page.IsChecked(row.controlId) ? "transparent" : "none";
    const StoreResult result = StyleDocument::SetProperty(row.selector, row.property, value);
    page.SendRefresh(result);
    return result;
}

StoreResult Transparent(const PropertyRow& row, PageControls& page)
{
    if (page.IsChecked(row.controlId)) {
        page.DisableControl(row.button);
        const StoreResult result = StyleDocument::SetProperty(row.selector, row.property, "transparent");
        page.SendRefresh(result);
        return result;
    }
    page.EnableControl(row.button);
    PropertyRow button = row;
    button.controlId = row.button;
    return ColorHandler(button, page);
}

StoreResult BackgroundUseImage(const PropertyRow& row, PageControls& page)
{
    if (page.IsChecked(row.controlId)) {
        EnableAll(page, row.switched);
        return StoreResult::Stored;
    }
    DisableAll(page, row.switched);
    page.SetControlText(row.edit, "");
    const StoreResult result = StyleDocument::SetProperty(row.selector, row.property, "none");
    page.SendRefresh(result);
    return result;
}

// Both "Apply Image" buttons: the URL is written as typed, except for the
// bytes that an unquoted url() cannot hold (EscapeImageAddress).
StoreResult ApplyImage(const PropertyRow& row, PageControls& page)
{
    const StoreResult result = StyleDocument::SetProperty(
        row.selector, row.property, "url(" + EscapeImageAddress(page.ControlText(row.edit)) + ")");
    page.SendRefresh(result);
    return result;
}

// Ticking only opens the width for the arrows, starting from the group's
// number; the first arrow writes it.
StoreResult CustomWidth(const PropertyRow& row, PageControls& page)
{
    if (page.IsChecked(row.controlId)) {
        EnableAll(page, row.switched);
        page.SetControlText(row.edit, row.literal);
        return StoreResult::Stored;
    }
    DisableAll(page, row.switched);
    page.SetControlText(row.edit, "");
    const StoreResult result = StyleDocument::RemoveProperty(row.selector, row.property);
    page.SendRefresh(result);
    return result;
}

// Ticking writes the contact image rules without a refresh: the preview shows
// them at its next refresh, normally after "Apply Image".
StoreResult ContactUseImage(const PropertyRow& row, PageControls& page)
{
    StoreResult result = StoreResult::Stored;
    if (page.IsChecked(row.controlId)) {
        EnableAll(page, row.switched);
        for (const ContactImageRule& rule : ContactImageRules())
            result &= StyleDocument::SetProperties(rule.selector, rule.properties, rule.values);
        return result;
    }
    // Label, then the emptied URL edit, then the button.
    for (int id : row.switched) {
        if (id == row.edit) page.SetControlText(id, "");
        page.DisableControl(id);
    }
    for (const ContactImageRule& rule : ContactImageRules()) result &= StyleDocument::RemoveRule(rule.selector);
    page.SendRefresh(result);
    return result;
}

StoreResult RunSpecialHandler(const PropertyRow& row, PageControls& page)
{
    switch (row.special) {
    case SpecialHandler::RemoveDefaultBorders:
        return RemoveDefaultBorders(row, page);
    case SpecialHandler::RemoveDefaultBackground:
        return RemoveDefaultBackground(row, page);
    case SpecialHandler::Transparent:
        return Transparent(row, page);
    case SpecialHandler::BackgroundUseImage:
        return BackgroundUseImage(row, page);
    case SpecialHandler::BackgroundApplyImage:
    case SpecialHandler::ContactApplyImage:
        return ApplyImage(row, page);
    case SpecialHandler::CustomWidth:
        return CustomWidth(row, page);
    case SpecialHandler::ContactUseImage:
        return ContactUseImage(row, page);
    case SpecialHandler::None:
        break;
    }
    return StoreResult::Stored;
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

StoreResult RunPropertyHandler(const PropertyRow& row, PageControls& page, const UpDownChange& change)
{
    switch (row.kind) {
    case HandlerKind::Color:
        return ColorHandler(row, page);
    case HandlerKind::BorderColor:
        return BorderColorHandler(row, page);
    case HandlerKind::Text:
        return TextHandler(row, page);
    case HandlerKind::Size:
        return SizeHandler(row, page, change);
    case HandlerKind::Underline:
        return UnderlineHandler(row, page);
    case HandlerKind::Alignment:
        return AlignmentHandler(row, page);
    case HandlerKind::BorderStyle:
        return BorderStyleHandler(row, page);
    case HandlerKind::Special:
        return RunSpecialHandler(row, page);
    }
    return StoreResult::Stored;
}

} // namespace sections
