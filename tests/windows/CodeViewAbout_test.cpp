// The code view and the About dialog as real modal dialogs under Wine,
// driven by clicks and keys from a thread timer (ModalDriver.h).
#include "framework/Dpi.h"
#include "sections/PagePicture.h"
#include "framework/Owned.h"
#include "app/AboutDialog.h"
#include "app/ShellOpen.h"
#include "app/DialogCommands.h"
#include "page/WorkingPage.h"
#include "resources/ResourceIds.h"
#include "style/CodeView.h"
#include "style/StyleDocument.h"
#include "tests/native/TestSupport.h"
#include "tests/windows/ModalDriver.h"
#include "tests/windows/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

using modal_driver::Click;
using modal_driver::FindDialog;
using modal_driver::MessageText;
using modal_driver::PressKey;
using modal_driver::Script;
using modal_driver::TextOf;
using window_tests::MouseButton;
using window_tests::MoveMouseTo;
using window_tests::ScreenCentre;

namespace {

std::wstring Widen(const std::string& ansi)
{
    return std::wstring(ansi.begin(), ansi.end());
}

std::wstring ClipboardText()
{
    std::wstring text = L"<no text>";
    if (!OpenClipboard(nullptr)) return L"<clipboard busy>";
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

void PutOnClipboard(const std::wstring& text)
{
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    memcpy(GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
}

// A visible top-level window standing in for the main frame, so that the
// dialogs have an active owner as in the program.
class OwnerWindow {
public:
    OwnerWindow()
    {
        window_ = CreateWindowExW(0, L"Static", L"Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 900, 700,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetActiveWindow(window_);
    }
    ~OwnerWindow() { DestroyWindow(window_); }
    HWND Handle() const { return window_; }

private:
    HWND window_;
};

std::vector<std::wstring> shellCalls;

void CountShellOpen(HWND, const std::wstring& address)
{
    shellCalls.push_back(address);
}

class ShellSeam {
public:
    ShellSeam() : previous_(ReplaceShellOpen(&CountShellOpen)) { shellCalls.clear(); }
    ~ShellSeam() { ReplaceShellOpen(previous_); }

private:
    ShellOpenFunction previous_;
};

} // namespace

TEST(CodeView, ShowsTheStyleCodeUnderTheInstructionsAndCopiesIt)
{
    testing_support::WorkingFolder folder;
    ASSERT_TRUE(WriteWorkingPage());
    OwnerWindow owner;
    ASSERT_TRUE(owner.Handle());
    PutOnClipboard(L"something else");

    const std::wstring code = Widen(StyleDocument::GetStyleCode());
    std::wstring shownCode, shownInstructions, notice;
    LRESULT whiteForBox = 0, answerForStatic = 1;
    DWORD selectionStart = 1, selectionEnd = 0;
    std::wstring clipboard;
    HWND view = nullptr;

    Script script;
    script.Then("code view opens", [&] { return (view = FindDialog(L"Glimmerpatch Code")) != nullptr; })
        .Then("read it", [&] {
            shownCode = TextOf(GetDlgItem(view, IDC_GP_CODE_BOX));
            shownInstructions = TextOf(GetDlgItem(view, IDC_GP_CODE_INSTRUCTIONS));
            whiteForBox = SendMessageW(view, WM_CTLCOLORSTATIC, 0, (LPARAM)GetDlgItem(view, IDC_GP_CODE_BOX));
            answerForStatic =
                SendMessageW(view, WM_CTLCOLORSTATIC, 0, (LPARAM)GetDlgItem(view, IDC_GP_CODE_INSTRUCTIONS));
            PressKey(view, VK_ESCAPE);
            return true;
        })
        .Then("escape leaves it open, copy", [&] {
            if (!IsWindow(view) || !IsWindowVisible(view)) return true; // checked below
            Click(view, IDC_GP_CODE_COPY);
            return true;
        })
        .Then("notice", [&] {
            HWND box = FindDialog(L"Glimmerpatch");
            if (!box) return false;
            notice = MessageText(box);
            clipboard = ClipboardText();
            SendMessageW(GetDlgItem(view, IDC_GP_CODE_BOX), EM_GETSEL, (WPARAM)&selectionStart,
                         (LPARAM)&selectionEnd);
            Click(box, IDOK);
            return true;
        })
        .Then("ok", [&] {
            if (FindDialog(L"Glimmerpatch")) return false;
            Click(view, IDC_GP_CODE_OK);
            return true;
        });
    script.Start();
    Owned<CodeView> dialog;
    const INT_PTR result = dialog.Show(owner.Handle());
    script.Stop();

    ASSERT_EQ(script.Failure(), "");
    EXPECT_TRUE(script.Done()) << script.Pending();
    EXPECT_EQ(result, IDC_GP_CODE_OK);
    EXPECT_EQ(shownCode, code);
    EXPECT_EQ(shownCode.rfind(L"<style type=\"text/css\">\r\n", 0), 0u);
    EXPECT_EQ(shownCode.substr(shownCode.size() - 8), L"</style>");
    EXPECT_EQ(shownCode.find(L"<!-- Glimmerpatch -->"), std::wstring::npos);
    EXPECT_EQ(shownInstructions, CodeView::kInstructions);
    EXPECT_EQ(wcslen(CodeView::kInstructions), 116u);
    EXPECT_EQ(whiteForBox, reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH)));
    EXPECT_NE(answerForStatic, reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(notice, L" Code successfully copied to clipboard! ");
    EXPECT_EQ(clipboard, shownCode);
    EXPECT_EQ(selectionStart, selectionEnd) << "the selection stays after the copy";
}

TEST(CodeView, OnlyItsOwnOkEndsIt)
{
    testing_support::WorkingFolder folder;
    ASSERT_TRUE(WriteWorkingPage());
    OwnerWindow owner;
    HWND view = nullptr;
    bool openAfterKeys = false;
    Script script;
    script.Then("opens", [&] { return (view = FindDialog(L"Glimmerpatch Code")) != nullptr; })
        .Then("escape and enter", [&] {
            PressKey(view, VK_ESCAPE);
            SendMessageW(view, WM_COMMAND, IDCANCEL, 0);
            SendMessageW(view, WM_COMMAND, IDOK, 0);
            return true;
        })
        .Then("still there", [&] {
            openAfterKeys = IsWindow(view) && FindDialog(L"Glimmerpatch Code") == view;
            Click(view, IDC_GP_CODE_OK);
            return true;
        });
    script.Start();
    Owned<CodeView> dialog;
    EXPECT_EQ(dialog.Show(owner.Handle()), IDC_GP_CODE_OK);
    script.Stop();
    EXPECT_EQ(script.Failure(), "");
    EXPECT_TRUE(openAfterKeys);
}

// Two quick real clicks, the second inside the double-click time, are two
// presses: each is drawn pressed and each asks the shell.
TEST(AboutDialog, DonationButtonOpensTheAddressEachTimeAndOnlyOkEnds)
{
    ShellSeam seam;
    OwnerWindow owner;
    HWND about = nullptr;
    RECT buttonRect = {};
    LONG_PTR buttonType = 0;
    std::wstring title;
    std::size_t callsAfterOpening = 99, callsAfterFirst = 99;
    int dpi = 0;
    bool openAfterPresses = false, openAfterEscape = false;
    ULONGLONG firstDown = 0, secondDown = 0;
    window_tests::Spoken donation, picture;
    auto button = [&] { return GetDlgItem(about, IDC_GP_ABOUT_DONATE); };
    auto pressed = [&] { return (SendMessageW(button(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; };

    Script script;
    script.Then("opens", [&] { return (about = FindDialog(L"About")) != nullptr; })
        .Then("look, press the first time", [&] {
            dpi = WindowDpi(about);
            GetClientRect(button(), &buttonRect);
            buttonType = GetWindowLongPtrW(button(), GWL_STYLE) & BS_TYPEMASK;
            title = TextOf(GetDlgItem(about, IDC_GP_ABOUT_TITLE_TEXT));
            donation = window_tests::Speak(window_tests::AccessibleOf(button()).Get(), CHILDID_SELF);
            for (HWND child = GetWindow(about, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
                    picture = window_tests::Speak(window_tests::AccessibleOf(child).Get(), CHILDID_SELF);
            callsAfterOpening = shellCalls.size();
            MoveMouseTo(ScreenCentre(button()));
            firstDown = GetTickCount64();
            MouseButton(true);
            return true;
        })
        .Then("drawn pressed the first time", [&] {
            if (!pressed()) return false;
            MouseButton(false);
            return true;
        })
        .Then("press again at once", [&] {
            if (shellCalls.size() != 1) return false;
            callsAfterFirst = shellCalls.size();
            secondDown = GetTickCount64();
            MouseButton(true);
            return true;
        })
        .Then("drawn pressed the second time", [&] {
            if (!pressed()) return false;
            MouseButton(false);
            return true;
        })
        .Then("escape", [&] {
            if (shellCalls.size() != 2) return false;
            openAfterPresses = FindDialog(L"About") == about;
            PressKey(about, VK_ESCAPE);
            return true;
        })
        .Then("ok", [&] {
            openAfterEscape = FindDialog(L"About") == about;
            Click(about, IDC_GP_ABOUT_OK);
            return true;
        });
    script.Start();
    Owned<AboutDialog> dialog;
    const INT_PTR result = dialog.Show(owner.Handle());
    script.Stop();

    ASSERT_EQ(script.Failure(), "");
    EXPECT_LT(secondDown - firstDown, GetDoubleClickTime()) << "the second click was no double click";
    EXPECT_EQ(result, IDC_GP_ABOUT_OK);
    EXPECT_EQ(buttonRect.right, ScaleForDpi(AboutDialog::kImageWidth, dpi));
    EXPECT_EQ(buttonRect.bottom, ScaleForDpi(AboutDialog::kImageHeight, dpi));
    EXPECT_EQ(buttonType, BS_OWNERDRAW);
    // Neither shows a text to be read: both are named for screen readers.
    EXPECT_TRUE(!donation.name.empty() && !picture.name.empty() && picture.role == ROLE_SYSTEM_GRAPHIC);
    EXPECT_EQ(title.rfind(L"Glimmerpatch Application v1.0\n", 0), 0u);
    EXPECT_EQ(callsAfterOpening, 0u);
    EXPECT_EQ(callsAfterFirst, 1u);
    ASSERT_EQ(shellCalls.size(), 2u);
    EXPECT_TRUE(openAfterPresses);
    EXPECT_TRUE(openAfterEscape);
    // The address: the payment service's page with the donation query.
    const std::wstring address = AboutDialog::kDonationAddress;
    EXPECT_EQ(shellCalls[0], address);
    EXPECT_EQ(shellCalls[1], address);
    EXPECT_EQ(address.rfind(L"https://", 0), 0u);
    const std::wstring query = L"/cgi-bin/webscr?cmd=_xclick&business=";
    const auto at = address.find(query);
    ASSERT_NE(at, std::wstring::npos);
    const std::wstring account = address.substr(at + query.size(), address.find(L'&', at + query.size()) -
                                                                        at - query.size());
    EXPECT_NE(account.find(L"%40"), std::wstring::npos) << "the account is URL-encoded";
    EXPECT_EQ(account.find(L'@'), std::wstring::npos);
    EXPECT_EQ(address.substr(at + query.size() + account.size()),
              L"&item_name=Glimmerpatch&no_shipping=2&no_note=1&tax=0&currency_code=USD&lc=US"
              L"&bn=PP%2dDonationsBF&charset=UTF%2d8");
}

namespace {

// What the About dialog shows at one DPI: its button's size, the picture's
// size and the button's colours at rest and pressed.
struct AboutLook {
    int dpi = 0;
    SIZE button{};
    SIZE picture{};
    COLORREF restCorner = 0, restInside = 0, pressedInside = 0;
};

SIZE PictureShownBy(HWND dialog)
{
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrW(child, GWL_STYLE) & SS_TYPEMASK) != SS_BITMAP) continue;
        BITMAP shown{};
        GetObjectW(reinterpret_cast<HBITMAP>(SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0)), sizeof shown,
                   &shown);
        RECT place{};
        GetClientRect(child, &place);
        // The static takes the size of its bitmap.
        if (place.right != shown.bmWidth || place.bottom != shown.bmHeight) return SIZE{-1, -1};
        return SIZE{shown.bmWidth, shown.bmHeight};
    }
    return SIZE{0, 0};
}

} // namespace

TEST(AboutDialog, DonationButtonDrawsItsTwoImagesOnTheDialogBackground)
{
    OwnerWindow owner;
    HWND about = nullptr;
    std::vector<AboutLook> looks;
    Script script;
    auto pixel = [&](int x, int y) {
        HWND button = GetDlgItem(about, IDC_GP_ABOUT_DONATE);
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = GetDC(button);
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(button, dc);
        return colour;
    };
    script.Then("opens", [&] { return (about = FindDialog(L"About")) != nullptr; })
        .Then("at its DPI, then moved to displays of other DPIs and back", [&] {
            const int own = WindowDpi(about);
            for (int dpi : {own, 168, 240, 120, own}) {
                if (dpi != own || !looks.empty()) {
                    RECT place{};
                    GetWindowRect(about, &place);
                    SendMessageW(about, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&place));
                }
                AboutLook look;
                look.dpi = dpi;
                RECT button{};
                GetClientRect(GetDlgItem(about, IDC_GP_ABOUT_DONATE), &button);
                look.button = SIZE{button.right, button.bottom};
                look.picture = PictureShownBy(about);
                look.restCorner = pixel(0, 0);
                look.restInside = pixel(ScaleForDpi(20, dpi), ScaleForDpi(30, dpi));
                SendMessageW(GetDlgItem(about, IDC_GP_ABOUT_DONATE), BM_SETSTATE, TRUE, 0);
                look.pressedInside = pixel(ScaleForDpi(20, dpi), ScaleForDpi(30, dpi));
                SendMessageW(GetDlgItem(about, IDC_GP_ABOUT_DONATE), BM_SETSTATE, FALSE, 0);
                looks.push_back(look);
            }
            Click(about, IDC_GP_ABOUT_OK);
            return true;
        });
    script.Start();
    Owned<AboutDialog> dialog;
    dialog.Show(owner.Handle());
    script.Stop();
    ASSERT_EQ(script.Failure(), "");
    ASSERT_EQ(looks.size(), 5u);
    for (const AboutLook& look : looks) {
        // Both pictures are those drawn for the DPI, at its size.
        const SIZE button = PictureSizeForDpi(AboutDialog::kDonationPicture, look.dpi);
        const SIZE picture = PictureSizeForDpi(sections::kPagePicture, look.dpi);
        EXPECT_EQ(look.button.cx, button.cx) << look.dpi;
        EXPECT_EQ(look.button.cy, button.cy) << look.dpi;
        EXPECT_EQ(look.picture.cx, picture.cx) << look.dpi;
        EXPECT_EQ(look.picture.cy, picture.cy) << look.dpi;
        // The mask colour is transparent: the corner shows the button face.
        EXPECT_EQ(look.restCorner, GetSysColor(COLOR_BTNFACE)) << look.dpi;
        // Inside the plate the two images differ (the pressed one is darker).
        EXPECT_NE(look.restInside, GetSysColor(COLOR_BTNFACE)) << look.dpi;
        EXPECT_NE(look.pressedInside, look.restInside) << look.dpi;
    }
}

TEST(AboutDialog, AboutAndDonateOpenTheSameDialogWithoutTheShell)
{
    ShellSeam seam;
    OwnerWindow owner;
    std::vector<std::wstring> seen;
    std::vector<int> gdiObjects;
    for (const UINT command : {304u, 57664u, 57664u}) {
        Script script;
        script.Then("opens", [&] {
            HWND about = FindDialog(L"About");
            if (!about) return false;
            seen.push_back(TextOf(GetDlgItem(about, IDC_GP_ABOUT_DONATION_TEXT)));
            Click(about, IDC_GP_ABOUT_OK);
            return true;
        });
        script.Start();
        EXPECT_TRUE(RunDialogCommand(command));
        script.Stop();
        EXPECT_EQ(script.Failure(), "") << command;
        gdiObjects.push_back(window_tests::CountGdiObjects());
    }
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], seen[1]);
    // Each time the dialog opens it makes its pictures and ends with them.
    EXPECT_EQ(gdiObjects[2], gdiObjects[1]);
    EXPECT_FALSE(seen[0].empty());
    EXPECT_TRUE(shellCalls.empty());
}
