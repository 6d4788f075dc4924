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
// the window shows a notice (a heading and a text) instead of a blank area.
//
// Create it as Owned<ControlHost> (or Owned<PreviewView>, ...). Call
// ControlHost::RegisterWindowClass() once (after CoInitializeEx with a
// single-threaded apartment) before creating hosts.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <string>

#include "framework/Window.h"

class HostSite;

class ControlHost : public Window {
public:
    static constexpr const wchar_t* kClassName = L"GlimmerControlHost";
    // What the ambient download-control property answers: pictures, videos
    // and sounds load and scripts run, but no Java and no ActiveX control is
    // downloaded or run; every load asks the file again, past any cache.
    static const DWORD kDownloadControl;

    ControlHost() = default;
    ~ControlHost() override;

    static bool RegisterWindowClass();

    // Creates the hosting window as a child of parent; creationText is the
    // window text and the address to host.
    HWND Create(HWND parent, const std::wstring& creationText, const RECT& rect, UINT id,
                DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                DWORD exStyle = WS_EX_CLIENTEDGE);

    // The hosted control (not AddRef'ed), or nullptr when none is hosted.
    IUnknown* Control() const { return control_; }
    // The container's site object as the control sees it (not AddRef'ed).
    IUnknown* Site() const;
    // The control's own window, or nullptr.
    HWND ControlWindow() const;

    // Hides the control and paints the heading and text in its place.
    void ShowNotice(const std::wstring& heading, const std::wstring& text);
    bool NoticeShown() const { return noticeShown_; }
    const std::wstring& NoticeHeading() const { return noticeHeading_; }
    const std::wstring& NoticeText() const { return noticeText_; }

    // Gives the control the first look at a keyboard message of the message
    // loop (tab keys, shortcuts inside the page). True when it took it.
    bool TranslateControlAccelerator(MSG* message);

    // Site objects alive in the process: each host makes one, and it goes
    // away when the host and the control have both let go of it.
    static long LiveSiteCount();

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override;

    // After the control has been created and activated, before it navigates:
    // the place to subscribe to its events.
    virtual void OnControlCreated(IUnknown* control) { (void)control; }
    // Before the control is closed and released.
    virtual void OnControlDestroying(IUnknown* control) { (void)control; }

private:
    bool CreateControl(const std::wstring& address);
    void DestroyControl();
    void SizeControl();
    void PaintNotice(HDC dc);
    void FreeFonts();

    HostSite* site_ = nullptr;
    IUnknown* control_ = nullptr;
    IOleObject* oleObject_ = nullptr;
    IOleInPlaceObject* inPlaceObject_ = nullptr;

    bool noticeShown_ = false;
    std::wstring noticeHeading_;
    std::wstring noticeText_;
    HFONT headingFont_ = nullptr;
    HFONT textFont_ = nullptr;
};
