// The About dialog, dialog 100: the application's name and version, and an
// image button (1659, drawn from bitmap 221) that opens the donation page in
// the user's browser. About (57664) and Donate (304) open the same dialog;
// Donate does not open the page by itself.
//
// Modal and owned by the window that is active when it opens. Only its OK
// button (1662) ends it: there is no handler for the standard OK and Cancel
// commands, so Escape does nothing.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/Dialog.h"

class AboutDialog : public Dialog {
public:
    AboutDialog() = default;
    ~AboutDialog() override;

    // Runs the dialog owned by owner; returns 1662, or -1 when it could not
    // be created.
    INT_PTR Show(HWND owner);

    // The donation page: the payment service's web address with the query
    // naming the account and the item. The account is a placeholder.
    static const wchar_t kDonationAddress[];

    // The size of each of the donation button's two images, in pixels.
    static constexpr int kImageWidth = 122;
    static constexpr int kImageHeight = 72;

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override;

private:
    LRESULT OnInitDialog(Message& message);
    LRESULT OnDrawItem(Message& message);
    LRESULT OnDonate(Message& message);
    LRESULT OnOk(Message& message);
    LRESULT OnDestroy(Message& message);
    void ReleaseImages();

    HIMAGELIST images_ = nullptr;

    static const MessageEntry<AboutDialog> kMessageMap[];
};

// Runs the About dialog owned by the active window (About and Donate).
void ShowAboutDialog();
