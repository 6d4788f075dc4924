// The tab container: holds the strip (controls/TabStrip.h) along one edge
// and the active page in the rest of its area, and switches pages when the
// strip's selection changes. Keys, characters and commands that reach the
// container go on to the active page. Changes of the system's settings,
// colours and theme (which only top-level windows receive: the frame passes
// them on) go to the strip and every page, and the page area follows the
// strip's new height at once. A new DPI of the frame (kUseDpiMessage)
// goes the same way; once the frame is laid out at it (kDpiLaidOutMessage)
// the pages shown before take the new page area too, hidden, as pages of a
// frame started at that DPI would have it.
//
// As in every tabbed dialog, Ctrl+Tab and Ctrl+Page Down show the next page
// and Ctrl+Shift+Tab and Ctrl+Page Up the previous one, wrapping at the
// ends, wherever the keyboard focus is inside the container; the page shown
// gets the focus on its first tab stop. The container takes these keys from
// the thread's message loop (framework/MessageLoop.h) before the page's
// dialog navigation sees them.
//
// Tab on the page's last stop (Shift+Tab on its first) leaves the page for
// the next (previous) pane of the top-level window, which decides the
// panes (framework/Panes.h); the strip is a pane of its own, whose keys
// select pages while the focus stays on it.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "controls/TabStrip.h"
#include "framework/Owned.h"
#include "framework/Window.h"

// The page area of a tab container: the part of its client area that the
// active page fills, in client coordinates. A page fixes its size to it (the
// strip's height depends on its font, so it is no constant). False when the
// window is no tab container. (The question is a registered message, so no
// other window class can take it for one of its own.)
bool GetTabPageArea(HWND container, RECT& area);

class TabContainer : public BaseWindow<TabContainer> {
public:
    static constexpr DWORD kDefaultStripStyle = kTabStripTooltips | kTabStripBottom; // 0x4002
    static constexpr UINT kStripId = 1;

    TabContainer() = default;

    // Replaces the strip style; takes effect when the container is created.
    void SetStripStyle(DWORD style) { stripStyle_ = style & kTabStripStyleMask; }
    DWORD GetStripStyle() const { return stripStyle_; }

    // exStyle: for example WS_EX_CLIENTEDGE for a sunken edge.
    HWND Create(HWND parent, const RECT& rect, DWORD style, UINT id, DWORD exStyle = 0);

    // Adds a page window as a tab titled with its window text ("Untitled"
    // without one) and selects it; a page that already has a tab only gets
    // selected. Returns the tab's index, or -1.
    int AddPage(HWND page, bool withIcon = false);

    // Makes the page of a tab that has none yet, when that tab is selected,
    // and returns it (nullptr when it cannot be made: the tab then shows no
    // page). Whoever sets it keeps it valid while the container lives, or
    // sets nullptr first.
    void SetPageMaker(std::function<HWND(int index)> maker) { pageMaker_ = std::move(maker); }
    // Shows the page `step` tabs after the active one (before it for a
    // negative step), wrapping, and gives its first tab stop the focus.
    void ShowNeighbourPage(int step);
    // The page keys above, for a key message of a window inside the
    // container: true when it was one of them and has been acted on.
    bool TranslatePageKey(const MSG& message);
    // Gives the active page's first tab stop the focus (its last with
    // first false), as Tab would; false without a page or a stop.
    bool FocusActivePage(bool first = true);

    HWND ActivePage() const { return activePage_; }
    TabStrip& Strip() { return strip_; }
    const TabStrip& Strip() const { return strip_; }

    static const WindowClass kWindowClass;
    static const MessageMap<TabContainer> kMessageMap;

protected:
    // The map, and before it the page-area question, whose number is known
    // only at run time (a registered message).
    bool ProcessMessage(Message& message, LRESULT& result) override;

private:
    RECT PageArea() const;
    void LayOut();

    LRESULT OnCreate(Message& message);
    LRESULT OnSize(Message& message);
    LRESULT OnDestroy(Message& message);
    LRESULT OnSelectionChanged(Message& message);
    LRESULT OnStripClick(Message& message);
    LRESULT OnStripHeightChanged(Message& message);
    LRESULT OnSetFocus(Message& message);
    LRESULT OnSettingChange(Message& message);
    LRESULT OnUseDpi(Message& message);
    LRESULT OnDpiLaidOut(Message& message);
    LRESULT OnGetPageArea(Message& message);
    LRESULT ForwardToActivePage(Message& message);
    // Tab and Shift+Tab at the active page's ends; true when acted on.
    bool LeavePageByTab(const MSG& message);
    // The active page's first or last tab stop, or nullptr.
    HWND ActivePageStop(bool first) const;

    DWORD stripStyle_ = kDefaultStripStyle;
    Owned<TabStrip> strip_;
    HWND activePage_ = nullptr;
    // Every page placed as the active page so far.
    std::vector<HWND> placedPages_;
    std::function<HWND(int index)> pageMaker_;
};
