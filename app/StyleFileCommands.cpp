#include "app/StyleFileCommands.h"

#include "page/WorkingPage.h"
#include "resources/ResourceIds.h"
#include "style/StyleFileDialogs.h"
#include "style/UserMessages.h"

using StyleFile::Outcome;

const wchar_t StyleFileCommands::kLoadPrompt[] = L" Load saved page?  All current changes will be lost! ";
const wchar_t StyleFileCommands::kRevertToSavedPrompt[] = L" Revert to saved page?  All current changes will be lost! ";
const wchar_t StyleFileCommands::kRevertToDefaultPrompt[] =
    L" Revert to default page?  All current changes will be lost! ";
const wchar_t StyleFileCommands::kExitPrompt[] = L" Save page before exit? ";

StyleFileCommands::StyleFileCommands(HWND mainFrame, HWND preview, std::function<void()> refresh)
    : mainFrame_(mainFrame), preview_(preview), refresh_(std::move(refresh))
{
}

bool StyleFileCommands::HandleCommand(UINT id)
{
    switch (id) {
    case ID_GP_OPEN: Open(); return true;
    case ID_GP_REVERT_TO_SAVED: RevertToSaved(); return true;
    case ID_GP_REVERT_TO_DEFAULT: RevertToDefault(); return true;
    case ID_GP_SAVE: Save(); return true;
    default: return false;
    }
}

void StyleFileCommands::RefreshPreview()
{
    if (refresh_) refresh_();
}

Outcome StyleFileCommands::LoadAfterPrompt(const wchar_t* prompt)
{
    if (!AskUser(mainFrame_, prompt)) return Outcome::Cancelled;
    const Outcome outcome = OpenStyleFile(preview_, StartupDirectory());
    if (outcome == Outcome::Done) RefreshPreview();
    saved_ = outcome == Outcome::Done;
    return outcome;
}

Outcome StyleFileCommands::Open()
{
    return LoadAfterPrompt(kLoadPrompt);
}

Outcome StyleFileCommands::RevertToSaved()
{
    return LoadAfterPrompt(kRevertToSavedPrompt);
}

Outcome StyleFileCommands::RevertToDefault()
{
    if (!AskUser(mainFrame_, kRevertToDefaultPrompt)) return Outcome::Cancelled;
    if (!WriteWorkingPage()) {
        TellOutcome(preview_, Outcome::PageNotWritten, StyleFile::Operation::Load, WorkingPagePath());
        return Outcome::PageNotWritten;
    }
    RefreshPreview();
    saved_ = true;
    return Outcome::Done;
}

Outcome StyleFileCommands::Save()
{
    const Outcome outcome = SaveStyleFile(preview_, StartupDirectory());
    saved_ = outcome == Outcome::Done;
    return outcome;
}

void StyleFileCommands::PromptBeforeExit()
{
    if (saved_) return;
    while (AskUser(mainFrame_, kExitPrompt)) {
        const Outcome outcome = SaveStyleFile(preview_, StartupDirectory());
        if (outcome == Outcome::Done || outcome == Outcome::Cancelled) return;
    }
}

void StyleFileCommands::OnPageChanged()
{
    saved_ = false;
    RefreshPreview();
}
