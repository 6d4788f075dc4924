#include "sections/SectionTemplateText.h"

#include "sections/SectionCatalogue.h"
#include "sections/WindowStyles.h"

#include <cstdio>

namespace sections {
namespace {

const char* KindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Bitmap: return "picture";
    case ControlKind::GroupBox: return "group box";
    case ControlKind::Label: return "label";
    case ControlKind::ColorButton: return "colour button";
    case ControlKind::DropDown: return "drop-down list";
    case ControlKind::SpinEdit: return "spin box edit";
    case ControlKind::UpDown: return "up-down";
    case ControlKind::CheckBox: return "check box";
    case ControlKind::UrlEdit: return "URL edit";
    case ControlKind::PushButton: return "push button";
    }
    return "";
}

// A quoted resource script string: a double quote is doubled.
std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string Hex(std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

std::string Numbers(std::initializer_list<int> values)
{
    std::string text;
    for (int value : values) text += ", " + std::to_string(value);
    return text;
}

} // namespace

std::string SectionTemplatesText()
{
    std::string text = "// Written from the section page catalogue; do not edit.\n\n";
    for (const CataloguePage& page : SectionCatalogue()) {
        text += "// " + std::string(page.title) + "\n";
        text += std::to_string(page.dialogId) + " DIALOGEX 0, 0, " + std::to_string(page.width) + ", " +
                std::to_string(page.height) + "\n";
        text += "STYLE " + Hex(styles::kChild | styles::kHScroll | styles::kSetFont) + "\n";
        text += "EXSTYLE " + Hex(styles::kClientEdge) + "\n";
        text += "FONT 8, \"Microsoft Sans Serif\"\nBEGIN\n";
        for (const TemplateControl& control : TemplateControls(page.page)) {
            // The picture's text is the bitmap's resource number.
            const std::string controlText =
                control.kind == ControlKind::Bitmap ? std::to_string(kPagePictureId) : Quoted(control.text);
            text += "    CONTROL " + controlText + ", " + std::to_string(control.id) + ", " +
                    Quoted(control.className) + ", " + Hex(control.style) +
                    Numbers({control.x, control.y, control.cx, control.cy}) + " // " + KindName(control.kind) +
                    "\n";
        }
        text += "END\n\n";
    }
    return text;
}

} // namespace sections
