#include "app/MainFrame.h"

#include <commctrl.h>

#include <string>

#include "app/DialogCommands.h"
#include "app/UserNotices.h"
#include "framework/DialogHelpers.h"
#include "framework/Dpi.h"
#include "framework/MessageLoop.h"
#include "framework/Panes.h"
#include "framework/SystemChanges.h"
#include "style/UserMessages.h"
#include "style/Utf16.h"
#include "page/WorkingPage.h"
#include "resources/ResourceIds.h"
#include "sections/SectionCatalogue.h"

namespace {

// The split window's id (the frame's client area) and the tab container's.
constexpr UINT kClientId = 0xE900;
constexpr UINT kTabContainerId = 0xE901;
// The tab strip's style word: scroll buttons, bottom edge, hot tracking,
// bold selected title.
constexpr DWORD kTabStripStyle = 0x2143;

static_assert(ID_GP_KEY_NEXT_PANE == kNextPaneCommand && ID_GP_KEY_PREVIOUS_PANE == kPreviousPaneCommand,
              "F6 and Shift+F6 are the framework's pane commands");

// A command by its id alone: menus send code 0, accelerators code 1, the
// toolbar BN_CLICKED.
constexpr MessageEntry<MainFrame> OnCommandId(UINT id, LRESULT (MainFrame::*handler)(Message&))
{
    return {WM_COMMAND, true, id, false, 0, handler};
}

std::wstring CurrentDirectory()
{
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    if (needed == 0) return std::wstring();
    std::wstring directory(needed, L'\0');
    const DWORD length = GetCurrentDirectoryW(needed, &directory[0]);
    directory.resize(length < needed ? length : 0);
    return directory;
}

} // namespace

const WindowClass MainFrame::kWindowClass = {
    .name = L"GlimmerpatchMainFrame", .background = COLOR_BTNFACE, .iconId = IDI_GP_APP};

const MessageMap<MainFrame> MainFrame::kMessageMap = {
    OnMessage(WM_CREATE, &MainFrame::OnCreate),
    OnMessage(WM_SIZE, &MainFrame::OnSize),
    OnMessage(WM_DPICHANGED, &MainFrame::OnDpiChanged),
    OnMessage(WM_CLOSE, &MainFrame::OnClose),
    OnMessage(WM_DESTROY, &MainFrame::OnDestroy),
    OnMessage(kPageChangedMessage, &MainFrame::OnPageChanged),
    OnMessage(kStoreFailedNoticeMessage, &MainFrame::OnStoreFailedNotice),
    OnMessage(kPageFailedNoticeMessage, &MainFrame::OnPageFailedNotice),
    OnMessage(WM_MENUSELECT, &MainFrame::OnMenuSelect),
    OnNotify(FrameToolBar::kWindowId, TBN_DROPDOWN, &MainFrame::OnRevertDropDown),
    OnNotifyCode(RBN_HEIGHTCHANGE, &MainFrame::OnRebarHeightChange),
    OnMessage(WM_SETTINGCHANGE, &MainFrame::OnSystemChange),
    OnMessage(WM_SYSCOLORCHANGE, &MainFrame::OnSystemChange),
    OnMessage(WM_THEMECHANGED, &MainFrame::OnSystemChange),
    OnMessage(kSystemChangesDueMessage, &MainFrame::OnSystemChangesDue),

    // The style-file commands, the code view and the About dialog.
    OnCommandId(ID_GP_OPEN, &MainFrame::OnStyleFileCommand),
    OnCommandId(ID_GP_SAVE, &MainFrame::OnStyleFileCommand),
    OnCommandId(ID_GP_REVERT_TO_SAVED, &MainFrame::OnStyleFileCommand),
    OnCommandId(ID_GP_REVERT_TO_DEFAULT, &MainFrame::OnStyleFileCommand),
    OnCommandId(ID_GP_SHOW_CODE, &MainFrame::OnDialogCommand),
    OnCommandId(ID_GP_DONATE, &MainFrame::OnDialogCommand),
    OnCommandId(ID_GP_ABOUT, &MainFrame::OnDialogCommand),

    OnCommandId(ID_GP_EXIT, &MainFrame::OnExit),
    OnCommandId(ID_GP_VIEW_TOOLBAR, &MainFrame::OnViewToolbar),
    OnCommandId(ID_GP_VIEW_STATUS_BAR, &MainFrame::OnViewStatusBar),

    // The "Revert..." button's own command: pressing it drops the menu down.
    OnCommandId(ID_GP_REVERT, &MainFrame::OnNothing),
    // The commands of the accelerator table, which the frame takes so that
    // the keys never reach an edit of a page, and acts on none of but the
    // pane keys.
    OnCommandId(ID_GP_NEW, &MainFrame::OnNothing),
    OnCommandId(ID_GP_KEY_OPEN, &MainFrame::OnNothing),
    OnCommandId(ID_GP_KEY_SAVE, &MainFrame::OnNothing),
    OnCommandId(ID_GP_KEY_PRINT, &MainFrame::OnNothing),
    OnCommandId(ID_GP_KEY_UNDO, &MainFrame::OnNothing),
    OnCommandId(ID_GP_KEY_CUT, &MainFrame::OnNothing),
    OnCommandId(ID_GP_KEY_COPY, &MainFrame::OnNothing),
    OnCommandId(ID_GP_KEY_PASTE, &MainFrame::OnNothing),
    // F6 and Shift+F6, and Tab at the end of a pane.
    OnCommandId(ID_GP_KEY_NEXT_PANE, &MainFrame::OnPaneCommand),
    OnCommandId(ID_GP_KEY_PREVIOUS_PANE, &MainFrame::OnPaneCommand),
};

HWND MainFrame::Create()
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HMENU menu = LoadMenuW(instance, MAKEINTRESOURCEW(IDR_GP_MAINFRAME));
    accelerators_ = LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_GP_ACCELERATORS));
    const std::wstring title = LoadResourceString(IDS_APP_TITLE);
    HWND frame = BaseWindow::Create({.menu = menu,
                                     .rect = {CW_USEDEFAULT, CW_USEDEFAULT, 0, 0},  // the system's place and size
                                     .style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                     .exStyle = WS_EX_APPWINDOW,
                                     .title = title.c_str()});
    // A menu that no window took is ours to free.
    if (!frame && menu && IsMenu(menu)) DestroyMenu(menu);
    return frame;
}

LRESULT MainFrame::OnCreate(Message&)
{
    // The frame decides the DPI of everything in it: its display's.
    dpi_ = MonitorDpi(Handle());
    SetDecidedDpi(Handle(), dpi_);
    if (dpi_ != SystemDpi()) SetIcons(dpi_);
    TakeStartupFolder();
    MakeBars();
    MakeClientArea();
    if (!WriteFirstPage()) return -1;
    MakePreview();
    if (!MakeSectionPages()) return -1;
    ArrangePanes();
    StartIdleWork();
    return 0;
}

// The working page lives in the folder the program was started in.
void MainFrame::TakeStartupFolder()
{
    SetStartupDirectory(NarrowToUtf8(CurrentDirectory()));
}

// The command bar with the frame's menu, the toolbar, the rebar that holds
// both, and the status bar.
void MainFrame::MakeBars()
{
    HWND frame = Handle();
    // The menu moves into the command bar, so the frame keeps no menu bar of
    // its own.
    commandBar_.Create(frame, frame);
    HMENU menu = GetMenu(frame);
    SetMenu(frame, nullptr);
    if (menu && !commandBar_.AttachMenu(menu)) DestroyMenu(menu);

    // The toolbar loads its buttons and images itself; without its toolbar
    // resource it stays empty and the frame works on through the menus.
    toolBar_.Create(frame);

    // The rebar puts the command bar on the first row and the toolbar below.
    if (rebar_.Create(frame)) {
        if (dpi_ != SystemDpi()) rebar_.UseDpi(dpi_);
        rebar_.AddBand(commandBar_.Handle(), commandBar_.IdealSize());  // FrameRebar::kCommandBarBand
        if (toolBar_.Handle())                                          // FrameRebar::kToolBarBand
            rebar_.AddBand(toolBar_.Handle(), toolBar_.IdealSize(), {.newRow = true, .gripper = true});
    }

    // The status bar starts with its idle text.
    statusBar_.Create(frame);
}

// The split window fills the client area between the bars.
void MainFrame::MakeClientArea()
{
    split_.Create(Handle(), RECT{}, kClientId);
    LayOut();
}

// Write the working page before anything shows it. Without it every change
// would silently go nowhere, so a folder that cannot take it ends the program
// here.
bool MainFrame::WriteFirstPage()
{
    if (WriteWorkingPage()) return true;
    ShowUserMessage(nullptr, StartupFolderNotWritableText(WidenUtf8(StartupDirectory())),
                    MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
    return false;
}

// The preview writes the page once more and shows it; the style-file
// commands tell their messages through it and refresh it.
void MainFrame::MakePreview()
{
    preview_.Create(split_.Handle());
    commands_.emplace(Handle(), preview_.Handle(), [this] { RefreshPreview(); });
}

// The tab container that holds the section pages, with a sunken edge, a tab
// for every section page and the first page, selected, so that the frame can
// show at once; the other pages are made while the loop is idle, one at a
// time in tab order, or at once when their tab is chosen first. Each reports
// its changes to this frame. Without the strip or the first page the frame
// is of no use: the user is told, and the program ends as when the frame
// itself cannot be made.
bool MainFrame::MakeSectionPages()
{
    HWND frame = Handle();
    tabs_.SetStripStyle(kTabStripStyle);
    const bool tabsMade = tabs_.Create(split_.Handle(), RECT{}, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN |
                                       WS_CLIPSIBLINGS, kTabContainerId, WS_EX_CLIENTEDGE) != nullptr;
    pages_.SetStoreNotice([this](StoreResult stored) { NoteStoreResult(stored); });
    if (!tabsMade || !pages_.Start(tabs_, frame)) {
        ShowUserMessage(nullptr, SectionPagesNotCreatedText(), MB_OK | MB_ICONEXCLAMATION | MB_SETFOREGROUND);
        return false;
    }
    pages_.SetFailureNotice(
        [frame](int tabIndex) { PostMessageW(frame, kPageFailedNoticeMessage, static_cast<WPARAM>(tabIndex), 0); });
    return true;
}

// Preview above, pages below. The pages keep their height when the frame is
// resized, so the split is set from the bottom. Both bars start visible, and
// the View menu says so.
void MainFrame::ArrangePanes()
{
    split_.SetPanes(preview_.Handle(), tabs_.Handle());
    RECT client{};
    GetClientRect(Handle(), &client);
    PlaceSplit(client.bottom - client.top, dpi_);
    SetMenuCheck(ID_GP_VIEW_TOOLBAR, true);
    SetMenuCheck(ID_GP_VIEW_STATUS_BAR, true);
}

// The frame's keys are translated before any window sees them. The idle step
// makes one page at a time, so input never waits for more than one page;
// without a loop to run it the pages are made now.
void MainFrame::StartIdleWork()
{
    if (MessageLoop* loop = MessageLoop::Current()) {
        loop->SetAccelerators(Handle(), accelerators_);
        loop->SetIdleStep([this] { return pages_.MakeNextPage(); });
    } else {
        while (pages_.MakeNextPage()) {
        }
    }
}

void MainFrame::LayOut()
{
    LayOutFrame(Handle(), rebar_.Handle(), statusBar_.Handle(), split_.Handle());
}

LRESULT MainFrame::OnSize(Message& message)
{
    if (message.wParam != SIZE_MINIMIZED && !applyingDpi_) LayOut();
    return 0;
}

void MainFrame::PlaceSplit(int clientHeight, int dpi)
{
    split_.SetSplitPosition(clientHeight - ScaleForDpi(kPagesPaneHeight, dpi));
}

// The frame has moved to a display of another DPI (or its display's scale
// was changed). It takes the DPI the message carries and the rectangle the
// system suggests, which keeps its size as the user sees it; a DPI no
// display has or no rectangle is not trusted, and nothing changes. Every
// window inside is told the DPI first and remakes its fonts, pictures and
// sizes - the pages lay themselves out again from their templates, the
// command bar takes its menu font and its band is refitted - and then the
// frame is laid out once, the pages pane given its height for the DPI, and
// what depends on the final sizes (the pages' scroll positions) follows.
LRESULT MainFrame::OnDpiChanged(Message& message)
{
    const int dpi = HIWORD(message.wParam);
    const auto* suggested = reinterpret_cast<const RECT*>(message.lParam);
    if (!IsUsableDpi(dpi) || LOWORD(message.wParam) != dpi || !suggested || suggested->right <= suggested->left ||
        suggested->bottom <= suggested->top)
        return 0;
    const RECT place = *suggested;
    if (dpi != dpi_) TakeDpi(dpi);
    applyingDpi_ = true;
    SetWindowPos(Handle(), nullptr, place.left, place.top, place.right - place.left, place.bottom - place.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    applyingDpi_ = false;
    LayOut();
    if (split_.Handle()) {
        RECT client{};
        GetClientRect(split_.Handle(), &client);
        PlaceSplit(client.bottom - client.top, dpi_);
    }
    PassToChildren(Handle(), kDpiLaidOutMessage, static_cast<WPARAM>(dpi_), 0);
    return 0;
}

// Everything inside the frame works at its DPI from here on; the bars in
// the rebar's bands hear of it from the frame (the rebar passes nothing on).
void MainFrame::TakeDpi(int dpi)
{
    dpi_ = dpi;
    SetDecidedDpi(Handle(), dpi);
    PassToChildren(Handle(), kUseDpiMessage, static_cast<WPARAM>(dpi), 0);
    if (commandBar_.Handle()) {
        SendMessageW(commandBar_.Handle(), kUseDpiMessage, static_cast<WPARAM>(dpi), 0);
        rebar_.FitBand(commandBar_.Handle(), commandBar_.IdealSize());
    }
    toolBar_.UseDpi(dpi);
    rebar_.UseDpi(dpi);
    statusBar_.UseDpi(dpi);
    SetIcons(dpi);
}

void MainFrame::SetIcons(int dpi)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    HICON big = nullptr;
    HICON small = nullptr;
    if (dpi != SystemDpi()) {
        // Not shared: a shared icon is the class's size whatever size is asked.
        big = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_GP_APP), IMAGE_ICON,
                                            SystemMetricForDpi(SM_CXICON, dpi), SystemMetricForDpi(SM_CYICON, dpi),
                                            LR_DEFAULTCOLOR));
        small = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_GP_APP), IMAGE_ICON,
                                              SystemMetricForDpi(SM_CXSMICON, dpi),
                                              SystemMetricForDpi(SM_CYSMICON, dpi), LR_DEFAULTCOLOR));
    }
    // Without icons of its own the frame shows its class's.
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
    bigIcon_.Reset(big);
    smallIcon_.Reset(small);
}

LRESULT MainFrame::OnRebarHeightChange(Message&)
{
    LayOut();
    return 0;
}

// A change of the system's fonts, metrics, colours or theme reaches only
// top-level windows, and the system sends several for one change in its
// settings. The frame notes what changed and, once the burst is over (a
// posted message, handled when no other waits), passes each kind on once to
// its children (the rebar, the status bar and the split window, which
// passes it on to the preview and the tab container, and so on down); the
// bars in the rebar remake their fonts and sizes, and the frame lays itself
// out again, so that the window looks as if it had been started with the
// new settings.
LRESULT MainFrame::OnSystemChange(Message& message)
{
    if (message.message == WM_SETTINGCHANGE) {
        pendingChanges_.setting = true;
        pendingChanges_.settingWParam = message.wParam;
        const auto* section = reinterpret_cast<const wchar_t*>(message.lParam);
        pendingChanges_.section = section ? section : L"";
    }
    if (message.message == WM_SYSCOLORCHANGE) pendingChanges_.colour = true;
    if (message.message == WM_THEMECHANGED) pendingChanges_.theme = true;
    if (!pendingChanges_.posted && PostMessageW(Handle(), kSystemChangesDueMessage, 0, 0))
        pendingChanges_.posted = true;
    else if (!pendingChanges_.posted)
        OnSystemChangesDue(message);
    message.handled = false;
    return 0;
}

LRESULT MainFrame::OnSystemChangesDue(Message&)
{
    const PendingChanges changes = std::move(pendingChanges_);
    pendingChanges_ = {};
    auto pass = [&](UINT kind, WPARAM wParam, LPARAM lParam) {
        PassToChildren(Handle(), kind, wParam, lParam);
        PassSystemChangeToBars(kind, wParam, lParam, commandBar_, toolBar_, rebar_, statusBar_);
    };
    if (changes.setting)
        pass(WM_SETTINGCHANGE, changes.settingWParam,
             changes.section.empty() ? 0 : reinterpret_cast<LPARAM>(changes.section.c_str()));
    if (changes.colour) pass(WM_SYSCOLORCHANGE, 0, 0);
    if (changes.theme) pass(WM_THEMECHANGED, 0, 0);
    if (changes.setting || changes.colour || changes.theme) LayOut();
    return 0;
}

void MainFrame::SetMenuCheck(UINT command, bool checked)
{
    if (HMENU menu = commandBar_.Menu())
        CheckMenuItem(menu, command, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MainFrame::RefreshPreview()
{
    if (preview_.Handle()) preview_.Refresh();
}

LRESULT MainFrame::OnPageChanged(Message&)
{
    if (commands_) commands_->OnPageChanged();
    return 0;
}

void MainFrame::NoteStoreResult(StoreResult stored)
{
    if (stored == StoreResult::Stored) {
        if (storeFailureShown_) statusBar_.ShowIdleText();
        storeFailureShown_ = false;
        return;
    }
    if (storeFailureShown_) return;
    storeFailureShown_ = true;
    if (HWND status = statusBar_.Handle()) {
        const std::wstring text = WorkingPageNotWritableStatus(WidenUtf8(WorkingPagePath()));
        SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    if (!storeFailureNoticePending_) {
        storeFailureNoticePending_ = true;
        PostMessageW(Handle(), kStoreFailedNoticeMessage, 0, 0);
    }
}

LRESULT MainFrame::OnStoreFailedNotice(Message&)
{
    if (!storeFailureNoticePending_) return 0;
    storeFailureNoticePending_ = false;
    ShowUserMessage(Handle(), WorkingPageNotWritableText(WidenUtf8(WorkingPagePath())), MB_OK | MB_ICONEXCLAMATION);
    return 0;
}

LRESULT MainFrame::OnPageFailedNotice(Message& message)
{
    const auto& catalogue = sections::SectionCatalogue();
    if (message.wParam >= catalogue.size()) return 0;
    ShowUserMessage(Handle(), PageNotMadeText(WidenUtf8(catalogue[message.wParam].title)), MB_OK | MB_ICONEXCLAMATION);
    return 0;
}

LRESULT MainFrame::OnClose(Message&)
{
    // The exit prompt never stops the close. A second close request while
    // the prompt is open (the close box again, a message from outside)
    // waits for the first.
    if (closing_) return 0;
    closing_ = true;
    if (commands_) commands_->PromptBeforeExit();
    Destroy();
    return 0;
}

LRESULT MainFrame::OnDestroy(Message&)
{
    if (MessageLoop* loop = MessageLoop::Current()) {
        loop->SetAccelerators(nullptr, nullptr);
        loop->SetIdleStep(nullptr);
    }
    // Icons of the frame's own go with it.
    if (bigIcon_ || smallIcon_) SetIcons(SystemDpi());
    ForgetDecidedDpi(Handle());
    PostQuitMessage(1);
    return 0;
}

LRESULT MainFrame::OnMenuSelect(Message& message)
{
    statusBar_.ShowMenuHelp(message.wParam, message.lParam);
    return 0;
}

LRESULT MainFrame::OnRevertDropDown(Message& message)
{
    const auto* notification = reinterpret_cast<const NMTOOLBARW*>(message.lParam);
    if (!notification || notification->iItem != ID_GP_REVERT) {
        message.handled = false;
        return 0;
    }
    ShowRevertDropDown(commandBar_, toolBar_);
    return TBDDRET_DEFAULT;
}

LRESULT MainFrame::OnExit(Message&)
{
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
    return 0;
}

LRESULT MainFrame::OnViewToolbar(Message&)
{
    toolbarVisible_ = !toolbarVisible_;
    rebar_.ShowBand(FrameRebar::kToolBarBand, toolbarVisible_);
    SetMenuCheck(ID_GP_VIEW_TOOLBAR, toolbarVisible_);
    LayOut();
    return 0;
}

LRESULT MainFrame::OnViewStatusBar(Message&)
{
    HWND status = statusBar_.Handle();
    if (!status) return 0;
    const bool show = !IsWindowVisible(status);
    ShowWindow(status, show ? SW_SHOWNOACTIVATE : SW_HIDE);
    SetMenuCheck(ID_GP_VIEW_STATUS_BAR, show);
    LayOut();
    return 0;
}

LRESULT MainFrame::OnNothing(Message&)
{
    return 0;
}

// The panes in the order F6 visits them, top to bottom: the preview, the
// tab strip, the page shown. A page is entered at its first stop going
// forward and at its last going back, as Tab and Shift+Tab would. The
// focus cues show from now on, as after any move by the keyboard.
LRESULT MainFrame::OnPaneCommand(Message& message)
{
    const bool forward = LOWORD(message.wParam) == ID_GP_KEY_NEXT_PANE;
    const std::vector<HWND> panes = {preview_.Handle(), tabs_.Strip().Handle(), tabs_.ActivePage()};
    const int next = NeighbourPane(panes, GetFocus(), forward);
    if (next < 0) return 0;
    SendMessageW(Handle(), WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    if (panes[static_cast<size_t>(next)] != tabs_.ActivePage() || !tabs_.FocusActivePage(forward))
        SetFocus(panes[static_cast<size_t>(next)]);
    return 0;
}

LRESULT MainFrame::OnStyleFileCommand(Message& message)
{
    if (commands_) commands_->HandleCommand(LOWORD(message.wParam));
    return 0;
}

LRESULT MainFrame::OnDialogCommand(Message& message)
{
    RunDialogCommand(LOWORD(message.wParam));
    return 0;
}
