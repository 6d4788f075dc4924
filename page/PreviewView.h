// The preview view: the working page shown in the platform's web browser
// control, the top pane of the main frame's split window.
//
// The view is a control-hosting window (framework/ControlHost.h) whose
// creation text is the working page path. As the first step of its creation
// it writes the working page from the template once more; the host then
// creates the browser control, the view takes its IWebBrowser2 and subscribes
// to its DWebBrowserEvents2 (before the one navigation, so that an early
// navigation error is seen), and the host navigates to the page. Every event
// is answered with the default: nothing is cancelled.
//
// A refresh reloads the page while the control shows it (at any fragment,
// as the page's "#self" links leave it); when the control shows anything
// else (a link or the search form the user followed, an error page) the
// refresh navigates back to the working page (page/PreviewRefresh.h).
//
// Where the page cannot be drawn the pane shows a notice with the working
// page path instead of a blank area, and says which of two cases it is:
//   - no engine: the control cannot be created, or its first navigation
//     finds no HTML engine to draw with. Nothing will change that while the
//     program runs, so the notice stays and refreshes do nothing;
//   - the page could not be shown (a path the control cannot open, a file
//     briefly held by another program, ...), with the reason. The next
//     refresh tries again, and the notice goes once the page is shown.
// A page the user went to that fails is the control's own business: it
// shows its error page there, and the next refresh comes back.
#pragma once

#include <windows.h>
#include <exdisp.h>
#include <ocidl.h>
#include <wrl/client.h>

#include <string>

#include "framework/ControlHost.h"

class PreviewEvents;

class PreviewView : public ControlHost {
public:
    PreviewView() = default;
    ~PreviewView() override;

    // Creates the view as a visible child of parent (normally the split
    // window), with the working page path as its creation text.
    HWND Create(HWND parent, const RECT& rect = RECT{}, UINT id = 0);

    // Shows the working page as it is on disk now: reloads it
    // (IWebBrowser2::Refresh), or navigates back to it. Call it after the
    // operation that changed the working page has closed the file.
    void Refresh();

    // The browser control's IWebBrowser2 (not AddRef'ed), or nullptr.
    IWebBrowser2* Browser() const { return browser_.Get(); }
    bool Subscribed() const { return cookie_ != 0; }
    // Whether the control has shown a page (a navigation completed).
    bool PageShown() const { return pageShown_; }
    // The status code of the last NavigateError event, 0 when none came.
    long LastNavigateError() const { return lastNavigateError_; }

    // Event sinks alive in the process (one per subscribed view).
    static long LiveEventSinkCount();

    // The notices' texts for a working page at path: no engine, and the
    // page that could not be shown for a navigation's status code.
    static std::wstring NoticeHeadingText();
    static std::wstring NoticeBodyText(const std::wstring& path);
    static std::wstring FailureHeadingText();
    static std::wstring FailureBodyText(const std::wstring& path, long status);

    // The document mode the control draws in, chosen for this program
    // alone: the per-user browser-emulation value named after the program's
    // file, written only where the user has no value of that name. Call it
    // before the process makes its first browser control (the engine reads
    // the value then). Returns whether it wrote the value.
    static bool UseCurrentDocumentMode(const std::wstring& programFileName);
    static const wchar_t* const kEmulationKey; // under HKEY_CURRENT_USER
    static const DWORD kBrowserEmulation;

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override;
    void OnControlCreated(IUnknown* control) override;
    void OnControlDestroying(IUnknown* control) override;

private:
    friend class PreviewEvents;
    void OnNavigateError(long status, const std::wstring& address);
    void OnPageShown(const std::wstring& address);
    bool IsWorkingPage(const std::wstring& address) const;
    void NavigateToPage();
    void ShowNoEngineNotice();
    void ShowFailureNotice(long status);
    void Unsubscribe();

    Microsoft::WRL::ComPtr<IWebBrowser2> browser_;
    Microsoft::WRL::ComPtr<IConnectionPoint> connectionPoint_;
    Microsoft::WRL::ComPtr<IDispatch> events_; // a PreviewEvents
    DWORD cookie_ = 0;
    bool pageShown_ = false;
    bool noEngine_ = false;
    bool pageFailed_ = false; // the last navigation to the page failed
    long lastNavigateError_ = 0;
};
