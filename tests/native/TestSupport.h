// Helpers shared by the unit tests: a temporary start-up folder that holds
// the working page, and whole-file access for assertions.
#pragma once

#include <string>

namespace testing_support {

// Creates a fresh, empty folder under the system's temporary folder (with the
// given name part, which may hold any UTF-8 characters) and removes it with
// everything in it on destruction.
class TemporaryFolder {
public:
    explicit TemporaryFolder(const std::string& namePart = "glimmerpatch-test");
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const;

private:
    std::string path_;
};

// Points the process-wide start-up directory at a temporary folder for the
// lifetime of the object and restores the previous one afterwards.
class WorkingFolder {
public:
    explicit WorkingFolder(const std::string& namePart = "glimmerpatch-test");
    ~WorkingFolder();

    const std::string& Path() const { return folder_.Path(); }
    // Writes text as the working page.
    void SetPage(const std::string& text) const;
    // The working page's bytes, or "<missing>" when it cannot be read.
    std::string Page() const;

private:
    TemporaryFolder folder_;
    std::string previous_;
};

std::string ReadFileOrMissing(const std::string& path);
void WriteFileOrFail(const std::string& path, const std::string& text);

} // namespace testing_support
