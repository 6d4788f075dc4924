// A stand-in for the main frame, for the section page tests and the pages
// host program: a top-level window with the tab container filling it and
// the sixteen pages made by the same code the main frame uses
// (sections/SectionPageSet.h). It counts the WM_APP+1 that the property
// handlers send it. Create it as Owned<PagesHostWindow>. Header-only.
#pragma once

#include <windows.h>

#include <climits>

#include "controls/TabContainer.h"
#include "framework/Owned.h"
#include "framework/Window.h"
#include "sections/SectionPageSet.h"

class PagesHostWindow : public Window {
public:
    static constexpr DWORD kMainFrameStripStyle = 0x2143;

    // Creates the window and the pages in it; shows it once the pages are
    // made when visible.
    bool Create(int width, int height, bool visible)
    {
        WNDCLASSEXW windowClass{};
        windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
        windowClass.lpszClassName = L"GlimmerpatchPagesHost";
        if (!RegisterWindowClass(windowClass)) return false;
        const RECT rect{20, 20, 20 + width, 20 + height};
        if (!Window::Create(L"GlimmerpatchPagesHost", 0, L"Glimmerpatch pages host",
                            WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rect, nullptr, 0))
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
