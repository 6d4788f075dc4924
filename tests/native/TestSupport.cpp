#include "tests/native/TestSupport.h"

#include "style/FileText.h"
#include "page/WorkingPage.h"

#include <atomic>
#include <chrono>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace testing_support {

namespace {

std::string ToUtf8(const fs::path& path)
{
#if defined(__cpp_char8_t)
    const auto text = path.u8string();
    return std::string(text.begin(), text.end());
#else
    return path.u8string();
#endif
}

} // namespace

TemporaryFolder::TemporaryFolder(const std::string& namePart)
{
    static std::atomic<unsigned> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const fs::path base = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string leaf = namePart + "-" + std::to_string(stamp % 1000000007) + "-" +
                                 std::to_string(counter++);
        const fs::path candidate = base / fs::u8path(leaf);
        std::error_code error;
        if (fs::create_directories(candidate, error)) {
            path_ = ToUtf8(candidate);
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code error;
    fs::remove_all(fs::u8path(path_), error);
}

std::string TemporaryFolder::File(const std::string& name) const
{
    return JoinPath(path_, name);
}

WorkingFolder::WorkingFolder(const std::string& namePart) : folder_(namePart), previous_(StartupDirectory())
{
    SetStartupDirectory(folder_.Path());
}

WorkingFolder::~WorkingFolder()
{
    SetStartupDirectory(previous_);
}

void WorkingFolder::SetPage(const std::string& text) const
{
    WriteFileOrFail(WorkingPagePath(), text);
}

std::string WorkingFolder::Page() const
{
    return ReadFileOrMissing(WorkingPagePath());
}

std::string ReadFileOrMissing(const std::string& path)
{
    std::string text;
    if (!ReadWholeFile(path, text)) return "<missing>";
    return text;
}

void WriteFileOrFail(const std::string& path, const std::string& text)
{
    if (!WriteWholeFile(path, text)) throw std::runtime_error("cannot write " + path);
}

} // namespace testing_support
