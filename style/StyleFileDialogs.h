// The two style file operations with the system's open-file and save-file
// dialogs (the text part is style/StyleFile.h).
//
// Both dialogs are owned by the window that is active when they open and
// start in the folder they are given (the program passes its start-up
// folder, where the working page is). They offer the style file filter of
// the string table, "CSS Files (*.css)" selected first, then "All Files
// (*.*)", and take a name of up to 260 characters. Messages about the chosen
// file are owned by messageOwner, the preview view's window.
#pragma once

#include <windows.h>

#include <string>

// How a style file operation ended.
enum class StyleFileResult {
    Done,      // the file was loaded into the working page, or written
    Cancelled, // the user cancelled the dialog; nothing was read or written
    Refused,   // the file or the page was refused or could not be read or
               // written; a message said why and nothing was changed
};

// Asks for a style file and puts its text in place of the working page's
// style block. A file without "<!-- Glimmerpatch -->" gives the message
// "File format incorrect!"; a file that cannot be read (missing, a folder,
// locked, over 16 MB) a message of the same kind naming it. Returns true
// only when the working page now holds the file's text.
bool OpenStyleFile(HWND messageOwner, const std::string& folder);

// Asks for a file name (".css" is added to a name without extension; an
// existing file is replaced only after the dialog's question) and writes the
// working page's style block to it through the safe whole-file write. When
// the write fails the old file stays as it was, a message names the file,
// and the result is false.
bool SaveStyleFile(HWND messageOwner, const std::string& folder);

// The same two operations, telling a cancelled dialog from a refusal.
StyleFileResult OpenStyleFileWithResult(HWND messageOwner, const std::string& folder);
StyleFileResult SaveStyleFileWithResult(HWND messageOwner, const std::string& folder);

// The style file filter string (IDS_GP_STYLE_FILE_FILTER) with every "|"
// turned into a NUL: the two entries' names and patterns, ending in two NULs.
std::wstring StyleFileFilter();
