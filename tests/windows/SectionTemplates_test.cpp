// The compiled page templates read back from the program's resources and
// compared with the catalogue they were written from: every control's class,
// style, position, size, id and text, in template order; what the pages'
// way of making them gives against what the dialog manager gives. Also the
// picture, as the resource holds it and as the pages show it.
#include "framework/DialogInSteps.h"
#include "framework/Dpi.h"
#include "sections/PagePicture.h"
#include "style/Utf16.h"
#include "resources/ResourceIds.h"
#include "sections/SectionCatalogue.h"
#include "sections/WindowStyles.h"
#include "tests/windows/DialogTemplateReader.h"
#include "tests/windows/PagesHostWindow.h"
#include "tests/windows/ProgramDriver.h"
#include "tests/windows/WindowTestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace sections;

// The portable style numbers are the platform's.
static_assert(styles::kChild == WS_CHILD && styles::kVisible == WS_VISIBLE && styles::kDisabled == WS_DISABLED &&
              styles::kBorder == WS_BORDER && styles::kVScroll == WS_VSCROLL && styles::kHScroll == WS_HSCROLL &&
              styles::kGroup == WS_GROUP && styles::kTabStop == WS_TABSTOP && styles::kThickFrame == WS_THICKFRAME &&
              styles::kClientEdge == WS_EX_CLIENTEDGE && styles::kSetFont == DS_SETFONT);
static_assert(styles::kPushButton == BS_PUSHBUTTON && styles::kAutoCheckBox == BS_AUTOCHECKBOX &&
              styles::kGroupBox == BS_GROUPBOX && styles::kButtonCenter == BS_CENTER &&
              styles::kButtonTop == BS_TOP && styles::kMultiLine == BS_MULTILINE && styles::kFlat == BS_FLAT);
static_assert(styles::kLeftText == SS_LEFT && styles::kBitmap == SS_BITMAP && styles::kAutoHScroll == ES_AUTOHSCROLL &&
              styles::kReadOnly == ES_READONLY && styles::kDropDownList == CBS_DROPDOWNLIST &&
              styles::kSort == CBS_SORT);
static_assert(styles::kSetBuddyInt == UDS_SETBUDDYINT && styles::kAlignRight == UDS_ALIGNRIGHT &&
              styles::kAutoBuddy == UDS_AUTOBUDDY && styles::kArrowKeys == UDS_ARROWKEYS &&
              styles::kHotTrack == UDS_HOTTRACK && styles::kNoThousands == UDS_NOTHOUSANDS);
static_assert(kPagePictureId == IDB_GP_PAGE_PICTURE);

namespace {

std::wstring Lower(std::wstring text)
{
    for (wchar_t& c : text) c = static_cast<wchar_t>(towlower(c));
    return text;
}

// One line per control, so that a difference shows as one readable line.
std::wstring Line(const std::wstring& className, std::uint32_t style, std::uint32_t exStyle, int x, int y, int cx,
                  int cy, int id, const std::wstring& text)
{
    wchar_t numbers[160];
    swprintf(numbers, 160, L" style %08X ex %X at %d,%d size %d x %d id %d ", static_cast<unsigned>(style),
             static_cast<unsigned>(exStyle), x, y, cx, cy, id);
    return Lower(className) + numbers + L"\"" + text + L"\"";
}

std::vector<std::wstring> ExpectedLines(SectionPageId page)
{
    std::vector<std::wstring> lines;
    for (const TemplateControl& control : TemplateControls(page)) {
        const std::wstring text = control.kind == ControlKind::Bitmap ? L"#" + std::to_wstring(kPagePictureId)
                                                                        : WidenUtf8(control.text);
        lines.push_back(Line(WidenUtf8(control.className), control.style, 0, control.x, control.y, control.cx,
                             control.cy, control.id, text));
    }
    return lines;
}

std::vector<std::wstring> CompiledLines(const DialogTemplate& dialog)
{
    std::vector<std::wstring> lines;
    for (const TemplateItem& item : dialog.items)
        lines.push_back(Line(item.className, item.style, item.exStyle, item.x, item.y, item.cx, item.cy, item.id,
                             item.text));
    return lines;
}

} // namespace

TEST(SectionTemplates, EveryPageTemplateMatchesTheCatalogue)
{
    for (const CataloguePage& page : SectionCatalogue()) {
        SCOPED_TRACE(page.title);
        const DialogTemplate dialog = ReadDialogResource(page.dialogId);
        ASSERT_TRUE(dialog.valid);
        EXPECT_EQ(dialog.style, static_cast<std::uint32_t>(WS_CHILD | WS_HSCROLL | DS_SETFONT));
        EXPECT_EQ(dialog.exStyle, static_cast<std::uint32_t>(WS_EX_CLIENTEDGE));
        EXPECT_EQ(dialog.cx, page.width);
        EXPECT_EQ(dialog.cy, page.height);
        EXPECT_EQ(dialog.x, 0);
        EXPECT_EQ(dialog.y, 0);
        EXPECT_EQ(dialog.title, L"");
        EXPECT_EQ(dialog.pointSize, 8);
        EXPECT_EQ(dialog.typeface, L"Microsoft Sans Serif");
        const std::vector<std::wstring> expected = ExpectedLines(page.page);
        const std::vector<std::wstring> compiled = CompiledLines(dialog);
        EXPECT_EQ(compiled.size(), expected.size());
        for (std::size_t i = 0; i < std::min(compiled.size(), expected.size()); ++i)
            EXPECT_EQ(compiled[i], expected[i]) << "control " << i;
    }
}

TEST(SectionTemplates, NoOtherDialogResourcesInTheSectionRange)
{
    std::set<int> catalogued;
    for (const CataloguePage& page : SectionCatalogue()) catalogued.insert(page.dialogId);
    for (int id = *catalogued.begin(); id <= *catalogued.rbegin(); ++id) {
        // Dialog 116 in the middle of the range is the code view.
        if (id == IDD_GP_CODE_VIEW) continue;
        EXPECT_EQ(FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5)) != nullptr,
                  catalogued.count(id) == 1)
            << "dialog " << id;
    }
}

namespace {

using program_driver::Children;

// What the dialog procedure saw at WM_INITDIALOG (how many controls, and
// which is the first tab stop); it asks for the focus there. The controls'
// help ids apart: Wine's dialog manager leaves them 0, not the template's.
std::size_t g_controlsAtInit = 0, g_firstStopAtInit = 0;
std::vector<DWORD> g_helpIds;

std::size_t IndexOf(const std::vector<HWND>& controls, HWND window)
{
    return static_cast<std::size_t>(std::find(controls.begin(), controls.end(), window) - controls.begin());
}

INT_PTR CALLBACK RecordInitialisation(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_INITDIALOG) return FALSE;
    g_controlsAtInit = Children(dialog).size();
    g_firstStopAtInit = IndexOf(Children(dialog), reinterpret_cast<HWND>(wParam));
    return TRUE;
}

// Everything another program can read of a dialog and of its controls, a
// line each, and how its initialisation went. The dialog is then destroyed.
std::string Observed(HWND dialog)
{
    if (!dialog) return "not made";
    std::ostringstream out;
    std::vector<HWND> windows = Children(dialog);
    g_helpIds.clear();
    for (HWND window : windows) g_helpIds.push_back(GetWindowContextHelpId(window));
    windows.insert(windows.begin(), dialog);
    for (HWND window : windows) {
        RECT place = program_driver::WindowRect(window);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
        out << NarrowToUtf8(program_driver::ClassOf(window)) << std::hex << " id " << GetWindowLongPtrW(window, GWLP_ID)
            << " style " << GetWindowLongW(window, GWL_STYLE) << " ex " << GetWindowLongW(window, GWL_EXSTYLE)
            << " help " << (window == dialog ? GetWindowContextHelpId(window) : 0) << std::dec << " at " << place.left
            << "," << place.top << " " << place.right << "," << place.bottom << " \""
            << NarrowToUtf8(program_driver::TextOf(window)) << "\" font " << font.lfHeight << " "
            << NarrowToUtf8(font.lfFaceName) << "\n";
    }
    out << "WM_INITDIALOG with " << g_controlsAtInit << " controls, first stop " << g_firstStopAtInit << "; focus "
        << IndexOf(windows, GetFocus()) << "; default " << std::hex << SendMessageW(dialog, DM_GETDEFID, 0, 0)
        << (IsWindowVisible(dialog) ? "; shown" : "; hidden");
    DestroyWindow(dialog);
    return out.str();
}

std::string MadeAtOnce(HWND parent, const void* dialogTemplate)
{
    g_controlsAtInit = g_firstStopAtInit = 0;
    return Observed(CreateDialogIndirectParamW(GetModuleHandleW(nullptr), static_cast<const DLGTEMPLATE*>(dialogTemplate),
                                               parent, &RecordInitialisation, 0));
}

std::string MadeInSteps(HWND parent, const void* dialogTemplate, std::size_t size)
{
    g_controlsAtInit = g_firstStopAtInit = 0;
    DialogInSteps steps;
    if (!steps.Load(nullptr, dialogTemplate, size)) return steps.Refusal();
    HWND dialog = steps.CreateShell(parent, &RecordInitialisation, 0);
    while (dialog && !steps.Done() && steps.MakeControls(StepDeadline::After(0))) {
    }
    if (!steps.Done()) DestroyWindow(dialog);
    return Observed(steps.Done() ? dialog : nullptr);
}

// A dialog with help id 77, the style and point size given (the rest of the
// font follows unless it is 0x7FFF) and three controls, help ids 5 to 7: a
// label without an id (-1), an edit and a default push button.
std::vector<WORD> ExtendedTemplate(DWORD style, WORD pointSize)
{
    std::vector<WORD> words{1, 0xFFFF, 77, 0, 0, 0, LOWORD(style), HIWORD(style), 3, 10, 10, 200, 100, 0, 0, 'T', 0};
    if (style & DS_SETFONT) words.push_back(pointSize);
    if ((style & DS_SETFONT) && pointSize != 0x7FFF) words.insert(words.end(), {FW_BOLD, 0, 'T', 'a', 'h', 'o', 'm', 'a', 0});
    const DWORD styles[] = {SS_LEFT, WS_BORDER | WS_TABSTOP, BS_DEFPUSHBUTTON | WS_TABSTOP}, ids[] = {0xFFFFFFFF, 100, 101};
    const WORD classes[] = {0x82, 0x81, 0x80};
    for (WORD i = 0; i < 3; ++i) {
        if (words.size() % 2) words.push_back(0);
        const DWORD item = styles[i] | WS_CHILD | WS_VISIBLE;
        words.insert(words.end(), {WORD(5 + i), 0, 0, 0, LOWORD(item), HIWORD(item), 5, WORD(5 + 20 * i), 80, 12,
                                   LOWORD(ids[i]), HIWORD(ids[i]), 0xFFFF, classes[i], 'x', 0, 0});
    }
    return words;
}

} // namespace

// Three templates the pages do not use (a visible popup in the message box
// font, point size 0x7FFF; one with DS_FIXEDSYS and no font; one with a font
// of its own), then every page template: made one control per step, as an
// idle loop with no time to spare makes them, they are what the dialog
// manager makes. Templates that cannot be made so are refused, each for its
// own reason: one not extended, one cut inside a control, one with a class
// ordinal of no predefined class.
TEST(SectionTemplates, EveryTemplateMadeInStepsIsWhatTheDialogManagerMakesOrIsRefused)
{
    window_tests::HostWindow host(L"dialogs made two ways", 800, 300);
    std::vector<std::vector<WORD>> templates{ExtendedTemplate(WS_POPUP | WS_VISIBLE | WS_CAPTION | DS_SHELLFONT, 0x7FFF),
                                             ExtendedTemplate(WS_POPUP | WS_CAPTION | DS_FIXEDSYS, 8),
                                             ExtendedTemplate(WS_POPUP | DS_SETFONT, 9)};
    for (const CataloguePage& page : SectionCatalogue()) {
        HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(page.dialogId), MAKEINTRESOURCEW(5));
        const WORD* words = static_cast<const WORD*>(LockResource(LoadResource(nullptr, resource)));
        templates.emplace_back(words, words + SizeofResource(nullptr, resource) / 2);
    }
    for (std::size_t i = 0; i < templates.size(); ++i) {
        const std::string atOnce = MadeAtOnce(host.Handle(), templates[i].data());
        EXPECT_EQ(MadeInSteps(host.Handle(), templates[i].data(), templates[i].size() * 2), atOnce) << "template " << i;
        if (i < 3) {
            EXPECT_EQ(g_helpIds, (std::vector<DWORD>{5, 6, 7}));
        }
    }
    std::vector<WORD> classic = templates[2], cut = classic, unknown = classic;
    classic[1] = 0;
    cut.resize(cut.size() - 3);
    unknown[unknown.size() - 4] = 0x90;   // the button's class
    std::set<std::string> refusals;
    for (const std::vector<WORD>* words : std::initializer_list<const std::vector<WORD>*>{&classic, &cut, &unknown}) {
        DialogInSteps steps;
        EXPECT_FALSE(steps.Load(nullptr, words->data(), words->size() * 2));
        EXPECT_EQ(steps.CreateShell(host.Handle(), &RecordInitialisation, 0), nullptr);
        refusals.insert(steps.Refusal());
    }
    EXPECT_TRUE(refusals.size() == 3 && !refusals.count(""));
}

TEST(SectionTemplates, PictureIsA24BitImageOfTheGivenSizeAndNotAPlainBlock)
{
    HBITMAP picture = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kPagePictureId),
                                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(picture, nullptr);
    DIBSECTION section = {};
    ASSERT_EQ(GetObjectW(picture, sizeof section, &section), static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBm.bmWidth, kPagePictureWidth);
    EXPECT_EQ(section.dsBm.bmHeight, kPagePictureHeight);
    EXPECT_EQ(section.dsBm.bmBitsPixel, 24);
    ASSERT_NE(section.dsBm.bmBits, nullptr);
    std::set<std::uint32_t> colours;
    const BYTE* bits = static_cast<const BYTE*>(section.dsBm.bmBits);
    for (int y = 0; y < section.dsBm.bmHeight; ++y)
        for (int x = 0; x < section.dsBm.bmWidth; ++x) {
            const BYTE* pixel = bits + y * section.dsBm.bmWidthBytes + x * 3;
            colours.insert(pixel[0] | (pixel[1] << 8) | (pixel[2] << 16));
        }
    EXPECT_GT(colours.size(), 16u);
    DeleteObject(picture);
}

namespace {

// The bitmap of the page's picture static, and the static's own size.
struct ShownPicture {
    HBITMAP bitmap = nullptr;
    SIZE place{};
};

ShownPicture PictureOf(HWND page)
{
    ShownPicture shown;
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) continue;
        shown.bitmap = reinterpret_cast<HBITMAP>(SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
        RECT place{};
        GetClientRect(child, &place);
        shown.place = SIZE{place.right, place.bottom};
    }
    return shown;
}

} // namespace

TEST(SectionTemplates, EveryPageShowsThePictureForItsDpiAndEndsWithIt)
{
    // Pages made and ended once first: what the first pages make for the
    // whole run is not counted.
    {
        Owned<PagesHostWindow> host;
        ASSERT_TRUE(host.Create(1000, 260, false));
        host.Destroy();
        window_tests::PumpPending();
    }
    const int gdiObjects = window_tests::CountGdiObjects();
    {
        Owned<PagesHostWindow> host;
        ASSERT_TRUE(host.Create(1000, 260, false));
        window_tests::PumpPending();
        for (const CataloguePage& entry : SectionCatalogue()) {
            const HWND page = host.pages.Page(entry.page)->Handle();
            // Made at its DPI: the picture drawn for it, the static of its size.
            // The first as the page was made, then changes to other DPIs.
            bool made = true;
            for (int dpi : {WindowDpi(page), 168, 240, 120}) {
                if (!made) ShowPicturesForDpi(page, kPagePicture, dpi);
                made = false;
                HBITMAP expected = LoadPictureForDpi(kPagePicture, dpi);
                SIZE expectedSize{}, shownSize{};
                const std::vector<std::uint32_t> wanted = window_tests::BitmapPixels(expected, expectedSize);
                DeleteObject(expected);
                const ShownPicture shown = PictureOf(page);
                EXPECT_EQ(window_tests::BitmapPixels(shown.bitmap, shownSize), wanted) << entry.title << " at " << dpi;
                EXPECT_EQ(shownSize.cx, ScaleForDpi(kPagePictureWidth, dpi)) << entry.title << " at " << dpi;
                EXPECT_EQ(shownSize.cy, ScaleForDpi(kPagePictureHeight, dpi)) << entry.title << " at " << dpi;
                EXPECT_EQ(shown.place.cx, shownSize.cx) << entry.title << " at " << dpi;
                EXPECT_EQ(shown.place.cy, shownSize.cy) << entry.title << " at " << dpi;
            }
        }
        host.Destroy();
        window_tests::PumpPending();
    }
    // Every page deleted the picture it showed last.
    EXPECT_EQ(window_tests::CountGdiObjects(), gdiObjects);
}
