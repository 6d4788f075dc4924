#include "framework/CommandBar.h"

#include <commctrl.h>

#include <algorithm>
#include <cwctype>
#include <string>

#include "framework/Dpi.h"
#include "framework/FrameworkMessages.h"
#include "framework/MessageLoop.h"
#include "framework/SystemChanges.h"

namespace {

constexpr UINT kTrackFlags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_VERTICAL | TPM_LEFTBUTTON | TPM_HORPOSANIMATION |
                             TPM_VERPOSANIMATION;

// The hook and the bar of the menu that is open.
thread_local HHOOK menuFilterHook = nullptr;
thread_local CommandBar* trackingBar = nullptr;

} // namespace

CommandBar::~CommandBar()
{
    // The window, and with it the menu, ended before (Owned<CommandBar>).
    if (menu_) DestroyMenu(menu_);
}

const WindowClass CommandBar::kWindowClass = {.name = L"GlimmerCommandBar"};

HWND CommandBar::Create(HWND parent, HWND commandTarget, UINT id)
{
    target_ = commandTarget;
    return BaseWindow::Create({.parent = parent,
                               .id = id,
                               .rect = {0, 0, 100, 22},
                               .style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS});
}

HWND CommandBar::Target() const
{
    if (target_ && IsWindow(target_)) return target_;
    return Handle() ? GetAncestor(Handle(), GA_ROOT) : nullptr;
}

int CommandBar::ButtonCount() const
{
    return toolbar_ ? static_cast<int>(SendMessageW(toolbar_, TB_BUTTONCOUNT, 0, 0)) : 0;
}

int CommandBar::HotIndex() const
{
    return toolbar_ ? static_cast<int>(SendMessageW(toolbar_, TB_GETHOTITEM, 0, 0)) : -1;
}

void CommandBar::ApplyMenuFont()
{
    if (!toolbar_) return;
    LOGFONTW logFont{};
    HFONT font = MenuFontForDpi(logFont, dpi_) ? CreateFontIndirectW(&logFont) : nullptr;
    // Without a menu font of its own the toolbar keeps the one it has.
    if (!font) return;
    SendMessageW(toolbar_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    menuFont_.Reset(font);
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
    if (ButtonCount() > 0) {
        const SIZE size = IdealSize();
        SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CommandBar::ClearButtons()
{
    if (toolbar_ && IsWindow(toolbar_)) {
        while (SendMessageW(toolbar_, TB_DELETEBUTTON, 0, 0)) {
        }
    }
    labels_.clear();
}

bool CommandBar::AttachMenu(HMENU menu)
{
    if (!toolbar_ || !menu) return false;
    ClearButtons();
    if (menu_ && menu_ != menu) DestroyMenu(menu_);
    menu_ = menu;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[128] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        labels_.push_back(text);
    }
    std::vector<TBBUTTON> buttons(labels_.size());
    for (size_t i = 0; i < labels_.size(); ++i) {
        buttons[i].iBitmap = I_IMAGENONE;
        buttons[i].idCommand = static_cast<int>(i) + 1;
        buttons[i].fsState = TBSTATE_ENABLED;
        // A drop-down button without drop-down arrows: pressing it anywhere
        // asks for its menu.
        buttons[i].fsStyle = BTNS_DROPDOWN | BTNS_AUTOSIZE | BTNS_SHOWTEXT;
        buttons[i].iString = reinterpret_cast<INT_PTR>(labels_[i].c_str());
    }
    SendMessageW(toolbar_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
    ShowMnemonics(false);
    const SIZE size = IdealSize();
    SetWindowPos(Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return count > 0;
}

SIZE CommandBar::IdealSize() const
{
    SIZE size{0, 0};
    const int count = ButtonCount();
    for (int i = 0; i < count; ++i) {
        RECT item{};
        SendMessageW(toolbar_, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
        size.cx = std::max<LONG>(size.cx, item.right);
        size.cy = std::max<LONG>(size.cy, item.bottom);
    }
    if (size.cy == 0 && toolbar_) size.cy = HIWORD(SendMessageW(toolbar_, TB_GETBUTTONSIZE, 0, 0));
    return size;
}

void CommandBar::ShowMnemonics(bool show)
{
    if (!toolbar_) return;
    // The labels carry their "&" only while the mnemonics show; "&&" stays.
    for (size_t i = 0; i < labels_.size(); ++i) {
        std::wstring text;
        const std::wstring& label = labels_[i];
        for (size_t at = 0; at < label.size(); ++at) {
            if (label[at] == L'&' && !show) {
                if (at + 1 < label.size() && label[at + 1] == L'&') text += L"&&", ++at;
                continue;
            }
            text += label[at];
        }
        TBBUTTONINFOW info{};
        info.cbSize = sizeof(info);
        info.dwMask = TBIF_TEXT;
        info.pszText = &text[0];
        SendMessageW(toolbar_, TB_SETBUTTONINFOW, static_cast<WPARAM>(i + 1), reinterpret_cast<LPARAM>(&info));
    }
    mnemonicsShown_ = show;
}

void CommandBar::SetHot(int index)
{
    if (toolbar_) SendMessageW(toolbar_, TB_SETHOTITEM, static_cast<WPARAM>(index), 0);
}

int CommandBar::MnemonicIndex(wchar_t letter) const
{
    const wchar_t wanted = static_cast<wchar_t>(std::towlower(letter));
    for (size_t i = 0; i < labels_.size(); ++i) {
        const std::wstring& label = labels_[i];
        for (size_t at = label.find(L'&'); at != std::wstring::npos && at + 1 < label.size();
             at = label.find(L'&', at + 2)) {
            if (label[at + 1] == L'&') continue;
            if (static_cast<wchar_t>(std::towlower(label[at + 1])) == wanted) return static_cast<int>(i);
            break;
        }
    }
    return -1;
}

int CommandBar::ButtonAt(POINT screen) const
{
    if (!toolbar_) return -1;
    POINT point = screen;
    ScreenToClient(toolbar_, &point);
    RECT client{};
    GetClientRect(toolbar_, &client);
    if (!PtInRect(&client, point)) return -1;
    const int count = ButtonCount();
    for (int i = 0; i < count; ++i) {
        RECT item{};
        SendMessageW(toolbar_, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&item));
        if (PtInRect(&item, point)) return i;
    }
    return -1;
}

void CommandBar::EnterKeyboardMode()
{
    if (keyboardMode_ || ButtonCount() == 0) return;
    keyboardMode_ = true;
    HWND focus = GetFocus();
    focusBefore_ = focus != Handle() ? focus : nullptr;
    SetFocus(Handle());
    ShowMnemonics(true);
    SetHot(0);
}

void CommandBar::LeaveKeyboardMode(bool restoreFocus)
{
    if (!keyboardMode_) return;
    keyboardMode_ = false;
    SetHot(-1);
    ShowMnemonics(false);
    HWND previous = focusBefore_;
    focusBefore_ = nullptr;
    if (restoreFocus && GetFocus() == Handle()) {
        if (previous && IsWindow(previous))
            SetFocus(previous);
        else if (HWND root = GetAncestor(Handle(), GA_ROOT))
            SetFocus(root);
    }
}

void CommandBar::OpenMenu(int index, bool byKeyboard)
{
    if (!menu_ || trackingBar) return;
    for (;;) {
        HMENU popup = GetSubMenu(menu_, index);
        if (!popup) break;
        RECT button{};
        SendMessageW(toolbar_, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&button));
        MapWindowPoints(toolbar_, nullptr, reinterpret_cast<POINT*>(&button), 2);
        openIndex_ = index;
        if (byKeyboard) ShowMnemonics(true);
        SendMessageW(toolbar_, TB_PRESSBUTTON, index + 1, TRUE);
        SetHot(index);
        Track(popup, button.left, button.bottom, &button, byKeyboard);
        SendMessageW(toolbar_, TB_PRESSBUTTON, index + 1, FALSE);
        if (nextIndex_ < 0) break;
        index = nextIndex_;
        byKeyboard = nextByKeyboard_;
    }
    openIndex_ = -1;
    // A menu closed by Escape, by a choice or by a click elsewhere leaves the bar.
    SetHot(-1);
    LeaveKeyboardMode(true);
    ShowMnemonics(false);
}

void CommandBar::TrackPopupMenu(HMENU popup, int x, int y)
{
    if (!popup || trackingBar) return;
    Track(popup, x, y, nullptr, false);
}

void CommandBar::Track(HMENU popup, int x, int y, const RECT* exclude, bool byKeyboard)
{
    trackedPopup_ = popup;
    nextIndex_ = -1;
    escaped_ = false;
    openDepth_ = 0;
    selectedMenu_ = nullptr;
    selectedFlags_ = 0;
    trackingBar = this;
    GetCursorPos(&lastMouse_);
    trackStart_ = GetTickCount();
    menuFilterHook = SetWindowsHookExW(WH_MSGFILTER, &CommandBar::MenuFilterHook, nullptr, GetCurrentThreadId());
    // The menu loop reads this key first: opened by the keyboard, the first
    // item is highlighted.
    if (byKeyboard) PostMessageW(Handle(), WM_KEYDOWN, VK_DOWN, 0);
    TPMPARAMS parameters{};
    parameters.cbSize = sizeof(parameters);
    if (exclude) parameters.rcExclude = *exclude;
    TrackPopupMenuEx(popup, kTrackFlags, x, y, Handle(), exclude ? &parameters : nullptr);
    if (menuFilterHook) UnhookWindowsHookEx(menuFilterHook);
    menuFilterHook = nullptr;
    trackingBar = nullptr;
    trackedPopup_ = nullptr;
    if (escaped_) nextIndex_ = -1;
}

LRESULT CALLBACK CommandBar::MenuFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_MENU && trackingBar && lParam &&
        trackingBar->FilterMenuMessage(*reinterpret_cast<const MSG*>(lParam)))
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool CommandBar::FilterMenuMessage(const MSG& message)
{
    const bool ownMenu = openIndex_ >= 0;
    switch (message.message) {
    case WM_KEYDOWN:
        if (message.wParam == VK_ESCAPE) {
            escaped_ = true;
            return false;
        }
        if (!ownMenu) return false;
        if (message.wParam == VK_LEFT && openDepth_ <= 1) {
            const int count = ButtonCount();
            nextIndex_ = (openIndex_ + count - 1) % count;
            nextByKeyboard_ = true;
            EndMenu();
            return true;
        }
        if (message.wParam == VK_RIGHT && !(selectedFlags_ & MF_POPUP)) {
            nextIndex_ = (openIndex_ + 1) % ButtonCount();
            nextByKeyboard_ = true;
            EndMenu();
            return true;
        }
        return false;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: {
        if (!ownMenu) return false;
        // Menus appearing and going make the window manager repeat moves
        // from before this menu opened; only a move to a new place counts.
        const POINT at = message.pt;
        if (message.message == WM_MOUSEMOVE) {
            if (static_cast<LONG>(message.time - trackStart_) < 0) return false;
            if (at.x == lastMouse_.x && at.y == lastMouse_.y) return false;
            lastMouse_ = at;
        }
        const int over = ButtonAt(at);
        if (over < 0) return false;
        if (over != openIndex_) {
            nextIndex_ = over;
            nextByKeyboard_ = false;
            EndMenu();
            return true;
        }
        if (message.message == WM_LBUTTONDOWN) {
            // A click on the open menu's own button closes it.
            nextIndex_ = -1;
            EndMenu();
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

bool CommandBar::FilterKey(const MSG& message)
{
    // Alt+letter in any window of the frame, before a page's dialog keys
    // take it for a control's mnemonic: the window manager would look for
    // the letter in a menu the frame no longer has.
    if (message.message != WM_SYSCHAR || trackingBar || !menu_ || !IsWindowVisible(Handle())) return false;
    const int index = MnemonicIndex(static_cast<wchar_t>(message.wParam));
    if (index < 0) return false;
    PostMessageW(Handle(), kCommandBarOpenMenuMessage, static_cast<WPARAM>(index), 1);
    return true;
}

LRESULT CALLBACK CommandBar::FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR id, DWORD_PTR)
{
    CommandBar* bar = reinterpret_cast<CommandBar*>(id);
    if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU && bar->menu_ && IsWindowVisible(bar->Handle())) {
        // The window manager asks for the menu: Alt alone or F10 (no
        // letter) enters or leaves the bar; a letter opens its menu.
        if (lParam == 0) {
            if (bar->keyboardMode_)
                bar->LeaveKeyboardMode(true);
            else
                bar->EnterKeyboardMode();
            return 0;
        }
        if (lParam != L' ') {
            const int index = bar->MnemonicIndex(static_cast<wchar_t>(lParam));
            if (index >= 0)
                PostMessageW(bar->Handle(), kCommandBarOpenMenuMessage, static_cast<WPARAM>(index), 1);
            else
                MessageBeep(0);
            return 0;
        }
    }
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(window, &CommandBar::FrameProcedure, id);
        if (bar->frame_ == window) bar->frame_ = nullptr;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

const MessageMap<CommandBar> CommandBar::kMessageMap = {
    OnMessage(WM_CREATE, &CommandBar::OnCreate),
    OnMessage(WM_DESTROY, &CommandBar::OnDestroy),
    OnMessage(WM_SIZE, &CommandBar::OnSize),
    OnMessage(WM_ERASEBKGND, &CommandBar::OnEraseBackground),
    OnNotifyCode(TBN_DROPDOWN, &CommandBar::OnDropDown),
    OnMessage(kCommandBarOpenMenuMessage, &CommandBar::OnOpenMenu),
    OnMessage(WM_KEYDOWN, &CommandBar::OnKeyDown),
    OnMessage(WM_CHAR, &CommandBar::OnChar),
    OnMessage(WM_KILLFOCUS, &CommandBar::OnKillFocus),
    OnMessage(WM_MENUSELECT, &CommandBar::OnMenuSelect),
    OnMessage(WM_INITMENUPOPUP, &CommandBar::OnInitMenuPopup),
    OnMessage(WM_UNINITMENUPOPUP, &CommandBar::OnUninitMenuPopup),
    OnMessage(WM_COMMAND, &CommandBar::OnCommand),
    OnMessage(WM_ENTERMENULOOP, &CommandBar::ForwardToTarget),
    OnMessage(WM_EXITMENULOOP, &CommandBar::ForwardToTarget),
    OnMessage(WM_SETTINGCHANGE, &CommandBar::OnSystemChange),
    OnMessage(WM_SYSCOLORCHANGE, &CommandBar::OnSystemChange),
    OnMessage(WM_THEMECHANGED, &CommandBar::OnSystemChange),
    OnMessage(kUseDpiMessage, &CommandBar::OnSystemChange),
};

LRESULT CommandBar::OnCreate(Message&)
{
    toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                               WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | TBSTYLE_LIST |
                                   TBSTYLE_TRANSPARENT | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN,
                               0, 0, 100, 22, Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!toolbar_) return -1;
    SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar_, TB_SETIMAGELIST, 0, 0);
    SendMessageW(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(0, 0));
    dpi_ = WindowDpi(Handle());
    ApplyMenuFont();
    HWND root = GetAncestor(Handle(), GA_ROOT);
    if (root == Handle()) return 0;
    if (MessageLoop* loop = MessageLoop::Current();
        loop && loop->AddKeyFilter(root, [this](MSG& message) { return FilterKey(message); }))
        keyWindow_ = root;
    if (SetWindowSubclass(root, &CommandBar::FrameProcedure, reinterpret_cast<UINT_PTR>(this), 0)) frame_ = root;
    return 0;
}

LRESULT CommandBar::OnDestroy(Message& message)
{
    if (frame_) {
        RemoveWindowSubclass(frame_, &CommandBar::FrameProcedure, reinterpret_cast<UINT_PTR>(this));
        frame_ = nullptr;
    }
    if (MessageLoop* loop = MessageLoop::Current(); loop && keyWindow_) loop->RemoveKeyFilter(keyWindow_);
    keyWindow_ = nullptr;
    if (menu_) {
        DestroyMenu(menu_);
        menu_ = nullptr;
    }
    message.handled = false;
    return 0;
}

LRESULT CommandBar::OnSize(Message& message)
{
    if (toolbar_) MoveWindow(toolbar_, 0, 0, LOWORD(message.lParam), HIWORD(message.lParam), TRUE);
    return 0;
}

LRESULT CommandBar::OnEraseBackground(Message& message)
{
    // The toolbar is transparent: the rebar's band shows through.
    if (HWND parent = GetParent(Handle())) {
        POINT origin{0, 0};
        MapWindowPoints(Handle(), parent, &origin, 1);
        HDC dc = reinterpret_cast<HDC>(message.wParam);
        POINT old;
        OffsetWindowOrgEx(dc, origin.x, origin.y, &old);
        const LRESULT drawn = SendMessageW(parent, WM_ERASEBKGND, message.wParam, 0);
        SetWindowOrgEx(dc, old.x, old.y, nullptr);
        if (drawn) return 1;
    }
    message.handled = false;
    return 0;
}

LRESULT CommandBar::OnDropDown(Message& message)
{
    const auto* dropDown = reinterpret_cast<const NMTOOLBARW*>(message.lParam);
    if (dropDown->hdr.hwndFrom != toolbar_) {
        message.handled = false;
        return 0;
    }
    PostMessageW(Handle(), kCommandBarOpenMenuMessage, static_cast<WPARAM>(dropDown->iItem - 1), 0);
    return TBDDRET_DEFAULT;
}

LRESULT CommandBar::OnOpenMenu(Message& message)
{
    OpenMenu(static_cast<int>(message.wParam), message.lParam != 0);
    return 0;
}

LRESULT CommandBar::OnKeyDown(Message& message)
{
    if (!keyboardMode_) {
        message.handled = false;
        return 0;
    }
    switch (message.wParam) {
    case VK_LEFT:
    case VK_RIGHT: {
        const int count = ButtonCount();
        const int hot = std::max(0, HotIndex());
        SetHot((hot + (message.wParam == VK_LEFT ? count - 1 : 1)) % count);
        break;
    }
    case VK_DOWN:
    case VK_UP:
    case VK_RETURN:
        PostMessageW(Handle(), kCommandBarOpenMenuMessage, static_cast<WPARAM>(std::max(0, HotIndex())), 1);
        break;
    case VK_ESCAPE:
        LeaveKeyboardMode(true);
        break;
    default:
        break;
    }
    return 0;
}

LRESULT CommandBar::OnChar(Message& message)
{
    if (!keyboardMode_) {
        message.handled = false;
        return 0;
    }
    const int index = MnemonicIndex(static_cast<wchar_t>(message.wParam));
    if (index >= 0) PostMessageW(Handle(), kCommandBarOpenMenuMessage, static_cast<WPARAM>(index), 1);
    return 0;
}

LRESULT CommandBar::OnKillFocus(Message& message)
{
    if (keyboardMode_ && openIndex_ < 0 && !trackingBar) LeaveKeyboardMode(false);
    message.handled = false;
    return 0;
}

LRESULT CommandBar::OnMenuSelect(Message& message)
{
    if (trackingBar == this) {
        selectedMenu_ = reinterpret_cast<HMENU>(message.lParam);
        selectedFlags_ = HIWORD(message.wParam) == 0xFFFF ? 0 : HIWORD(message.wParam);
    }
    return ForwardToTarget(message);
}

LRESULT CommandBar::OnInitMenuPopup(Message& message)
{
    if (trackingBar == this) ++openDepth_;
    return ForwardToTarget(message);
}

LRESULT CommandBar::OnUninitMenuPopup(Message& message)
{
    if (trackingBar == this && openDepth_ > 0) --openDepth_;
    return ForwardToTarget(message);
}

LRESULT CommandBar::OnCommand(Message& message)
{
    // Menu choices carry no window; the buttons' own clicks stay here.
    if (message.lParam != 0) {
        message.handled = false;
        return 0;
    }
    return ForwardToTarget(message);
}

LRESULT CommandBar::OnSystemChange(Message& message)
{
    // The toolbar that draws the buttons remakes its colours and theme
    // parts; the font is the bar's own, made again from the new metrics.
    if (IsSystemChange(message.message)) PassToChildren(Handle(), message.message, message.wParam, message.lParam);
    // A new DPI of the frame asks for the menu font at that DPI as well.
    if (message.message == kUseDpiMessage) dpi_ = static_cast<int>(message.wParam);
    if (message.message == WM_SETTINGCHANGE || message.message == kUseDpiMessage) ApplyMenuFont();
    return 0;
}

LRESULT CommandBar::ForwardToTarget(Message& message)
{
    return SendMessageW(Target(), message.message, message.wParam, message.lParam);
}
