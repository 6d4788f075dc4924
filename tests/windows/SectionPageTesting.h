// What the section page tests share: a fresh working page in a folder of
// its own, the pages host window with all sixteen pages made as the main
// frame makes them, and ways to read a live page back. Header-only.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "style/Utf16.h"
#include "page/WorkingPage.h"
#include "sections/SectionCatalogue.h"
#include "style/StyleDocument.h"
#include "tests/native/TestSupport.h"
#include "tests/windows/PagesHostWindow.h"
#include "tests/windows/WindowTestSupport.h"

#include <memory>
#include <string>
#include <vector>

namespace page_testing {

using window_tests::PumpPending;

inline std::string WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return NarrowToUtf8(text);
}

inline std::string ClassNameOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    std::string text = NarrowToUtf8(name);
    for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    return text;
}

// The children of a page in template order.
inline std::vector<HWND> Children(HWND page)
{
    std::vector<HWND> children;
    for (HWND child = GetWindow(page, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

// Where a child stands in its page's client area, in pixels.
inline RECT PlaceInPage(HWND page, HWND child)
{
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, page, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// Template dialog units to pixels of a page.
inline RECT DialogUnitsToPixels(HWND page, int x, int y, int cx, int cy)
{
    RECT rect{x, y, x + cx, y + cy};
    MapDialogRect(page, &rect);
    return rect;
}

inline SCROLLINFO ScrollState(HWND page)
{
    SCROLLINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
    GetScrollInfo(page, SB_HORZ, &info);
    return info;
}

class PagesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::make_unique<testing_support::WorkingFolder>("glimmerpatch-pages");
        WriteWorkingPage();
        ASSERT_TRUE(host_.Create(1000, 260, true)) << GetLastError();
        ASSERT_EQ(host_.pages.Count(), sections::kSectionPageCount);
        PumpPending();
    }

    void TearDown() override
    {
        host_.Destroy();
        PumpPending();
    }

    sections::SectionPage& Page(sections::SectionPageId page) { return *host_.pages.Page(page); }

    // Selects the page's tab, as a click on it would.
    HWND Show(sections::SectionPageId page)
    {
        host_.container.Strip().SelectTab(sections::PageIndex(page));
        PumpPending();
        return Page(page).Handle();
    }

    std::string WorkingPage() const { return folder_->Page(); }
    void SetWorkingPage(const std::string& text) const { folder_->SetPage(text); }

    std::unique_ptr<testing_support::WorkingFolder> folder_;
    Owned<PagesHostWindow> host_;
};

} // namespace page_testing
