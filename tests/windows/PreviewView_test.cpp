// The preview view and its browser host under Wine: the container's answers
// to the control (ambient download control, host security manager, document
// host), the view's creation order and subscription, its two notices, the
// document mode, and create/refresh/destroy cycles that leave nothing behind,
// all in a folder named with "#", "%", blanks and a letter beyond ASCII.
#include <gtest/gtest.h>

#include <windows.h>
#include <exdisp.h>
#include <mshtmdid.h>
#include <mshtmhst.h>
#include <mshtml.h>
#include <olectl.h>
#include <servprov.h>
#include <urlmon.h>

#include <cstdio>
#include <memory>
#include <string>

#include "framework/ControlHost.h"
#include "framework/Owned.h"
#include "page/PreviewRefresh.h"
#include "page/PreviewView.h"
#include "resources/ResourceIds.h"
#include "style/Utf16.h"
#include "page/WorkingPage.h"
#include "tests/windows/WindowTestSupport.h"

using namespace window_tests;
using Microsoft::WRL::ComPtr;

namespace {

// The process set up as the program's: OLE on this thread, and the document
// mode written for this test program (and taken away again).
class ProgramSetUp : public ::testing::Environment {
    void SetUp() override
    {
        ole_ = std::make_unique<OleSession>();
        wchar_t path[MAX_PATH] = {};
        const std::wstring program(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
        name_ = program.substr(program.find_last_of(L'\\') + 1);
        wrote_ = PreviewView::UseCurrentDocumentMode(name_);
    }
    void TearDown() override
    {
        if (wrote_) RegDeleteKeyValueW(HKEY_CURRENT_USER, PreviewView::kEmulationKey, name_.c_str());
        ole_.reset();
    }
    std::unique_ptr<OleSession> ole_;
    std::wstring name_;
    bool wrote_ = false;
};
const auto* const programSetUp = ::testing::AddGlobalTestEnvironment(new ProgramSetUp);

// Where the cycle test is, on the error stream: a run stopped at its time
// limit shows the cycle and the step it stopped in.
void Phase(int cycle, const char* phase)
{
    std::fprintf(stderr, "cycle %d: %s\n", cycle, phase);
    std::fflush(stderr);
}

// Dispatches what is queued until the queue is empty, for at most timeoutMs.
// False when it never ran empty: a window that keeps posting to itself or
// keeps asking to be painted would otherwise hold the test for ever.
bool DrainQueue(DWORD timeoutMs = 5000)
{
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
        if (GetTickCount64() >= deadline) return false;
    }
    return true;
}

class PreviewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::make_unique<TemporaryFolder>(L"glimmer #1 100% pr\u00e9view");
        SetStartupDirectory(NarrowToUtf8(folder_->Path()));
        host_ = std::make_unique<HostWindow>(L"Preview host", 700, 500);
        ASSERT_NE(host_->Handle(), nullptr);
    }
    void TearDown() override
    {
        host_.reset();
        EXPECT_TRUE(DrainQueue());
        folder_.reset();
    }

    RECT HostClient() const
    {
        RECT client{};
        GetClientRect(host_->Handle(), &client);
        return client;
    }

    std::unique_ptr<TemporaryFolder> folder_;
    std::unique_ptr<HostWindow> host_;
};

bool FileExists(const std::string& utf8Path)
{
    return GetFileAttributesW(WidenUtf8(utf8Path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

TEST_F(PreviewTest, ContainerAnswersAmbientDownloadControlAndUrlActions)
{
    Owned<ControlHost> host;
    const std::wstring page = WidenUtf8(WorkingPagePath());
    ASSERT_NE(host.Create(host_->Handle(), page, HostClient(), 1), nullptr);
    ASSERT_NE(host.Control(), nullptr) << "the browser control could not be created";

    // The control holds our site: the same object identity comes back from it.
    IOleObject* object = nullptr;
    ASSERT_HRESULT_SUCCEEDED(host.Control()->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&object)));
    IOleClientSite* heldSite = nullptr;
    ASSERT_HRESULT_SUCCEEDED(object->GetClientSite(&heldSite));
    IUnknown* heldIdentity = nullptr;
    heldSite->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&heldIdentity));
    EXPECT_EQ(heldIdentity, host.Site());
    heldIdentity->Release();
    heldSite->Release();
    object->Release();

    // Ambient download control: pictures load and scripts run; no Java, no ActiveX.
    IDispatch* ambient = nullptr;
    ASSERT_HRESULT_SUCCEEDED(host.Site()->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&ambient)));
    VARIANT value;
    VariantInit(&value);
    DISPPARAMS none{};
    ASSERT_HRESULT_SUCCEEDED(ambient->Invoke(DISPID_AMBIENT_DLCONTROL, IID_NULL, LOCALE_USER_DEFAULT,
                                             DISPATCH_PROPERTYGET, &none, &value, nullptr, nullptr));
    ASSERT_EQ(value.vt, VT_I4);
    const DWORD flags = static_cast<DWORD>(value.lVal);
    const DWORD mustHave =
        DLCTL_NO_JAVA | DLCTL_NO_RUNACTIVEXCTLS | DLCTL_NO_DLACTIVEXCTLS | DLCTL_DLIMAGES | DLCTL_SILENT;
    EXPECT_EQ(flags & mustHave, mustHave);
    EXPECT_EQ(flags & (DLCTL_NO_SCRIPTS | DLCTL_DOWNLOADONLY), 0u);
    VariantInit(&value);
    EXPECT_EQ(ambient->Invoke(DISPID_AMBIENT_PALETTE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                              &value, nullptr, nullptr),
              DISP_E_MEMBERNOTFOUND);
    ambient->Release();

    // The host security manager, reached as the control reaches it.
    IServiceProvider* services = nullptr;
    ASSERT_HRESULT_SUCCEEDED(
        host.Site()->QueryInterface(IID_IServiceProvider, reinterpret_cast<void**>(&services)));
    IInternetSecurityManager* security = nullptr;
    ASSERT_HRESULT_SUCCEEDED(services->QueryService(SID_SInternetSecurityManager, IID_IInternetSecurityManager,
                                                    reinterpret_cast<void**>(&security)));
    void* other = nullptr;
    EXPECT_EQ(services->QueryService(IID_IWebBrowserApp, IID_IUnknown, &other), E_NOINTERFACE);
    services->Release();

    struct Expected {
        DWORD action;
        HRESULT result;
        DWORD policy;
    };
    const Expected answers[] = {
        {URLACTION_SCRIPT_RUN, S_OK, URLPOLICY_ALLOW},
        {URLACTION_ACTIVEX_RUN, S_FALSE, URLPOLICY_DISALLOW},
        {URLACTION_ACTIVEX_OVERRIDE_OBJECT_SAFETY, S_FALSE, URLPOLICY_DISALLOW},
        {URLACTION_DOWNLOAD_SIGNED_ACTIVEX, S_FALSE, URLPOLICY_DISALLOW},
        {URLACTION_DOWNLOAD_UNSIGNED_ACTIVEX, S_FALSE, URLPOLICY_DISALLOW},
        {URLACTION_SCRIPT_SAFE_ACTIVEX, S_FALSE, URLPOLICY_DISALLOW},
        {URLACTION_SCRIPT_OVERRIDE_SAFETY, S_FALSE, URLPOLICY_DISALLOW},
        {URLACTION_HTML_JAVA_RUN, S_FALSE, URLPOLICY_JAVA_PROHIBIT},
        {URLACTION_JAVA_PERMISSIONS, S_FALSE, URLPOLICY_JAVA_PROHIBIT},
        {URLACTION_SCRIPT_JAVA_USE, S_FALSE, URLPOLICY_JAVA_PROHIBIT},
    };
    for (const Expected& expected : answers) {
        DWORD policy = 0xDEADBEEF;
        const HRESULT hr = security->ProcessUrlAction(page.c_str(), expected.action, reinterpret_cast<BYTE*>(&policy),
                                                      sizeof(policy), nullptr, 0, PUAF_DEFAULT, 0);
        EXPECT_EQ(hr, expected.result) << std::hex << expected.action;
        EXPECT_EQ(policy, expected.policy) << std::hex << expected.action;
    }
    // Everything else stays with the platform's own manager.
    for (DWORD action : {DWORD(URLACTION_SHELL_FILE_DOWNLOAD), DWORD(URLACTION_HTML_SUBMIT_FORMS),
                         DWORD(URLACTION_CROSS_DOMAIN_DATA)}) {
        DWORD policy = 0xDEADBEEF;
        EXPECT_EQ(security->ProcessUrlAction(page.c_str(), action, reinterpret_cast<BYTE*>(&policy), sizeof(policy),
                                             nullptr, 0, PUAF_DEFAULT, 0),
                  INET_E_DEFAULT_ACTION);
        EXPECT_EQ(policy, 0xDEADBEEFu);
    }
    security->Release();

    // The document host: no border of its own, DPI aware, themed; no menu.
    ComPtr<IDocHostUIHandler> handler;
    ASSERT_HRESULT_SUCCEEDED(host.Site()->QueryInterface(IID_IDocHostUIHandler, &handler));
    DOCHOSTUIINFO info{sizeof(info), 0, 0, nullptr, nullptr};
    ASSERT_HRESULT_SUCCEEDED(handler->GetHostInfo(&info));
    const DWORD hostFlags = DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_DPI_AWARE | DOCHOSTUIFLAG_THEME;
    EXPECT_EQ(info.dwFlags & hostFlags, hostFlags);
    POINT at{100, 100};
    for (DWORD menu : {CONTEXT_MENU_DEFAULT, CONTEXT_MENU_IMAGE, CONTEXT_MENU_TEXTSELECT, CONTEXT_MENU_ANCHOR})
        EXPECT_EQ(handler->ShowContextMenu(menu, &at, nullptr, nullptr), S_OK) << "the engine's menu " << menu;

    // The program's accelerators, Ctrl+Tab and F5 pass; the keys that leave
    // the page are used up, by the handler and by the host's own filter.
    auto press = [&](WORD key, bool alt) {
        MSG message{host.ControlWindow(), UINT(alt ? WM_SYSKEYDOWN : WM_KEYDOWN), key, alt ? KF_ALTDOWN << 16 : 0,
                    0, {}};
        const HRESULT answer = handler->TranslateAccelerator(&message, nullptr, 0);
        EXPECT_EQ(answer == S_OK, answer == S_OK && host.TranslateControlAccelerator(&message)) << key;
        return answer;
    };
    HACCEL table = LoadAcceleratorsW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_GP_ACCELERATORS));
    ACCEL keys[32];
    const int count = CopyAcceleratorTableW(table, keys, 32);
    ASSERT_GT(count, 0);
    for (int i = 0; i < count; ++i) EXPECT_EQ(press(keys[i].key, keys[i].fVirt & FALT), S_FALSE) << keys[i].cmd;
    for (WORD key : {VK_TAB, VK_F5}) EXPECT_EQ(press(key, false), S_FALSE);
    for (WORD key : {VK_LEFT, VK_RIGHT}) EXPECT_EQ(press(key, true), S_OK);
    for (WORD key : {VK_BACK, VK_BROWSER_BACK, VK_BROWSER_FORWARD}) EXPECT_EQ(press(key, false), S_OK);

    // No navigation sound in this process; OLE has been up since start-up.
    EXPECT_EQ(CoInternetIsFeatureEnabled(FEATURE_DISABLE_NAVIGATION_SOUNDS, GET_FEATURE_FROM_PROCESS), S_OK);
    const OleSession again;
    EXPECT_EQ(again.Result(), S_FALSE);
}

TEST_F(PreviewTest, ControlFillsTheHostAndFollowsItsSize)
{
    Owned<ControlHost> host;
    ASSERT_NE(host.Create(host_->Handle(), L"C:\\nowhere\\page.html", RECT{10, 10, 410, 310}, 1), nullptr);
    HWND control = host.ControlWindow();
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(IsWindowVisible(control));
    for (SIZE size : {SIZE{400, 300}, SIZE{250, 120}, SIZE{640, 420}}) {
        SetWindowPos(host.Handle(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        RECT client{}, filled{};
        GetClientRect(host.Handle(), &client);
        GetWindowRect(control, &filled);
        MapWindowPoints(nullptr, host.Handle(), reinterpret_cast<POINT*>(&filled), 2);
        EXPECT_EQ(filled.left, client.left);
        EXPECT_EQ(filled.top, client.top);
        EXPECT_EQ(filled.right, client.right);
        EXPECT_EQ(filled.bottom, client.bottom);
    }
    // A creation text without a colon hosts nothing.
    Owned<ControlHost> empty;
    ASSERT_NE(empty.Create(host_->Handle(), L"no address here", RECT{0, 0, 100, 100}, 2), nullptr);
    EXPECT_EQ(empty.Control(), nullptr);
    EXPECT_EQ(empty.ControlWindow(), nullptr);
}

TEST_F(PreviewTest, ViewWritesThePageSubscribesAndShowsTheNoticeWhereNothingDraws)
{
    ASSERT_FALSE(FileExists(WorkingPagePath()));
    Owned<PreviewView> view;
    ASSERT_NE(view.Create(host_->Handle(), HostClient()), nullptr);
    EXPECT_TRUE(FileExists(WorkingPagePath())) << "the view writes the working page first";
    ASSERT_NE(view.Browser(), nullptr);
    EXPECT_TRUE(view.Subscribed());

    BSTR location = nullptr;
    ASSERT_HRESULT_SUCCEEDED(view.Browser()->get_LocationURL(&location));
    const std::wstring shown = location ? location : L"";
    SysFreeString(location);

    // The platform's address of the path: the "#" in the folder is no fragment.
    EXPECT_TRUE(AddressNamesFile(NarrowToUtf8(view.Address()), WorkingPagePath())) << NarrowToUtf8(view.Address());
    EXPECT_EQ(view.Address().find(L'#'), std::wstring::npos) << NarrowToUtf8(view.Address());

    PumpUntil([&] { return view.PageShown() || view.NoticeShown(); });
    if (view.PageShown()) {
        // An engine drew the page: it is the working page, and no notice.
        EXPECT_NE(shown.find(L"MySpace.html"), std::wstring::npos) << NarrowToUtf8(shown);
        EXPECT_FALSE(view.NoticeShown());
        view.Refresh();
        EXPECT_TRUE(DrainQueue());
        EXPECT_FALSE(view.NoticeShown());
        return;
    }
    // This machine's Wine has no HTML engine: the navigation fails.
    EXPECT_TRUE(FAILED(static_cast<HRESULT>(view.LastNavigateError())));
    ASSERT_TRUE(view.NoticeShown());
    EXPECT_EQ(view.NoticeText(), PreviewView::NoticeBodyText(WidenUtf8(WorkingPagePath())));
    EXPECT_NE(view.NoticeText().find(WidenUtf8(WorkingPagePath())), std::wstring::npos);
    EXPECT_FALSE(IsWindowVisible(view.ControlWindow())) << "the blank control is hidden under the notice";
    EXPECT_TRUE(IsWindowVisible(view.Handle()));

    // Refreshing keeps the notice and does not fail or hang.
    for (int i = 0; i < 3; ++i) view.Refresh();
    EXPECT_TRUE(DrainQueue());
    EXPECT_TRUE(view.NoticeShown());
    EXPECT_NE(view.Browser(), nullptr);
}

TEST_F(PreviewTest, NoControlWithoutAColonShowsTheNoticeAndRefreshDoesNothing)
{
    // A start-up directory on a network path without a drive letter.
    SetStartupDirectory("\\\\nohost\\share");
    Owned<PreviewView> view;
    ASSERT_NE(view.Create(host_->Handle(), HostClient()), nullptr);
    EXPECT_EQ(view.Browser(), nullptr);
    EXPECT_FALSE(view.Subscribed());
    EXPECT_TRUE(view.NoticeShown());
    EXPECT_NE(view.NoticeText().find(L"\\\\nohost\\share\\MySpace.html"), std::wstring::npos);
    view.Refresh();
    EXPECT_TRUE(view.NoticeShown());
}

// A navigation that fails at once fires no event; the host's result is the
// only word of it, and the view shows the page that could not be shown, with
// the reason, and tries again at the next refresh. A control that has lost
// its client site refuses to navigate: the view here takes the site away
// just before the host navigates, and the test gives it back.
class SiteLessPreview : public PreviewView {
protected:
    void OnControlCreated(IUnknown* control) override
    {
        PreviewView::OnControlCreated(control);
        IOleObject* object = nullptr;
        if (SUCCEEDED(control->QueryInterface(IID_IOleObject, reinterpret_cast<void**>(&object)))) {
            object->SetClientSite(nullptr);
            object->Release();
        }
    }
};

TEST_F(PreviewTest, AFailedFirstNavigationSaysWhyAndTheNextRefreshTriesAgain)
{
    Owned<SiteLessPreview> view;
    ASSERT_NE(view.Create(host_->Handle(), HostClient()), nullptr);
    ASSERT_NE(view.Browser(), nullptr);
    ASSERT_TRUE(FAILED(view.NavigateResult())) << "the control navigated without a site";
    EXPECT_TRUE(view.NoticeShown()) << "no notice before any message was handled";
    EXPECT_EQ(view.NoticeHeading(), PreviewView::FailureHeadingText());
    EXPECT_EQ(view.NoticeText(), PreviewView::FailureBodyText(WidenUtf8(WorkingPagePath()), view.NavigateResult()));
    EXPECT_FALSE(IsWindowVisible(view.ControlWindow()));

    ComPtr<IOleObject> object;
    ComPtr<IOleClientSite> site;
    ASSERT_HRESULT_SUCCEEDED(view.Control()->QueryInterface(IID_IOleObject, &object));
    ASSERT_HRESULT_SUCCEEDED(view.Site()->QueryInterface(IID_IOleClientSite, &site));
    object->SetClientSite(site.Get());
    view.Refresh();
    EXPECT_HRESULT_SUCCEEDED(view.NavigateResult()) << "the refresh navigated again";
    ASSERT_TRUE(PumpUntil([&] { return view.PageShown() || view.NoticeHeading() != PreviewView::FailureHeadingText(); }));
    if (view.PageShown()) EXPECT_FALSE(view.NoticeShown());
    else EXPECT_EQ(view.NoticeHeading(), PreviewView::NoticeHeadingText()) << "this time it found no engine";
}

// Where an engine draws (Windows): the page, which has no DOCTYPE, in quirks
// mode as current browsers draw it, by today's engine. Printed for the run.
TEST_F(PreviewTest, TheWorkingPageIsDrawnInTheCurrentQuirksMode)
{
    Owned<PreviewView> view;
    ASSERT_NE(view.Create(host_->Handle(), HostClient()), nullptr);
    READYSTATE state = READYSTATE_UNINITIALIZED;
    PumpUntil([&] {
        return view.NoticeShown() || (SUCCEEDED(view.Browser()->get_ReadyState(&state)) && state == READYSTATE_COMPLETE);
    });
    if (view.NoticeShown())
        GTEST_SKIP() << "no HTML engine draws here: NavigateError 0x" << std::hex << view.LastNavigateError();
    ComPtr<IDispatch> dispatch;
    ComPtr<IHTMLDocument2> document;
    ComPtr<IHTMLWindow2> window;
    ComPtr<IOmNavigator> navigator;
    ASSERT_HRESULT_SUCCEEDED(view.Browser()->get_Document(&dispatch));
    ASSERT_HRESULT_SUCCEEDED(dispatch.As(&document));
    ASSERT_HRESULT_SUCCEEDED(document->get_parentWindow(&window));
    ASSERT_HRESULT_SUCCEEDED(window->get_navigator(&navigator));
    ComPtr<IHTMLDocument5> document5;
    ComPtr<IHTMLDocument6> document6;
    ASSERT_HRESULT_SUCCEEDED(dispatch.As(&document5));
    ASSERT_HRESULT_SUCCEEDED(dispatch.As(&document6));
    BSTR compat = nullptr, agent = nullptr;
    VARIANT mode{};
    document5->get_compatMode(&compat);
    navigator->get_userAgent(&agent);
    document6->get_documentMode(&mode);
    VariantChangeType(&mode, &mode, 0, VT_R8);
    const std::wstring compatMode = compat ? compat : L"", userAgent = agent ? agent : L"";
    SysFreeString(compat);
    SysFreeString(agent);
    std::printf("document.documentMode %g, compatMode %ls, userAgent %ls\n", mode.dblVal, compatMode.c_str(),
                userAgent.c_str());
    EXPECT_EQ(compatMode, L"BackCompat");
    EXPECT_EQ(userAgent.find(L"MSIE 7.0"), std::wstring::npos) << "the control emulates the old engine";
}

// The document mode's value: written for a program without one, never over one.
TEST(PreviewDocumentMode, WrittenOnlyWhereTheProgramHasNone)
{
    const wchar_t* const name = L"glimmer-document-mode-test.exe";
    auto value = [&] {
        DWORD data = 0, size = sizeof(data);
        RegGetValueW(HKEY_CURRENT_USER, PreviewView::kEmulationKey, name, RRF_RT_REG_DWORD, nullptr, &data, &size);
        return data;
    };
    RegDeleteKeyValueW(HKEY_CURRENT_USER, PreviewView::kEmulationKey, name);
    EXPECT_TRUE(PreviewView::UseCurrentDocumentMode(name));
    EXPECT_EQ(value(), PreviewView::kBrowserEmulation);
    const DWORD users = PreviewView::kBrowserEmulation - 1;
    RegSetKeyValueW(HKEY_CURRENT_USER, PreviewView::kEmulationKey, name, REG_DWORD, &users, sizeof(users));
    EXPECT_FALSE(PreviewView::UseCurrentDocumentMode(name));
    EXPECT_EQ(value(), users);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, PreviewView::kEmulationKey, name);
}

// The only test of the host's live object counts. Each cycle refreshes while
// the navigation still runs, waits for its outcome, refreshes again, paints
// the notice and ends the view, every other time with the window going
// before the object.
TEST_F(PreviewTest, HundredCreateRefreshDestroyCyclesLeaveNothingBehind)
{
    auto cycle = [&](int i) {
        Phase(i, "create");
        auto view = std::make_unique<Owned<PreviewView>>();
        ASSERT_NE(view->Create(host_->Handle(), HostClient()), nullptr);
        Phase(i, "refresh while navigating");
        view->Refresh();
        Phase(i, "wait for the navigation's outcome");
        ASSERT_TRUE(PumpUntil([&] { return view->PageShown() || view->NoticeShown(); }, 10000));
        Phase(i, "refresh");
        view->Refresh();
        Phase(i, "paint");
        UpdateWindow(view->Handle()); // paints the notice (fonts made and freed)
        if (i % 2) {
            Phase(i, "destroy the window first");
            DestroyWindow(view->Handle());
            EXPECT_EQ(view->Browser(), nullptr);
        }
        Phase(i, "end the view");
        view.reset();
        Phase(i, "drain the queue");
        ASSERT_TRUE(DrainQueue());
    };
    // The first cycle loads the control's libraries and the thread's helper windows.
    cycle(0);
    ASSERT_FALSE(HasFatalFailure());
    const int gdi = CountGdiObjects();
    const int user = CountUserObjects();
    ASSERT_GT(gdi, 0);
    ASSERT_GT(user, 0);
    EXPECT_EQ(ControlHost::LiveSiteCount(), 0);
    EXPECT_EQ(PreviewView::LiveEventSinkCount(), 0);

    for (int i = 1; i <= 100 && !HasFatalFailure(); ++i) cycle(i);

    EXPECT_EQ(ControlHost::LiveSiteCount(), 0) << "a site reference is left";
    EXPECT_EQ(PreviewView::LiveEventSinkCount(), 0) << "an event sink reference is left";
    EXPECT_EQ(CountGdiObjects(), gdi);
    EXPECT_EQ(CountUserObjects(), user);
}

} // namespace
