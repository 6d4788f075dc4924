// The style document: the style block inside the working page file, edited
// and read by plain text search. Nothing is held in memory between calls:
// every operation loads the whole working page and, when it changes
// something, writes the whole file back before it returns.
//
// The style block runs from the marker comment "<!-- Glimmerpatch -->" to
// the first "</style>" line after it. Rule blocks are located by searching
// for the selector text (a plain substring search from the marker word), so
// the default style block orders shorter selectors before longer ones that
// contain them.
//
// When the working page cannot be read (missing, locked, a folder, a FIFO,
// too big) every operation changes nothing and writes nothing, and the
// reading operations return an empty text. Every store is a safe write
// (WriteWholeFile): a failed store leaves the page exactly as it was, never
// half written. Each edit operation returns whether its change reached the
// page.
#pragma once

#include <string>
#include <vector>

#include "style/StoreResult.h"

namespace StyleDocument {

// The file the document edits, a UTF-8 path: the working page, which the
// program names once at start-up (SetStartupDirectory, page/WorkingPage.h).
void SetPagePath(const std::string& path);
const std::string& PagePath();

// Replaces (or adds) one declaration as the last line of the selector's rule
// block; appends a new rule block before "</style>" when the selector is
// missing. Writes the page once.
StoreResult SetProperty(const std::string& selector, const std::string& property, const std::string& value);

// SetProperty for each pair of the lists in order, with one load and one
// store. The lists must be equally long.
StoreResult SetProperties(const std::string& selector, const std::vector<std::string>& properties,
                          const std::vector<std::string>& values);

// Deletes the selector's whole rule block; writes only when it is found.
StoreResult RemoveRule(const std::string& selector);

// Deletes the first declaration of the property in the selector's block;
// writes only when one is found.
StoreResult RemoveProperty(const std::string& selector, const std::string& property);

// RemoveProperty for each property in order; the page is written once for
// every declaration removed.
StoreResult RemoveProperties(const std::string& selector, const std::vector<std::string>& properties);

// The value of the property's first declaration in the selector's block, or
// an empty text. When the selector is found a TAB is put in front of the
// caller's property text and left there (callers rely on this).
std::string GetPropertyValue(const std::string& selector, std::string& property);

// The style code: from "<style type=" after the marker through "</style>",
// without the marker comment and without the final CR LF.
std::string GetStyleCode();

// The load and store steps of the operations, for the other editors of the
// working page (style files, the page template). LoadPage reads every byte of
// the working page; false when it cannot (missing, not a regular file), which
// an edit counts as a failed store. StorePage writes the page text whole and
// safely; Failed, with the file unchanged, when it cannot (disk full, file
// refused, not a regular file).
bool LoadPage(std::string& page);
StoreResult StorePage(const std::string& page);

} // namespace StyleDocument
