// Style files: moving the style block between the working page and a file,
// and the refusals that keep the user's work intact (the loader's odd but
// kept behaviours are in KeptOnPurpose_test.cpp).
#include "page/WorkingPage.h"
#include "style/FileText.h"
#include "style/StyleDocument.h"
#include "style/StyleFile.h"
#include "tests/native/TestSupport.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

using testing_support::ReadFileOrMissing;
using testing_support::WorkingFolder;
using testing_support::WriteFileOrFail;
using StyleFile::Outcome;

namespace {

const std::string kMarker = StyleFile::kMarkerComment;
const std::string kEnd = StyleFile::kBlockEnd;

// The style block of a page, found independently of the code under test.
std::string BlockOf(const std::string& page)
{
    const auto begin = page.find(kMarker);
    const auto end = page.find(kEnd, begin);
    return page.substr(begin, end + kEnd.size() - begin);
}

// A small page in the working page's shape.
const std::string kBefore = "<html>\r\n<style type=\"text/css\">\r\nbody{\r\n}\r\n</style>\r\n\r\n\r\n";
const std::string kAfter = "\r\n<body>\r\n</body>\r\n</html>\r\n";
const std::string kBlock = kMarker + "\r\n<style type=\"text/css\">\r\nbody{\r\n\tcolor: red;\r\n}\r\n" + kEnd;

} // namespace

TEST(StyleFile, SaveThenLoadOfTheDefaultPageLeavesItByteForByte)
{
    WorkingFolder folder;
    WriteWorkingPage();
    const std::string page = folder.Page();
    const std::string file = JoinPath(folder.Path(), "mine.css");

    ASSERT_EQ(StyleFile::WriteStyleFileFromPage(file), Outcome::Done);
    const std::string saved = ReadFileOrMissing(file);
    // Exactly the block: from the marker's "<" through "</style>" CR LF, none
    // of the empty lines before it and nothing of the body after it.
    EXPECT_EQ(saved, BlockOf(page));
    EXPECT_EQ(saved.rfind(kMarker, 0), 0u);
    EXPECT_EQ(saved.compare(saved.size() - kEnd.size(), kEnd.size(), kEnd), 0);
    EXPECT_EQ(saved.find(kEnd), saved.size() - kEnd.size());

    ASSERT_EQ(StyleFile::LoadStyleFileIntoPage(file), Outcome::Done);
    EXPECT_EQ(folder.Page(), page);
}

TEST(StyleFile, AClosingTagWithoutCrLfDoesNotEndABlock)
{
    // "</style>" without CR LF does not end a block.
    std::string bare = kBefore + kMarker + "\r\n</style>\n<body>\r\n</body>\r\n";
    std::string text;
    EXPECT_EQ(StyleFile::ExtractStyleFileText(bare, text), Outcome::PageWithoutBlockEnd);
    EXPECT_TRUE(text.empty());
}

TEST(StyleFile, TextIsTakenUpToTheFirstNul)
{
    WorkingFolder folder;
    folder.SetPage(kBefore + kBlock + kAfter);
    const std::string file = JoinPath(folder.Path(), "binary.css");

    // Bytes after a NUL are not part of the text.
    WriteFileOrFail(file, kBlock + std::string("\0\xff\xfe junk", 8) + kMarker);
    ASSERT_EQ(StyleFile::LoadStyleFileIntoPage(file), Outcome::Done);
    EXPECT_EQ(folder.Page(), kBefore + kBlock + kAfter);

    // A marker only after the NUL is not seen: the format is incorrect.
    std::string binary("\x89PNG\r\n\x1a\n\0\0\0", 11);
    for (int i = 0; i < 256; ++i) binary += static_cast<char>(i);
    WriteFileOrFail(file, binary + kBlock);
    EXPECT_EQ(StyleFile::LoadStyleFileIntoPage(file), Outcome::FormatIncorrect);
    EXPECT_EQ(folder.Page(), kBefore + kBlock + kAfter);

    // High bytes before any NUL are carried over as they are.
    const std::string high = "\x80\xfe\xff\r\n" + kBlock;
    WriteFileOrFail(file, high);
    ASSERT_EQ(StyleFile::LoadStyleFileIntoPage(file), Outcome::Done);
    EXPECT_EQ(folder.Page(), kBefore + high + kAfter);
}

TEST(StyleFile, LoadRefusalsLeaveThePageAsItWas)
{
    WorkingFolder folder;
    const std::string page = kBefore + kBlock + kAfter;
    folder.SetPage(page);
    const std::string file = JoinPath(folder.Path(), "in.css");

    struct Case {
        const char* what;
        std::string path;
        Outcome expected;
    };
    WriteFileOrFail(JoinPath(folder.Path(), "plain.css"), "body{\r\n}\r\n<!-- Glimmer patch -->\r\n");
    WriteFileOrFail(JoinPath(folder.Path(), "empty.css"), "");
    ASSERT_TRUE(CreateFolder(JoinPath(folder.Path(), "folder.css")));
    const Case cases[] = {
        {"no marker comment", JoinPath(folder.Path(), "plain.css"), Outcome::FormatIncorrect},
        {"empty file", JoinPath(folder.Path(), "empty.css"), Outcome::FormatIncorrect},
        {"missing file", JoinPath(folder.Path(), "missing.css"), Outcome::FileUnreadable},
        {"folder", JoinPath(folder.Path(), "folder.css"), Outcome::FileUnreadable},
        {"missing folder", JoinPath(JoinPath(folder.Path(), "none"), "x.css"), Outcome::FileUnreadable},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StyleFile::LoadStyleFileIntoPage(c.path), c.expected) << c.what;
        EXPECT_EQ(folder.Page(), page) << c.what;
    }

    // A file over the bound is refused before it is read: a sparse file of
    // 16 MiB + 1 whose text would otherwise be accepted.
    {
        WriteFileOrFail(file, kBlock);
        std::filesystem::resize_file(std::filesystem::u8path(file), StyleFile::kMaxStyleFileSize + 1);
        EXPECT_EQ(StyleFile::LoadStyleFileIntoPage(file), Outcome::FileTooLarge);
        EXPECT_EQ(folder.Page(), page);
        // At the bound it is still read.
        std::filesystem::resize_file(std::filesystem::u8path(file), StyleFile::kMaxStyleFileSize);
        EXPECT_EQ(StyleFile::LoadStyleFileIntoPage(file), Outcome::Done);
    }
}

TEST(StyleFile, AWorkingPageWithoutItsMarkerIsNeitherCutNorSavedEmpty)
{
    WorkingFolder folder;
    const std::string damaged = kBefore + "<style type=\"text/css\">\r\nbody{\r\n}\r\n" + kEnd + kAfter;
    folder.SetPage(damaged);
    const std::string file = JoinPath(folder.Path(), "x.css");
    WriteFileOrFail(file, kBlock);

    // Loading would have deleted the page's first ten characters.
    EXPECT_EQ(StyleFile::LoadStyleFileIntoPage(file), Outcome::PageWithoutMarker);
    EXPECT_EQ(folder.Page(), damaged);

    // Saving would have written an empty file over the old one.
    EXPECT_EQ(StyleFile::WriteStyleFileFromPage(file), Outcome::PageWithoutMarker);
    EXPECT_EQ(ReadFileOrMissing(file), kBlock);

    // A block that never ends is not saved either.
    folder.SetPage(kBefore + kMarker + "\r\n<style type=\"text/css\">\r\n" + kAfter);
    EXPECT_EQ(StyleFile::WriteStyleFileFromPage(file), Outcome::PageWithoutBlockEnd);
    EXPECT_EQ(ReadFileOrMissing(file), kBlock);

    // No working page at all.
    std::remove(WorkingPagePath().c_str());
    EXPECT_EQ(StyleFile::LoadStyleFileIntoPage(file), Outcome::PageUnreadable);
    EXPECT_EQ(StyleFile::WriteStyleFileFromPage(file), Outcome::PageUnreadable);
    EXPECT_EQ(ReadFileOrMissing(file), kBlock);
    EXPECT_EQ(folder.Page(), "<missing>");
}

TEST(StyleFile, ASaveThatCannotBeWrittenReportsFailure)
{
    WorkingFolder folder;
    folder.SetPage(kBefore + kBlock + kAfter);
    const std::string inFolder = JoinPath(folder.Path(), "taken.css");
    ASSERT_TRUE(CreateFolder(inFolder));
    EXPECT_EQ(StyleFile::WriteStyleFileFromPage(inFolder), Outcome::FileNotWritten);
    const std::string noFolder = JoinPath(JoinPath(folder.Path(), "none"), "x.css");
    EXPECT_EQ(StyleFile::WriteStyleFileFromPage(noFolder), Outcome::FileNotWritten);
    EXPECT_EQ(ReadFileOrMissing(noFolder), "<missing>");
}

TEST(StyleFile, EveryRefusalHasAMessageAndFileRefusalsNameTheFile)
{
    const std::string path = "C:\\styles\\mine.css";
    EXPECT_TRUE(StyleFile::OutcomeMessage(Outcome::Done, StyleFile::Operation::Load, path).empty());
    for (const Outcome outcome :
         {Outcome::FormatIncorrect, Outcome::FileUnreadable, Outcome::FileTooLarge, Outcome::PageUnreadable,
          Outcome::PageWithoutMarker, Outcome::PageWithoutBlockEnd, Outcome::FileNotWritten,
          Outcome::PageNotWritten}) {
        const std::string load = StyleFile::OutcomeMessage(outcome, StyleFile::Operation::Load, path);
        const std::string save = StyleFile::OutcomeMessage(outcome, StyleFile::Operation::Save, path);
        EXPECT_FALSE(load.empty());
        EXPECT_FALSE(save.empty());
        const bool aboutTheFile = outcome == Outcome::FileUnreadable || outcome == Outcome::FileTooLarge ||
                                  outcome == Outcome::FileNotWritten;
        EXPECT_EQ(load.find(path) != std::string::npos, aboutTheFile) << load;
    }
}
