// Whole-file reads and writes: binary mode, odd paths, things that are not files.
#include "style/FileText.h"
#include "page/WorkingPage.h"
#include "style/StyleDocument.h"
#include "tests/native/TestSupport.h"

#include <gtest/gtest.h>

using testing_support::TemporaryFolder;
using testing_support::WorkingFolder;

TEST(FileText, BytesSurviveUntranslated)
{
    TemporaryFolder folder;
    const std::string path = folder.File("bytes.txt");
    const std::string text("a\r\nb\nc\rd\0e\x1a\xff", 13);
    ASSERT_TRUE(WriteWholeFile(path, text));
    std::string back;
    ASSERT_TRUE(ReadWholeFile(path, back));
    EXPECT_EQ(back, text);
    ASSERT_TRUE(WriteWholeFile(path, "")) << "a write truncates";
    ASSERT_TRUE(ReadWholeFile(path, back));
    EXPECT_EQ(back, "");
}

TEST(FileText, MissingFoldersAndOversizedFilesAreUnreadable)
{
    TemporaryFolder folder;
    std::string text = "left over";
    EXPECT_FALSE(ReadWholeFile(folder.File("missing.html"), text));
    EXPECT_EQ(text, "");
    EXPECT_FALSE(ReadWholeFile(folder.Path(), text)) << "a folder is not a file";
    EXPECT_FALSE(WriteWholeFile(JoinPath(folder.File("no-such-folder"), "x.html"), "x"));
    ASSERT_TRUE(WriteWholeFile(folder.File("big.css"), std::string(4096, 'x')));
    EXPECT_FALSE(ReadWholeFile(folder.File("big.css"), text, 4095));
    EXPECT_TRUE(ReadWholeFile(folder.File("big.css"), text, 4096));
}

TEST(FileText, WorkingPageInAFolderOutsideTheAnsiCodePage)
{
    // Greek, Cyrillic and CJK letters plus a blank: no single ANSI code page holds them.
    WorkingFolder folder("glimmer \xce\xb1\xce\xb2 \xd0\xb6 \xe6\xbc\xa2\xe5\xad\x97");
    folder.SetPage("<!-- Glimmerpatch -->\r\n<style type=\"text/css\">\r\nbody{\r\n}\r\n</style>\r\n");
    StyleDocument::SetProperty("body{", "color", "red");
    EXPECT_EQ(StyleDocument::GetStyleCode(), "<style type=\"text/css\">\r\nbody{\r\n\tcolor: red;\r\n}\r\n</style>");
}

TEST(FileText, WorkingPageBeyondTheClassicPathLimit)
{
    WorkingFolder folder("glimmer-long");
    std::string deep = folder.Path();
    for (char letter = 'a'; letter <= 'e'; ++letter) {
        deep = JoinPath(deep, std::string(60, letter));
        ASSERT_TRUE(CreateFolder(deep)) << deep;
    }
    SetStartupDirectory(deep);
    ASSERT_GT(WorkingPagePath().size(), 300u);
    folder.SetPage("<!-- Glimmerpatch -->\r\n<style type=\"text/css\">\r\n</style>\r\n");
    StyleDocument::SetProperty("a{", "color", "red");
    EXPECT_EQ(StyleDocument::GetStyleCode(), "<style type=\"text/css\">\r\na{\r\n\tcolor: red;\r\n}\r\n</style>");
}
