// The four text primitives on arbitrary text, patterns, positions and counts,
// checked against the standard library's plain operations.
#include "style/TextPrimitives.h"
#include "tests/fuzz/FuzzInput.h"

#include <cstdlib>
#include <cstring>

namespace {

TextPosition Number(const std::string& field)
{
    std::int64_t value = 0;
    std::memcpy(&value, field.data(), field.size() < sizeof value ? field.size() : sizeof value);
    // Mostly small positions, sometimes anything at all.
    return (value & 0x100) ? static_cast<TextPosition>(value) : static_cast<TextPosition>(value % 300) - 10;
}

void Check(bool condition)
{
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto fields = fuzzing::Fields(data, size, 5);
    const std::string& text = fields[4];
    const std::string& pattern = fields[2];
    const TextPosition position = Number(fields[0]);
    const TextPosition count = Number(fields[1]);
    const auto length = static_cast<TextPosition>(text.size());

    const TextPosition found = Find(text, pattern, position);
    if (position < 0 || position > length) {
        Check(found == -1);
    } else {
        const std::size_t expected = text.find(pattern, static_cast<std::size_t>(position));
        Check(expected == std::string::npos ? found == -1 : found == static_cast<TextPosition>(expected));
    }
    // A search that starts from a failed search fails too.
    Check(Find(text, pattern, -1) == -1);

    // Delete removes exactly what Extract returns, from where it stands.
    const std::string run = Extract(text, position, count);
    std::string shorter = text;
    Delete(shorter, position, count);
    Check(shorter.size() + run.size() == text.size());
    const std::size_t from = position < 0 ? 0 : (position > length ? text.size() : static_cast<std::size_t>(position));
    if (!run.empty()) Check(text.compare(from, run.size(), run) == 0);
    Check(shorter == text.substr(0, from) + text.substr(from + run.size()));

    // Insert puts the text before the clamped position; deleting it again
    // gives the original back.
    std::string longer = text;
    Insert(longer, position, fields[3]);
    Check(longer.size() == text.size() + fields[3].size());
    Check(longer.compare(from, fields[3].size(), fields[3]) == 0);
    Delete(longer, static_cast<TextPosition>(from), static_cast<TextPosition>(fields[3].size()));
    Check(longer == text);
    return 0;
}
