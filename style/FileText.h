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
// maxSize or cannot be read in full.
bool ReadWholeFile(const std::string& path, std::string& text, std::size_t maxSize = kMaxFileTextSize);

// Truncates (or creates) the file and writes text in one write. Returns false
// when the file cannot be opened or the write or close fails.
bool WriteWholeFile(const std::string& path, const std::string& text);

// Creates one folder (its parent must exist). Returns false when it cannot.
bool CreateFolder(const std::string& path);

// How many writes WriteWholeFile has completed in this process. Lets tests
// see how often an operation stored the working page.
unsigned long WholeFileWriteCount();

// Joins a folder and a file name with the platform's separator ("\" on
// Windows, "/" elsewhere), without doubling a separator the folder ends with.
std::string JoinPath(const std::string& folder, const std::string& name);
