// The page body after the style block: the markup of a mock profile page with
// placeholder content, from the body start tag to the end of the file.
#pragma once

#include <string>

// Appends the lines from the body start tag through "<!-- onRequestEnd -->"
// and the final empty line, each with CR LF.
void AppendPageBody(std::string& page);
