// The working page: the mock profile page that holds the style block and
// that the preview shows. Its text is fixed; it is written whole at start-up
// and when the user reverts to the default page.
#pragma once

#include <string>

// The complete page text, built in memory: page frame, site style sheet, two
// empty lines, the marker comment and default style block, then the body.
std::string WorkingPageText();

// Writes WorkingPageText() to WorkingPagePath() whole, through the safe
// write: the file ends up holding the whole page, or what it held before
// (disk full, folder or file refusing the write, a path that is not a
// regular file). Returns whether the page was written; StyleDocument's
// LastStoreFailed answers the same afterwards.
bool WriteWorkingPage();
