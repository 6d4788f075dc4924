#include "style/FileText.h"

#include <cstdio>
#include <sys/stat.h>

#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#endif

namespace {

#ifdef _WIN32
std::wstring WidePath(const std::string& utf8)
{
    if (utf8.empty()) return std::wstring();
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &wide[0], length);
    for (auto& c : wide)
        if (c == L'/') c = L'\\';
    // Paths at or beyond MAX_PATH need the extended-length prefix, which in
    // turn needs a full path.
    if (wide.size() >= MAX_PATH - 12 && wide.compare(0, 4, L"\\\\?\\") != 0) {
        DWORD needed = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
        if (needed > 0) {
            std::wstring full(needed, L'\0');
            DWORD got = GetFullPathNameW(wide.c_str(), needed, &full[0], nullptr);
            if (got > 0 && got < needed) {
                full.resize(got);
                if (full.compare(0, 2, L"\\\\") == 0)
                    wide = L"\\\\?\\UNC\\" + full.substr(2);
                else
                    wide = L"\\\\?\\" + full;
            }
        }
    }
    return wide;
}
#endif

std::FILE* OpenFile(const std::string& path, bool forWriting)
{
#ifdef _WIN32
    return _wfopen(WidePath(path).c_str(), forWriting ? L"wb" : L"rb");
#else
    return std::fopen(path.c_str(), forWriting ? "wb" : "rb");
#endif
}

bool IsRegularFile(std::FILE* file, long long& size)
{
#ifdef _WIN32
    struct _stat64 info;
    if (_fstat64(_fileno(file), &info) != 0) return false;
    size = info.st_size;
    return (info.st_mode & _S_IFMT) == _S_IFREG;
#else
    struct stat info;
    if (fstat(fileno(file), &info) != 0) return false;
    size = info.st_size;
    return S_ISREG(info.st_mode);
#endif
}

unsigned long writeCount = 0;

} // namespace

bool CreateFolder(const std::string& path)
{
#ifdef _WIN32
    return _wmkdir(WidePath(path).c_str()) == 0;
#else
    return mkdir(path.c_str(), 0777) == 0;
#endif
}

unsigned long WholeFileWriteCount()
{
    return writeCount;
}

bool ReadWholeFile(const std::string& path, std::string& text, std::size_t maxSize)
{
    text.clear();
    std::FILE* file = OpenFile(path, false);
    if (!file) return false;
    long long size = 0;
    if (!IsRegularFile(file, size) || size < 0 || static_cast<unsigned long long>(size) > maxSize) {
        std::fclose(file);
        return false;
    }
    std::string buffer(static_cast<std::size_t>(size), '\0');
    const std::size_t got = size > 0 ? std::fread(&buffer[0], 1, buffer.size(), file) : 0;
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return false;
    // A file that shrank while we read it yields only the bytes really read.
    buffer.resize(got);
    text.swap(buffer);
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& text)
{
    std::FILE* file = OpenFile(path, true);
    if (!file) return false;
    const std::size_t written = text.empty() ? 0 : std::fwrite(text.data(), 1, text.size(), file);
    const bool closed = std::fclose(file) == 0;
    const bool complete = closed && written == text.size();
    if (complete) ++writeCount;
    return complete;
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
#ifdef _WIN32
    const char separator = '\\';
#else
    const char separator = '/';
#endif
    if (folder.empty()) return name;
    const char last = folder.back();
    if (last == '/' || last == '\\') return folder + name;
    return folder + separator + name;
}
