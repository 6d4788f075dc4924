// The tab container: holds the strip (controls/TabStrip.h) along one edge
// and the active page in the rest of its area, and switches pages when the
// strip's selection changes. Keys, characters and commands that reach the
// container go on to the active page.
#pragma once

#include <windows.h>

#include "controls/TabStrip.h"
#include "framework/Window.h"

class TabContainer : public Window {
public:
    static constexpr DWORD kDefaultStripStyle = kTabStripTooltips | kTabStripBottom; // 0x4002
    static constexpr UINT kStripId = 1;

    TabContainer() = default;
    ~TabContainer() override;

    // Replaces the strip style; takes effect when the container is created.
    void SetStripStyle(DWORD style) { stripStyle_ = style & kTabStripStyleMask; }
    DWORD GetStripStyle() const { return stripStyle_; }

    HWND Create(HWND parent, const RECT& rect, DWORD style, UINT id);

    // Adds a page window as a tab titled with its window text ("Untitled"
    // without one) and selects it; a page that already has a tab only gets
    // selected. Returns the tab's index, or -1.
    int AddPage(HWND page, bool withIcon = false);

    HWND ActivePage() const { return activePage_; }
    TabStrip& Strip() { return strip_; }
    const TabStrip& Strip() const { return strip_; }

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override;

private:
    void LayOut();

    LRESULT OnCreate(Message& message);
    LRESULT OnSize(Message& message);
    LRESULT OnSelectionChanged(Message& message);
    LRESULT OnStripClick(Message& message);
    LRESULT OnSetFocus(Message& message);
    LRESULT ForwardToActivePage(Message& message);

    static const MessageEntry<TabContainer> kMessageMap[];

    DWORD stripStyle_ = kDefaultStripStyle;
    TabStrip strip_;
    HWND activePage_ = nullptr;
};
