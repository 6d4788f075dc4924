// A window that hosts the platform's web browser control: our own minimal
// in-place container (client site, in-place site and frame, ambient
// properties through IDispatch, a host security manager through
// IServiceProvider).
//
// The creation text says what to host: a text that contains a colon (a path
// such as "C:\dir\page.html" or an address) creates the browser control,
// sized to the client area and visible, and navigates it there with
// IWebBrowser2::Navigate2. Any other text hosts nothing.
//
// What the container allows the pages it shows: their own scripts run; no
// ActiveX control is downloaded, run or scripted, and no Java runs. Both the
// ambient download-control property and the security manager say so, because
// the pages may come from files the user opened.
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
// that has called CoInitializeEx for a single-threaded apartment.
#pragma once

#include <windows.h>
#include <exdisp.h>
#include <ole2.h>
#include <wrl/client.h>

#include <string>

#include "framework/GdiHandles.h"
#include "framework/Window.h"

class HostSite;

class ControlHost : public BaseWindow<ControlHost> {
public:
    // What the ambient download-control property answers: pictures, videos
    // and sounds load and scripts run, but no Java and no ActiveX control is
    // downloaded or run; every load asks the file again, past any cache.
    static const DWORD kDownloadControl;

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

    // Hides the control and paints the heading and text in its place.
    void ShowNotice(const std::wstring& heading, const std::wstring& text);
    bool NoticeShown() const { return noticeShown_; }
    const std::wstring& NoticeHeading() const { return noticeHeading_; }
    const std::wstring& NoticeText() const { return noticeText_; }

    // What IWebBrowser2::Navigate2 answered at creation (S_OK before it
    // ran). A navigation that fails at once reports nothing else.
    HRESULT NavigateResult() const { return navigateResult_; }

    // Gives the control the first look at a keyboard message of its own
    // windows (arrow keys, Page Down and Tab inside the page). True when it
    // took it. The thread's message loop calls it for every key message
    // inside the host once the control is up (framework/MessageLoop.h).
    bool TranslateControlAccelerator(MSG* message);

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

    bool noticeShown_ = false;
    std::wstring noticeHeading_;
    std::wstring noticeText_;
    GdiObject<HFONT> headingFont_;
    GdiObject<HFONT> textFont_;
    int noticeDpi_ = 0;   // told by the frame; until then the window's own
};
