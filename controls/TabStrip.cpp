#include "controls/TabStrip.h"

#include <windowsx.h>

#include <algorithm>

#include "controls/TabStripAccessible.h"
#include "framework/Dpi.h"
#include "framework/Panes.h"

// Sent to child windows once their top-level window has taken a new DPI;
// the headers declare it for newer systems only.
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

namespace {

constexpr UINT_PTR kRepeatTimer = 1;
constexpr UINT_PTR kScrollLeftTool = 1;
constexpr UINT_PTR kScrollRightTool = 2;

bool PaletteDisplay()
{
    WindowDC screen(nullptr);
    return GetDeviceCaps(screen.Get(), BITSPIXEL) * GetDeviceCaps(screen.Get(), PLANES) <= 8;
}

} // namespace

TabStrip::TabStrip() : stripHeight_(metrics_.defaultHeight) {}

const WindowClass TabStrip::kWindowClass = {
    .name = L"GlimmerpatchTabStrip", .style = CS_DBLCLKS, .background = COLOR_WINDOW};

HWND TabStrip::Create(HWND parent, const RECT& rect, DWORD style, UINT id)
{
    return BaseWindow::Create({.parent = parent, .id = id, .rect = rect, .style = style});
}

DWORD TabStrip::StripStyle() const
{
    return static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)) & kTabStripStyleMask;
}

int TabStrip::AppendTab(const std::wstring& title, int image, HWND page)
{
    tabs_.push_back(Tab{title, image, page, 0});
    MeasureTabs();
    LayOut();
    InvalidateRect(Handle(), nullptr, FALSE);
    // A reader that knows the tabs counts them again.
    NotifyAccessibleEvent(EVENT_OBJECT_REORDER, Handle());
    return TabCount() - 1;
}

int TabStrip::FindTab(HWND page) const
{
    for (int i = 0; i < TabCount(); ++i) {
        if (tabs_[i].page == page) return i;
    }
    return -1;
}

void TabStrip::SetTabPage(int index, HWND page)
{
    if (index >= 0 && index < TabCount()) tabs_[index].page = page;
}

HWND TabStrip::TabPage(int index) const
{
    return index >= 0 && index < TabCount() ? tabs_[index].page : nullptr;
}

std::wstring TabStrip::TabTitle(int index) const
{
    return index >= 0 && index < TabCount() ? tabs_[index].title : std::wstring();
}

LRESULT TabStrip::SendNotify(NMHDR& header)
{
    header.hwndFrom = Handle();
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(Handle()));
    HWND parent = GetParent(Handle());
    return parent ? SendMessageW(parent, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header)) : 0;
}

bool TabStrip::SelectTab(int index)
{
    if (index < 0 || index >= TabCount()) return false;
    TabStripNotification record{};
    record.header.code = TCN_SELCHANGING;
    record.oldIndex = selected_;
    record.newIndex = index;
    record.point = POINT{-1, -1};
    if (SendNotify(record.header) == 1) return false;

    selected_ = index;
    LayOut();
    const std::vector<int> edges = Edges();
    offset_ = tabstrip::ScrollIntoView(offset_, edges[index], edges[index + 1], visibleWidth_, metrics_);
    LayOut();
    InvalidateRect(Handle(), nullptr, FALSE);

    record.header.code = TCN_SELCHANGE;
    SendNotify(record.header);
    // The parent may have ended the strip meanwhile.
    if (!IsWindow(Handle()) || selected_ != index) return true;
    NotifyAccessibleEvent(EVENT_OBJECT_SELECTION, Handle(), index + 1);
    if (GetFocus() == Handle()) NotifyAccessibleEvent(EVENT_OBJECT_FOCUS, Handle(), index + 1);
    return true;
}

std::vector<int> TabStrip::Edges() const
{
    std::vector<int> widths;
    widths.reserve(tabs_.size());
    for (const Tab& tab : tabs_) widths.push_back(tab.width);
    return tabstrip::TabEdges(widths);
}

RECT TabStrip::TabRect(int index) const
{
    if (index < 0 || index >= TabCount()) return RECT{};
    const std::vector<int> edges = Edges();
    RECT client{};
    GetClientRect(Handle(), &client);
    return RECT{edges[index] + offset_, 0, edges[index + 1] + offset_, client.bottom};
}

int TabStrip::HitTestTab(POINT point) const
{
    if (point.x >= visibleWidth_ || point.y < 0) return -1;
    RECT client{};
    GetClientRect(Handle(), &client);
    if (point.y >= client.bottom) return -1;
    return tabstrip::HitTestTabs(Edges(), offset_, point.x);
}

void TabStrip::MakeFonts()
{
    font_.Reset();
    boldFont_.Reset();
    LOGFONTW logFont{};
    if (IconTitleFontForDpi(logFont, metrics_.dpi)) {
        font_.Reset(CreateFontIndirectW(&logFont));
        logFont.lfWeight = FW_BOLD;
        boldFont_.Reset(CreateFontIndirectW(&logFont));
    }
    if (!font_ || !boldFont_) {
        // Deleting a stock object does nothing, so the owners may hold it.
        font_.Reset(static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
        boldFont_.Reset(font_.Get());
    }

    WindowDC dc(Handle());
    SelectedObject font(dc.Get(), font_.Get());
    TEXTMETRICW metrics{};
    stripHeight_ = GetTextMetricsW(dc.Get(), &metrics) ? tabstrip::StripHeight(metrics.tmAscent, metrics_)
                                                        : metrics_.defaultHeight;
}

void TabStrip::MakeColors()
{
    if (PaletteDisplay()) {
        background_.Reset(CreateSolidBrush(GetSysColor(COLOR_WINDOW)));
        glyphColor_ = GetSysColor(COLOR_GRAYTEXT);
    } else {
        background_.Reset(CreateSolidBrush(tabstrip::LightenedBackground(GetSysColor(COLOR_BTNFACE))));
        glyphColor_ = tabstrip::DarkenedGlyphs(GetSysColor(COLOR_GRAYTEXT));
    }
}

void TabStrip::MeasureTabs()
{
    if (!Handle()) return;
    WindowDC dc(Handle());
    // The selected title may be bold: measure every title as it would be drawn
    // selected, so that tabs keep their places when the selection moves.
    const bool bold = (StripStyle() & kTabStripBoldSelected) != 0;
    SelectedObject font(dc.Get(), bold ? boldFont_.Get() : font_.Get());
    for (Tab& tab : tabs_) {
        SIZE extent{0, 0};
        GetTextExtentPoint32W(dc.Get(), tab.title.c_str(), static_cast<int>(tab.title.size()), &extent);
        tab.width = tabstrip::TabWidth(extent.cx, tab.image >= 0, metrics_);
    }
}

void TabStrip::LayOut()
{
    if (!Handle()) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    const tabstrip::StripLayout layout = tabstrip::LayOutStrip(
        client.right, Edges().back(), (StripStyle() & kTabStripScrollButtons) != 0, offset_, metrics_);
    buttonsShown_ = layout.buttonsShown;
    scrollLeftButton_ = buttonsShown_ ? RECT{layout.scrollLeft.left, 0, layout.scrollLeft.right, client.bottom} : RECT{};
    scrollRightButton_ =
        buttonsShown_ ? RECT{layout.scrollRight.left, 0, layout.scrollRight.right, client.bottom} : RECT{};
    visibleWidth_ = layout.visibleWidth;
    offset_ = layout.offset;
    canScrollLeft_ = layout.canScrollLeft;
    canScrollRight_ = layout.canScrollRight;
    UpdateTooltips();
}

void TabStrip::ScrollOnce(Button button)
{
    if (button == Button::ScrollLeft && canScrollLeft_)
        offset_ = tabstrip::ScrollLeftOnce(offset_, metrics_);
    else if (button == Button::ScrollRight && canScrollRight_)
        offset_ = tabstrip::ScrollRightOnce(offset_, metrics_);
    else
        return;
    LayOut();
    InvalidateRect(Handle(), nullptr, FALSE);
}

void TabStrip::UpdateTooltips()
{
    if (!tooltip_) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = Handle();
    tool.uId = kScrollLeftTool;
    tool.rect = scrollLeftButton_;
    SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    tool.uId = kScrollRightTool;
    tool.rect = scrollRightButton_;
    SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

const MessageMap<TabStrip> TabStrip::kMessageMap = {
    OnMessage(WM_CREATE, &TabStrip::OnCreate),
    OnMessage(WM_DESTROY, &TabStrip::OnDestroy),
    OnMessage(WM_SIZE, &TabStrip::OnSize),
    OnMessage(WM_PAINT, &TabStrip::OnPaint),
    OnMessage(WM_ERASEBKGND, &TabStrip::OnEraseBackground),
    OnMessage(WM_LBUTTONDOWN, &TabStrip::OnLeftButtonDown),
    OnMessage(WM_LBUTTONDBLCLK, &TabStrip::OnLeftButtonDown),
    OnMessage(WM_LBUTTONUP, &TabStrip::OnLeftButtonUp),
    OnMessage(WM_MOUSEMOVE, &TabStrip::OnMouseMove),
    OnMessage(WM_MOUSELEAVE, &TabStrip::OnMouseLeave),
    OnMessage(WM_CAPTURECHANGED, &TabStrip::OnCaptureChanged),
    OnMessage(WM_TIMER, &TabStrip::OnTimer),
    OnMessage(WM_SETTINGCHANGE, &TabStrip::OnSettingChange),
    OnMessage(WM_SYSCOLORCHANGE, &TabStrip::OnSysColorChange),
    OnMessage(WM_DPICHANGED_AFTERPARENT, &TabStrip::OnDpiChangedAfterParent),
    OnMessage(kUseDpiMessage, &TabStrip::OnUseDpi),
    OnMessage(WM_GETOBJECT, &TabStrip::OnGetObject),
    OnMessage(WM_KEYDOWN, &TabStrip::OnKeyDown),
    OnMessage(WM_SETFOCUS, &TabStrip::OnFocusChanged),
    OnMessage(WM_KILLFOCUS, &TabStrip::OnFocusChanged),
    OnMessage(WM_UPDATEUISTATE, &TabStrip::OnUpdateUiState),
};

LRESULT TabStrip::OnGetObject(Message& message)
{
    LRESULT result = 0;
    if (accessible_.Answer(message.wParam, message.lParam, result,
                           [this] { return MakeComObject<TabStripAccessible>(*this); }))
        return result;
    message.handled = false;
    return 0;
}

// The keys of the system's tab control: the tab beside, the first, the last.
LRESULT TabStrip::OnKeyDown(Message& message)
{
    const int last = TabCount() - 1;
    int index = -1;
    switch (message.wParam) {
    case VK_LEFT: index = std::max(selected_ - 1, 0); break;
    case VK_RIGHT: index = std::min(selected_ + 1, last); break;
    case VK_HOME: index = 0; break;
    case VK_END: index = last; break;
    case VK_TAB:
        if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) break;
        RequestNeighbourPane(Handle(), GetKeyState(VK_SHIFT) >= 0);
        return 0;
    default: break;
    }
    if (index < 0 || index == selected_) {
        message.handled = false;
        return 0;
    }
    selectingByKey_ = true;
    SelectTab(index);
    selectingByKey_ = false;
    return 0;
}

LRESULT TabStrip::OnFocusChanged(Message& message)
{
    if (selected_ >= 0) {
        // Only the focus rectangle changes.
        InvalidateRect(Handle(), nullptr, FALSE);
        if (message.message == WM_SETFOCUS) NotifyAccessibleEvent(EVENT_OBJECT_FOCUS, Handle(), selected_ + 1);
    }
    message.handled = false;
    return 0;
}

LRESULT TabStrip::OnUpdateUiState(Message& message)
{
    InvalidateRect(Handle(), nullptr, FALSE);
    message.handled = false;
    return 0;
}

bool TabStrip::ShowsFocus() const
{
    return GetFocus() == Handle() && !(SendMessageW(Handle(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS);
}


LRESULT TabStrip::OnCreate(Message&)
{
    metrics_ = tabstrip::MetricsForDpi(WindowDpi(Handle()));
    // The images keep the size of the DPI the strip was made at: the icons
    // they were made from are not kept.
    images_.Reset(ImageList_Create(metrics_.imageSize, metrics_.imageSize, ILC_COLOR32 | ILC_MASK, 4, 4));
    MakeFonts();
    MakeColors();

    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    if (tooltip_) {
        const struct {
            UINT_PTR id;
            const wchar_t* text;
        } tools[] = {{kScrollLeftTool, L"Scroll Left"}, {kScrollRightTool, L"Scroll Right"}};
        for (const auto& entry : tools) {
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof(tool);
            tool.hwnd = Handle();
            tool.uId = entry.id;
            tool.lpszText = const_cast<wchar_t*>(entry.text);
            SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        }
        SendMessageW(tooltip_, TTM_ACTIVATE, (StripStyle() & kTabStripTooltips) ? TRUE : FALSE, 0);
    }
    LayOut();
    return 0;
}

LRESULT TabStrip::OnDestroy(Message&)
{
    accessible_.Disconnect();
    KillTimer(Handle(), kRepeatTimer);
    if (tooltip_) DestroyWindow(tooltip_);
    tooltip_ = nullptr;
    images_.Reset();
    font_.Reset();
    boldFont_.Reset();
    background_.Reset();
    return 0;
}

LRESULT TabStrip::OnSize(Message&)
{
    LayOut();
    InvalidateRect(Handle(), nullptr, FALSE);
    return 0;
}

LRESULT TabStrip::OnSettingChange(Message& message)
{
    MakeFonts();
    MakeColors();
    MeasureTabs();
    LayOut();
    InvalidateRect(Handle(), nullptr, FALSE);
    message.handled = false;
    return 0;
}

void TabStrip::SetDpi(int dpi)
{
    if (!IsUsableDpi(dpi) || (Handle() && dpi == metrics_.dpi)) return;
    const int oldHeight = stripHeight_;
    metrics_ = tabstrip::MetricsForDpi(dpi);
    if (!Handle()) return;
    MakeFonts();
    MeasureTabs();
    LayOut();
    if (selected_ >= 0) {
        // Keep the selected tab in view: the tabs grew or shrank around it.
        const std::vector<int> edges = Edges();
        offset_ = tabstrip::ScrollIntoView(offset_, edges[selected_], edges[selected_ + 1], visibleWidth_, metrics_);
        LayOut();
    }
    InvalidateRect(Handle(), nullptr, FALSE);
    if (stripHeight_ != oldHeight) {
        NMHDR header{};
        header.code = kTabStripHeightChanged;
        SendNotify(header);
    }
}

LRESULT TabStrip::OnDpiChangedAfterParent(Message& message)
{
    SetDpi(WindowDpi(Handle()));
    message.handled = false;
    return 0;
}

LRESULT TabStrip::OnUseDpi(Message& message)
{
    SetDpi(static_cast<int>(message.wParam));
    return 0;
}

LRESULT TabStrip::OnSysColorChange(Message& message)
{
    MakeColors();
    InvalidateRect(Handle(), nullptr, FALSE);
    message.handled = false;
    return 0;
}

LRESULT TabStrip::OnEraseBackground(Message&)
{
    return 1; // OnPaint covers everything
}

LRESULT TabStrip::OnLeftButtonDown(Message& message)
{
    const POINT point{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    if (tooltip_) {
        MSG relay{Handle(), message.message, message.wParam, message.lParam, 0, {}};
        SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relay));
    }

    if (buttonsShown_) {
        Button button = Button::None;
        if (PtInRect(&scrollLeftButton_, point)) button = Button::ScrollLeft;
        if (PtInRect(&scrollRightButton_, point)) button = Button::ScrollRight;
        if (button != Button::None) {
            const bool canAct = button == Button::ScrollLeft ? canScrollLeft_ : canScrollRight_;
            if (canAct) {
                pressedButton_ = button;
                SetCapture(Handle());
                ScrollOnce(button);
                SetTimer(Handle(), kRepeatTimer, repeatMilliseconds_, nullptr);
            }
            return 0;
        }
    }

    const int index = HitTestTab(point);
    TabStripClick record{};
    record.header.code = static_cast<UINT>(NM_CLICK);
    record.index = index;
    record.point = point;
    if (SendNotify(record.header) != 0 || index < 0) return 0;
    SelectTab(index);
    if (IsWindow(Handle())) SetCapture(Handle());
    return 0;
}

LRESULT TabStrip::OnLeftButtonUp(Message&)
{
    KillTimer(Handle(), kRepeatTimer);
    pressedButton_ = Button::None;
    if (GetCapture() == Handle()) ReleaseCapture();
    return 0;
}

LRESULT TabStrip::OnCaptureChanged(Message&)
{
    KillTimer(Handle(), kRepeatTimer);
    pressedButton_ = Button::None;
    return 0;
}

LRESULT TabStrip::OnTimer(Message& message)
{
    if (message.wParam != kRepeatTimer) {
        message.handled = false;
        return 0;
    }
    const bool canAct = pressedButton_ == Button::ScrollLeft    ? canScrollLeft_
                        : pressedButton_ == Button::ScrollRight ? canScrollRight_
                                                                : false;
    if (!canAct) {
        KillTimer(Handle(), kRepeatTimer);
        return 0;
    }
    ScrollOnce(pressedButton_);
    return 0;
}

LRESULT TabStrip::OnMouseMove(Message& message)
{
    if (tooltip_) {
        MSG relay{Handle(), message.message, message.wParam, message.lParam, 0, {}};
        SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relay));
    }
    if (!(StripStyle() & kTabStripHotTrack)) return 0;
    if (!trackingLeave_) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = Handle();
        trackingLeave_ = TrackMouseEvent(&track) != FALSE;
    }
    const POINT point{GET_X_LPARAM(message.lParam), GET_Y_LPARAM(message.lParam)};
    const int index = HitTestTab(point);
    if (index != hot_) {
        hot_ = index;
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    return 0;
}

LRESULT TabStrip::OnMouseLeave(Message&)
{
    trackingLeave_ = false;
    if (hot_ != -1) {
        hot_ = -1;
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    return 0;
}

LRESULT TabStrip::OnPaint(Message&)
{
    PAINTSTRUCT paint;
    HDC target = BeginPaint(Handle(), &paint);
    RECT client{};
    GetClientRect(Handle(), &client);
    {
        // Drawn off screen first so that scrolling does not flicker.
        MemoryDC dc(target);
        GdiObject<HBITMAP> bitmap(
            CreateCompatibleBitmap(target, std::max<LONG>(1, client.right), std::max<LONG>(1, client.bottom)));
        SelectedObject selected(dc.Get(), bitmap.Get());
        Paint(dc.Get(), client);
        BitBlt(target, 0, 0, client.right, client.bottom, dc.Get(), 0, 0, SRCCOPY);
    }
    EndPaint(Handle(), &paint);
    return 0;
}

void TabStrip::Paint(HDC dc, const RECT& client)
{
    NMCUSTOMDRAW draw{};
    draw.hdr.code = static_cast<UINT>(NM_CUSTOMDRAW);
    draw.dwDrawStage = CDDS_PREPAINT;
    draw.hdc = dc;
    draw.rc = client;
    const LRESULT answer = SendNotify(draw.hdr);
    if (!(answer & CDRF_SKIPDEFAULT)) FillRect(dc, &client, background_.Get());

    const bool bottom = (StripStyle() & kTabStripBottom) != 0;
    // The line along the side that faces the page.
    const int edgeY = bottom ? 0 : client.bottom - 1;
    DrawSolidLine(dc, 0, edgeY, client.right, edgeY, GetSysColor(COLOR_3DDKSHADOW));

    HGDIOBJ oldFont = SelectObject(dc, font_.Get());
    SetBkMode(dc, TRANSPARENT);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, 0, 0, visibleWidth_, client.bottom);
    for (int i = 0; i < TabCount(); ++i) {
        if (i != selected_) PaintTab(dc, i, TabRect(i));
    }
    if (selected_ >= 0) PaintTab(dc, selected_, TabRect(selected_));
    RestoreDC(dc, saved);
    SelectObject(dc, oldFont);

    if (buttonsShown_) {
        PaintScrollButton(dc, scrollLeftButton_, true, canScrollLeft_);
        PaintScrollButton(dc, scrollRightButton_, false, canScrollRight_);
    }

    draw.dwDrawStage = CDDS_POSTPAINT;
    SendNotify(draw.hdr);
}

void TabStrip::PaintTab(HDC dc, int index, const RECT& rect)
{
    const Tab& tab = tabs_[index];
    const bool selected = index == selected_;
    const bool hot = index == hot_ && (StripStyle() & kTabStripHotTrack) != 0;
    const bool bottom = (StripStyle() & kTabStripBottom) != 0;
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF dark = GetSysColor(COLOR_3DDKSHADOW);

    RECT body = rect;
    if (selected) {
        // The selected tab joins the page: filled in the page colour over the edge line.
        if (bottom)
            body.bottom -= metrics_.selectedInset;
        else
            body.top += metrics_.selectedInset;
        FillSolid(dc, body, GetSysColor(COLOR_BTNFACE));
        const int outer = bottom ? body.bottom : body.top;
        const int inner = bottom ? body.top : body.bottom - 1;
        DrawSolidLine(dc, body.left, inner, body.left, outer, shadow);
        DrawSolidLine(dc, body.right - 1, inner, body.right - 1, outer, dark);
        DrawSolidLine(dc, body.left, outer, body.right, outer, dark);
        if (StripStyle() & kTabStripEdgeVariant) {
            // The variant: a highlight line inside the left edge.
            DrawSolidLine(dc, body.left + 1, inner, body.left + 1, outer, GetSysColor(COLOR_BTNHIGHLIGHT));
        }
    } else {
        // Flat: only a short separator at the right.
        DrawSolidLine(dc, rect.right - 1, rect.top + metrics_.separatorInset, rect.right - 1,
                      rect.bottom - metrics_.separatorInset, shadow);
    }

    RECT title = body;
    title.left += metrics_.titlePadding;
    title.right -= metrics_.titlePadding;
    if (tab.image >= 0 && images_.Get()) {
        int imageWidth = 0;
        int imageHeight = 0;
        ImageList_GetIconSize(images_.Get(), &imageWidth, &imageHeight);
        ImageList_Draw(images_.Get(), tab.image, dc, title.left, (title.top + title.bottom - imageHeight) / 2,
                       ILD_TRANSPARENT);
        title.left += metrics_.imageSize + metrics_.imageGap;
    }
    const bool bold = selected && (StripStyle() & kTabStripBoldSelected) != 0;
    HGDIOBJ oldFont = SelectObject(dc, bold ? boldFont_.Get() : font_.Get());
    SetTextColor(dc, hot && !selected ? GetSysColor(COLOR_HOTLIGHT) : GetSysColor(COLOR_BTNTEXT));
    DrawTextW(dc, tab.title.c_str(), static_cast<int>(tab.title.size()), &title,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    SelectObject(dc, oldFont);
    if (selected && ShowsFocus()) {
        // Inside the tab's edges, as the system's tab control draws it.
        RECT focus = body;
        InflateRect(&focus, -metrics_.separatorInset, -metrics_.selectedInset);
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        DrawFocusRect(dc, &focus);
    }
}

void TabStrip::PaintScrollButton(HDC dc, const RECT& rect, bool pointsLeft, bool enabled)
{
    FillRect(dc, &rect, background_.Get());
    const COLORREF color = enabled ? glyphColor_ : GetSysColor(COLOR_BTNSHADOW);
    const tabstrip::Arrow arrow =
        tabstrip::ScrollArrow(tabstrip::Span{rect.left, rect.right}, rect.top, rect.bottom, pointsLeft, metrics_);
    POINT corners[3];
    for (int i = 0; i < 3; ++i) corners[i] = POINT{arrow.corners[i].x, arrow.corners[i].y};
    FillSolidPolygon(dc, corners, 3, color);
}
