// Safe writes of the working page: a write that cannot be completed leaves
// the page byte for byte as it was, says so, and leaves no temporary file.
// The full-disk cases run on a small tmpfs that the test mounts (as root on
// Linux; skipped otherwise). Paths that are not regular files are never read.
#include "page/WorkingPage.h"
#include "style/FileText.h"
#include "style/StyleDocument.h"
#include "tests/native/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#ifdef __linux__
#include <chrono>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using testing_support::ReadFileOrMissing;
using testing_support::TemporaryFolder;
using testing_support::WorkingFolder;

namespace {

const std::string kSmallPage =
    "<html>\r\n<!-- Glimmerpatch -->\r\n<style type=\"text/css\">\r\nbody{\r\n\tcolor: red;\r\n}\r\n</style>\r\n"
    "<body></body>\r\n</html>\r\n";

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::u8path(folder))) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(SafeWrite, ReplacesWholeAndLeavesOnlyTheTarget)
{
    TemporaryFolder folder;
    const std::string path = folder.File("page.html");
    ASSERT_TRUE(WriteWholeFile(path, std::string(100000, 'a')));
    ASSERT_TRUE(WriteWholeFile(path, "short"));
    EXPECT_EQ(ReadFileOrMissing(path), "short");
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"page.html"});
    // A folder in the target's place is not replaced, and nothing is left.
    ASSERT_TRUE(CreateFolder(folder.File("taken")));
    EXPECT_FALSE(WriteWholeFile(folder.File("taken"), "x"));
    EXPECT_EQ(FolderEntries(folder.Path()), (std::vector<std::string>{"page.html", "taken"}));
}

TEST(SafeWrite, EachEditSaysWhetherItReachedThePage)
{
    WorkingFolder folder;
    folder.SetPage(kSmallPage);
    EXPECT_EQ(StyleDocument::SetProperty("body{", "width", "1px"), StoreResult::Stored);

    const std::string written = folder.Page();
    SetStartupDirectory(JoinPath(folder.Path(), "gone"));
    EXPECT_EQ(StyleDocument::SetProperty("body{", "width", "2px"), StoreResult::Failed)
        << "no page to edit: the change was lost";
    EXPECT_EQ(StyleDocument::RemoveProperty("body{", "width"), StoreResult::Failed);
    std::string property = "width";
    EXPECT_EQ(StyleDocument::GetPropertyValue("body{", property), "");
    EXPECT_FALSE(WriteWorkingPage()) << "the folder is missing";

    SetStartupDirectory(folder.Path());
    EXPECT_EQ(folder.Page(), written);
    EXPECT_EQ(StyleDocument::RemoveRule("missing{"), StoreResult::Stored) << "nothing to change is no failure";
    EXPECT_TRUE(WriteWorkingPage());
    EXPECT_EQ(folder.Page(), WorkingPageText());
}

#ifndef _WIN32

TEST(SafeWrite, KeepsPermissionsAndWritesThroughALink)
{
    TemporaryFolder folder;
    const std::string real = folder.File("real.html");
    ASSERT_TRUE(WriteWholeFile(real, "old"));
    ASSERT_EQ(chmod(real.c_str(), 0640), 0);
    ASSERT_EQ(symlink("real.html", folder.File("link.html").c_str()), 0);
    ASSERT_TRUE(WriteWholeFile(folder.File("link.html"), "new"));
    EXPECT_EQ(ReadFileOrMissing(real), "new");
    EXPECT_TRUE(fs::is_symlink(fs::u8path(folder.File("link.html"))));
    struct stat info;
    ASSERT_EQ(stat(real.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_EQ(FolderEntries(folder.Path()), (std::vector<std::string>{"link.html", "real.html"}));
}

TEST(SafeWrite, FifoWorkingPageReturnsAtOnceAndWritesNothing)
{
    WorkingFolder folder;
    ASSERT_EQ(mkfifo(WorkingPagePath().c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    const unsigned long before = WholeFileWriteCount();
    EXPECT_EQ(StyleDocument::SetProperty("body{", "color", "red"), StoreResult::Failed);
    StyleDocument::SetProperties("body{", {"color"}, {"red"});
    StyleDocument::RemoveRule("body{");
    StyleDocument::RemoveProperties("body{", {"color"});
    std::string property = "color";
    EXPECT_EQ(StyleDocument::GetPropertyValue("body{", property), "");
    EXPECT_EQ(StyleDocument::GetStyleCode(), "");
    EXPECT_FALSE(WriteWorkingPage()) << "a FIFO is not replaced by a file";
    EXPECT_EQ(WholeFileWriteCount(), before);
    // Had anything opened the FIFO for reading it would still be waiting for
    // a writer; getting here at all is the check, the clock only reports.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
    struct stat info;
    ASSERT_EQ(lstat(WorkingPagePath().c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(FolderEntries(folder.Path()), std::vector<std::string>{"MySpace.html"});
}

#endif

#ifdef __linux__

namespace {

// A tmpfs of a few pages mounted for one test, filled on request, unmounted
// on every path out of the test.
class SmallDisk {
public:
    explicit SmallDisk(std::size_t bytes)
    {
        if (geteuid() != 0) return;
        const std::string options = "size=" + std::to_string(bytes);
        mounted_ = mount("tmpfs", folder_.Path().c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
    }
    ~SmallDisk()
    {
        if (mounted_) umount2(folder_.Path().c_str(), MNT_DETACH);
    }
    bool Mounted() const { return mounted_; }
    const std::string& Path() const { return folder_.Path(); }
    std::string File(const std::string& name) const { return folder_.File(name); }

    // Fills every free byte with a filler file.
    void Fill()
    {
        const int file = open(File("filler").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        ASSERT_GE(file, 0);
        const std::string block(4096, 'f');
        while (write(file, block.data(), block.size()) > 0) {
        }
        while (write(file, block.data(), 1) > 0) {
        }
        close(file);
        struct statvfs info;
        ASSERT_EQ(statvfs(Path().c_str(), &info), 0);
        ASSERT_EQ(info.f_bavail, 0u);
    }
    // Frees bytes (rounded up to whole blocks) from the filler.
    void Free(std::size_t bytes)
    {
        struct stat info;
        ASSERT_EQ(stat(File("filler").c_str(), &info), 0);
        const off_t keep = info.st_size > static_cast<off_t>(bytes + 4096) ? info.st_size - bytes - 4096 : 0;
        ASSERT_EQ(truncate(File("filler").c_str(), keep), 0);
    }

private:
    TemporaryFolder folder_{"glimmerpatch-disk"};
    bool mounted_ = false;
};

// Points the start-up directory at a folder until the end of the scope.
struct StartupOn {
    explicit StartupOn(const std::string& folder) : previous(StartupDirectory()) { SetStartupDirectory(folder); }
    ~StartupOn() { SetStartupDirectory(previous); }
    std::string previous;
};

#define REQUIRE_SMALL_DISK(disk)                                                                                 \
    if (!(disk).Mounted())                                                                                       \
    GTEST_SKIP() << "writes on a full disk need a small tmpfs, which only root can mount here: run the tests " \
                    "as root to check them"

} // namespace

TEST(SafeWriteFullDisk, EditThatCannotFitLeavesThePageAndIsTold)
{
    SmallDisk disk(256 * 1024);
    REQUIRE_SMALL_DISK(disk);
    const StartupOn startup(disk.Path());
    ASSERT_TRUE(WriteWorkingPage());
    const std::string before = ReadFileOrMissing(WorkingPagePath());
    disk.Fill();

    const unsigned long writes = WholeFileWriteCount();
    EXPECT_EQ(StyleDocument::SetProperty("body{", "background-color", "rgb(1, 2, 3)"), StoreResult::Failed);
    EXPECT_EQ(StyleDocument::SetProperties("body{", {"color", "width"}, {"rgb(4, 5, 6)", "7px"}), StoreResult::Failed);
    EXPECT_EQ(StyleDocument::RemoveRule("body{"), StoreResult::Failed)
        << "even a shorter page needs room for its new copy";
    EXPECT_EQ(WholeFileWriteCount(), writes);
    EXPECT_TRUE(ReadFileOrMissing(WorkingPagePath()) == before) << "the page changed on a full disk";
    EXPECT_EQ(FolderEntries(disk.Path()), (std::vector<std::string>{"MySpace.html", "filler"}));

    // Room for one more copy of the page: the same edit lands.
    disk.Free(before.size() + 4096);
    EXPECT_EQ(StyleDocument::SetProperty("body{", "background-color", "rgb(1, 2, 3)"), StoreResult::Stored);
    const std::string after = ReadFileOrMissing(WorkingPagePath());
    EXPECT_NE(after.find("\tbackground-color: rgb(1, 2, 3);\r\n}\r\n"), std::string::npos);
    EXPECT_EQ(after.size(), before.size() - std::string("rgb(229, 229, 229)").size() + std::string("rgb(1, 2, 3)").size());
    EXPECT_EQ(FolderEntries(disk.Path()), (std::vector<std::string>{"MySpace.html", "filler"}));
}

TEST(SafeWriteFullDisk, WorkingPageThatCannotFitLeavesTheOldPage)
{
    SmallDisk disk(256 * 1024);
    REQUIRE_SMALL_DISK(disk);
    const StartupOn startup(disk.Path());
    testing_support::WriteFileOrFail(WorkingPagePath(), kSmallPage);
    disk.Fill();

    EXPECT_FALSE(WriteWorkingPage());
    EXPECT_EQ(ReadFileOrMissing(WorkingPagePath()), kSmallPage);
    EXPECT_EQ(FolderEntries(disk.Path()), (std::vector<std::string>{"MySpace.html", "filler"}));

    disk.Free(WorkingPageText().size());
    EXPECT_TRUE(WriteWorkingPage());
    EXPECT_TRUE(ReadFileOrMissing(WorkingPagePath()) == WorkingPageText());
    EXPECT_EQ(FolderEntries(disk.Path()), (std::vector<std::string>{"MySpace.html", "filler"}));
}

#endif
