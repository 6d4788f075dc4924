#include "sections/SectionPage.h"

#include "controls/TabContainer.h"
#include "style/Utf16.h"
#include "sections/PageScroll.h"
#include "sections/PropertyHandlers.h"
#include "sections/PropertyTable.h"
#include "sections/PagePicture.h"

#include <commctrl.h>
#include <climits>
#include <cwchar>

namespace sections {
namespace {

constexpr int kLineStep = 40;   // pixels at 96 DPI
constexpr UINT kScrollMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;   // 0x17

static_assert(static_cast<int>(ScrollRequest::LineLeft) == SB_LINELEFT &&
              static_cast<int>(ScrollRequest::PageRight) == SB_PAGERIGHT &&
              static_cast<int>(ScrollRequest::ThumbTrack) == SB_THUMBTRACK &&
              static_cast<int>(ScrollRequest::Right) == SB_RIGHT);

SCROLLINFO ReadScrollInfo(HWND window)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = kScrollMask;
    GetScrollInfo(window, SB_HORZ, &info);
    return info;
}

PageScroll ReadScroll(HWND window)
{
    const SCROLLINFO info = ReadScrollInfo(window);
    return {info.nPos, info.nMax, static_cast<int>(info.nPage)};
}

// The first child with no id of its own (-1) after `after`, or the first of all.
HWND NextUnnamed(HWND page, HWND after)
{
    HWND child = after ? GetWindow(after, GW_HWNDNEXT) : GetWindow(page, GW_CHILD);
    while (child && GetDlgCtrlID(child) != -1) child = GetWindow(child, GW_HWNDNEXT);
    return child;
}

void SetScrollPosition(HWND window, int position)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_POS;
    info.nPos = position;
    SetScrollInfo(window, SB_HORZ, &info, TRUE);
}

// The range goes with the page size: a scroll bar hidden because the
// content fitted is shown again only by a call that sets more than the page.
void SetScrollPage(HWND window, int page)
{
    SCROLLINFO info = ReadScrollInfo(window);
    info.fMask = SIF_RANGE | SIF_PAGE;
    info.nPage = static_cast<UINT>(page > 0 ? page : 0);
    SetScrollInfo(window, SB_HORZ, &info, TRUE);
}

// Where the page belongs in its parent, as a size: the page area beside the
// strip in a tab container, whose height depends on the strip's font and so
// is only known by asking; the whole client area of any other parent.
SIZE PlaceInParent(HWND window)
{
    HWND parent = GetParent(window);
    RECT area{};
    if (parent && !GetTabPageArea(parent, area)) GetClientRect(parent, &area);
    return {area.right - area.left, area.bottom - area.top};
}

} // namespace

const MessageMap<SectionPage> SectionPage::kMessageMap = {
    OnMessage(WM_INITDIALOG, &SectionPage::OnInitDialog),
    OnMessage(WM_COMMAND, &SectionPage::OnCommand),
    OnMessage(WM_NOTIFY, &SectionPage::OnNotify),
    OnMessage(WM_HSCROLL, &SectionPage::OnHScroll),
    OnMessage(WM_SIZE, &SectionPage::OnSize),
    OnMessage(WM_GETMINMAXINFO, &SectionPage::OnGetMinMaxInfo),
    OnMessage(kPagePlacedMessage, &SectionPage::OnPlaced),
    OnMessage(WM_CTLCOLORSTATIC, &SectionPage::OnCtlColorStatic),
    OnMessage(WM_DESTROY, &SectionPage::OnDestroy),
    OnMessage(WM_SHOWWINDOW, &SectionPage::OnShowWindow),
    OnMessage(kUseDpiMessage, &SectionPage::OnUseDpi),
    OnMessage(kDpiLaidOutMessage, &SectionPage::OnDpiLaidOut),
};

SectionPage::SectionPage(SectionPageId page) : page_(page) {}

HWND SectionPage::CreateInSteps(HWND parent)
{
    if (Handle()) return nullptr;
    auto steps = std::make_unique<DialogInSteps>();
    if (!steps->Load(GetModuleHandleW(nullptr), static_cast<UINT>(CataloguePageOf(page_).dialogId))) return nullptr;
    steps_ = std::move(steps);
    if (!CreateModeless(parent, *steps_)) {
        steps_.reset();
        return nullptr;
    }
    LayOutDialogWithoutSystemHelp(Handle());
    // The dialog manager made the page for the DPI it knows; the page is
    // made for its frame's.
    dpi_ = WindowDpi(Handle());
    steps_->UseDpi(dpi_);
    FitTemplateSize();
    return Handle();
}

bool SectionPage::MakeMoreControls(const StepDeadline& deadline)
{
    if (!Handle() || !steps_) return false;
    if (steps_->Done()) return true;
    const bool made = steps_->MakeControls(deadline);
    KeepControlsFromSystemLayout();
    return made;
}

void SectionPage::KeepControlsFromSystemLayout()
{
    for (; keptFromSystem_ < steps_->Made(); ++keptFromSystem_)
        LayOutControlWithoutSystemHelp(steps_->Control(keptFromSystem_));
}

void SectionPage::FitTemplateSize()
{
    if (shown_ || !steps_) return;
    const SIZE size = steps_->WindowSize(dpi_);
    RECT window{};
    if (!GetWindowRect(Handle(), &window) || (window.right - window.left == size.cx && window.bottom - window.top == size.cy))
        return;
    // The tracking size that initialisation fixes is the user's frame's.
    fittingTemplate_ = true;
    SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    fittingTemplate_ = false;
}

HWND SectionPage::Create(HWND parent)
{
    if (!CreateInSteps(parent)) return nullptr;
    if (!MakeMoreControls()) {
        Destroy();
        steps_.reset();
    }
    return Handle();
}

LRESULT SectionPage::OnInitDialog(Message&)
{
    HWND page = Handle();
    const LONG_PTR style = GetWindowLongPtrW(page, GWL_STYLE);
    if (!(style & WS_THICKFRAME)) SetWindowLongPtrW(page, GWL_STYLE, style | WS_THICKFRAME);
    SetWindowTextW(page, WidenUtf8(CataloguePageOf(page_).title).c_str());

    BindControls();
    SetControlFont();
    // The template's picture is the 96-DPI one: at another DPI the page
    // shows the picture drawn for its DPI.
    ShowPicturesForDpi(page, kPagePicture, dpi_);
    SetInitialValues();

    // The range is the whole template width; the page size follows once the
    // page has its place (kPagePlacedMessage) and at every WM_SIZE.
    EnableScrollBar(page, SB_HORZ, ESB_ENABLE_BOTH);
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = kScrollMask;
    info.nMin = 0;
    info.nMax = steps_ ? steps_->ClientSize().cx : 0;
    SetScrollInfo(page, SB_HORZ, &info, TRUE);
    contentOffset_ = 0;

    PostMessageW(page, kPagePlacedMessage, 0, 0);
    return 0;   // no control takes the focus
}

// Colour buttons get a colour picker button; every other control of the
// template is bound as it is, found by its id. The labels have none (-1):
// they are the unnamed children in the page's order, which is the
// template's. The picture is not bound.
void SectionPage::BindControls()
{
    controls_.Clear();
    buttons_.clear();
    bound_.clear();
    HWND unnamed = NextUnnamed(Handle(), nullptr);
    for (const TemplateControl& control : TemplateControls(page_)) {
        HWND window = control.id == -1 ? unnamed : GetDlgItem(Handle(), control.id);
        if (control.id == -1) unnamed = NextUnnamed(Handle(), unnamed);
        if (!window) continue;
        if (control.kind == ControlKind::Bitmap) {
            pictureName_.Attach(window, PagePictureName(), ROLE_SYSTEM_GRAPHIC);
            continue;
        }
        if (control.kind == ControlKind::ColorButton) {
            auto button = std::make_unique<Owned<ColorPickerButton>>();
            if (button->Attach(window)) {
                button->SetAccessibleName(WidenUtf8(control.spokenName));
                controls_.BindColorButton(control.id, button.get());
                buttons_.push_back(std::move(button));
            }
            continue;
        }
        if (control.id != -1) controls_.Bind(control.id, window);
        bound_.push_back(window);
    }
}

void SectionPage::SetInitialValues()
{
    const CataloguePage& page = CataloguePageOf(page_);
    for (const TemplateControl& control : TemplateControls(page_)) {
        HWND window = controls_.Control(control.id);
        if (!window) continue;
        switch (control.kind) {
        case ControlKind::ColorButton:
            if (ColorPickerButton* button = controls_.ColorButton(control.id)) {
                button->SetDefaultText(WidenUtf8(page.colorDefaultText));
                button->SetDefaultColor(static_cast<COLORREF>(control.defaultColor));
            }
            break;
        case ControlKind::CheckBox:
            if (control.checked) SendMessageW(window, BM_SETCHECK, BST_CHECKED, 0);
            break;
        case ControlKind::DropDown: {
            const std::vector<std::string>& items = ItemsOf(control.list);
            for (std::size_t i = 0; i < items.size(); ++i)
                SendMessageW(window, CB_INSERTSTRING, i, reinterpret_cast<LPARAM>(WidenUtf8(items[i]).c_str()));
            // The search starts after item 0 and wraps: "bold" finds item 1,
            // not "bolder", and "normal" finds item 0.
            if (!control.initialText.empty())
                SendMessageW(window, CB_SELECTSTRING, 0,
                             reinterpret_cast<LPARAM>(WidenUtf8(control.initialText).c_str()));
            break;
        }
        case ControlKind::UpDown:
            SendMessageW(window, UDM_SETRANGE, 0, MAKELPARAM(control.upper, control.lower));
            break;
        case ControlKind::SpinEdit:
            SetWindowTextW(window, WidenUtf8(control.initialText).c_str());
            break;
        default:
            break;
        }
    }
}

// A check box's or button's command, or a drop-down's CBN_SELCHANGE, from
// the page's own control: its property handler. Anything else is reflected.
LRESULT SectionPage::OnCommand(Message& message)
{
    const int id = LOWORD(message.wParam);
    const int code = HIWORD(message.wParam);
    HWND from = reinterpret_cast<HWND>(message.lParam);
    const PropertyRow* row = from && from == controls_.Control(id) ? RouteCommand(page_, id, code) : nullptr;
    if (!row) {
        message.handled = false;
        return 0;
    }
    RunPropertyHandler(*row, controls_);
    return 0;
}

// A colour picker button's colour change or an up-down's UDN_DELTAPOS from
// the page's own control: its property handler, answering 0 so that the
// up-down goes on to change. Anything else is reflected.
LRESULT SectionPage::OnNotify(Message& message)
{
    const NMHDR* header = reinterpret_cast<const NMHDR*>(message.lParam);
    const int id = header ? static_cast<int>(header->idFrom) : 0;
    const PropertyRow* row = header && header->hwndFrom && header->hwndFrom == controls_.Control(id)
                                 ? RouteNotify(page_, id, static_cast<int>(header->code))
                                 : nullptr;
    if (!row) {
        message.handled = false;
        return 0;
    }
    UpDownChange change;
    if (row->trigger == Trigger::DeltaPos) {
        const NMUPDOWN* upDown = reinterpret_cast<const NMUPDOWN*>(message.lParam);
        change.position = upDown->iPos;
        change.delta = upDown->iDelta;
    }
    RunPropertyHandler(*row, controls_, change);
    return 0;
}

LRESULT SectionPage::OnHScroll(Message& message)
{
    const int lineStep = ScaleForDpi(kLineStep, dpi_);
    SetScrollPosition(Handle(), RequestedPosition(ReadScroll(Handle()), static_cast<ScrollRequest>(LOWORD(message.wParam)),
                                                  HIWORD(message.wParam), lineStep));
    FollowScrollPosition();
    return 0;
}

LRESULT SectionPage::OnSize(Message& message)
{
    const int width = LOWORD(message.lParam);
    const std::optional<int> position = PositionAfterResize(ReadScroll(Handle()), width);
    SetScrollPage(Handle(), width);
    if (position) SetScrollPosition(Handle(), *position);
    FollowScrollPosition();
    return 0;
}

LRESULT SectionPage::OnGetMinMaxInfo(Message& message)
{
    MINMAXINFO* info = reinterpret_cast<MINMAXINFO*>(message.lParam);
    if (!info || !GetParent(Handle())) return 0;
    if (fittingTemplate_) {
        info->ptMinTrackSize = {0, 0};
        info->ptMaxTrackSize = {SHRT_MAX, SHRT_MAX};
        return 0;
    }
    // The sizing frame that initialisation adds cannot take the page to any
    // other size than the one its container gives it.
    const SIZE place = PlaceInParent(Handle());
    const POINT size{place.cx, place.cy};
    info->ptMinTrackSize = size;
    info->ptMaxTrackSize = size;
    return 0;
}

// The page size is the width the page shows: its own client width once the
// tab strip has placed it. (The container's width would be wider by the
// page's frame, and the last pixels of the content could never be scrolled
// into view.)
LRESULT SectionPage::OnPlaced(Message&)
{
    RECT client{};
    GetClientRect(Handle(), &client);
    SetScrollPage(Handle(), client.right - client.left);
    FollowScrollPosition();
    return 0;
}

// Enabled edits (the read-only spin box edits among them) in the colours of
// an editable field - white, but in a high-contrast scheme the scheme's;
// the rest keep the system's colours for read-only fields.
LRESULT SectionPage::OnCtlColorStatic(Message& message)
{
    HWND control = reinterpret_cast<HWND>(message.lParam);
    wchar_t className[64] = {};
    if (control && GetClassNameW(control, className, 64) && _wcsicmp(className, L"Edit") == 0 &&
        IsWindowEnabled(control)) {
        const HDC dc = reinterpret_cast<HDC>(message.wParam);
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    message.handled = false;
    return 0;
}

LRESULT SectionPage::OnDestroy(Message& message)
{
    // The picture's static does not delete its bitmap when it ends: one
    // bitmap would be left behind by every page.
    ReleaseShownPictures(Handle());
    controls_.Clear();
    bound_.clear();
    message.handled = false;
    return 0;
}

// At the system's DPI the controls take the stock GUI font itself, as they
// always have; on a display of another DPI a font like it made for that DPI,
// which the page keeps while its controls use it.
void SectionPage::SetControlFont()
{
    GdiObject<HFONT> font(StockFontForDpi(DEFAULT_GUI_FONT, dpi_));
    const HGDIOBJ chosen = font ? font.Get() : GetStockObject(DEFAULT_GUI_FONT);
    for (HWND control : bound_) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(chosen), TRUE);
    // The old font goes only once no control draws with it.
    font_ = std::move(font);
}

LRESULT SectionPage::OnShowWindow(Message& message)
{
    if (message.wParam) shown_ = true;
    message.handled = false;
    return 0;
}

LRESULT SectionPage::OnUseDpi(Message& message)
{
    SetDpi(static_cast<int>(message.wParam));
    return 0;
}

void SectionPage::SetDpi(int dpi)
{
    if (!Handle() || !steps_ || !IsUsableDpi(dpi) || dpi == dpi_) return;
    const bool initialised = steps_->Done();
    // The scroll state of the old layout, once: several changes before the
    // frame is laid out keep the first.
    if (initialised && !scrollBeforeLayout_) scrollBeforeLayout_ = ReadScroll(Handle());
    dpi_ = dpi;
    steps_->UseDpi(dpi);
    steps_->PlaceControls();
    contentOffset_ = 0;
    if (initialised) {
        SetControlFont();
        ShowPicturesForDpi(Handle(), kPagePicture, dpi_);
        // The content is home; the range is the template's width at the new
        // DPI, and a page never placed shows all of it, as when it was made.
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS | (shown_ ? 0 : SIF_PAGE);
        info.nMax = steps_->ClientSize().cx;
        info.nPage = static_cast<UINT>(info.nMax);
        SetScrollInfo(Handle(), SB_HORZ, &info, TRUE);
    }
    FitTemplateSize();
    InvalidateRect(Handle(), nullptr, TRUE);
}

// The frame is laid out at its new DPI and the page has its width: the
// scroll position comes back for it.
LRESULT SectionPage::OnDpiLaidOut(Message&)
{
    if (!scrollBeforeLayout_) return 0;
    const PageScroll now = ReadScroll(Handle());
    SetScrollPosition(Handle(), PositionAfterNewLayout(*scrollBeforeLayout_, now.range, now.page));
    scrollBeforeLayout_.reset();
    FollowScrollPosition();
    return 0;
}

// Every scroll request and size change sets the position; the content then
// moves by exactly the change, so controls always stand where the position
// says, even where the scroll bar clamped the requested position.
void SectionPage::FollowScrollPosition()
{
    const int position = ReadScroll(Handle()).position;
    const int shift = ContentShift(contentOffset_, position);
    if (!shift) return;
    // A hidden page's content is placed from the template: scrolling a
    // window that is not drawn may leave its children where they are.
    if (!IsWindowVisible(Handle()) && steps_ && steps_->Done()) {
        steps_->PlaceControls(position);
        contentOffset_ = position;
        return;
    }
    ScrollWindowEx(Handle(), shift, 0, nullptr, nullptr, nullptr, nullptr, SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
    contentOffset_ = position;
}

} // namespace sections
