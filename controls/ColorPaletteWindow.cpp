#include "controls/ColorPaletteWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "controls/PaletteAccessible.h"
#include "controls/PaletteColors.h"
#include "framework/Dpi.h"
#include "style/Utf16.h"

namespace {

#ifndef SPI_GETFLATMENU
#define SPI_GETFLATMENU 0x1022
#endif

RECT ToRect(const palette::Rect& rect)
{
    return RECT{rect.left, rect.top, rect.right, rect.bottom};
}

palette::Rect FromRect(const RECT& rect)
{
    return palette::Rect{rect.left, rect.top, rect.right, rect.bottom};
}

// per channel (menu x 207 + highlight x 48) / 256, truncated
COLORREF MixSelectedFill(COLORREF menu, COLORREF highlight)
{
    auto mix = [](int a, int b) { return (a * 207 + b * 48) / 256; };
    return RGB(mix(GetRValue(menu), GetRValue(highlight)), mix(GetGValue(menu), GetGValue(highlight)),
               mix(GetBValue(menu), GetBValue(highlight)));
}

} // namespace

ColorPaletteWindow::ColorPaletteWindow(PaletteOwner& owner, HWND button, std::wstring defaultText,
                                       std::wstring customText, int dpi)
    : owner_(owner),
      button_(button),
      defaultText_(std::move(defaultText)),
      customText_(std::move(customText)),
      dpi_(dpi > 0 ? dpi : kDefaultDpi)
{
}

ColorPaletteWindow::~ColorPaletteWindow()
{
    if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
}

bool ColorPaletteWindow::EntryColor(int entry, COLORREF& color)
{
    if (entry >= 0 && entry < kPaletteColorCount) {
        color = kPaletteColors[entry].color;
        return true;
    }
    if (entry == palette::kAutomaticEntry) {
        color = kAutomaticColor;
        return true;
    }
    return false;
}

std::wstring ColorPaletteWindow::EntryName(int entry) const
{
    if (entry >= 0 && entry < kPaletteColorCount) return WidenUtf8(kPaletteColors[entry].name);
    if (entry == palette::kAutomaticEntry) return defaultText_;
    if (entry == palette::kCustomEntry) return customText_;
    return std::wstring();
}

ColorPaletteWindow::Colors ColorPaletteWindow::ReadSystemColors()
{
    Colors colors;
    BOOL flag = FALSE;
    colors.flatMenus = SystemParametersInfoW(SPI_GETFLATMENU, 0, &flag, 0) && flag;
    colors.background = GetSysColor(COLOR_MENU);
    colors.highlight = GetSysColor(COLOR_HIGHLIGHT);
    colors.hotFill = colors.flatMenus ? GetSysColor(COLOR_MENUHILIGHT) : GetSysColor(COLOR_HIGHLIGHT);
    colors.hotText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    colors.text = GetSysColor(COLOR_MENUTEXT);
    colors.selectedFill = MixSelectedFill(colors.background, colors.highlight);
    colors.boxFrame = GetSysColor(COLOR_BTNSHADOW);
    colors.flatFrame = GetSysColor(COLOR_GRAYTEXT);
    return colors;
}

void ColorPaletteWindow::CreateResources()
{
    LOGFONTW messageFont{};
    if (MessageFontForDpi(messageFont, dpi_)) font_.Reset(CreateFontIndirectW(&messageFont));

    // A logical palette of the 40 colours, for displays of 256 colours or fewer.
    std::vector<BYTE> storage(sizeof(LOGPALETTE) + (kPaletteColorCount - 1) * sizeof(PALETTEENTRY));
    LOGPALETTE* table = reinterpret_cast<LOGPALETTE*>(storage.data());
    table->palVersion = 0x300;
    table->palNumEntries = kPaletteColorCount;
    PALETTEENTRY* entries = table->palPalEntry;
    for (int i = 0; i < kPaletteColorCount; ++i) {
        entries[i].peRed = GetRValue(kPaletteColors[i].color);
        entries[i].peGreen = GetGValue(kPaletteColors[i].color);
        entries[i].peBlue = GetBValue(kPaletteColors[i].color);
        entries[i].peFlags = 0;
    }
    palette_.Reset(CreatePalette(table));
}

void ColorPaletteWindow::ReleaseResources()
{
    font_.Reset();
    palette_.Reset();
}

// The class exists only while a palette is open (Run unregisters it): each
// palette takes the system's drop shadow setting as it is when it opens.
const WindowClass ColorPaletteWindow::kWindowClass = {.name = L"ColorPicker",
                                                      .style = CS_HREDRAW | CS_VREDRAW | CS_SAVEBITS | CS_CLASSDC,
                                                      .background = COLOR_MENU,
                                                      .dropShadow = true};

bool ColorPaletteWindow::CreatePaletteWindow()
{
    // Lay out with the palette font.
    SIZE defaultExtent{0, 0};
    SIZE customExtent{0, 0};
    {
        WindowDC screen(nullptr);
        SelectedObject font(screen.Get(), font_ ? font_.Get() : GetStockObject(DEFAULT_GUI_FONT));
        GetTextExtentPoint32W(screen.Get(), defaultText_.c_str(), static_cast<int>(defaultText_.size()),
                              &defaultExtent);
        GetTextExtentPoint32W(screen.Get(), customText_.c_str(), static_cast<int>(customText_.size()),
                              &customExtent);
    }
    const palette::Size textExtent{std::max(defaultExtent.cx, customExtent.cx),
                                   std::max(defaultExtent.cy, customExtent.cy)};
    const palette::Size edge{SystemMetricForDpi(SM_CXEDGE, dpi_), SystemMetricForDpi(SM_CYEDGE, dpi_)};
    layout_ = palette::LayOutPalette(!defaultText_.empty(), !customText_.empty(), textExtent, edge, dpi_);

    // Top left at the button's bottom left, kept inside the button's work area.
    RECT buttonRect{};
    GetWindowRect(button_, &buttonRect);
    RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    if (GetMonitorInfoW(MonitorFromWindow(button_, MONITOR_DEFAULTTONEAREST), &monitor)) work = monitor.rcWork;
    const RECT placed = ToRect(palette::PlacePalette(FromRect(buttonRect), layout_.window, FromRect(work)));

    return BaseWindow::Create({.parent = GetParent(button_), .rect = placed, .style = WS_POPUP}) != nullptr;
}

void ColorPaletteWindow::AddTooltips()
{
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (!tooltip_) return;
    for (int i = 0; i < kPaletteColorCount; ++i) {
        std::wstring name = WidenUtf8(kPaletteColors[i].name);
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof(tool);
        tool.hwnd = Handle();
        tool.uId = static_cast<UINT_PTR>(i + 1);
        tool.rect = ToRect(layout_.BoxRect(i));
        tool.lpszText = name.data();
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

int ColorPaletteWindow::SelectedEntryFor(COLORREF current) const
{
    if (current == kAutomaticColor && layout_.hasAutomatic) return palette::kAutomaticEntry;
    for (int i = 0; i < kPaletteColorCount; ++i) {
        if (kPaletteColors[i].color == current) return i;
    }
    if (layout_.hasCustom) return palette::kCustomEntry;
    return palette::kNoEntry;
}

ColorPaletteWindow::Outcome ColorPaletteWindow::Run()
{
    colors_ = ReadSystemColors();
    CreateResources();
    chosenColor_ = owner_.CurrentColor();
    chosen_ = false;
    hotEntry_ = palette::kNoEntry;

    if (CreatePaletteWindow()) {
        AddTooltips();
        selectedEntry_ = SelectedEntryFor(owner_.CurrentColor());
        ShowWindow(Handle(), SW_SHOWNA);
        UpdateWindow(Handle());
        SetCapture(Handle());
        // The keys are the palette's now: a screen reader starts at the
        // current colour.
        NotifyEntryReached(selectedEntry_);
        RunModalLoop();
        ReleaseCapture();
    }

    Outcome outcome;
    outcome.chosen = chosen_;
    outcome.hotEntry = hotEntry_;
    outcome.chosenColor = chosenColor_;

    // (Gone already when the owner was destroyed meanwhile.)
    if (tooltip_ && IsWindow(tooltip_)) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
    Destroy();
    ReleaseResources();
    UnregisterWindowClass();
    return outcome;
}

void ColorPaletteWindow::Cancel()
{
    if (!Handle() || GetCapture() != Handle()) return;
    chosenColor_ = owner_.CurrentColor();
    ReleaseCapture();
}

void ColorPaletteWindow::RunModalLoop()
{
    while (Handle() && GetCapture() == Handle()) {
        MSG message;
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            // Leave the quit for the thread's own loop.
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (got < 0) break;
        if (tooltip_) SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&message));

        switch (message.message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP: {
            POINT point{static_cast<short>(LOWORD(message.lParam)), static_cast<short>(HIWORD(message.lParam))};
            if (message.hwnd != Handle()) MapWindowPoints(message.hwnd, Handle(), &point, 1);
            const int entry = palette::HitTestPalette(layout_, point.x, point.y);
            if (entry != hotEntry_) SetHotEntry(entry);
            if (message.message == WM_LBUTTONUP) {
                ReleaseCapture();
                // A click outside the palette cancels.
                chosen_ = entry != palette::kNoEntry;
            }
            break;
        }
        case WM_RBUTTONDOWN:
            ReleaseCapture();
            break;
        case WM_KEYDOWN:
            HandleKey(message.wParam);
            break;
        case WM_KEYUP:
            break;
        default:
            DispatchMessageW(&message);
            break;
        }
    }
}

void ColorPaletteWindow::HandleKey(WPARAM key)
{
    int step = 0;
    switch (key) {
    case VK_RETURN:
    case VK_SPACE:
        ReleaseCapture();
        if (hotEntry_ != palette::kNoEntry)
            chosen_ = true;
        else
            chosenColor_ = owner_.CurrentColor();
        return;
    case VK_ESCAPE:
        chosenColor_ = owner_.CurrentColor();
        ReleaseCapture();
        return;
    case VK_LEFT: step = -1; break;
    case VK_RIGHT: step = 1; break;
    case VK_UP: step = -palette::kColumns; break;
    case VK_DOWN: step = palette::kColumns; break;
    default: return;
    }
    SetHotEntry(palette::MovePaletteEntry(hotEntry_, step, layout_.hasAutomatic, layout_.hasCustom));
}

void ColorPaletteWindow::SetHotEntry(int entry)
{
    InvalidateEntry(hotEntry_);
    hotEntry_ = entry;
    InvalidateEntry(hotEntry_);
    COLORREF color = 0;
    if (entry != palette::kCustomEntry && EntryColor(entry, color)) chosenColor_ = color;
    NotifyEntryReached(entry);
    owner_.OnHotEntryChanged(entry);
}

void ColorPaletteWindow::NotifyEntryReached(int entry)
{
    const int position = palette::PositionOfEntry(layout_, entry);
    if (!position || !Handle()) return;
    NotifyAccessibleEvent(EVENT_OBJECT_FOCUS, Handle(), position);
    NotifyAccessibleEvent(EVENT_OBJECT_SELECTION, Handle(), position);
}

RECT ColorPaletteWindow::EntryRect(int entry) const
{
    if (entry == palette::kAutomaticEntry) return ToRect(layout_.automatic);
    if (entry == palette::kCustomEntry) return ToRect(layout_.custom);
    return ToRect(layout_.BoxRect(entry));
}

void ColorPaletteWindow::InvalidateEntry(int entry)
{
    if (entry == palette::kNoEntry || !Handle()) return;
    const RECT rect = EntryRect(entry);
    InvalidateRect(Handle(), &rect, FALSE);
}

const MessageMap<ColorPaletteWindow> ColorPaletteWindow::kMessageMap = {
    OnMessage(WM_PAINT, &ColorPaletteWindow::OnPaint),
    OnMessage(WM_ERASEBKGND, &ColorPaletteWindow::OnEraseBackground),
    OnMessage(WM_MOUSEACTIVATE, &ColorPaletteWindow::OnMouseActivate),
    OnMessage(WM_DPICHANGED, &ColorPaletteWindow::OnDpiChanged),
    OnMessage(WM_GETOBJECT, &ColorPaletteWindow::OnGetObject),
    OnMessage(WM_DESTROY, &ColorPaletteWindow::OnDestroy),
};

LRESULT ColorPaletteWindow::OnGetObject(Message& message)
{
    LRESULT result = 0;
    if (accessible_.Answer(message.wParam, message.lParam, result,
                           [this] { return MakeComObject<PaletteAccessible>(*this); }))
        return result;
    message.handled = false;
    return 0;
}

// A reader may hold the list after the palette has closed: from now on it
// hears that the list is gone.
LRESULT ColorPaletteWindow::OnDestroy(Message& message)
{
    accessible_.Disconnect();
    message.handled = false;
    return 0;
}

LRESULT ColorPaletteWindow::OnEraseBackground(Message&)
{
    return 1; // painted whole in OnPaint
}

LRESULT ColorPaletteWindow::OnMouseActivate(Message&)
{
    return MA_NOACTIVATE; // the dialog keeps the focus
}

LRESULT ColorPaletteWindow::OnDpiChanged(Message&)
{
    Cancel();
    return 0;
}

LRESULT ColorPaletteWindow::OnPaint(Message&)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    HPALETTE oldPalette = nullptr;
    if (palette_ && (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE)) {
        oldPalette = SelectPalette(dc, palette_.Get(), FALSE);
        RealizePalette(dc);
    }
    HGDIOBJ oldFont = SelectObject(dc, font_ ? font_.Get() : GetStockObject(DEFAULT_GUI_FONT));

    RECT client;
    GetClientRect(Handle(), &client);
    FillSolid(dc, client, colors_.background);
    if (colors_.flatMenus)
        FrameSolid(dc, client, colors_.flatFrame);
    else
        DrawEdge(dc, &client, EDGE_RAISED, BF_RECT);

    if (layout_.hasAutomatic) PaintEntry(dc, palette::kAutomaticEntry);
    for (int i = 0; i < kPaletteColorCount; ++i) PaintEntry(dc, i);
    if (layout_.hasCustom) PaintEntry(dc, palette::kCustomEntry);

    SelectObject(dc, oldFont);
    if (oldPalette) SelectPalette(dc, oldPalette, FALSE);
    EndPaint(Handle(), &paint);
    return 0;
}

void ColorPaletteWindow::PaintEntry(HDC dc, int entry)
{
    RECT rect = EntryRect(entry);
    const bool hot = entry == hotEntry_;
    const bool selected = entry == selectedEntry_;
    if (hot || selected) {
        FillSolid(dc, rect, hot ? colors_.hotFill : colors_.selectedFill);
        FrameSolid(dc, rect, colors_.highlight);
    } else {
        FillSolid(dc, rect, colors_.background);
    }

    if (entry >= 0) {
        RECT core = rect;
        InflateRect(&core, -layout_.boxBorder, -layout_.boxBorder);
        FrameSolid(dc, core, colors_.boxFrame);
        InflateRect(&core, -1, -1);
        FillSolid(dc, core, palette_ && (GetDeviceCaps(dc, RASTERCAPS) & RC_PALETTE)
                                ? PALETTERGB(GetRValue(kPaletteColors[entry].color),
                                             GetGValue(kPaletteColors[entry].color),
                                             GetBValue(kPaletteColors[entry].color))
                                : kPaletteColors[entry].color);
        return;
    }
    const std::wstring& text = entry == palette::kAutomaticEntry ? defaultText_ : customText_;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, hot ? colors_.hotText : colors_.text);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}
