#include "app/StyleFileCommands.h"

#include "app/AboutDialog.h"
#include "framework/DialogHelpers.h"
#include "page/WorkingPage.h"
#include "resources/ResourceIds.h"
#include "style/CodeView.h"
#include "style/StyleFileDialogs.h"
#include "style/Utf16.h"

const wchar_t StyleFileCommands::kLoadPrompt[] = L" Load saved page?  All current changes will be lost! ";
const wchar_t StyleFileCommands::kRevertToSavedPrompt[] = L" Revert to saved page?  All current changes will be lost! ";
const wchar_t StyleFileCommands::kRevertToDefaultPrompt[] =
    L" Revert to default page?  All current changes will be lost! ";
const wchar_t StyleFileCommands::kExitPrompt[] = L" Save page before exit? ";

void StyleFileCommands::SetWindows(HWND mainFrame, HWND preview, std::function<void()> refresh)
{
    mainFrame_ = mainFrame;
    preview_ = preview;
    refresh_ = std::move(refresh);
}

bool StyleFileCommands::HandleCommand(UINT id)
{
    switch (id) {
    case ID_GP_OPEN: Open(); return true;
    case ID_GP_REVERT_TO_SAVED: RevertToSaved(); return true;
    case ID_GP_REVERT_TO_DEFAULT: RevertToDefault(); return true;
    case ID_GP_SAVE: Save(); return true;
    case ID_GP_SHOW_CODE: ShowCodeView(); return true;
    case ID_GP_DONATE:
    case ID_GP_ABOUT: ShowAboutDialog(); return true;
    default: return false;
    }
}

void StyleFileCommands::RefreshPreview()
{
    if (refresh_) refresh_();
}

void StyleFileCommands::LoadAfterPrompt(const wchar_t* prompt)
{
    if (!AskUser(mainFrame_, prompt)) return;
    const bool loaded = OpenStyleFile(preview_, StartupDirectory());
    if (loaded) RefreshPreview();
    saved_ = loaded;
}

void StyleFileCommands::Open()
{
    LoadAfterPrompt(kLoadPrompt);
}

void StyleFileCommands::RevertToSaved()
{
    LoadAfterPrompt(kRevertToSavedPrompt);
}

void StyleFileCommands::RevertToDefault()
{
    if (!AskUser(mainFrame_, kRevertToDefaultPrompt)) return;
    if (!WriteWorkingPage()) {
        const std::wstring text = L"Cannot write the working page \"" + WidenUtf8(WorkingPagePath()) +
                                  L"\".\n\nThe disk may be full, or the file may be in use by another program. "
                                  L"Nothing was changed.";
        ShowUserMessage(preview_, text, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    RefreshPreview();
    saved_ = true;
}

void StyleFileCommands::Save()
{
    saved_ = SaveStyleFile(preview_, StartupDirectory());
}

void StyleFileCommands::PromptBeforeExit()
{
    if (saved_) return;
    while (AskUser(mainFrame_, kExitPrompt)) {
        if (SaveStyleFileWithResult(preview_, StartupDirectory()) != StyleFileResult::Refused) return;
    }
}

void StyleFileCommands::OnPageChanged()
{
    saved_ = false;
    RefreshPreview();
}
