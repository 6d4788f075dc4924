#include "app/AboutDialog.h"

#include <string>

#include "framework/ButtonPresses.h"
#include "framework/Dpi.h"
#include "framework/Owned.h"
#include "app/ShellOpen.h"
#include "resources/ResourceIds.h"
#include "sections/PagePicture.h"
#include "framework/DialogHelpers.h"

// The account is a placeholder on a reserved domain, not anybody's account.
const wchar_t AboutDialog::kDonationAddress[] =
    L"https://www.paypal.com/cgi-bin/webscr?cmd=_xclick&business=donations%40glimmerpatch.example.com"
    L"&item_name=Glimmerpatch&no_shipping=2&no_note=1&tax=0&currency_code=USD&lc=US&bn=PP%2dDonationsBF"
    L"&charset=UTF%2d8";

const PictureDescription AboutDialog::kDonationPicture = {
    .width = kImageWidth,
    .height = kImageHeight,
    .across = 2,
    .masked = true,
    .drawings = {{96, IDB_GP_DONATE}, {144, IDB_GP_DONATE_150}, {192, IDB_GP_DONATE_200}, {288, IDB_GP_DONATE_300}},
};

const MessageMap<AboutDialog> AboutDialog::kMessageMap = {
    OnMessage(WM_INITDIALOG, &AboutDialog::OnInitDialog),
    OnMessage(WM_DRAWITEM, &AboutDialog::OnDrawItem),
    OnCommand(IDC_GP_ABOUT_DONATE, BN_CLICKED, &AboutDialog::OnDonate),
    OnCommand(IDC_GP_ABOUT_OK, BN_CLICKED, &AboutDialog::OnOk),
    OnMessage(WM_DPICHANGED, &AboutDialog::OnDpiChanged),
    OnMessage(kGetDpiScaledSizeMessage, &AboutDialog::OnGetDpiScaledSize),
    OnMessage(WM_DESTROY, &AboutDialog::OnDestroy),
};

AboutDialog::~AboutDialog() = default;

INT_PTR AboutDialog::Show(HWND owner)
{
    return RunModal(owner, IDD_GP_ABOUT);
}

LRESULT AboutDialog::OnInitDialog(Message&)
{
    UseDefaultGuiFont(Handle(), {IDC_GP_ABOUT_TITLE_TEXT, IDC_GP_ABOUT_DONATION_TEXT, IDC_GP_ABOUT_OK});
    layout_.Start(Handle(), IDD_GP_ABOUT);

    // The button draws itself from the images and takes their size.
    HWND button = GetDlgItem(Handle(), IDC_GP_ABOUT_DONATE);
    const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
    SetWindowLongPtrW(button, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    FitToDpi();
    CenterOverOwner(Handle());
    // Two quick presses ask the shell twice, each drawn pressed.
    TreatDoubleClicksAsPresses(button);
    donationName_.Attach(button, L"Donate");
    for (HWND child = GetWindow(Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP && GetDlgCtrlID(child) == -1)
            pictureName_.Attach(child, sections::PagePictureName(), ROLE_SYSTEM_GRAPHIC);
    return TRUE;
}

// What the program adds to the template's layout at the dialog's DPI: the
// pictures drawn for it, the donation button the size of its pictures, and
// the texts as tall as their lines need.
void AboutDialog::FitToDpi()
{
    UsePicturesForDpi(layout_.Dpi() > 0 ? layout_.Dpi() : WindowDpi(Handle()));
    for (int id : {IDC_GP_ABOUT_TITLE_TEXT, IDC_GP_ABOUT_DONATION_TEXT}) FitTextHeight(id);
}

void AboutDialog::UsePicturesForDpi(int dpi)
{
    ShowPicturesForDpi(Handle(), sections::kPagePicture, dpi);

    // Two images side by side; the mask colour is transparent.
    images_.Reset(LoadPictureListForDpi(kDonationPicture, dpi));
    const SIZE size = PictureSizeForDpi(kDonationPicture, dpi);

    HWND button = GetDlgItem(Handle(), IDC_GP_ABOUT_DONATE);
    SetWindowPos(button, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(button, nullptr, TRUE);
}

// The texts' font and the dialog units grow with the DPI by slightly
// different factors: at 144 DPI four lines of the font need a few pixels
// more than the four lines' worth of dialog units the box has, and the last
// line would be cut. Below the texts there is room to the group's edge.
void AboutDialog::FitTextHeight(int id)
{
    HWND text = GetDlgItem(Handle(), id);
    RECT box{};
    if (!text || !GetClientRect(text, &box)) return;
    const int length = GetWindowTextLengthW(text);
    std::wstring content(static_cast<size_t>(length) + 1, L'\0');
    content.resize(static_cast<size_t>(GetWindowTextW(text, &content[0], length + 1)));
    RECT needed{0, 0, box.right, 0};
    {
        WindowDC dc(text);
        if (!dc.Get()) return;
        SelectedObject font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(text, WM_GETFONT, 0, 0)));
        DrawTextW(dc.Get(), content.c_str(), static_cast<int>(content.size()), &needed,
                  DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_CENTER);
    }
    if (needed.bottom > box.bottom)
        SetWindowPos(text, nullptr, 0, 0, box.right, needed.bottom, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Moved to a display of another DPI: the dialog is laid out once, by the
// program (framework/DialogDpiLayout.h), and then takes its pictures.
LRESULT AboutDialog::OnDpiChanged(Message& message)
{
    const int before = layout_.Dpi();
    if (layout_.OnDpiChanged(message.wParam, message.lParam) && layout_.Dpi() != before) FitToDpi();
    return 0;
}

LRESULT AboutDialog::OnGetDpiScaledSize(Message& message)
{
    return layout_.OnGetDpiScaledSize(message.wParam, message.lParam) ? TRUE : FALSE;
}

LRESULT AboutDialog::OnDrawItem(Message& message)
{
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.lParam);
    if (item->CtlID != IDC_GP_ABOUT_DONATE) {
        message.handled = false;
        return FALSE;
    }
    FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const int image = (item->itemState & ODS_SELECTED) ? 1 : 0;
    if (images_) ImageList_Draw(images_.Get(), image, item->hDC, item->rcItem.left, item->rcItem.top, ILD_NORMAL);
    return TRUE;
}

LRESULT AboutDialog::OnDonate(Message&)
{
    ShellOpenAddress(Handle(), kDonationAddress);
    return 0;
}

LRESULT AboutDialog::OnOk(Message&)
{
    EndModal(IDC_GP_ABOUT_OK);
    return 0;
}

LRESULT AboutDialog::OnDestroy(Message& message)
{
    layout_.Finish();
    images_.Reset();
    ReleaseShownPictures(Handle());
    message.handled = false;
    return 0;
}

void ShowAboutDialog()
{
    Owned<AboutDialog> dialog;
    dialog.Show(GetActiveWindow());
}
