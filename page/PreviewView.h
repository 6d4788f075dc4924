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
// Where no engine can draw the page (the control cannot be created, its
// first navigation fails, at once or later, before any page was shown, or a
// refresh fails before any page was shown) the pane shows a notice with the
// working page path instead of a blank area. Once a page has been shown it
// never does.
#pragma once

#include <windows.h>
#include <exdisp.h>
#include <ocidl.h>
#include <wrl/client.h>

#include "framework/ControlHost.h"

class PreviewEvents;

class PreviewView : public ControlHost {
public:
    PreviewView() = default;
    ~PreviewView() override;

    // Creates the view as a visible child of parent (normally the split
    // window), with the working page path as its creation text.
    HWND Create(HWND parent, const RECT& rect = RECT{}, UINT id = 0);

    // Reloads the shown document from disk (IWebBrowser2::Refresh). Call it
    // after the operation that changed the working page has closed the file.
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

    // The notice's texts for a working page at path.
    static std::wstring NoticeHeadingText();
    static std::wstring NoticeBodyText(const std::wstring& path);

protected:
    bool ProcessMessage(Message& message, LRESULT& result) override;
    void OnControlCreated(IUnknown* control) override;
    void OnControlDestroying(IUnknown* control) override;

private:
    friend class PreviewEvents;
    void OnNavigateError(long status);
    void OnPageShown() { pageShown_ = true; }
    void ShowNoEngineNotice();
    void Unsubscribe();

    Microsoft::WRL::ComPtr<IWebBrowser2> browser_;
    Microsoft::WRL::ComPtr<IConnectionPoint> connectionPoint_;
    Microsoft::WRL::ComPtr<IDispatch> events_; // a PreviewEvents
    DWORD cookie_ = 0;
    bool pageShown_ = false;
    long lastNavigateError_ = 0;
};
