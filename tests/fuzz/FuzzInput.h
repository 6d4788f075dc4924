// Splits a fuzz input into fields at the unit separator (0x1F), so that seeds
// stay readable text and every other byte (CR, LF, TAB, NUL, braces,
// semicolons) can appear inside a field. Missing fields are empty.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace fuzzing {

inline std::vector<std::string> Fields(const std::uint8_t* data, std::size_t size, std::size_t count)
{
    std::vector<std::string> fields(count);
    std::size_t field = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        // The last field takes the rest, separators included.
        if (c == '\x1f' && field + 1 < count)
            ++field;
        else
            fields[field] += c;
    }
    return fields;
}

// Splits a field into a list at the record separator (0x1E).
inline std::vector<std::string> List(const std::string& field)
{
    std::vector<std::string> items(1);
    for (char c : field) {
        if (c == '\x1e')
            items.emplace_back();
        else
            items.back() += c;
    }
    return items;
}

} // namespace fuzzing
