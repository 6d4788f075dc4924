#include "style/StyleFile.h"

#include "style/FileText.h"
#include "style/StyleDocument.h"
#include "style/TextPrimitives.h"
#include "style/Utf16.h"

#include <sys/stat.h>

#ifdef _WIN32
#include <windows.h>
#endif

namespace StyleFile {
namespace {

// Length of "</style>" CR LF, which a block's end search finds the start of.
constexpr TextPosition kBlockEndLength = sizeof(kBlockEnd) - 1;

// Whether path names a regular file larger than the bound. Used only after a
// read was refused, to tell a big file from one that cannot be read at all.
bool IsRegularFileLargerThan(const std::string& path, std::size_t bound)
{
#ifdef _WIN32
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(WidenUtf8(path).c_str(), GetFileExInfoStandard, &data)) return false;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return false;
    const unsigned long long size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return size > bound;
#else
    struct stat info;
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    return static_cast<unsigned long long>(info.st_size) > bound;
#endif
}

// Whether path names an existing file marked read-only. Windows refuses to
// replace such a file; the check makes the refusal the same everywhere
// (Wine running as root would replace it).
bool IsReadOnlyFile(const std::string& path)
{
#ifdef _WIN32
    const DWORD attributes = GetFileAttributesW(WidenUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
           !(attributes & FILE_ATTRIBUTE_DIRECTORY);
#else
    (void)path;
    return false;
#endif
}

} // namespace

std::string TextUpToFirstNul(const std::string& bytes)
{
    return bytes.substr(0, bytes.find('\0'));
}

Outcome ApplyStyleFileText(std::string& page, const std::string& fileText)
{
    if (Find(fileText, kMarkerComment, 0) == -1) return Outcome::FormatIncorrect;
    const TextPosition f = Find(page, kMarkerComment, 0);
    // Without a marker the delete below would start at -1, which counts as
    // 0, and cut the page's first characters.
    if (f == -1) return Outcome::PageWithoutMarker;
    const TextPosition g = Find(page, kBlockEnd, f);
    // With no block end the count is negative and nothing is deleted: the
    // text goes in front of the old marker.
    Delete(page, f, g == -1 ? -1 : g - f + kBlockEndLength);
    Insert(page, f, fileText);
    return Outcome::Done;
}

Outcome ExtractStyleFileText(const std::string& page, std::string& fileText)
{
    fileText.clear();
    const TextPosition b = Find(page, kMarkerComment, 0);
    if (b == -1) return Outcome::PageWithoutMarker;
    const TextPosition c = Find(page, kBlockEnd, b);
    if (c == -1) return Outcome::PageWithoutBlockEnd;
    fileText = Extract(page, b, c - b + kBlockEndLength);
    return Outcome::Done;
}

Outcome LoadStyleFileIntoPage(const std::string& path)
{
    std::string bytes;
    if (!ReadWholeFile(path, bytes, kMaxStyleFileSize))
        return IsRegularFileLargerThan(path, kMaxStyleFileSize) ? Outcome::FileTooLarge : Outcome::FileUnreadable;
    const std::string fileText = TextUpToFirstNul(bytes);
    bytes.clear();
    if (Find(fileText, kMarkerComment, 0) == -1) return Outcome::FormatIncorrect;

    std::string page;
    if (!StyleDocument::LoadPage(page)) return Outcome::PageUnreadable;
    const Outcome applied = ApplyStyleFileText(page, fileText);
    if (applied != Outcome::Done) return applied;
    return StyleDocument::StorePage(page) == StoreResult::Stored ? Outcome::Done : Outcome::PageNotWritten;
}

Outcome WriteStyleFileFromPage(const std::string& path)
{
    std::string page;
    if (!StyleDocument::LoadPage(page)) return Outcome::PageUnreadable;
    std::string fileText;
    const Outcome extracted = ExtractStyleFileText(page, fileText);
    if (extracted != Outcome::Done) return extracted;
    if (IsReadOnlyFile(path)) return Outcome::FileNotWritten;
    return WriteWholeFile(path, fileText) ? Outcome::Done : Outcome::FileNotWritten;
}

std::string OutcomeMessage(Outcome outcome, Operation operation, const std::string& path)
{
    const std::string file = "\"" + path + "\"";
    const std::string page = "\"" + StyleDocument::PagePath() + "\"";
    const std::string nothing = operation == Operation::Load ? "Nothing was changed." : "Nothing was saved.";
    switch (outcome) {
    case Outcome::Done:
    case Outcome::Cancelled:
        return std::string();
    case Outcome::FormatIncorrect:
        return "File format incorrect!";
    case Outcome::FileUnreadable:
        return "Cannot read the file " + file +
               ".\n\nIt does not exist, is a folder or is in use by another program. " + nothing;
    case Outcome::FileTooLarge:
        return "The file " + file + " is too large to be a style file (over 16 MB). " + nothing;
    case Outcome::PageUnreadable:
        return "Cannot read the working page " + page + ". " + nothing;
    case Outcome::PageWithoutMarker:
        return "The working page " + page + " has lost its marker comment \"" + kMarkerComment +
               "\", so its style cannot be found. " + nothing;
    case Outcome::PageWithoutBlockEnd:
        return "The style in the working page " + page +
               " has no closing \"</style>\" line, so it cannot be saved. " + nothing;
    case Outcome::FileNotWritten:
        return "Cannot save the file " + file +
               ".\n\nThe disk may be full, or the file may be read-only or in use by another program. "
               "The file was not changed.";
    case Outcome::PageNotWritten:
        return "Cannot write the working page " + page +
               ".\n\nThe disk may be full, or the file may be in use by another program. " + nothing;
    }
    return std::string();
}

} // namespace StyleFile
