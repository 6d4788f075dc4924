#include "style/TextPrimitives.h"

namespace {

// Clamps (position, count) to a run inside text of the given length.
void ClampRun(std::size_t length, TextPosition& position, TextPosition& count)
{
    const auto size = static_cast<TextPosition>(length);
    if (position < 0) position = 0;
    if (count < 0) count = 0;
    if (position > size) position = size;
    if (count > size - position) count = size - position;
}

} // namespace

TextPosition Find(const std::string& text, const std::string& pattern, TextPosition start)
{
    if (start < 0 || start > static_cast<TextPosition>(text.size())) return -1;
    const std::size_t at = text.find(pattern, static_cast<std::size_t>(start));
    return at == std::string::npos ? -1 : static_cast<TextPosition>(at);
}

void Insert(std::string& text, TextPosition position, const std::string& insertion)
{
    if (position < 0) position = 0;
    if (position > static_cast<TextPosition>(text.size())) position = static_cast<TextPosition>(text.size());
    text.insert(static_cast<std::size_t>(position), insertion);
}

void Delete(std::string& text, TextPosition position, TextPosition count)
{
    ClampRun(text.size(), position, count);
    if (count == 0) return;
    text.erase(static_cast<std::size_t>(position), static_cast<std::size_t>(count));
}

std::string Extract(const std::string& text, TextPosition position, TextPosition count)
{
    ClampRun(text.size(), position, count);
    return text.substr(static_cast<std::size_t>(position), static_cast<std::size_t>(count));
}
