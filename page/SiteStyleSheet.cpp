#include "page/SiteStyleSheet.h"

void AppendSiteStyleSheet(std::string& page)
{
    page += "<style type=\"text/css\">\r\n</style>\r\n";
}
