#include "style/FileText.h"
#include "style/Utf16.h"

#include <cstdio>
#include <sys/stat.h>

#ifdef _WIN32
#include <direct.h>
#include <windows.h>
#else
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

unsigned long writeCount = 0;
unsigned long temporaryCounter = 0;

// The name of the temporary file for a target: hidden beside it, unique to
// this process and attempt, so that two programs never share one.
std::string TemporaryLeaf(const std::string& leaf, unsigned long processId)
{
    return "." + leaf + ".~" + std::to_string(processId) + "-" + std::to_string(++temporaryCounter) + ".tmp";
}

#ifdef _WIN32

std::wstring WidePath(const std::string& utf8)
{
    std::wstring wide = WidenUtf8(utf8);
    for (auto& c : wide)
        if (c == L'/') c = L'\\';
    // Paths at or beyond MAX_PATH need the extended-length prefix, which in
    // turn needs a full path. The margin leaves room for a temporary name.
    if (wide.size() >= MAX_PATH - 40 && wide.compare(0, 4, L"\\\\?\\") != 0) {
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

std::wstring WideText(const std::string& ascii)
{
    return std::wstring(ascii.begin(), ascii.end());
}

// Anything but a plain file (a folder, a device such as a pipe or a console)
// is never opened as a page.
bool IsRegularPath(const std::wstring& path, bool& exists)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    exists = attributes != INVALID_FILE_ATTRIBUTES;
    return exists && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) == 0;
}

bool WriteAll(HANDLE file, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const std::size_t left = text.size() - done;
        const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
        DWORD written = 0;
        if (!WriteFile(file, text.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

bool ReadAll(HANDLE file, std::string& text)
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file, &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > kMaxFileTextSize)
        return false;
    text.assign(static_cast<std::size_t>(size.QuadPart), '\0');
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD got = 0;
        const std::size_t left = text.size() - done;
        const DWORD chunk = left > (1u << 30) ? (1u << 30) : static_cast<DWORD>(left);
        if (!ReadFile(file, &text[done], chunk, &got, nullptr)) return false;
        if (got == 0) break;
        done += got;
    }
    text.resize(done);
    return true;
}

bool SetLength(HANDLE file, std::size_t length)
{
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(length);
    return SetFilePointerEx(file, position, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

bool Rewind(HANDLE file)
{
    LARGE_INTEGER start;
    start.QuadPart = 0;
    return SetFilePointerEx(file, start, nullptr, FILE_BEGIN) != 0;
}

enum class InPlaceResult { Written, Unchanged, Damaged };

// The fallback when the file cannot be replaced: overwrite it through a
// handle of our own. Its old bytes are read first; the file is grown to the
// new length before any byte of it changes, and should the write still fail
// part way the old bytes go back into the space they held.
InPlaceResult WriteInPlace(const std::wstring& target, const std::string& text)
{
    HANDLE file = CreateFileW(target.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return InPlaceResult::Unchanged;
    std::string old;
    if (!ReadAll(file, old)) {
        CloseHandle(file);
        return InPlaceResult::Unchanged;
    }
    if (text.size() > old.size() && !SetLength(file, text.size())) {
        SetLength(file, old.size());
        CloseHandle(file);
        return InPlaceResult::Unchanged;
    }
    if (Rewind(file) && WriteAll(file, text) && SetEndOfFile(file) && FlushFileBuffers(file)) {
        CloseHandle(file);
        return InPlaceResult::Written;
    }
    const bool restored = Rewind(file) && WriteAll(file, old) && SetLength(file, old.size()) && FlushFileBuffers(file);
    CloseHandle(file);
    return restored ? InPlaceResult::Unchanged : InPlaceResult::Damaged;
}

#else

bool IsRegularPath(const std::string& path, struct stat& info, bool& exists)
{
    exists = stat(path.c_str(), &info) == 0;
    return exists && S_ISREG(info.st_mode);
}

bool WriteAll(int file, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(file, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// A symbolic link is written through: the file it names is replaced, the
// link stays.
std::string ResolveLink(const std::string& path)
{
    struct stat info;
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    char* resolved = realpath(path.c_str(), nullptr);
    if (!resolved) return path;
    std::string target(resolved);
    std::free(resolved);
    return target;
}

#endif

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
#ifdef _WIN32
    const std::wstring wide = WidePath(path);
    bool exists = false;
    if (!IsRegularPath(wide, exists)) return false;
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER size;
    std::string buffer;
    const bool ok = GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) && size.QuadPart >= 0 &&
                    static_cast<unsigned long long>(size.QuadPart) <= maxSize && ReadAll(file, buffer);
    CloseHandle(file);
    if (!ok) return false;
#else
    struct stat info;
    bool exists = false;
    if (!IsRegularPath(path, info, exists)) return false;
    // Opened without blocking, in case the path was swapped for a FIFO since.
    const int file = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (file < 0) return false;
    if (fstat(file, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        static_cast<unsigned long long>(info.st_size) > maxSize) {
        close(file);
        return false;
    }
    std::string buffer(static_cast<std::size_t>(info.st_size), '\0');
    std::size_t done = 0;
    bool ok = true;
    while (done < buffer.size()) {
        const ssize_t got = read(file, &buffer[done], buffer.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            ok = false;
            break;
        }
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    close(file);
    if (!ok) return false;
    // A file that shrank while we read it yields only the bytes really read.
    buffer.resize(done);
#endif
    if (buffer.size() > maxSize) return false;
    text.swap(buffer);
    return true;
}

bool WriteWholeFile(const std::string& path, const std::string& text)
{
#ifdef _WIN32
    const std::wstring target = WidePath(path);
    if (target.empty()) return false;
    bool exists = false;
    if (!IsRegularPath(target, exists) && exists) return false;
    const std::size_t slash = target.find_last_of(L'\\');
    const std::wstring folder = slash == std::wstring::npos ? std::wstring() : target.substr(0, slash + 1);
    const std::wstring leaf = slash == std::wstring::npos ? target : target.substr(slash + 1);
    if (leaf.empty()) return false;
    std::wstring temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (int attempt = 0; attempt < 100 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary = folder + L"." + leaf + WideText(TemporaryLeaf("", GetCurrentProcessId()).substr(1));
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE && GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS)
            return false;
    }
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool complete = WriteAll(file, text) && FlushFileBuffers(file);
    if (!CloseHandle(file) || !complete) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    bool written = MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!written) {
        const DWORD error = GetLastError();
        if (exists && (error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED || error == ERROR_LOCK_VIOLATION)) {
            const InPlaceResult result = WriteInPlace(target, text);
            written = result == InPlaceResult::Written;
            // Only if the old bytes could not be put back does the temporary
            // file stay: it is then the one whole copy of the new text.
            if (result != InPlaceResult::Damaged) DeleteFileW(temporary.c_str());
        } else {
            DeleteFileW(temporary.c_str());
        }
    }
#else
    const std::string target = ResolveLink(path);
    struct stat info;
    bool exists = false;
    if (!IsRegularPath(target, info, exists) && exists) return false;
    const std::size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string leaf = slash == std::string::npos ? target : target.substr(slash + 1);
    if (leaf.empty()) return false;
    std::string temporary;
    int file = -1;
    for (int attempt = 0; attempt < 100 && file < 0; ++attempt) {
        temporary = folder + TemporaryLeaf(leaf, static_cast<unsigned long>(getpid()));
        file = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file < 0 && errno != EEXIST) return false;
    }
    if (file < 0) return false;
    // The new file keeps the old one's permissions.
    if (exists) (void)fchmod(file, info.st_mode & 07777);
    const bool complete = WriteAll(file, text) && fsync(file) == 0;
    const bool closed = close(file) == 0;
    const bool written = complete && closed && rename(temporary.c_str(), target.c_str()) == 0;
    if (!written) unlink(temporary.c_str());
#endif
    if (written) ++writeCount;
    return written;
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
