#include "controls/TabContainer.h"

#include <algorithm>
#include <string>

#include "framework/Dpi.h"
#include "framework/MessageLoop.h"
#include "framework/Panes.h"
#include "framework/SystemChanges.h"

namespace {

HICON PageIcon(HWND page)
{
    HICON icon = reinterpret_cast<HICON>(SendMessageW(page, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(page, GCLP_HICONSM));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(page, WM_GETICON, ICON_BIG, 0));
    if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(page, GCLP_HICON));
    return icon;
}

} // namespace

namespace {

// lParam: the RECT to fill; the answer is TRUE.
UINT PageAreaMessage()
{
    static const UINT message = RegisterWindowMessageW(L"Glimmerpatch.TabContainer.PageArea");
    return message;
}

} // namespace

bool GetTabPageArea(HWND container, RECT& area)
{
    RECT answer{};
    if (!container || !PageAreaMessage() ||
        SendMessageW(container, PageAreaMessage(), 0, reinterpret_cast<LPARAM>(&answer)) != TRUE)
        return false;
    area = answer;
    return true;
}

const WindowClass TabContainer::kWindowClass = {.name = L"GlimmerpatchTabContainer", .background = COLOR_BTNFACE};

HWND TabContainer::Create(HWND parent, const RECT& rect, DWORD style, UINT id, DWORD exStyle)
{
    return BaseWindow::Create(
        {.parent = parent, .id = id, .rect = rect, .style = style | WS_CLIPCHILDREN, .exStyle = exStyle});
}

int TabContainer::AddPage(HWND page, bool withIcon)
{
    if (!Handle() || !strip_.Handle() || !IsWindow(page)) return -1;
    const int existing = strip_.FindTab(page);
    if (existing >= 0) {
        strip_.SelectTab(existing);
        return existing;
    }

    std::wstring title(static_cast<std::size_t>(GetWindowTextLengthW(page)) + 1, L'\0');
    title.resize(static_cast<std::size_t>(GetWindowTextW(page, title.data(), static_cast<int>(title.size()))));
    if (title.empty()) title = L"Untitled";

    int image = -1;
    if (withIcon) {
        if (HICON icon = PageIcon(page)) image = ImageList_AddIcon(strip_.Images(), icon);
    }
    const int index = strip_.AppendTab(title, image, page);
    strip_.SelectTab(index);
    return index;
}

RECT TabContainer::PageArea() const
{
    RECT client{};
    GetClientRect(Handle(), &client);
    const int height = std::min<int>(strip_.StripHeight(), client.bottom);
    if (stripStyle_ & kTabStripBottom) return RECT{0, 0, client.right, client.bottom - height};
    return RECT{0, height, client.right, client.bottom};
}

void TabContainer::LayOut()
{
    if (!Handle() || !strip_.Handle()) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    const RECT pageRect = PageArea();
    const RECT stripRect = (stripStyle_ & kTabStripBottom) ? RECT{0, pageRect.bottom, client.right, client.bottom}
                                                           : RECT{0, 0, client.right, pageRect.top};

    HDWP batch = BeginDeferWindowPos(activePage_ ? 2 : 1);
    if (batch)
        batch = DeferWindowPos(batch, strip_.Handle(), nullptr, stripRect.left, stripRect.top,
                               stripRect.right - stripRect.left, stripRect.bottom - stripRect.top,
                               SWP_NOZORDER | SWP_NOACTIVATE);
    if (batch && activePage_)
        batch = DeferWindowPos(batch, activePage_, nullptr, pageRect.left, pageRect.top,
                               pageRect.right - pageRect.left, pageRect.bottom - pageRect.top,
                               SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    if (batch) EndDeferWindowPos(batch);
    if (activePage_ && std::find(placedPages_.begin(), placedPages_.end(), activePage_) == placedPages_.end())
        placedPages_.push_back(activePage_);
}

const MessageMap<TabContainer> TabContainer::kMessageMap = {
    OnMessage(WM_CREATE, &TabContainer::OnCreate),
    OnMessage(WM_SIZE, &TabContainer::OnSize),
    OnMessage(WM_DESTROY, &TabContainer::OnDestroy),
    OnNotify(kStripId, static_cast<UINT>(TCN_SELCHANGE), &TabContainer::OnSelectionChanged),
    OnNotify(kStripId, static_cast<UINT>(NM_CLICK), &TabContainer::OnStripClick),
    OnNotify(kStripId, kTabStripHeightChanged, &TabContainer::OnStripHeightChanged),
    OnMessage(WM_SETFOCUS, &TabContainer::OnSetFocus),
    OnMessage(WM_SETTINGCHANGE, &TabContainer::OnSettingChange),
    OnMessage(WM_SYSCOLORCHANGE, &TabContainer::OnSettingChange),
    OnMessage(WM_THEMECHANGED, &TabContainer::OnSettingChange),
    OnMessage(kUseDpiMessage, &TabContainer::OnUseDpi),
    OnMessage(kDpiLaidOutMessage, &TabContainer::OnDpiLaidOut),
    OnMessage(WM_KEYDOWN, &TabContainer::ForwardToActivePage),
    OnMessage(WM_KEYUP, &TabContainer::ForwardToActivePage),
    OnMessage(WM_CHAR, &TabContainer::ForwardToActivePage),
    OnMessage(WM_DEADCHAR, &TabContainer::ForwardToActivePage),
    OnMessage(WM_SYSKEYDOWN, &TabContainer::ForwardToActivePage),
    OnMessage(WM_SYSKEYUP, &TabContainer::ForwardToActivePage),
    OnMessage(WM_SYSCHAR, &TabContainer::ForwardToActivePage),
    OnMessage(WM_SYSDEADCHAR, &TabContainer::ForwardToActivePage),
    OnMessage(WM_COMMAND, &TabContainer::ForwardToActivePage),
};

bool TabContainer::ProcessMessage(Message& message, LRESULT& result)
{
    if (message.message == PageAreaMessage() && message.message != 0) {
        result = OnGetPageArea(message);
        return true;
    }
    return BaseWindow::ProcessMessage(message, result);
}

LRESULT TabContainer::OnCreate(Message&)
{
    const RECT none{0, 0, 0, 0};
    if (!strip_.Create(Handle(), none, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | stripStyle_, kStripId)) return -1;
    LayOut();
    if (MessageLoop* loop = MessageLoop::Current())
        loop->AddKeyFilter(Handle(), [this](MSG& message) { return TranslatePageKey(message); });
    return 0;
}

LRESULT TabContainer::OnDestroy(Message& message)
{
    if (MessageLoop* loop = MessageLoop::Current()) loop->RemoveKeyFilter(Handle());
    message.handled = false;
    return 0;
}

bool TabContainer::TranslatePageKey(const MSG& message)
{
    if (LeavePageByTab(message)) return true;
    if (message.message != WM_KEYDOWN || GetKeyState(VK_CONTROL) >= 0 || GetKeyState(VK_MENU) < 0) return false;
    switch (message.wParam) {
    case VK_TAB:
        ShowNeighbourPage(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
        return true;
    case VK_NEXT:
        ShowNeighbourPage(1);
        return true;
    case VK_PRIOR:
        ShowNeighbourPage(-1);
        return true;
    default:
        return false;
    }
}

void TabContainer::ShowNeighbourPage(int step)
{
    const int count = strip_.TabCount();
    if (count == 0) return;
    const int from = std::max(strip_.SelectedIndex(), 0);
    strip_.SelectTab(((from + step) % count + count) % count);
    FocusActivePage();
}

HWND TabContainer::ActivePageStop(bool first) const
{
    // The stop before the first is the last: the search wraps.
    HWND stop = activePage_ ? GetNextDlgTabItem(activePage_, nullptr, FALSE) : nullptr;
    return stop && !first ? GetNextDlgTabItem(activePage_, stop, TRUE) : stop;
}

bool TabContainer::FocusActivePage(bool first)
{
    // The dialog manager's own way to move the focus: it also selects the
    // text of an edit and moves the default button as Tab would.
    HWND stop = ActivePageStop(first);
    if (!stop) return false;
    SendMessageW(activePage_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(stop), TRUE);
    return true;
}

bool TabContainer::LeavePageByTab(const MSG& message)
{
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB || GetKeyState(VK_CONTROL) < 0 ||
        GetKeyState(VK_MENU) < 0 || !activePage_ || !IsChild(activePage_, message.hwnd))
        return false;
    // The page's own child that holds the focus (a control's inner window
    // belongs to its control).
    HWND control = message.hwnd;
    while (control && GetParent(control) != activePage_) control = GetParent(control);
    const bool forward = GetKeyState(VK_SHIFT) >= 0;
    if (!control || control != ActivePageStop(!forward)) return false; // within the page: the dialog's own Tab
    RequestNeighbourPane(activePage_, forward);
    return true;
}

LRESULT TabContainer::OnSize(Message& message)
{
    if (message.wParam != SIZE_MINIMIZED) LayOut();
    return 0;
}

LRESULT TabContainer::OnSelectionChanged(Message&)
{
    const int index = strip_.SelectedIndex();
    HWND page = strip_.TabPage(index);
    // A tab whose page is not made yet gets it now, before anything shows.
    // A page that cannot be made leaves its tab showing nothing.
    if (!page && index >= 0 && pageMaker_) {
        page = pageMaker_(index);
        if (!page) {
            HWND previous = activePage_;
            activePage_ = nullptr;
            if (previous && IsWindow(previous)) ShowWindow(previous, SW_HIDE);
            return 0;
        }
        strip_.SetTabPage(index, page);
    }
    if (page && page != activePage_) {
        HWND previous = activePage_;
        activePage_ = page;
        LayOut();
        if (previous && IsWindow(previous)) ShowWindow(previous, SW_HIDE);
        // The strip keeps the focus that its own keys have.
        if (!strip_.SelectingByKey()) SetFocus(page);
    }
    return 0;
}

LRESULT TabContainer::OnStripClick(Message& message)
{
    const TabStripClick* click = reinterpret_cast<const TabStripClick*>(message.lParam);
    if (click->index >= 0 && click->index == strip_.SelectedIndex() && activePage_) SetFocus(activePage_);
    return 0; // the strip goes on and selects
}

LRESULT TabContainer::OnStripHeightChanged(Message&)
{
    // The strip was made for another DPI: the page takes what it leaves.
    LayOut();
    return 0;
}

LRESULT TabContainer::OnSetFocus(Message&)
{
    if (activePage_ && GetCapture() != strip_.Handle()) SetFocus(activePage_);
    return 0;
}

LRESULT TabContainer::OnSettingChange(Message& message)
{
    // A change of the system's settings, colours or theme: only top-level
    // windows hear of it. The strip and the pages made so far hear of it
    // from here, and the layout follows the strip's new height at once.
    PassToChildren(Handle(), message.message, message.wParam, message.lParam);
    LayOut();
    message.handled = false;
    return 0;
}

LRESULT TabContainer::OnUseDpi(Message& message)
{
    PassToChildren(Handle(), message.message, message.wParam, message.lParam);
    LayOut();
    return 0;
}

LRESULT TabContainer::OnDpiLaidOut(Message& message)
{
    const RECT area = PageArea();
    for (HWND page : placedPages_)
        if (page != activePage_ && IsWindow(page) && GetParent(page) == Handle())
            SetWindowPos(page, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    PassToChildren(Handle(), message.message, message.wParam, message.lParam);
    return 0;
}

LRESULT TabContainer::OnGetPageArea(Message& message)
{
    if (!message.lParam) return FALSE;
    *reinterpret_cast<RECT*>(message.lParam) = PageArea();
    return TRUE;
}

LRESULT TabContainer::ForwardToActivePage(Message& message)
{
    if (!activePage_) {
        message.handled = false;
        return 0;
    }
    return SendMessageW(activePage_, message.message, message.wParam, message.lParam);
}
