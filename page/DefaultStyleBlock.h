// The default style block: the marker comment, the style start tag, the 92
// default rule blocks and "</style>". This is the user's style as the page
// is written at start-up and on revert, and the place where the property
// handlers find their rule blocks.
#pragma once

#include <string>
#include <vector>

// The marker comment that opens the style block. Searches for rule blocks
// start at its word "Glimmerpatch".
extern const char kMarkerComment[];

// One default rule block. The selector is the whole selector line with its
// "{" (the key the property handlers search for); each declaration is the
// full "property: value;" text, written after one TAB; blankAfter puts an
// empty line after the block's "}".
struct DefaultRuleBlock {
    const char* selector;
    std::vector<std::string> declarations;
    bool blankAfter;
};

// The 92 default rule blocks in page order. Shorter selectors come before
// longer ones that contain their text, so that a plain substring search
// from the marker finds each selector at its own block first.
const std::vector<DefaultRuleBlock>& DefaultRuleBlocks();

// Appends the lines from the marker comment through "</style>", each with
// CR LF.
void AppendDefaultStyleBlock(std::string& page);
