// The default style block: the marker comment, the style start tag, the 92
// default rule blocks and "</style>".
#pragma once

#include <string>

// Appends the lines from the marker comment through "</style>", each with CR LF.
void AppendDefaultStyleBlock(std::string& page);
