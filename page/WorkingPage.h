// The working page: the mock profile page that holds the style block and
// that the preview shows. Its text is fixed; it is written whole at start-up
// and when the user reverts to the default page.
#pragma once

#include <string>

// The complete page text, built in memory: page frame, site style sheet, two
// empty lines, the marker comment and default style block, then the body.
std::string WorkingPageText();

// Writes WorkingPageText() to WorkingPagePath() in one binary write,
// truncating the file. Reports nothing; a file that cannot be opened is left
// as it is.
void WriteWorkingPage();
