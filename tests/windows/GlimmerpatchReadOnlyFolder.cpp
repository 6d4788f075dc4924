// Glimmerpatch.exe started in a folder that cannot take the working page:
// the user is told which folder, and the program ends without a page. The
// folder is made (and made read-only) by run-read-only-folder-test, which
// passes it in GLIMMER_READONLY_FOLDER as a Unix path.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "ProgramDriver.h"
#include "app/UserNotices.h"

using namespace program_driver;

namespace {

TEST(GlimmerpatchReadOnlyFolder, TellsTheUserAndEndsWithoutAPage)
{
    const char* unixFolder = std::getenv("GLIMMER_READONLY_FOLDER");
    ASSERT_NE(unixFolder, nullptr) << "run by tests/windows/run-read-only-folder-test";
    const std::wstring folder = FromUnixPath(unixFolder);
    ASSERT_FALSE(FileExists(folder + L"\\MySpace.html"));

    Program program;
    ASSERT_TRUE(program.Start(folder));
    HWND box = program.WaitForMessageBox();
    ASSERT_NE(box, nullptr) << "no message";
    EXPECT_EQ(TextOf(box), L"Glimmerpatch");
    std::wstring text;
    for (const std::wstring& part : DialogTexts(box, L"Static")) text += part;
    EXPECT_EQ(text, StartupFolderNotWritableText(folder));
    EXPECT_TRUE(TopLevelWindows(program.Id(), L"GlimmerpatchMainFrame").empty() ||
                !IsWindowVisible(TopLevelWindows(program.Id(), L"GlimmerpatchMainFrame")[0]));

    ClickDialogButton(box, IDOK);
    EXPECT_EQ(program.WaitForExit(), 0u);
    EXPECT_FALSE(FileExists(folder + L"\\MySpace.html"));
}

} // namespace
