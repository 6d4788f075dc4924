// The site's general style sheet, which stands before the marker comment and
// is never edited.
#pragma once

#include <string>

// Appends the lines from "<style type=\"text/css\">" through "</style>", each
// with CR LF.
void AppendSiteStyleSheet(std::string& page);
