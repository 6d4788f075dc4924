// Safe writes of the working page in the Windows build: a page that another
// program holds open, and (run by SafeWrite_FullDiskDrive, which maps drive
// T: onto a small tmpfs) a really full disk. Whatever happens the page is
// either the new text whole or the old text byte for byte, a failure is
// told, and no temporary file is left beside it.
#include "page/WorkingPage.h"
#include "style/FileText.h"
#include "style/StyleDocument.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

const std::string kPage =
    "<html>\r\n<!-- Glimmerpatch -->\r\n<style type=\"text/css\">\r\nbody{\r\n\tcolor: red;\r\n}\r\n</style>\r\n"
    "<body></body>\r\n</html>\r\n";

std::wstring Wide(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

std::string Narrow(const std::wstring& text)
{
    std::string out;
    for (wchar_t c : text) out += static_cast<char>(c);
    return out;
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(Wide(folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(Narrow(name));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

// Reads the page through a handle that shares everything, so that it works
// while the test's own handle holds the file.
std::string ReadShared(const std::string& path)
{
    HANDLE file = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<missing>";
    std::string text;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
    CloseHandle(file);
    return text;
}

// A fresh folder that holds the working page for one test.
class PageFolder {
public:
    explicit PageFolder(const std::string& parent)
    {
        static int counter = 0;
        path_ = parent + "glimmerpatch-safe-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
        created_ = CreateDirectoryW(Wide(path_).c_str(), nullptr) != 0;
        previous_ = StartupDirectory();
        SetStartupDirectory(path_);
    }
    ~PageFolder()
    {
        SetStartupDirectory(previous_);
        for (const std::string& name : FolderEntries(path_)) DeleteFileW(Wide(path_ + "\\" + name).c_str());
        RemoveDirectoryW(Wide(path_).c_str());
    }
    bool Created() const { return created_; }
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }

private:
    std::string path_;
    std::string previous_;
    bool created_ = false;
};

std::string TempParent()
{
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetTempPathW(MAX_PATH, buffer);
    return Narrow(std::wstring(buffer, length));
}

// Opens the page as another program would, with the given sharing.
HANDLE HoldOpen(const std::string& path, DWORD share)
{
    return CreateFileW(Wide(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

TEST(SafeWriteHeldOpen, ReaderThatForbidsDeletingIsEditedInPlace)
{
    PageFolder folder(TempParent());
    ASSERT_TRUE(folder.Created());
    ASSERT_TRUE(WriteWholeFile(WorkingPagePath(), kPage));
    HANDLE reader = HoldOpen(WorkingPagePath(), FILE_SHARE_READ | FILE_SHARE_WRITE);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    // The replacement step alone is refused while the reader holds the page.
    const std::string spare = folder.File("spare.html");
    ASSERT_TRUE(WriteWholeFile(spare, "x"));
    EXPECT_FALSE(MoveFileExW(Wide(spare).c_str(), Wide(WorkingPagePath()).c_str(), MOVEFILE_REPLACE_EXISTING));
    DeleteFileW(Wide(spare).c_str());

    EXPECT_EQ(StyleDocument::SetProperty("body{", "background-color", "rgb(1, 2, 3)"), StoreResult::Stored);
    const std::string grown = ReadShared(WorkingPagePath());
    EXPECT_NE(grown.find("body{\r\n\tcolor: red;\r\n\tbackground-color: rgb(1, 2, 3);\r\n}\r\n"), std::string::npos);
    EXPECT_EQ(grown.size(), kPage.size() + std::string("\tbackground-color: rgb(1, 2, 3);\r\n").size());
    // Shorter than before: the tail is cut, not left over.
    EXPECT_EQ(StyleDocument::RemoveRule("body{"), StoreResult::Stored);
    std::string expected = kPage;
    expected.erase(expected.find("body{"), std::string("body{\r\n\tcolor: red;\r\n}\r\n").size());
    EXPECT_EQ(ReadShared(WorkingPagePath()), expected);
    EXPECT_TRUE(WriteWorkingPage());
    EXPECT_TRUE(ReadShared(WorkingPagePath()) == WorkingPageText());
    CloseHandle(reader);
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"MySpace.html"});
}

TEST(SafeWriteHeldOpen, ReaderThatForbidsWritingKeepsTheOldPageAndIsTold)
{
    PageFolder folder(TempParent());
    ASSERT_TRUE(folder.Created());
    ASSERT_TRUE(WriteWholeFile(WorkingPagePath(), kPage));
    for (DWORD share : {DWORD(0), DWORD(FILE_SHARE_READ)}) {
        HANDLE reader = HoldOpen(WorkingPagePath(), share);
        ASSERT_NE(reader, INVALID_HANDLE_VALUE);
        EXPECT_EQ(StyleDocument::SetProperty("body{", "color", "blue"), StoreResult::Failed) << "share " << share;
        EXPECT_FALSE(WriteWorkingPage()) << "share " << share;
        EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"MySpace.html"}) << "share " << share;
        CloseHandle(reader);
        EXPECT_EQ(ReadShared(WorkingPagePath()), kPage) << "share " << share;
    }
    EXPECT_EQ(StyleDocument::SetProperty("body{", "color", "blue"), StoreResult::Stored) << "released: the edit lands";
}

namespace {

// The drive that SafeWrite_FullDiskDrive maps onto a small tmpfs, e.g. "T:\".
std::string FullDiskDrive()
{
    const char* drive = std::getenv("GLIMMER_FULL_DISK_DRIVE");
    return drive ? drive : "";
}

// Fills every free byte of the drive with a filler file; Free gives some back.
class Filler {
public:
    explicit Filler(const std::string& path) : path_(path)
    {
        file_ = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file_ == INVALID_HANDLE_VALUE) return;
        const std::string block(4096, 'f');
        DWORD written = 0;
        while (WriteFile(file_, block.data(), 4096, &written, nullptr) && written > 0) size_ += written;
        while (WriteFile(file_, block.data(), 1, &written, nullptr) && written > 0) size_ += written;
    }
    ~Filler()
    {
        if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
        DeleteFileW(Wide(path_).c_str());
    }
    bool Filled() const { return file_ != INVALID_HANDLE_VALUE && size_ > 0; }
    void Free(std::size_t bytes)
    {
        LARGE_INTEGER length;
        length.QuadPart = size_ > bytes + 8192 ? static_cast<LONGLONG>(size_ - bytes - 8192) : 0;
        SetFilePointerEx(file_, length, nullptr, FILE_BEGIN);
        SetEndOfFile(file_);
        FlushFileBuffers(file_);
    }

private:
    std::string path_;
    HANDLE file_ = INVALID_HANDLE_VALUE;
    std::size_t size_ = 0;
};

} // namespace

#define REQUIRE_FULL_DISK_DRIVE()                                                                               \
    if (FullDiskDrive().empty())                                                                               \
    GTEST_SKIP() << "runs from the test SafeWrite_FullDiskDrive, which maps a Wine drive onto a small tmpfs " \
                    "(as root)"

TEST(SafeWriteFullDisk, EditThatCannotFitLeavesThePageAndIsTold)
{
    REQUIRE_FULL_DISK_DRIVE();
    PageFolder folder(FullDiskDrive());
    ASSERT_TRUE(folder.Created());
    ASSERT_TRUE(WriteWorkingPage());
    const std::string before = ReadShared(WorkingPagePath());
    {
        Filler filler(folder.File("filler"));
        ASSERT_TRUE(filler.Filled());
        EXPECT_EQ(StyleDocument::SetProperty("body{", "background-color", "rgb(1, 2, 3)"), StoreResult::Failed);
        EXPECT_EQ(StyleDocument::RemoveRule("body{"), StoreResult::Failed);
        EXPECT_TRUE(ReadShared(WorkingPagePath()) == before) << "the page changed on a full disk";
        EXPECT_EQ(FolderEntries(folder.Path()), (std::vector<std::string>{"MySpace.html", "filler"}));

        // Held open by a reader that forbids replacing it: the in-place
        // fallback cannot grow the page on the full disk either.
        HANDLE reader = HoldOpen(WorkingPagePath(), FILE_SHARE_READ | FILE_SHARE_WRITE);
        ASSERT_NE(reader, INVALID_HANDLE_VALUE);
        EXPECT_EQ(StyleDocument::SetProperty("body{", "color", "rgb(200, 201, 202)"), StoreResult::Failed);
        CloseHandle(reader);
        EXPECT_TRUE(ReadShared(WorkingPagePath()) == before) << "the in-place fallback changed the page";
        EXPECT_EQ(FolderEntries(folder.Path()), (std::vector<std::string>{"MySpace.html", "filler"}));

        filler.Free(before.size() + 4096);
        EXPECT_EQ(StyleDocument::SetProperty("body{", "background-color", "rgb(1, 2, 3)"), StoreResult::Stored);
    }
    const std::string after = ReadShared(WorkingPagePath());
    EXPECT_NE(after.find("\tbackground-color: rgb(1, 2, 3);\r\n}\r\n"), std::string::npos);
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"MySpace.html"});
}

TEST(SafeWriteFullDisk, WorkingPageThatCannotFitLeavesTheOldPage)
{
    REQUIRE_FULL_DISK_DRIVE();
    PageFolder folder(FullDiskDrive());
    ASSERT_TRUE(folder.Created());
    ASSERT_TRUE(WriteWholeFile(WorkingPagePath(), kPage));
    Filler filler(folder.File("filler"));
    ASSERT_TRUE(filler.Filled());
    EXPECT_FALSE(WriteWorkingPage());
    EXPECT_EQ(ReadShared(WorkingPagePath()), kPage);
    EXPECT_EQ(FolderEntries(folder.Path()), (std::vector<std::string>{"MySpace.html", "filler"}));

    filler.Free(WorkingPageText().size());
    EXPECT_TRUE(WriteWorkingPage());
    EXPECT_TRUE(ReadShared(WorkingPagePath()) == WorkingPageText());
    EXPECT_EQ(FolderEntries(folder.Path()), (std::vector<std::string>{"MySpace.html", "filler"}));
}
