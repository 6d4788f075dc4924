// The About dialog: the program's name and version, and a picture button
// that opens the donation page in the user's browser. The About and Donate
// commands both open this dialog; Donate never opens the page by itself, so
// nobody lands on a payment page without seeing what it is for.
//
// Modal and owned by the window that is active when it opens, at the DPI of
// its owner's display and laid out by the program at every DPI
// (framework/DialogDpiLayout.h). Only its own
// OK button ends it: the standard OK and Cancel commands have no handler, so
// Escape does nothing. Its template and control ids are the IDD_GP_ABOUT
// block of resources/ResourceIds.h.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "framework/AccessibleName.h"
#include "framework/Dialog.h"
#include "framework/DialogDpiLayout.h"
#include "framework/DpiPictures.h"
#include "framework/GdiHandles.h"
#include "framework/Owned.h"

class AboutDialog : public BaseDialog<AboutDialog> {
public:
    AboutDialog() = default;
    ~AboutDialog() override;

    // Runs the dialog owned by owner; returns the id of its OK button
    // (IDC_GP_ABOUT_OK), or -1 when it could not be created.
    INT_PTR Show(HWND owner);

    // The donation page: the payment service's web address with the query
    // naming the account and the item. The account is a placeholder.
    static const wchar_t kDonationAddress[];

    // The size of each of the donation button's two images, in pixels at
    // 96 DPI; at another DPI they are drawn for it, scaled with it.
    static constexpr int kImageWidth = 122;
    static constexpr int kImageHeight = 72;
    // The button's two images, at rest and pressed, side by side in bitmap
    // IDB_GP_DONATE (and its drawings for 150 % and 200 %), on light grey.
    static const PictureDescription kDonationPicture;

    static const MessageMap<AboutDialog> kMessageMap;

private:
    LRESULT OnInitDialog(Message& message);
    LRESULT OnDrawItem(Message& message);
    LRESULT OnDonate(Message& message);
    LRESULT OnOk(Message& message);
    LRESULT OnDpiChanged(Message& message);
    LRESULT OnGetDpiScaledSize(Message& message);
    LRESULT OnDestroy(Message& message);
    void FitToDpi();
    // The picture and the donation button's images for the dialog's DPI.
    void UsePicturesForDpi(int dpi);
    // Makes a text box taller when its text needs more lines' height than
    // the box has.
    void FitTextHeight(int id);

    ImageList images_;
    DialogDpiLayout layout_;
    // The donation button and the picture show no text: screen readers are
    // given names for them.
    Owned<AccessibleName> donationName_;
    Owned<AccessibleName> pictureName_;
};

// Runs the About dialog owned by the active window (About and Donate).
void ShowAboutDialog();
