#include "page/PreviewView.h"

#include <exdispid.h>
#include <ocidl.h>

#include "framework/ComObject.h"
#include "page/WorkingPage.h"
#include "style/Utf16.h"

using Microsoft::WRL::ComPtr;

namespace {
long liveSinks = 0;
} // namespace

// The view's DWebBrowserEvents2 sink. Every event gets the default answer;
// the view only notes whether a page was shown or the navigation failed.
class PreviewEvents final : public ComObject<DispatchById> {
public:
    explicit PreviewEvents(PreviewView* view) : view_(view) { InterlockedIncrement(&liveSinks); }
    ~PreviewEvents() override { InterlockedDecrement(&liveSinks); }
    void Detach() { view_ = nullptr; }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                                     UINT*) override
    {
        if (!view_) return S_OK;
        switch (id) {
        case DISPID_NAVIGATECOMPLETE2:
        case DISPID_DOCUMENTCOMPLETE:
            view_->OnPageShown();
            break;
        case DISPID_NAVIGATEERROR:
            // Arguments arrive last first: Cancel, StatusCode, TargetFrameName, URL, pDisp.
            view_->OnNavigateError(parameters && parameters->cArgs >= 2 ? StatusCode(parameters->rgvarg[1]) : -1);
            break;
        default:
            break;
        }
        return S_OK;
    }

private:
    void* FindInterface(REFIID iid) override
    {
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2)
            return static_cast<IDispatch*>(this);
        return nullptr;
    }

    static long StatusCode(const VARIANT& argument)
    {
        if (argument.vt == (VT_VARIANT | VT_BYREF) && argument.pvarVal) {
            const VARIANT& inner = *argument.pvarVal;
            if (inner.vt == VT_I4) return inner.lVal;
        }
        if (argument.vt == VT_I4) return argument.lVal;
        return -1;
    }

    PreviewView* view_;
};

PreviewView::~PreviewView()
{
    // The subscription ended with the window (before the host released the
    // control); this only covers a window that never got that far.
    Unsubscribe();
}

HWND PreviewView::Create(HWND parent, const RECT& rect, UINT id)
{
    return ControlHost::Create(parent, WidenUtf8(WorkingPagePath()), rect, id);
}

long PreviewView::LiveEventSinkCount()
{
    return liveSinks;
}

std::wstring PreviewView::NoticeHeadingText()
{
    return L"The preview cannot be shown on this system.";
}

std::wstring PreviewView::NoticeBodyText(const std::wstring& path)
{
    return L"No web browser engine is available here to draw the page. Every change is still written to "
           L"the working page:\n\n" +
           path + L"\n\nOpen that file in any web browser to see the style, and reload it there after a change.";
}

bool PreviewView::ProcessMessage(Message& message, LRESULT& result)
{
    if (message.message == WM_CREATE) {
        // The page is written before the control can ask for it.
        WriteWorkingPage();
        ControlHost::ProcessMessage(message, result);
        if (browser_ && FAILED(NavigateResult())) OnNavigateError(NavigateResult());
        if (!browser_) ShowNoEngineNotice();
        result = 0;
        return true;
    }
    return ControlHost::ProcessMessage(message, result);
}

void PreviewView::OnControlCreated(IUnknown* control)
{
    if (FAILED(control->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(browser_.ReleaseAndGetAddressOf()))))
        return;
    ComPtr<IConnectionPointContainer> container;
    if (FAILED(control->QueryInterface(IID_IConnectionPointContainer,
                                       reinterpret_cast<void**>(container.GetAddressOf()))) ||
        FAILED(container->FindConnectionPoint(DIID_DWebBrowserEvents2, connectionPoint_.ReleaseAndGetAddressOf())))
        return;
    events_ = MakeComObject<PreviewEvents>(this);
    if (FAILED(connectionPoint_->Advise(events_.Get(), &cookie_))) cookie_ = 0;
}

void PreviewView::OnControlDestroying(IUnknown*)
{
    Unsubscribe();
}

void PreviewView::Unsubscribe()
{
    if (connectionPoint_ && cookie_) connectionPoint_->Unadvise(cookie_);
    cookie_ = 0;
    connectionPoint_.Reset();
    if (events_) static_cast<PreviewEvents*>(events_.Get())->Detach();
    events_.Reset();
    browser_.Reset();
}

void PreviewView::Refresh()
{
    if (!browser_) return;
    if (FAILED(browser_->Refresh()) && !pageShown_) ShowNoEngineNotice();
}

void PreviewView::OnNavigateError(long status)
{
    lastNavigateError_ = status;
    if (!pageShown_) ShowNoEngineNotice();
}

void PreviewView::ShowNoEngineNotice()
{
    if (NoticeShown()) return;
    ShowNotice(NoticeHeadingText(), NoticeBodyText(WidenUtf8(WorkingPagePath())));
}
