// The main frame: Glimmerpatch's one top-level window. It sets the start-up
// directory and the working page path, writes the working page, and holds
// for the whole run the command bar with the frame's menu, the toolbar, the
// rebar, the status bar and the split window with the preview view above the
// tab container and its sixteen section pages.
//
// Every change a section page writes arrives here as kPageChangedMessage
// (sections/ProgramMessages.h; sent, so the page is written when it
// arrives): the saved flag goes to no and the preview reloads. The page then
// hands the frame whether the change was stored, and a change that was not
// is told once (NoteStoreResult). The close request asks " Save page before
// exit? " when the flag is no and then closes whatever the answer;
// destroying the frame ends the message loop with exit code 1.
//
// F6 and Shift+F6 move the keyboard focus between the panes: the preview,
// the tab strip and the page shown (framework/Panes.h).
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/FrameBars.h"
#include "app/StyleFileCommands.h"
#include "controls/TabContainer.h"
#include "framework/CommandBar.h"
#include "framework/DpiScale.h"
#include "framework/GdiHandles.h"
#include "framework/Owned.h"
#include "framework/SplitWindow.h"
#include "framework/Window.h"
#include "page/PreviewView.h"
#include "sections/ProgramMessages.h"
#include "sections/SectionPageSet.h"
#include "style/StoreResult.h"

class MainFrame : public BaseWindow<MainFrame> {
public:
    // The bottom pane's share of the frame's client height at creation, bar
    // included, in pixels at 96 DPI (scaled with the frame's DPI).
    static constexpr int kPagesPaneHeight = 247;

    MainFrame() = default;

    // Creates the frame at the default position and size, with the frame's
    // menu and accelerator table (IDR_GP_MAINFRAME, IDR_GP_ACCELERATORS).
    // nullptr when it cannot be created - among others when the working page
    // cannot be written into the start-up directory or the tab strip or a
    // section page cannot be made, which the user has then been told.
    HWND Create();

    // Whether the style has not changed since it was last loaded, saved or
    // reverted (the exit prompt asks only when it has).
    bool Saved() const { return !commands_ || commands_->Saved(); }

    // Reloads the preview from the working page file.
    void RefreshPreview();

    HACCEL Accelerators() const { return accelerators_; }
    // The frame's menu as the command bar shows it.
    HMENU Menu() const { return commandBar_.Menu(); }
    PreviewView& Preview() { return preview_; }
    TabContainer& Tabs() { return tabs_; }
    // The section pages, those not made yet included (as empty slots).
    const sections::SectionPageSet& Pages() const { return pages_; }
    sections::SectionPageSet& Pages() { return pages_; }

    // Icon IDI_GP_APP, arrow cursor, the button face behind the bars.
    static const WindowClass kWindowClass;
    static const MessageMap<MainFrame> kMessageMap;

private:
    // The steps of the frame's creation, in their order. Those that return
    // bool end the creation on false, the user told why.
    void TakeStartupFolder();
    void MakeBars();
    void MakeClientArea();
    bool WriteFirstPage();
    void MakePreview();
    bool MakeSectionPages();
    void ArrangePanes();
    void StartIdleWork();

    LRESULT OnCreate(Message& message);
    LRESULT OnSize(Message& message);
    LRESULT OnDpiChanged(Message& message);
    LRESULT OnClose(Message& message);
    LRESULT OnDestroy(Message& message);
    LRESULT OnPageChanged(Message& message);
    LRESULT OnStoreFailedNotice(Message& message);
    LRESULT OnPageFailedNotice(Message& message);

    // Open, Save, Revert to Saved and Revert to Default, which the
    // style-file commands carry out.
    LRESULT OnStyleFileCommand(Message& message);
    // Show Code, Donate and About (app/DialogCommands.h).
    LRESULT OnDialogCommand(Message& message);

    LRESULT OnExit(Message& message);
    LRESULT OnViewToolbar(Message& message);
    LRESULT OnViewStatusBar(Message& message);
    LRESULT OnRevertDropDown(Message& message);
    LRESULT OnMenuSelect(Message& message);
    LRESULT OnRebarHeightChange(Message& message);
    LRESULT OnSystemChange(Message& message);
    LRESULT OnSystemChangesDue(Message& message);
    LRESULT OnNothing(Message& message);
    LRESULT OnPaneCommand(Message& message);

    void LayOut();
    // Tells every window inside the frame that it works at dpi from now on.
    void TakeDpi(int dpi);
    // Puts the split bar so that the pages pane and the bar take
    // kPagesPaneHeight at the given DPI from the bottom of a client area of
    // the given height.
    void PlaceSplit(int clientHeight, int dpi);
    // The frame's caption and task bar icons, drawn for the given DPI.
    void SetIcons(int dpi);
    void SetMenuCheck(UINT command, bool checked);

    // After every change a page's handler made: a failed store is told once
    // until a change is stored again (status bar and a message box naming
    // the page); a stored one puts the status bar back to its idle text.
    void NoteStoreResult(StoreResult stored);

    HACCEL accelerators_ = nullptr;
    Owned<CommandBar> commandBar_;
    // Icons for a DPI other than the system's (the class's icons are for
    // the system's DPI); the frame destroys them with itself.
    IconHandle bigIcon_;
    IconHandle smallIcon_;
    FrameToolBar toolBar_;
    FrameRebar rebar_;
    FrameStatusBar statusBar_;
    Owned<SplitWindow> split_;
    Owned<PreviewView> preview_;
    Owned<TabContainer> tabs_;
    sections::SectionPageSet pages_;
    // Made once the preview exists.
    std::optional<StyleFileCommands> commands_;
    bool toolbarVisible_ = true;
    bool closing_ = false;
    // The DPI the frame decided on (framework/Dpi.h).
    int dpi_ = kDefaultDpi;
    // While the frame takes the rectangle of a DPI change: laid out once after.
    bool applyingDpi_ = false;
    // The kinds of system change of a burst, passed on once it is over.
    struct PendingChanges {
        bool setting = false;
        bool colour = false;
        bool theme = false;
        bool posted = false;
        WPARAM settingWParam = 0;
        std::wstring section;
    };
    PendingChanges pendingChanges_;
    bool storeFailureShown_ = false;
    bool storeFailureNoticePending_ = false;
};
