// The texts with which the main frame tells the user that the working page
// cannot be written. They name the folder or the page in full.
#pragma once

#include <string>

// At start-up, when the working page cannot be written into the start-up
// folder; the program ends after it.
std::wstring StartupFolderNotWritableText(const std::wstring& folder);

// At start-up, when the tab strip or the section pages cannot be made; the
// program ends after it.
std::wstring SectionPagesNotCreatedText();

// While running, when a change could not be stored: the message box (shown
// once until the page can be written again) and the status bar's text.
std::wstring WorkingPageNotWritableText(const std::wstring& page);
std::wstring WorkingPageNotWritableStatus(const std::wstring& page);

// When a section page cannot be made (its tab stays empty); told once per run.
std::wstring PageNotMadeText(const std::wstring& pageTitle);
