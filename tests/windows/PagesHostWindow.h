// A stand-in for the main frame, for the section page tests and the pages
// host program: a top-level window with the tab container filling it and
// the sixteen pages made by the same code the main frame uses
// (sections/SectionPageSet.h). It counts the WM_APP+1 that the property
// handlers send it. Create it as Owned<PagesHostWindow>. Header-only.
#pragma once

#include <windows.h>

#include <climits>
#include <sstream>
#include <string>

#include "controls/TabContainer.h"
#include "framework/Owned.h"
#include "framework/Window.h"
#include "sections/SectionPageSet.h"

class PagesHostWindow : public BaseWindow<PagesHostWindow> {
public:
    static constexpr DWORD kMainFrameStripStyle = 0x2143;
    static inline const WindowClass kWindowClass = {.name = L"GlimmerpatchPagesHost", .background = COLOR_BTNFACE};
    // Its messages are routed by hand below.
    static inline const MessageMap<PagesHostWindow> kMessageMap = {};

    // Creates the window and the pages in it; shows it once the pages are
    // made when visible.
    bool Create(int width, int height, bool visible)
    {
        if (!BaseWindow::Create({.rect = {20, 20, 20 + width, 20 + height},
                                 .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                 .title = L"Glimmerpatch pages host"}))
            return false;
        RECT client{};
        GetClientRect(Handle(), &client);
        container.SetStripStyle(kMainFrameStripStyle);
        if (!container.Create(Handle(), client, WS_CHILD | WS_VISIBLE, 1)) return false;
        if (!pages.Create(container, Handle())) return false;
        if (visible) ShowWindow(Handle(), SW_SHOWNOACTIVATE);
        return true;
    }

    int refreshes = 0;
    Owned<TabContainer> container;
    sections::SectionPageSet pages;

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override
    {
        switch (message.message) {
        case WM_APP + 1:
            ++refreshes;
            result = 0;
            return true;
        case WM_GETMINMAXINFO:
            // The tests widen the host until a whole page fits, wider than
            // the screen at a high DPI.
            reinterpret_cast<MINMAXINFO*>(message.lParam)->ptMaxTrackSize = {SHRT_MAX, SHRT_MAX};
            result = 0;
            return true;
        case WM_SIZE:
            if (container.Handle())
                MoveWindow(container.Handle(), 0, 0, LOWORD(message.lParam), HIWORD(message.lParam), TRUE);
            result = 0;
            return true;
        default:
            return false;
        }
    }
};

// Where a container's strip and shown page stand, in its client coordinates,
// as one line ("strip l,t r,b page l,t r,b"); a hidden or missing page reads
// "none". PlannedFit gives the same line as the container's page area says
// it should read: the page on the area and the strip on the rest of the
// client area. Equal lines mean that the page fills the area beside the
// strip with no gap and no overlap.
inline std::string FitLine(const RECT& strip, const RECT* page)
{
    std::ostringstream line;
    line << "strip " << strip.left << "," << strip.top << " " << strip.right << "," << strip.bottom << " page ";
    if (page)
        line << page->left << "," << page->top << " " << page->right << "," << page->bottom;
    else
        line << "none";
    return line.str();
}

inline std::string ActualFit(const TabContainer& container)
{
    auto place = [&](HWND child) {
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, container.Handle(), reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    };
    HWND page = container.ActivePage();
    const RECT pageRect = page && IsWindowVisible(page) ? place(page) : RECT{};
    return FitLine(place(container.Strip().Handle()), page && IsWindowVisible(page) ? &pageRect : nullptr);
}

inline std::string PlannedFit(const TabContainer& container)
{
    RECT client{}, area{};
    GetClientRect(container.Handle(), &client);
    if (!GetTabPageArea(container.Handle(), area)) return "no page area";
    RECT strip = client;
    if (area.top > client.top)
        strip.bottom = area.top;
    else
        strip.top = area.bottom;
    return FitLine(strip, &area);
}
