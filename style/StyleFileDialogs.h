// The two style file operations with the system's open-file and save-file
// dialogs (the text part is style/StyleFile.h).
//
// Both dialogs are owned by the window that is active when they open and
// start in the folder they are given (the program passes its start-up
// folder, where the working page is). They offer the style file filter of
// the string table, "CSS Files (*.css)" selected first, then "All Files
// (*.*)", and take a name of up to 260 characters. Messages about the chosen
// file are owned by messageOwner, the preview view's window.
//
// Both return how they ended: Done, Cancelled (the dialog was cancelled,
// nothing was read or written), or a refusal, which a message has told the
// user of and which changed nothing.
#pragma once

#include <windows.h>

#include <string>

#include "style/StyleFile.h"

// Asks for a style file and puts its text in place of the working page's
// style block. A file without "<!-- Glimmerpatch -->" gives the message
// "File format incorrect!"; a file that cannot be read (missing, a folder,
// locked, over 16 MB) a message of the same kind naming it. Done only when
// the working page now holds the file's text.
StyleFile::Outcome OpenStyleFile(HWND messageOwner, const std::string& folder);

// Asks for a file name (".css" is added to a name without extension; an
// existing file is replaced only after the dialog's question) and writes the
// working page's style block to it through the safe whole-file write. When
// the write fails the old file stays as it was and a message names the file.
StyleFile::Outcome SaveStyleFile(HWND messageOwner, const std::string& folder);

// Tells the user of a refusal in a message box owned by messageOwner (the
// message of StyleFile::OutcomeMessage); nothing for Done and Cancelled.
void TellOutcome(HWND messageOwner, StyleFile::Outcome outcome, StyleFile::Operation operation,
                 const std::string& path);

// The style file filter string (IDS_GP_STYLE_FILE_FILTER) with every "|"
// turned into a NUL: the two entries' names and patterns, ending in two NULs.
std::wstring StyleFileFilter();
