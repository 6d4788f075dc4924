#include "page/PreviewRefresh.h"

#include <string>

namespace {

char FoldAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (FoldAscii(text[i]) != FoldAscii(prefix[i])) return false;
    return true;
}

// File names compare without case for ASCII letters; either slash separates.
bool SamePath(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const char x = a[i] == '/' ? '\\' : FoldAscii(a[i]);
        const char y = b[i] == '/' ? '\\' : FoldAscii(b[i]);
        if (x != y) return false;
    }
    return true;
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool IsUtf8(const std::string& text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 6  ? 2
                                   : (lead >> 4) == 14 ? 3
                                   : (lead >> 3) == 30 ? 4
                                                       : 0;
        if (length == 0 || (length > 1 && lead < 0xC2) || i + length > text.size()) return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) >> 6) != 2) return false;
        i += length;
    }
    return true;
}

// The path of a file: URL after its "file:": "///C:/dir/page.html" or
// "//C:/..." is a drive path, "//server/share/..." a server's share; escapes
// are undone, the bytes of those at or above 0x80 taken as UTF-8 or, with
// latin1, each as one Latin-1 character.
std::string PathOfFileUrl(std::string_view rest, bool latin1)
{
    std::size_t slashes = 0;
    while (slashes < rest.size() && (rest[slashes] == '/' || rest[slashes] == '\\')) ++slashes;
    rest.remove_prefix(slashes);
    const bool drive = rest.size() >= 2 && IsAsciiLetter(rest[0]) && (rest[1] == ':' || rest[1] == '|');
    std::string path = !drive && slashes >= 2 ? "\\\\" : "";
    for (std::size_t i = 0; i < rest.size(); ++i) {
        const int high = rest[i] == '%' && i + 2 < rest.size() ? HexValue(rest[i + 1]) : -1;
        const int low = high >= 0 ? HexValue(rest[i + 2]) : -1;
        if (low >= 0) {
            const int byte = high * 16 + low;
            if (latin1 && byte >= 0x80) {
                path += static_cast<char>(0xC0 | (byte >> 6));
                path += static_cast<char>(0x80 | (byte & 0x3F));
            } else {
                path += static_cast<char>(byte);
            }
            i += 2;
        } else {
            path += rest[i] == '/' ? '\\' : rest[i];
        }
    }
    if (drive && path[1] == '|') path[1] = ':';
    return path;
}

} // namespace

bool AddressNamesFile(std::string_view address, std::string_view path)
{
    const bool url = StartsWithNoCase(address, "file:");
    // A "#" starts the fragment, or belongs to the path where the address
    // kept it unescaped (a plain path always does): every one is tried.
    for (std::size_t end = address.size();;) {
        const std::string_view candidate = address.substr(0, end);
        if (!url) {
            if (SamePath(candidate, path)) return true;
        } else if (candidate.find('?') == std::string_view::npos) {
            const std::string_view rest = candidate.substr(5);
            std::string decoded = PathOfFileUrl(rest, false);
            if (!IsUtf8(decoded)) decoded = PathOfFileUrl(rest, true);
            if (SamePath(decoded, path)) return true;
        }
        if (end == 0) return false;
        end = address.rfind('#', end - 1);
        if (end == std::string_view::npos) return false;
    }
}

PreviewRefresh DecidePreviewRefresh(std::string_view shownAddress, std::string_view pagePath, bool pageFailed)
{
    if (pageFailed || !AddressNamesFile(shownAddress, pagePath)) return PreviewRefresh::ShowPageAgain;
    return PreviewRefresh::Reload;
}
