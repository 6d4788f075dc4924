#include "style/StyleFileDialogs.h"

#include "framework/DialogHelpers.h"
#include "resources/ResourceIds.h"
#include "style/StyleFile.h"
#include "style/UserMessages.h"
#include "style/Utf16.h"

#include <commdlg.h>

namespace {

// The longest name the dialogs take, terminating NUL included.
constexpr DWORD kFileNameLength = 260;

enum class DialogKind { Open, Save };

// Shows the open or save dialog; false when the user cancels (or the dialog
// cannot be shown), with path left empty.
bool AskForFileName(DialogKind kind, const std::string& folder, std::wstring& path)
{
    path.clear();
    const std::wstring filter = StyleFileFilter();
    const std::wstring initialFolder = WidenUtf8(folder);
    wchar_t file[kFileNameLength] = {};

    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = GetActiveWindow();
    dialog.hInstance = GetModuleHandleW(nullptr);
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file;
    dialog.nMaxFile = kFileNameLength;
    dialog.lpstrInitialDir = initialFolder.empty() ? nullptr : initialFolder.c_str();
    BOOL chosen = FALSE;
    if (kind == DialogKind::Open) {
        // The named file need not exist: a typed name that does not is
        // answered by the read.
        dialog.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING;
        chosen = GetOpenFileNameW(&dialog);
    } else {
        dialog.lpstrDefExt = L"css";
        dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_ENABLESIZING;
        chosen = GetSaveFileNameW(&dialog);
    }
    if (!chosen) return false;
    path = file;
    return !path.empty();
}

} // namespace

std::wstring StyleFileFilter()
{
    std::wstring filter = LoadResourceString(IDS_GP_STYLE_FILE_FILTER);
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    // The last bar ends the list; the second NUL makes sure it is ended even
    // when the string lacks it.
    filter.push_back(L'\0');
    return filter;
}

void TellOutcome(HWND messageOwner, StyleFile::Outcome outcome, StyleFile::Operation operation,
                 const std::string& path)
{
    const std::string text = StyleFile::OutcomeMessage(outcome, operation, path);
    if (!text.empty()) ShowUserMessage(messageOwner, WidenUtf8(text), MB_OK | MB_ICONEXCLAMATION);
}

StyleFile::Outcome OpenStyleFile(HWND messageOwner, const std::string& folder)
{
    std::wstring path;
    if (!AskForFileName(DialogKind::Open, folder, path)) return StyleFile::Outcome::Cancelled;
    const std::string utf8 = NarrowToUtf8(path);
    const StyleFile::Outcome outcome = StyleFile::LoadStyleFileIntoPage(utf8);
    TellOutcome(messageOwner, outcome, StyleFile::Operation::Load, utf8);
    return outcome;
}

StyleFile::Outcome SaveStyleFile(HWND messageOwner, const std::string& folder)
{
    std::wstring path;
    if (!AskForFileName(DialogKind::Save, folder, path)) return StyleFile::Outcome::Cancelled;
    const std::string utf8 = NarrowToUtf8(path);
    const StyleFile::Outcome outcome = StyleFile::WriteStyleFileFromPage(utf8);
    TellOutcome(messageOwner, outcome, StyleFile::Operation::Save, utf8);
    return outcome;
}
