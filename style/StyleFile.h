// Style files: the user's saved style, a copy of the working page's style
// block from the marker comment "<!-- Glimmerpatch -->" through the first
// "</style>" CR LF after it.
//
// This is the text part, free of any window: moving a style block between a
// style file's text and the working page, and the file steps around it. The
// file dialogs, the messages and the commands sit on top of it
// (style/StyleFileDialogs.h, app/StyleFileCommands.h).
//
// Loading accepts any file whose text (up to its first NUL byte) holds the
// marker comment anywhere, and puts that whole text, including what stands
// before the marker, in place of the page's style block. Nothing else of the
// file is checked.
//
// Where the plain text steps would damage the user's work the operations
// refuse instead and change nothing: a file that cannot be read or is too
// big, a working page without the marker comment (the block's start would be
// -1 and the page's first characters would be cut), a working page whose
// block has no end (a save would write an empty file), and any write that
// fails (the old file stays as it was).
#pragma once

#include <cstddef>
#include <string>

namespace StyleFile {

constexpr char kMarkerComment[] = "<!-- Glimmerpatch -->";
constexpr char kBlockEnd[] = "</style>\r\n";

// The largest style file that is read. The default style block is some
// 10 KB; anything beyond this is refused before it is read whole.
constexpr std::size_t kMaxStyleFileSize = 16u * 1024u * 1024u;

// How a load or save of a style file ended; the one result of the style file
// operations and of the commands that run them.
enum class Outcome {
    Done,
    Cancelled,           // the user cancelled the file dialog; nothing was read or written
    FormatIncorrect,     // the file's text holds no marker comment
    FileUnreadable,      // missing, a folder, locked, or failed to read
    FileTooLarge,        // bigger than kMaxStyleFileSize
    PageUnreadable,      // the working page cannot be read
    PageWithoutMarker,   // the working page holds no marker comment
    PageWithoutBlockEnd, // no "</style>" CR LF after the page's marker
    FileNotWritten,      // the style file could not be written (old file kept)
    PageNotWritten,      // the working page could not be written (page kept)
};

// The text of a file's bytes: everything before the first NUL byte.
std::string TextUpToFirstNul(const std::string& bytes);

// Puts a style file's text in place of the page's style block: the marker
// comment through the first "</style>" CR LF after it. When no such line
// follows the marker, nothing of the page is removed and the text goes in
// front of the marker. FormatIncorrect (the text has no marker) and
// PageWithoutMarker leave the page as it was.
Outcome ApplyStyleFileText(std::string& page, const std::string& fileText);

// The style file text of a page: its marker comment through the first
// "</style>" CR LF after it. PageWithoutMarker or PageWithoutBlockEnd
// (fileText left empty) when there is no such block.
Outcome ExtractStyleFileText(const std::string& page, std::string& fileText);

// Reads the style file at path (UTF-8) and puts its text into the working
// page, which is stored whole. On any other outcome than Done the working
// page is as it was.
Outcome LoadStyleFileIntoPage(const std::string& path);

// Writes the working page's style block to the style file at path (UTF-8)
// through the safe whole-file write. On any other outcome than Done the file
// at path is as it was (or still absent).
Outcome WriteStyleFileFromPage(const std::string& path);

enum class Operation { Load, Save };

// The message shown for an outcome other than Done of a load or save of the
// style file at path: "File format incorrect!" for FormatIncorrect, and
// sentences of the same kind naming the file for the others. Empty for Done
// and Cancelled, of which the user is not told.
std::string OutcomeMessage(Outcome outcome, Operation operation, const std::string& path);

} // namespace StyleFile
