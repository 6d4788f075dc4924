// The four text primitives that every edit of the working page and of style
// file texts goes through. Positions are zero-based byte indexes; a failed
// search gives -1, and a search that starts from a failed search fails too,
// so chains of searches need no checks in between. Positions and counts are
// clamped rather than rejected.
#pragma once

#include <cstddef>
#include <string>

using TextPosition = std::ptrdiff_t;

// Index of the first occurrence of pattern at or after start (exact, case
// sensitive), or -1. A start that is negative or beyond the end fails.
TextPosition Find(const std::string& text, const std::string& pattern, TextPosition start);

// Inserts before the character at position; below 0 counts as 0, beyond the
// end as the end.
void Insert(std::string& text, TextPosition position, const std::string& insertion);

// Removes count characters from position. A negative position or count counts
// as 0; the count is cut to what remains after the position.
void Delete(std::string& text, TextPosition position, TextPosition count);

// The run of characters that Delete would remove, with the same clamping.
std::string Extract(const std::string& text, TextPosition position, TextPosition count);
