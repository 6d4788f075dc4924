#include "page/WorkingPage.h"

#include "page/DefaultStyleBlock.h"
#include "page/PageBody.h"
#include "page/SiteStyleSheet.h"
#include "style/FileText.h"
#include "style/StyleDocument.h"

namespace {

std::string& StartupDirectoryValue()
{
    static std::string value;
    return value;
}

void AppendFrame(std::string& page)
{
    static const char* const kLines[] = {
        "<!--- *** glimmer-www-01 *** --->",
        "<html>",
        "",
        "<head>",
        "<title>",
        "</title>",
        "<meta name=\"description\" content=\"MySpace Profile\" /><meta http-equiv=\"expires\" content=\"0\" />"
        "<meta http-equiv=\"Pragma\" content=\"no-cache\" />",
        "</head>",
        "",
    };
    for (const char* line : kLines) {
        page += line;
        page += "\r\n";
    }
}

} // namespace

void SetStartupDirectory(const std::string& directory)
{
    StartupDirectoryValue() = directory;
    StyleDocument::SetPagePath(JoinPath(directory, "MySpace.html"));
}

const std::string& StartupDirectory()
{
    return StartupDirectoryValue();
}

// The style document holds the one copy of the path, the file it edits.
const std::string& WorkingPagePath()
{
    return StyleDocument::PagePath();
}

std::string WorkingPageText()
{
    std::string page;
    page.reserve(96 * 1024);
    AppendFrame(page);
    AppendSiteStyleSheet(page);
    page += "\r\n\r\n";
    AppendDefaultStyleBlock(page);
    page += "\r\n";
    AppendPageBody(page);
    return page;
}

bool WriteWorkingPage()
{
    return StyleDocument::StorePage(WorkingPageText()) == StoreResult::Stored;
}
