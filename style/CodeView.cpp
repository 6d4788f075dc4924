#include "style/CodeView.h"

#include "framework/DialogHelpers.h"
#include "framework/Dpi.h"
#include "framework/Owned.h"
#include "resources/ResourceIds.h"
#include "style/StyleDocument.h"
#include "style/UserMessages.h"
#include "style/Utf16.h"

const wchar_t CodeView::kInstructions[] =
    L"\n  Instructions:\t1) Copy code\n\n\t\t2) Log into MySpace\n\n"
    L"\t\t3) Paste into the \"About Me\" section of your Myspace profile";

const MessageMap<CodeView> CodeView::kMessageMap = {
    OnMessage(WM_INITDIALOG, &CodeView::OnInitDialog),
    OnMessage(WM_CTLCOLORSTATIC, &CodeView::OnControlColorStatic),
    OnCommand(IDC_GP_CODE_COPY, BN_CLICKED, &CodeView::OnCopy),
    OnCommand(IDC_GP_CODE_OK, BN_CLICKED, &CodeView::OnOk),
    OnMessage(WM_DPICHANGED, &CodeView::OnDpiChanged),
    OnMessage(kGetDpiScaledSizeMessage, &CodeView::OnGetDpiScaledSize),
    OnMessage(WM_DESTROY, &CodeView::OnDestroy),
};

INT_PTR CodeView::Show(HWND owner)
{
    return RunModal(owner, IDD_GP_CODE_VIEW);
}

LRESULT CodeView::OnInitDialog(Message&)
{
    UseDefaultGuiFont(Handle(), {IDC_GP_CODE_INSTRUCTIONS, IDC_GP_CODE_BOX, IDC_GP_CODE_COPY, IDC_GP_CODE_OK});
    layout_.Start(Handle(), IDD_GP_CODE_VIEW);
    CenterOverOwner(Handle());
    SetDlgItemTextW(Handle(), IDC_GP_CODE_BOX, WidenAnsi(StyleDocument::GetStyleCode()).c_str());
    SetDlgItemTextW(Handle(), IDC_GP_CODE_INSTRUCTIONS, kInstructions);
    // The dialog manager would select the whole code and scroll to its end;
    // the caret at the start shows the code from its first line.
    HWND box = GetDlgItem(Handle(), IDC_GP_CODE_BOX);
    SetFocus(box);
    SendMessageW(box, EM_SETSEL, 0, 0);
    SendMessageW(box, EM_SCROLLCARET, 0, 0);
    return FALSE;
}

LRESULT CodeView::OnControlColorStatic(Message& message)
{
    // The read-only code box asks as a static would; it alone gets white.
    wchar_t className[16] = {};
    GetClassNameW(reinterpret_cast<HWND>(message.lParam), className, 16);
    if (lstrcmpiW(className, L"EDIT") != 0) {
        message.handled = false;
        return 0;
    }
    return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

LRESULT CodeView::OnDpiChanged(Message& message)
{
    layout_.OnDpiChanged(message.wParam, message.lParam);
    return 0;
}

LRESULT CodeView::OnGetDpiScaledSize(Message& message)
{
    return layout_.OnGetDpiScaledSize(message.wParam, message.lParam) ? TRUE : FALSE;
}

LRESULT CodeView::OnDestroy(Message& message)
{
    layout_.Finish();
    message.handled = false;
    return 0;
}

LRESULT CodeView::OnCopy(Message&)
{
    HWND box = GetDlgItem(Handle(), IDC_GP_CODE_BOX);
    SendMessageW(box, EM_SETSEL, 0, -1);
    SendMessageW(box, WM_COPY, 0, 0);
    SendMessageW(box, EM_SETSEL, static_cast<WPARAM>(-1), 0);
    ShowUserMessage(Handle(), L" Code successfully copied to clipboard! ", MB_OK | MB_ICONINFORMATION);
    return 0;
}

LRESULT CodeView::OnOk(Message&)
{
    EndModal(IDC_GP_CODE_OK);
    return 0;
}

void ShowCodeView()
{
    Owned<CodeView> view;
    view.Show(GetActiveWindow());
}
