// A menu bar drawn as a row of flat toolbar buttons, one per pop-up of a
// menu, each opening its pop-up under it. Items carry no images.
//
// Keyboard, as users expect of a menu bar, anywhere inside the bar's
// top-level window: Alt alone or F10 shows the mnemonics and enters the bar
// (Left/Right move, Down/Up/Enter or a mnemonic letter open, Escape, Alt or
// F10 leave); Alt+letter opens that menu; while a menu is open Left and
// Right move to the neighbouring menu (Right opens a submenu where the
// highlighted item has one, Left closes an open submenu first); Escape
// closes the menu and leaves the bar. The keys come in the ways that
// framework/MessageLoop.h names: Alt+letter through a key filter of the
// thread's loop on the top-level window, the window manager's menu request
// (Alt alone, F10, Alt+letter on the top-level window itself) through a
// subclass of that window, and the keys inside an open menu through a
// WH_MSGFILTER hook while the menu's own loop runs.
//
// Every menu message goes on to the command target (normally the frame):
// WM_COMMAND of the chosen item, WM_MENUSELECT (for the status bar's help
// text), WM_INITMENUPOPUP, WM_UNINITMENUPOPUP, WM_ENTERMENULOOP and
// WM_EXITMENULOOP.
//
// The buttons are drawn in the system's menu font, as a menu bar is. The
// bar does not hear of a change of the system's settings, colours or theme
// by itself (only top-level windows do): its frame passes WM_SETTINGCHANGE,
// WM_SYSCOLORCHANGE and WM_THEMECHANGED on, the bar remakes its font (as it
// does on a new DPI of the frame, kUseDpiMessage) and takes its new ideal
// size, and the frame refits the bar's rebar band.
//
// TrackPopupMenu shows any pop-up menu in the same way as the bar's own
// (vertical, top-left at a point, left-to-right and top-to-bottom animation).
//
// Create it as Owned<CommandBar>.
#pragma once

#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

#include "framework/DpiScale.h"
#include "framework/GdiHandles.h"
#include "framework/Window.h"

class CommandBar : public BaseWindow<CommandBar> {
public:
    CommandBar() = default;
    ~CommandBar() override;

    // Creates the bar as a child of parent (normally a rebar). The command
    // target receives the menu messages; nullptr means the bar's top-level
    // window.
    HWND Create(HWND parent, HWND commandTarget = nullptr, UINT id = 0);

    // Shows the menu's pop-ups as buttons. The bar owns the menu from here
    // on and destroys it with its window (remove it from the frame with
    // SetMenu(frame, nullptr) first). False when the menu has no pop-ups.
    bool AttachMenu(HMENU menu);
    HMENU Menu() const { return menu_; }

    // The width and height the bar needs to show all its buttons.
    SIZE IdealSize() const;
    // The toolbar control that draws the buttons.
    HWND Buttons() const { return toolbar_; }

    // Shows a pop-up menu like the bar's own with its top-left corner at the
    // screen point; the chosen command goes to the command target. Returns
    // when the menu has closed.
    void TrackPopupMenu(HMENU popup, int x, int y);

    // State, for the frame and for tests (readable from any thread).
    int OpenMenuIndex() const { return openIndex_; }
    bool InKeyboardMode() const { return keyboardMode_; }
    bool MnemonicsShown() const { return mnemonicsShown_; }
    int HotIndex() const;

    static const WindowClass kWindowClass;
    static const MessageMap<CommandBar> kMessageMap;

private:
    LRESULT OnCreate(Message& message);
    LRESULT OnDestroy(Message& message);
    LRESULT OnSize(Message& message);
    LRESULT OnEraseBackground(Message& message);
    LRESULT OnDropDown(Message& message);
    LRESULT OnOpenMenu(Message& message);
    LRESULT OnKeyDown(Message& message);
    LRESULT OnChar(Message& message);
    LRESULT OnKillFocus(Message& message);
    LRESULT OnMenuSelect(Message& message);
    LRESULT OnInitMenuPopup(Message& message);
    LRESULT OnUninitMenuPopup(Message& message);
    LRESULT OnCommand(Message& message);
    LRESULT OnSystemChange(Message& message);
    // The menu messages go on to the command target, whose answer is ours.
    LRESULT ForwardToTarget(Message& message);

    static LRESULT CALLBACK MenuFilterHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK FrameProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                           DWORD_PTR data);

    // The loop's key filter on the top-level window: Alt+letter.
    bool FilterKey(const MSG& message);
    bool FilterMenuMessage(const MSG& message);
    void OpenMenu(int index, bool byKeyboard);
    void Track(HMENU popup, int x, int y, const RECT* exclude, bool byKeyboard);
    void EnterKeyboardMode();
    void LeaveKeyboardMode(bool restoreFocus);
    void ShowMnemonics(bool show);
    int MnemonicIndex(wchar_t letter) const;
    int ButtonAt(POINT screen) const;
    int ButtonCount() const;
    void SetHot(int index);
    void ClearButtons();
    HWND Target() const;
    // Gives the buttons the menu font for the bar's DPI, and the bar its size.
    void ApplyMenuFont();

    HWND toolbar_ = nullptr;
    HWND target_ = nullptr;
    HMENU menu_ = nullptr;
    std::vector<std::wstring> labels_;
    GdiObject<HFONT> menuFont_;
    int dpi_ = kDefaultDpi;  // the frame's, told by it

    std::atomic<int> openIndex_{-1};
    std::atomic<bool> keyboardMode_{false};
    std::atomic<bool> mnemonicsShown_{false};
    HWND focusBefore_ = nullptr;
    HWND frame_ = nullptr;  // the top-level window whose menu keys we take
    HWND keyWindow_ = nullptr;  // the top-level window our key filter is on
    POINT lastMouse_{};
    DWORD trackStart_ = 0;

    // While a menu is open.
    HMENU trackedPopup_ = nullptr;
    int nextIndex_ = -1;
    bool nextByKeyboard_ = false;
    bool escaped_ = false;
    int openDepth_ = 0;
    HMENU selectedMenu_ = nullptr;
    UINT selectedFlags_ = 0;
};
