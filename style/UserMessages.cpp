#include "style/UserMessages.h"

#include "framework/DialogHelpers.h"
#include "resources/ResourceIds.h"

std::wstring ApplicationTitle()
{
    const std::wstring title = LoadResourceString(IDS_APP_TITLE);
    return title.empty() ? L"Glimmerpatch" : title;
}

int ShowUserMessage(HWND owner, const std::wstring& text, UINT type)
{
    return MessageBoxW(owner, text.c_str(), ApplicationTitle().c_str(), type);
}

bool AskUser(HWND owner, const std::wstring& question)
{
    return ShowUserMessage(owner, question, MB_YESNO | MB_ICONQUESTION) == IDYES;
}
