// A window that hosts the platform's web browser control: our own minimal
// in-place container (client site, in-place site and frame, ambient
// properties through IDispatch, a host security manager through
// IServiceProvider, and the document host's user-interface handler).
//
// The creation text says what to host: a text that contains a colon (a path
// such as "C:\dir\page.html" or an address) creates the browser control,
// sized to the client area and visible, and navigates it there with
// IWebBrowser2::Navigate2. A path goes as the address the platform makes of
// it (UrlCreateFromPathW), so that "#", "%" and blanks in folder names stay
// part of the path. Any other text hosts nothing.
//
// What the container allows the pages it shows: their own scripts run; no
// ActiveX control is downloaded, run or scripted, and no Java runs. Both the
// ambient download-control property and the security manager say so, because
// the pages may come from files the user opened.
//
// What the control shows of its own: only the page. The container draws the
// border (the control draws none of its own), the page is zoomed for the
// display's DPI and drawn with the system's theme, the engine shows no
// context menu, no dialog of its own (script errors, security prompts) and
// plays no navigation sound, and its keys that leave the page (Backspace
// outside a text field, Alt+Left, Alt+Right, the keyboard's Back and Forward
// keys) do nothing. The program's own accelerators are translated before
// the control sees a key (framework/MessageLoop.h).
//
// Where no control can be created, or the caller finds that it cannot draw,
// the window shows a notice (a heading and a text) instead of a blank area,
// in the message font and margins for its DPI.
//
// When the window goes, the host stops any navigation and takes its site
// away from the control before it closes and releases it, so that nothing
// calls back into a site whose window is being destroyed.
//
// Create it as Owned<ControlHost> (or Owned<PreviewView>, ...), on a thread
// that holds an OleSession.
#pragma once

#include <windows.h>
#include <exdisp.h>
#include <ole2.h>
#include <wrl/client.h>

#include <string>

#include "framework/GdiHandles.h"
#include "framework/Window.h"

class HostSite;

// OLE for the life of the thread that hosts controls: in-place activation,
// drag and drop and the clipboard of a hosted control need OleInitialize, not
// only the single-threaded apartment of CoInitializeEx. The thread's entry
// routine makes one before its first window and ends it after its last.
class OleSession {
public:
    OleSession() : result_(OleInitialize(nullptr)) {}
    ~OleSession()
    {
        if (SUCCEEDED(result_)) OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;

    // S_OK for the thread's first session, S_FALSE where OLE was up already
    // (each is ended in turn), an error where the thread cannot have it.
    HRESULT Result() const { return result_; }

private:
    HRESULT result_;
};

class ControlHost : public BaseWindow<ControlHost> {
public:
    // What the ambient download-control property answers: pictures, videos
    // and sounds load and scripts run, but no Java and no ActiveX control is
    // downloaded or run; every load asks the file again, past any cache; and
    // nothing on the way shows a dialog.
    static const DWORD kDownloadControl;
    // What the site's GetHostInfo answers (DOCHOSTUIFLAG_...).
    static const DWORD kHostFlags;

    ControlHost() = default;
    ~ControlHost() override;

    // Creates the hosting window as a child of parent; creationText is the
    // window text and the address to host.
    HWND Create(HWND parent, const std::wstring& creationText, const RECT& rect, UINT id,
                DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                DWORD exStyle = WS_EX_CLIENTEDGE);

    // The hosted control (not AddRef'ed), or nullptr when none is hosted.
    IUnknown* Control() const;
    // The container's site object as the control sees it (not AddRef'ed).
    IUnknown* Site() const;
    // The control's own window, or nullptr.
    HWND ControlWindow() const;

    // Hides the control and paints the heading and text in its place;
    // HideNotice shows the control again.
    void ShowNotice(const std::wstring& heading, const std::wstring& text);
    void HideNotice();
    bool NoticeShown() const { return noticeShown_; }
    const std::wstring& NoticeHeading() const { return noticeHeading_; }
    const std::wstring& NoticeText() const { return noticeText_; }

    // Navigates the control to a path or address, as at creation, and
    // returns NavigateResult(). A navigation that fails at once (no control,
    // no address to be made of the path, Navigate2 refusing) reports
    // nothing else; one that fails later fires NavigateError.
    HRESULT Navigate(const std::wstring& pathOrAddress);
    // What the last navigation answered (S_OK before any), and the address
    // it handed the control.
    HRESULT NavigateResult() const { return navigateResult_; }
    const std::wstring& Address() const { return address_; }

    // Gives the control the first look at a keyboard message of its own
    // windows (arrow keys, Page Down and Tab inside the page). True when it
    // took it. The thread's message loop calls it for every key message
    // inside the host once the control is up (framework/MessageLoop.h).
    bool TranslateControlAccelerator(MSG* message);

    // The engine's keys that leave the page: Backspace (Alt+Backspace is
    // the program's own), Alt+Left, Alt+Right, the keyboard's Back and
    // Forward keys. The host uses them up, but Backspace in a field of the
    // page that takes text deletes as it should.
    static bool IsLeavingKey(const MSG& message);

    // Site objects alive in the process: each host makes one, and it goes
    // away when the host and the control have both let go of it.
    static long LiveSiteCount();

    static const WindowClass kWindowClass;
    static const MessageMap<ControlHost> kMessageMap;

protected:
    // After the control has been created and activated, before it navigates:
    // the place to subscribe to its events.
    virtual void OnControlCreated(IUnknown* control) { (void)control; }
    // Before the control is closed and released.
    virtual void OnControlDestroying(IUnknown* control) { (void)control; }

private:
    friend class HostSite;
    // Whether the page's focus is in a field that takes text.
    bool TypingInPage() const;

    LRESULT OnCreate(Message& message);
    LRESULT OnSize(Message& message);
    LRESULT OnEraseBackground(Message& message);
    LRESULT OnPaint(Message& message);
    LRESULT OnSetFocus(Message& message);
    LRESULT OnDestroy(Message& message);

    bool CreateControl(const std::wstring& address);
    void DestroyControl();
    void SizeControl();
    void PaintNotice(HDC dc);
    void FreeFonts();
    LRESULT OnNoticeFontChange(Message& message);

    // The site object (a HostSite) by its first interface.
    Microsoft::WRL::ComPtr<IOleClientSite> site_;
    Microsoft::WRL::ComPtr<IUnknown> control_;
    Microsoft::WRL::ComPtr<IOleObject> oleObject_;
    Microsoft::WRL::ComPtr<IOleInPlaceObject> inPlaceObject_;
    Microsoft::WRL::ComPtr<IWebBrowser2> browser_;
    HRESULT navigateResult_ = S_OK;
    std::wstring address_;

    bool noticeShown_ = false;
    std::wstring noticeHeading_;
    std::wstring noticeText_;
    GdiObject<HFONT> headingFont_;
    GdiObject<HFONT> textFont_;
    int noticeDpi_ = 0;   // told by the frame; until then the window's own
};
