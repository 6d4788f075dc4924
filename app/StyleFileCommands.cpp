#include "app/StyleFileCommands.h"

#include "app/AboutDialog.h"
#include "page/WorkingPage.h"
#include "resources/ResourceIds.h"
#include "style/Utf16.h"
#include "style/CodeView.h"
#include "framework/DialogHelpers.h"
#include "style/StyleDocument.h"
#include "style/StyleFileDialogs.h"

namespace {

// Command ids of the menu and toolbar.
constexpr UINT kOpen = 300;
constexpr UINT kSave = 302;
constexpr UINT kShowCode = 303;
constexpr UINT kDonate = 304;
constexpr UINT kRevertToSaved = 32778;
constexpr UINT kRevertToDefault = 32779;
constexpr UINT kAbout = 57664;

} // namespace

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
    case kOpen: Open(); return true;
    case kRevertToSaved: RevertToSaved(); return true;
    case kRevertToDefault: RevertToDefault(); return true;
    case kSave: Save(); return true;
    case kShowCode: ShowCodeView(); return true;
    case kDonate:
    case kAbout: ShowAboutDialog(); return true;
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
    const bool loaded = OpenStyleFile(preview_);
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
    saved_ = SaveStyleFile(preview_);
}

void StyleFileCommands::PromptBeforeExit()
{
    if (saved_) return;
    while (AskUser(mainFrame_, kExitPrompt)) {
        if (SaveStyleFileWithResult(preview_) != StyleFileResult::Refused) return;
    }
}

void StyleFileCommands::OnPageChanged()
{
    saved_ = false;
    RefreshPreview();
}
