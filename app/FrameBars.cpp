#include "app/FrameBars.h"

#include <cwchar>

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "framework/CommandBar.h"
#include "framework/DialogHelpers.h"
#include "framework/Dpi.h"
#include "framework/DpiPictures.h"
#include "framework/SystemChanges.h"
#include "resources/ResourceIds.h"

namespace {

// The layout of a toolbar resource: version 1, button width and height,
// button count, then the commands (0 for a separator).
struct ToolBarResource {
    WORD version;
    WORD width;
    WORD height;
    WORD count;
};

struct ButtonRow {
    int command;  // 0: separator
    int image;
    int labelString;
    bool dropDown;
};

// The nine buttons, in order.
constexpr ButtonRow kButtons[] = {
    {ID_GP_OPEN, 0, IDS_GP_LABEL_OPEN, false},           {0, 0, 0, false},
    {ID_GP_REVERT, 1, IDS_GP_LABEL_REVERT, true},        {0, 0, 0, false},
    {ID_GP_SAVE, 2, IDS_GP_LABEL_SAVE, false},           {0, 0, 0, false},
    {ID_GP_SHOW_CODE, 3, IDS_GP_LABEL_SHOW_CODE, false}, {0, 0, 0, false},
    {ID_GP_DONATE, 4, IDS_GP_LABEL_DONATE, false},
};
// The labels are added in this order; a button's label index is its place here.
constexpr int kLabelOrder[] = {IDS_GP_LABEL_OPEN, IDS_GP_LABEL_REVERT, IDS_GP_LABEL_SAVE, IDS_GP_LABEL_SHOW_CODE,
                               IDS_GP_LABEL_DONATE};

// Gives the band of a rebar that holds child the child's new size, as the
// band took its first size when it was added: the child's height, and its
// width as the ideal. False when no band holds it.
bool FitRebarBand(HWND rebar, HWND child, SIZE size)
{
    if (!child) return false;
    const int count = static_cast<int>(SendMessageW(rebar, RB_GETBANDCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        REBARBANDINFOW band{};
        band.cbSize = sizeof(band);
        band.fMask = RBBIM_CHILD;
        if (!SendMessageW(rebar, RB_GETBANDINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&band)) ||
            band.hwndChild != child)
            continue;
        band.fMask = RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
        band.cxMinChild = 0;
        band.cyMinChild = size.cy;
        band.cxIdeal = size.cx;
        return SendMessageW(rebar, RB_SETBANDINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&band)) != 0;
    }
    return false;
}

} // namespace

static_assert(FrameToolBar::kWindowId == ID_GP_VIEW_TOOLBAR && FrameStatusBar::kWindowId == ID_GP_VIEW_STATUS_BAR,
              "the bars' windows are numbered as the commands that show and hide them");

const PictureDescription FrameToolBar::kPicture = {
    .width = 32,
    .height = 32,
    .across = 5,
    .masked = true,
    .drawings = {{96, IDB_GP_TOOLBAR}, {144, IDB_GP_TOOLBAR_150}, {192, IDB_GP_TOOLBAR_200}, {288, IDB_GP_TOOLBAR_300}},
};

std::wstring ToolBarLabel(const std::wstring& resourceText)
{
    const size_t first = resourceText.find(L'|');
    if (first == std::wstring::npos) return resourceText;
    const size_t second = resourceText.find(L'|', first + 1);
    return resourceText.substr(first + 1, second == std::wstring::npos ? std::wstring::npos : second - first - 1);
}

FrameToolBar::~FrameToolBar()
{
    // The toolbar lets go of the list before the list goes.
    if (toolbar_ && IsWindow(toolbar_)) SendMessageW(toolbar_, TB_SETIMAGELIST, 0, 0);
}

HWND FrameToolBar::Create(HWND parent)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(IDR_GP_TOOLBAR), MAKEINTRESOURCEW(RT_GP_TOOLBAR));
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;
    const auto* layout = loaded ? static_cast<const ToolBarResource*>(LockResource(loaded)) : nullptr;
    if (!layout || SizeofResource(instance, found) < sizeof(ToolBarResource) || layout->version != 1) return nullptr;

    toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                               WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | TBSTYLE_FLAT |
                                   TBSTYLE_TOOLTIPS | TBSTYLE_LIST | TBSTYLE_TRANSPARENT | CCS_NODIVIDER |
                                   CCS_NORESIZE | CCS_NOPARENTALIGN,
                               0, 0, 100, 100, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kWindowId)),
                               instance, nullptr);
    if (!toolbar_) return nullptr;
    SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    dpi_ = WindowDpi(toolbar_);
    ApplyLabelFont();
    SendMessageW(toolbar_, TB_SETBITMAPSIZE, 0,
                 MAKELPARAM(ScaleForDpi(layout->width, dpi_), ScaleForDpi(layout->height, dpi_)));
    // The placeholder buttons of the resource, then none of them.
    const WORD* commands = reinterpret_cast<const WORD*>(layout + 1);
    for (WORD i = 0; i < layout->count; ++i) {
        TBBUTTON button{};
        button.iBitmap = commands[i] ? i : I_IMAGENONE;
        button.idCommand = commands[i];
        button.fsState = TBSTATE_ENABLED;
        button.fsStyle = commands[i] ? BTNS_BUTTON : BTNS_SEP;
        SendMessageW(toolbar_, TB_ADDBUTTONSW, 1, reinterpret_cast<LPARAM>(&button));
    }
    SendMessageW(toolbar_, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
    while (SendMessageW(toolbar_, TB_DELETEBUTTON, 0, 0)) {
    }

    // Labels: TB_ADDSTRING takes a list of texts each ended by a NUL.
    std::wstring labels;
    for (int id : kLabelOrder) labels += ToolBarLabel(LoadResourceString(id)) + L'\0';
    labels += L'\0';
    const LRESULT firstLabel = SendMessageW(toolbar_, TB_ADDSTRINGW, 0, reinterpret_cast<LPARAM>(labels.c_str()));

    std::vector<TBBUTTON> buttons;
    for (const ButtonRow& row : kButtons) {
        TBBUTTON button{};
        if (row.command == 0) {
            button.fsStyle = BTNS_SEP;
        } else {
            button.iBitmap = row.image;
            button.idCommand = row.command;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = static_cast<BYTE>(BTNS_SHOWTEXT | BTNS_AUTOSIZE | (row.dropDown ? BTNS_DROPDOWN : 0));
            const int place = static_cast<int>(std::find(std::begin(kLabelOrder), std::end(kLabelOrder), row.labelString) -
                                               std::begin(kLabelOrder));
            button.iString = firstLabel + place;
        }
        buttons.push_back(button);
    }
    SendMessageW(toolbar_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));

    UseDpi(dpi_);
    return toolbar_;
}

void FrameToolBar::UseDpi(int dpi)
{
    if (!toolbar_) return;
    // The five pictures of the toolbar bitmap drawn for this DPI.
    const SIZE size = PictureSizeForDpi(kPicture, dpi);
    const bool changed = dpi != dpi_;
    if (changed) SendMessageW(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(size.cx, size.cy));
    dpi_ = dpi;
    if (changed) ApplyLabelFont();
    HIMAGELIST images = LoadPictureListForDpi(kPicture, dpi);
    SendMessageW(toolbar_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    images_.Reset(images);
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
    if (changed) FitBand();
}

// In a rebar, the band that holds the toolbar takes its new size, as the
// band took its first size from IdealSize when it was added.
void FrameToolBar::FitBand() const
{
    HWND rebar = GetParent(toolbar_);
    wchar_t className[32] = {};
    if (!rebar || !GetClassNameW(rebar, className, 32) || lstrcmpiW(className, REBARCLASSNAMEW) != 0) return;
    FitRebarBand(rebar, toolbar_, IdealSize());
}

SIZE FrameToolBar::IdealSize() const
{
    SIZE size{0, 0};
    if (!toolbar_) return size;
    SendMessageW(toolbar_, TB_GETMAXSIZE, 0, reinterpret_cast<LPARAM>(&size));
    return size;
}

POINT FrameToolBar::ButtonBottomLeft(UINT command) const
{
    RECT button{};
    SendMessageW(toolbar_, TB_GETRECT, command, reinterpret_cast<LPARAM>(&button));
    POINT corner{button.left, button.bottom};
    ClientToScreen(toolbar_, &corner);
    return corner;
}

// The toolbar's own default font is the icon-title font as it was when the
// toolbar was made; it keeps that after a change. A font of our own, the
// same at first, is made again when the settings or the DPI change.
void FrameToolBar::ApplyLabelFont()
{
    LOGFONTW logFont{};
    HFONT font = IconTitleFontForDpi(logFont, dpi_) ? CreateFontIndirectW(&logFont) : nullptr;
    if (!font) return;
    SendMessageW(toolbar_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    labelFont_.Reset(font);
}

void FrameToolBar::OnSystemChange(UINT message)
{
    if (!toolbar_) return;
    if (message == WM_SETTINGCHANGE) ApplyLabelFont();
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
}

HWND FrameRebar::Create(HWND frame)
{
    rebar_ = CreateWindowExW(WS_EX_TOOLWINDOW, REBARCLASSNAMEW, L"",
                             WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | RBS_VARHEIGHT |
                                 RBS_BANDBORDERS | RBS_AUTOSIZE | CCS_NODIVIDER | CCS_TOP,
                             0, 0, 100, 100, frame, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!rebar_) return nullptr;
    REBARINFO info{};
    info.cbSize = sizeof(info);
    if (!SendMessageW(rebar_, RB_SETBARINFO, 0, reinterpret_cast<LPARAM>(&info))) {
        DestroyWindow(rebar_);
        rebar_ = nullptr;
    }
    return rebar_;
}

int FrameRebar::AddBand(HWND child, SIZE size, RebarBandOptions options)
{
    if (!rebar_ || !child) return -1;
    REBARBANDINFOW band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_CHILD | RBBIM_CHILDSIZE | RBBIM_STYLE | RBBIM_SIZE | RBBIM_IDEALSIZE;
    band.fStyle = RBBS_CHILDEDGE | (options.newRow ? RBBS_BREAK : 0) | (options.gripper ? 0 : RBBS_NOGRIPPER);
    band.hwndChild = child;
    band.cxMinChild = 0;
    band.cyMinChild = size.cy;
    band.cx = size.cx;
    band.cxIdeal = size.cx;
    const int index = static_cast<int>(SendMessageW(rebar_, RB_GETBANDCOUNT, 0, 0));
    if (!SendMessageW(rebar_, RB_INSERTBANDW, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&band))) return -1;
    return index;
}

void FrameRebar::ShowBand(int index, bool show)
{
    if (rebar_) SendMessageW(rebar_, RB_SHOWBAND, static_cast<WPARAM>(index), show);
}

bool FrameRebar::BandVisible(int index) const
{
    if (!rebar_) return false;
    REBARBANDINFOW band{};
    band.cbSize = sizeof(band);
    band.fMask = RBBIM_STYLE;
    if (!SendMessageW(rebar_, RB_GETBANDINFOW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&band)))
        return false;
    return !(band.fStyle & RBBS_HIDDEN);
}

bool FrameRebar::FitBand(HWND child, SIZE size)
{
    return rebar_ && FitRebarBand(rebar_, child, size);
}

void FrameRebar::UseDpi(int dpi)
{
    LOGFONTW logFont{};
    HFONT font = rebar_ && MessageFontForDpi(logFont, dpi) ? CreateFontIndirectW(&logFont) : nullptr;
    if (!font) return;
    SendMessageW(rebar_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    font_.Reset(font);
}

HWND FrameStatusBar::Create(HWND frame, UINT id)
{
    status_ = CreateWindowExW(0, STATUSCLASSNAMEW, LoadResourceString(IDS_GP_READY).c_str(),
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SBARS_SIZEGRIP, 0, 0, 0, 0, frame,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!status_) return nullptr;
    dpi_ = WindowDpi(status_);
    ApplyFont();
    if (dpi_ != SystemDpi()) ApplyMinHeight(dpi_);
    return status_;
}

// As the toolbar's labels: the bar's own default font would stay as it was
// when the bar was made.
void FrameStatusBar::ApplyFont()
{
    LOGFONTW logFont{};
    HFONT font = StatusFontForDpi(logFont, dpi_ > 0 ? dpi_ : WindowDpi(status_)) ? CreateFontIndirectW(&logFont) : nullptr;
    if (!font) return;
    SendMessageW(status_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    font_.Reset(font);
}

void FrameStatusBar::UseDpi(int dpi)
{
    if (!status_) return;
    const int before = dpi_;
    dpi_ = dpi;
    ApplyFont();
    if (dpi != before) ApplyMinHeight(dpi);
}

// The bar is never lower than the caption buttons as the system's DPI has
// them, which it reads when it is made: on a display of another DPI, as
// high as they are there.
void FrameStatusBar::ApplyMinHeight(int dpi)
{
    SendMessageW(status_, SB_SETMINHEIGHT, SystemMetricForDpi(SM_CYSIZE, dpi) & ~1, 0);
}

void FrameStatusBar::OnSystemChange(UINT message)
{
    if (status_ && message == WM_SETTINGCHANGE) ApplyFont();
}

void FrameStatusBar::SetText(const std::wstring& text)
{
    if (status_) SendMessageW(status_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring FrameStatusBar::Text() const
{
    if (!status_) return std::wstring();
    const LRESULT length = LOWORD(SendMessageW(status_, SB_GETTEXTLENGTHW, 0, 0));
    // WM_GETTEXT takes the buffer's size: if the text grows between the two
    // messages (a menu highlight from another thread), it is cut, never
    // written past the buffer as SB_GETTEXT would.
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(status_, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]));
    text.resize(wcslen(text.c_str()));
    return text;
}

void FrameStatusBar::ShowIdleText()
{
    SetText(LoadResourceString(IDS_GP_READY));
}

void FrameStatusBar::ShowMenuHelp(WPARAM wParam, LPARAM lParam)
{
    const UINT flags = HIWORD(wParam);
    if (flags == 0xFFFF && lParam == 0) {
        ShowIdleText();
        return;
    }
    if (flags & (MF_POPUP | MF_SEPARATOR | MF_SYSMENU)) {
        SetText(std::wstring());
        return;
    }
    const std::wstring help = LoadResourceString(LOWORD(wParam));
    SetText(help.substr(0, help.find(L'\n')));
}

RECT LayOutFrame(HWND frame, HWND rebar, HWND statusBar, HWND client)
{
    RECT area{};
    GetClientRect(frame, &area);
    if (rebar && IsWindowVisible(rebar)) {
        SendMessageW(rebar, WM_SIZE, 0, 0);
        RECT bar{};
        GetWindowRect(rebar, &bar);
        area.top += bar.bottom - bar.top;
    }
    if (statusBar && IsWindowVisible(statusBar)) {
        SendMessageW(statusBar, WM_SIZE, 0, 0);
        RECT bar{};
        GetWindowRect(statusBar, &bar);
        area.bottom -= bar.bottom - bar.top;
    }
    if (area.bottom < area.top) area.bottom = area.top;
    if (client)
        SetWindowPos(client, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    return area;
}

void PassSystemChangeToBars(UINT message, WPARAM wParam, LPARAM lParam, CommandBar& commandBar,
                            FrameToolBar& toolBar, FrameRebar& rebar, FrameStatusBar& statusBar)
{
    // The rebar passes nothing on to the bars in its bands.
    PassToChildren(rebar.Handle(), message, wParam, lParam);
    if (commandBar.Handle()) rebar.FitBand(commandBar.Handle(), commandBar.IdealSize());
    if (toolBar.Handle()) {
        toolBar.OnSystemChange(message);
        rebar.FitBand(toolBar.Handle(), toolBar.IdealSize());
    }
    statusBar.OnSystemChange(message);
}

void ShowRevertDropDown(CommandBar& commandBar, const FrameToolBar& toolBar)
{
    const POINT corner = toolBar.ButtonBottomLeft(ID_GP_REVERT);
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_GP_MAINFRAME));
    if (!menu) return;
    HMENU file = GetSubMenu(menu, 0);
    HMENU revert = file ? GetSubMenu(file, 1) : nullptr;
    if (revert) commandBar.TrackPopupMenu(revert, corner.x, corner.y);
    DestroyMenu(menu);
}
