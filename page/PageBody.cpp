#include "page/PageBody.h"

#include <cstddef>

// The body's text, generated at build time from page/body.html.
extern const char kPageBodyText[];
extern const std::size_t kPageBodyTextSize;

void AppendPageBody(std::string& page)
{
    page.append(kPageBodyText, kPageBodyTextSize);
}
