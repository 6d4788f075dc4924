// The working page: the mock profile page that holds the style block and
// that the preview shows. Its text is fixed; it is written whole at start-up
// and when the user reverts to the default page.
#pragma once

#include <string>

// The start-up folder and the working page in it, program settings set once
// at start-up. Paths are UTF-8 texts. The working page is the start-up folder
// followed by the page's file name ("\MySpace.html" on Windows); setting the
// folder also points the style document (style/StyleDocument.h) at that page,
// so every later edit goes to it.
void SetStartupDirectory(const std::string& directory);
const std::string& StartupDirectory();
const std::string& WorkingPagePath();

// The complete page text, built in memory: page frame, site style sheet, two
// empty lines, the marker comment and default style block, then the body.
std::string WorkingPageText();

// Writes WorkingPageText() to WorkingPagePath() whole, through the safe
// write: the file ends up holding the whole page, or what it held before
// (disk full, folder or file refusing the write, a path that is not a
// regular file). Returns whether the page was written.
bool WriteWorkingPage();
