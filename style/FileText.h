// Whole-file reads and writes in binary mode (no newline translation).
// Paths are UTF-8; on Windows they are opened through the wide-character API,
// so folders outside the ANSI code page and paths beyond 260 characters work.
#pragma once

#include <cstddef>
#include <string>

// Largest file that ReadWholeFile accepts by default; anything bigger is
// treated as unreadable rather than exhausting memory.
constexpr std::size_t kMaxFileTextSize = 256u * 1024u * 1024u;

// Reads every byte of a regular file into text. Returns false, and leaves
// text empty, when the file is missing, is not a regular file, is larger than
// maxSize or cannot be read in full. The kind of file is checked before it is
// opened, so a FIFO or a device never blocks or is touched.
bool ReadWholeFile(const std::string& path, std::string& text, std::size_t maxSize = kMaxFileTextSize);

// The safe whole-file write: afterwards the file holds either all of text or
// exactly what it held before, never a part of either.
//
// The text is written in full to a temporary file beside the target, flushed
// to the disk, and then put in the target's place in one step (rename; on
// Windows MoveFileExW with replace and write-through). When Windows refuses
// the replacement because another program holds the file open without
// allowing it (a browser reading the page may), the same bytes are written
// into the open file instead, with its old bytes kept in memory to put back
// should that write fail part way; the temporary file is kept until that
// in-place write has succeeded. No temporary file is left on any path.
//
// Returns true when the file holds text. Returns false, with the file as it
// was, when the disk is full, the folder or file refuses the write, or the
// path names something that is not a regular file (a folder, FIFO, device).
// A path that is a symbolic link writes through to the file it names.
bool WriteWholeFile(const std::string& path, const std::string& text);

// Creates one folder (its parent must exist). Returns false when it cannot.
bool CreateFolder(const std::string& path);

// How many writes WriteWholeFile has completed in this process. Lets tests
// see how often an operation stored the working page.
unsigned long WholeFileWriteCount();

// Joins a folder and a file name with the platform's separator ("\" on
// Windows, "/" elsewhere), without doubling a separator the folder ends with.
std::string JoinPath(const std::string& folder, const std::string& name);
