// The style file commands with the real prompts and the system's open and
// save dialogs under Wine, answered from a thread timer (ModalDriver.h):
// the saved flag, the refreshes, what lands in the working page and in the
// style files, and that failures keep the user's files intact.
#include "app/StyleFileCommands.h"
#include "page/WorkingPage.h"
#include "style/FileText.h"
#include "style/StyleDocument.h"
#include "style/StyleFile.h"
#include "tests/native/TestSupport.h"
#include "tests/windows/ModalDriver.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

using modal_driver::Click;
using modal_driver::DialogCounter;
using modal_driver::FindDialog;
using modal_driver::MessageText;
using modal_driver::Script;
using modal_driver::ThreadDialogs;
using testing_support::ReadFileOrMissing;
using testing_support::WriteFileOrFail;

namespace {

const std::string kMarker = StyleFile::kMarkerComment;
const std::string kEnd = StyleFile::kBlockEnd;

std::wstring Widen(const std::string& text)
{
    return std::wstring(text.begin(), text.end());
}

std::string BlockOf(const std::string& page)
{
    const auto begin = page.find(kMarker);
    const auto end = page.find(kEnd, begin);
    return page.substr(begin, end + kEnd.size() - begin);
}

std::vector<std::wstring> FolderEntries(const std::string& folder)
{
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    const std::string pattern = folder.back() == '\\' ? folder + "*" : folder + "\\*";
    HANDLE search = FindFirstFileW(Widen(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

// The enabled open or save dialog of this thread: the dialog with a file
// name box.
HWND FindFileDialog()
{
    for (HWND dialog : ThreadDialogs())
        if (IsWindowEnabled(dialog) && (GetDlgItem(dialog, cmb13) || GetDlgItem(dialog, edt1))) return dialog;
    return nullptr;
}

// The enabled message box of this thread whose text is text.
HWND FindMessage(const std::wstring& text)
{
    for (HWND dialog : ThreadDialogs())
        if (IsWindowEnabled(dialog) && MessageText(dialog) == text) return dialog;
    return nullptr;
}

// Steps a user takes: answer a prompt, type a name into the file dialog and
// press its OK (answering Yes when it asks before replacing a file), cancel
// it, acknowledge a message.
Script& Answer(Script& script, const std::wstring& prompt, int button)
{
    return script.Then("prompt", [prompt, button] {
        HWND box = FindMessage(prompt);
        if (!box) return false;
        Click(box, button);
        return true;
    });
}

Script& ChooseFile(Script& script, const std::wstring& name)
{
    script.Then("file dialog", [name] {
        HWND dialog = FindFileDialog();
        if (!dialog) return false;
        const int box = GetDlgItem(dialog, cmb13) ? cmb13 : edt1;
        SendMessageW(dialog, CDM_SETCONTROLTEXT, box, reinterpret_cast<LPARAM>(name.c_str()));
        Click(dialog, IDOK);
        return true;
    });
    // Gone, or asking before it replaces a file.
    return script.ThenMaybe("file dialog closes", [] {
        for (HWND dialog : ThreadDialogs()) {
            if (IsWindowEnabled(dialog) && MessageText(dialog).find(L"exists") != std::wstring::npos) {
                Click(dialog, IDYES);
                return false;
            }
        }
        return FindFileDialog() == nullptr;
    });
}

Script& CancelFile(Script& script)
{
    return script.Then("cancel file dialog", [] {
        HWND dialog = FindFileDialog();
        if (!dialog) return false;
        Click(dialog, IDCANCEL);
        return true;
    });
}

// Acknowledges the message box that holds all of the parts, and keeps its
// text.
Script& Acknowledge(Script& script, std::wstring& text, std::vector<std::wstring> parts)
{
    return script.Then("message", [&text, parts] {
        for (HWND dialog : ThreadDialogs()) {
            const std::wstring shown = MessageText(dialog);
            if (!IsWindowEnabled(dialog) || shown.empty()) continue;
            bool all = true;
            for (const auto& part : parts) all = all && shown.find(part) != std::wstring::npos;
            if (!all) continue;
            text = shown;
            Click(dialog, IDOK);
            return true;
        }
        return false;
    });
}

class StyleFileCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(WriteWorkingPage());
        defaultPage_ = folder_.Page();
        frame_ = CreateWindowExW(0, L"Static", L"Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 30, 30, 900, 700,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(frame_);
        preview_ = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 0, 0, 900, 400, frame_, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        SetActiveWindow(frame_);
        commands_.emplace(frame_, preview_, [this] { ++refreshes_; });
    }
    void TearDown() override
    {
        if (frame_) DestroyWindow(frame_);
    }

    // Runs a command while the script answers its dialogs.
    template <class Command>
    void Run(Script& script, Command command)
    {
        script.Start();
        command();
        script.Stop();
        ASSERT_EQ(script.Failure(), "") << "hung at this step";
        ASSERT_TRUE(script.Done()) << "not reached: " << script.Pending();
    }

    // Changes the page as a property handler would, and tells the frame.
    void ChangePage(const std::string& colour)
    {
        StyleDocument::SetProperty("body{", "color", colour);
        commands_->OnPageChanged();
    }

    std::string File(const std::string& name) const { return JoinPath(folder_.Path(), name); }

    testing_support::WorkingFolder folder_;
    std::string defaultPage_;
    HWND frame_ = nullptr;
    HWND preview_ = nullptr;
    std::optional<StyleFileCommands> commands_;
    int refreshes_ = 0;
};

} // namespace

TEST_F(StyleFileCommandsTest, SaveThenOpenGivesBackThePageByteForByte)
{
    ChangePage("rgb(1, 2, 3)");
    EXPECT_FALSE(commands_->Saved());
    EXPECT_EQ(refreshes_, 1);
    const std::string page = folder_.Page();

    // A name typed without extension is saved with ".css".
    Script save;
    ChooseFile(save, Widen(File("mine")));
    Run(save, [&] { commands_->Save(); });
    EXPECT_TRUE(commands_->Saved());
    const std::string saved = ReadFileOrMissing(File("mine.css"));
    EXPECT_EQ(saved, BlockOf(page));
    EXPECT_EQ(saved.rfind(kMarker + "\r\n", 0), 0u);
    EXPECT_EQ(saved.substr(saved.size() - kEnd.size()), kEnd);
    EXPECT_EQ(ReadFileOrMissing(File("mine")), "<missing>");

    // After a save closing asks nothing.
    {
        DialogCounter dialogs;
        commands_->PromptBeforeExit();
        EXPECT_EQ(dialogs.Count(), 0);
    }

    ChangePage("rgb(9, 9, 9)");
    ASSERT_NE(folder_.Page(), page);
    Script open;
    Answer(open, StyleFileCommands::kLoadPrompt, IDYES);
    ChooseFile(open, Widen(File("mine.css")));
    Run(open, [&] { commands_->Open(); });
    EXPECT_EQ(folder_.Page(), page);
    EXPECT_TRUE(commands_->Saved());
    EXPECT_EQ(refreshes_, 3);
}

TEST_F(StyleFileCommandsTest, NoOnEachPromptOpensNoDialogAndChangesNothing)
{
    struct Case {
        const wchar_t* prompt;
        StyleFile::Outcome (StyleFileCommands::*command)();
    };
    const Case cases[] = {
        {StyleFileCommands::kLoadPrompt, &StyleFileCommands::Open},
        {StyleFileCommands::kRevertToSavedPrompt, &StyleFileCommands::RevertToSaved},
        {StyleFileCommands::kRevertToDefaultPrompt, &StyleFileCommands::RevertToDefault},
    };
    for (const bool savedBefore : {false, true}) {
        for (const Case& c : cases) {
            ChangePage(savedBefore ? "red" : "blue");
            commands_->SetSaved(savedBefore);
            const std::string page = folder_.Page();
            const int refreshes = refreshes_;
            DialogCounter dialogs;
            Script script;
            Answer(script, c.prompt, IDNO);
            Run(script, [&] { EXPECT_EQ(((*commands_).*c.command)(), StyleFile::Outcome::Cancelled); });
            EXPECT_EQ(dialogs.Count(), 1) << "only the prompt";
            EXPECT_EQ(folder_.Page(), page);
            EXPECT_EQ(commands_->Saved(), savedBefore);
            EXPECT_EQ(refreshes_, refreshes);
        }
    }
}

TEST_F(StyleFileCommandsTest, AFileWithoutTheMarkerChangesOnlyTheSavedFlag)
{
    WriteFileOrFail(File("plain.css"), "body{\r\n\tcolor: red;\r\n}\r\n");
    const std::string page = folder_.Page();
    std::wstring shown;
    Script script;
    Answer(script, StyleFileCommands::kLoadPrompt, IDYES);
    ChooseFile(script, Widen(File("plain.css")));
    Acknowledge(script, shown, {L"File format incorrect!"});
    Run(script, [&] { EXPECT_EQ(commands_->Open(), StyleFile::Outcome::FormatIncorrect); });
    EXPECT_EQ(shown, L"File format incorrect!");
    EXPECT_EQ(folder_.Page(), page);
    EXPECT_FALSE(commands_->Saved());
    EXPECT_EQ(refreshes_, 0);
}

TEST_F(StyleFileCommandsTest, AFileThatCannotBeReadChangesNothingAndSaysWhich)
{
    WriteFileOrFail(File("held.css"), kMarker + "\r\n" + kEnd);
    HANDLE held = CreateFileW(Widen(File("held.css")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::string page = folder_.Page();
    for (const std::string name : {"held.css", "typed-but-missing.css"}) {
        std::wstring shown;
        Script script;
        Answer(script, StyleFileCommands::kRevertToSavedPrompt, IDYES);
        ChooseFile(script, Widen(File(name)));
        Acknowledge(script, shown, {Widen(name)});
        Run(script, [&] { commands_->RevertToSaved(); });
        EXPECT_NE(shown.find(Widen(File(name))), std::wstring::npos) << "the message names the file";
        EXPECT_EQ(folder_.Page(), page);
        EXPECT_FALSE(commands_->Saved());
    }
    CloseHandle(held);
    EXPECT_EQ(refreshes_, 0);
}

TEST_F(StyleFileCommandsTest, TextBeforeTheMarkerLandsInThePageAndTheNextSaveStartsAtTheMarker)
{
    const std::string block = BlockOf(defaultPage_);
    const std::string other = kMarker + "\r\n<style type=\"text/css\">\r\np{\r\n}\r\n" + kEnd;
    WriteFileOrFail(File("with-note.css"), "note before\r\n" + other);
    Script open;
    Answer(open, StyleFileCommands::kRevertToSavedPrompt, IDYES);
    ChooseFile(open, Widen(File("with-note.css")));
    Run(open, [&] { commands_->RevertToSaved(); });
    std::string expected = defaultPage_;
    expected.replace(expected.find(block), block.size(), "note before\r\n" + other);
    EXPECT_EQ(folder_.Page(), expected);
    EXPECT_TRUE(commands_->Saved());
    EXPECT_EQ(refreshes_, 1);

    Script save;
    ChooseFile(save, Widen(File("again.css")));
    Run(save, [&] { commands_->Save(); });
    EXPECT_EQ(ReadFileOrMissing(File("again.css")), other);
}

TEST_F(StyleFileCommandsTest, RevertToDefaultWritesTheTemplateAndRefreshes)
{
    ChangePage("rgb(4, 5, 6)");
    ASSERT_NE(folder_.Page(), defaultPage_);
    Script script;
    Answer(script, StyleFileCommands::kRevertToDefaultPrompt, IDYES);
    Run(script, [&] { commands_->RevertToDefault(); });
    EXPECT_EQ(folder_.Page(), defaultPage_);
    EXPECT_TRUE(commands_->Saved());
    EXPECT_EQ(refreshes_, 2);
}

TEST_F(StyleFileCommandsTest, CancellingAFileDialogClearsTheFlagAndChangesNothing)
{
    const std::string page = folder_.Page();
    Script open;
    Answer(open, StyleFileCommands::kLoadPrompt, IDYES);
    CancelFile(open);
    Run(open, [&] { EXPECT_EQ(commands_->Open(), StyleFile::Outcome::Cancelled); });
    EXPECT_FALSE(commands_->Saved());

    commands_->SetSaved(true);
    Script save;
    CancelFile(save);
    Run(save, [&] { EXPECT_EQ(commands_->Save(), StyleFile::Outcome::Cancelled); });
    EXPECT_FALSE(commands_->Saved());
    EXPECT_EQ(folder_.Page(), page);
    EXPECT_EQ(refreshes_, 0);
    EXPECT_EQ(FolderEntries(folder_.Path()), std::vector<std::wstring>{L"MySpace.html"});
}

TEST_F(StyleFileCommandsTest, TheExitPromptComesExactlyWhenTheFlagIsNo)
{
    {
        DialogCounter dialogs;
        commands_->PromptBeforeExit();
        EXPECT_EQ(dialogs.Count(), 0);
    }
    ChangePage("green");
    {
        DialogCounter dialogs;
        Script script;
        Answer(script, StyleFileCommands::kExitPrompt, IDNO);
        Run(script, [&] { commands_->PromptBeforeExit(); });
        EXPECT_EQ(dialogs.Count(), 1);
    }
    // Yes and a cancelled dialog: the close goes on, nothing is written.
    {
        Script script;
        Answer(script, StyleFileCommands::kExitPrompt, IDYES);
        CancelFile(script);
        Run(script, [&] { commands_->PromptBeforeExit(); });
        EXPECT_FALSE(commands_->Saved());
    }
    // Yes and a save that is refused: the question comes again.
    WriteFileOrFail(File("taken.css"), "old");
    HANDLE held = CreateFileW(Widen(File("taken.css")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    {
        std::wstring shown;
        Script script;
        Answer(script, StyleFileCommands::kExitPrompt, IDYES);
        ChooseFile(script, Widen(File("taken.css")));
        Acknowledge(script, shown, {L"taken.css"});
        Answer(script, StyleFileCommands::kExitPrompt, IDYES);
        ChooseFile(script, Widen(File("exit.css")));
        Run(script, [&] { commands_->PromptBeforeExit(); });
        EXPECT_EQ(ReadFileOrMissing(File("exit.css")), BlockOf(folder_.Page()));
    }
    CloseHandle(held);
    EXPECT_EQ(ReadFileOrMissing(File("taken.css")), "old");
}

TEST_F(StyleFileCommandsTest, ASaveOntoAReadOnlyOrHeldFileKeepsItAndReportsFailure)
{
    const std::string old = "the user's old style\r\n";
    WriteFileOrFail(File("readonly.css"), old);
    ASSERT_TRUE(SetFileAttributesW(Widen(File("readonly.css")).c_str(), FILE_ATTRIBUTE_READONLY));
    WriteFileOrFail(File("held.css"), old);
    HANDLE held = CreateFileW(Widen(File("held.css")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const auto entries = FolderEntries(folder_.Path());

    for (const std::string name : {"readonly.css", "held.css"}) {
        commands_->SetSaved(true);
        std::wstring shown;
        Script script;
        ChooseFile(script, Widen(File(name)));
        Acknowledge(script, shown, {Widen(File(name))});
        Run(script, [&] { commands_->Save(); });
        EXPECT_FALSE(commands_->Saved()) << name;
        EXPECT_FALSE(shown.empty()) << name;
        EXPECT_EQ(FolderEntries(folder_.Path()), entries) << "no temporary file is left";
    }
    CloseHandle(held);
    SetFileAttributesW(Widen(File("readonly.css")).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(ReadFileOrMissing(File("readonly.css")), old);
    EXPECT_EQ(ReadFileOrMissing(File("held.css")), old);
}

TEST_F(StyleFileCommandsTest, AWorkingPageWithoutItsMarkerIsNotSavedEmpty)
{
    std::string damaged = folder_.Page();
    damaged.erase(damaged.find(kMarker), kMarker.size());
    folder_.SetPage(damaged);
    WriteFileOrFail(File("kept.css"), "kept\r\n");
    std::wstring shown;
    Script script;
    ChooseFile(script, Widen(File("kept.css")));
    Acknowledge(script, shown, {Widen(kMarker)});
    Run(script, [&] { commands_->Save(); });
    EXPECT_EQ(ReadFileOrMissing(File("kept.css")), "kept\r\n");
    EXPECT_FALSE(commands_->Saved());

    // Loading into it refuses too, and the page keeps its first characters.
    WriteFileOrFail(File("good.css"), BlockOf(defaultPage_));
    Script open;
    Answer(open, StyleFileCommands::kLoadPrompt, IDYES);
    ChooseFile(open, Widen(File("good.css")));
    Acknowledge(open, shown, {Widen(kMarker)});
    Run(open, [&] { commands_->Open(); });
    EXPECT_EQ(folder_.Page(), damaged);
}

// Run by StyleFile_FullDiskDrive, which maps drive T: onto a small tmpfs.
TEST_F(StyleFileCommandsTest, FullDiskSaveKeepsTheOldFile)
{
    const char* drive = std::getenv("GLIMMER_FULL_DISK_DRIVE");
    if (!drive) GTEST_SKIP() << "needs a full disk drive (StyleFile_FullDiskDrive)";
    const std::string target = std::string(drive) + "style.css";
    const std::string old = BlockOf(defaultPage_).substr(0, 200);
    WriteFileOrFail(target, old);
    // Fill the disk up, leaving less room than one style file takes.
    const std::string filler = std::string(drive) + "filler.bin";
    {
        HANDLE file = CreateFileW(Widen(filler).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        std::string chunk(4096, 'x');
        DWORD written = 0;
        while (WriteFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &written, nullptr) &&
               written == chunk.size()) {
        }
        chunk.resize(1);
        while (WriteFile(file, chunk.data(), 1, &written, nullptr) && written == 1) {
        }
        CloseHandle(file);
    }
    const auto entries = FolderEntries(drive);
    std::wstring shown;
    Script script;
    ChooseFile(script, Widen(target));
    Acknowledge(script, shown, {Widen(target)});
    Run(script, [&] { commands_->Save(); });
    EXPECT_FALSE(commands_->Saved());
    EXPECT_EQ(ReadFileOrMissing(target), old);
    EXPECT_EQ(FolderEntries(drive), entries) << "no temporary file is left";
    DeleteFileW(Widen(filler).c_str());
    DeleteFileW(Widen(target).c_str());
}
