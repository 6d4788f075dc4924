// What a refresh of the preview does, decided from the address the browser
// control shows. The preview exists to show the working page: a refresh
// reloads it while the control shows it (at any fragment, as the page's own
// "#self" links leave it), and otherwise goes back to it, so that a link or
// form the user followed never leaves the preview on another page for good.
//
// Addresses and paths are UTF-8. An address is a file: URL (with percent
// escapes, as the platform builds it from a path and as the control reports
// it) or a plain path; anything else (http:, about:blank, the engine's own
// error pages) is another page.
#pragma once

#include <string_view>

enum class PreviewRefresh {
    Reload,       // the control shows the working page: read it again
    ShowPageAgain // it shows something else, or nothing: navigate to the page
};

// Whether address names the file at path: the same path with ASCII letters
// compared without case, after the URL's escapes are undone (escapes that do
// not spell UTF-8 are taken as Latin-1 characters, as some systems write
// them), at any fragment. An address with a query names no file.
bool AddressNamesFile(std::string_view address, std::string_view path);

// The refresh for a control that shows shownAddress, for the working page at
// pagePath. pageFailed: the last navigation to the page failed, so what the
// control shows under the page's address is not the page.
PreviewRefresh DecidePreviewRefresh(std::string_view shownAddress, std::string_view pagePath, bool pageFailed);
