#include "app/UserNotices.h"

std::wstring StartupFolderNotWritableText(const std::wstring& folder)
{
    return L"The working page MySpace.html cannot be written in the folder\r\n\r\n" + folder +
           L"\r\n\r\nGlimmerpatch keeps the page you style there. Start it from a folder that you can write to.";
}

std::wstring SectionPagesNotCreatedText()
{
    return L"The section pages could not be created, so there is nothing to style with.\r\n\r\n"
           L"Glimmerpatch will close now. Closing other programs to free memory may help before you start it "
           L"again.";
}

std::wstring WorkingPageNotWritableText(const std::wstring& page)
{
    return L"The working page cannot be written:\r\n\r\n" + page +
           L"\r\n\r\nYour changes do not reach the page or the preview until it can be written again.";
}

std::wstring PageNotMadeText(const std::wstring& pageTitle)
{
    // The titles carry a blank on either side for the tab; not in a sentence.
    const std::size_t first = pageTitle.find_first_not_of(L' ');
    const std::size_t last = pageTitle.find_last_not_of(L' ');
    const std::wstring name = first == std::wstring::npos ? pageTitle : pageTitle.substr(first, last - first + 1);
    return L"The page \"" + name + L"\" cannot be shown: it could not be made.\r\n\r\nIts tab stays empty; "
           L"the other pages work as before.";
}

std::wstring WorkingPageNotWritableStatus(const std::wstring& page)
{
    return L"The working page cannot be written: " + page;
}
