#include "page/PreviewView.h"

#include <exdispid.h>
#include <ocidl.h>
#include <urlmon.h>

#include <cwchar>

#include "framework/ComObject.h"
#include "page/PreviewRefresh.h"
#include "page/WorkingPage.h"
#include "style/Utf16.h"

using Microsoft::WRL::ComPtr;

namespace {
long liveSinks = 0;
} // namespace

// The view's DWebBrowserEvents2 sink. Every event gets the default answer;
// the view only notes which address was shown or failed.
class PreviewEvents final : public ComObject<DispatchById> {
public:
    explicit PreviewEvents(PreviewView* view) : view_(view) { InterlockedIncrement(&liveSinks); }
    ~PreviewEvents() override { InterlockedDecrement(&liveSinks); }
    void Detach() { view_ = nullptr; }

    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* parameters, VARIANT*, EXCEPINFO*,
                                     UINT*) override
    {
        if (!view_) return S_OK;
        // Arguments arrive last first: (URL, pDisp) for the two completions,
        // (Cancel, StatusCode, TargetFrameName, URL, pDisp) for an error.
        const UINT count = parameters ? parameters->cArgs : 0;
        switch (id) {
        case DISPID_NAVIGATECOMPLETE2:
        case DISPID_DOCUMENTCOMPLETE:
            view_->OnPageShown(count >= 1 ? Text(parameters->rgvarg[0]) : std::wstring());
            break;
        case DISPID_NAVIGATEERROR:
            view_->OnNavigateError(count >= 2 ? StatusCode(parameters->rgvarg[1]) : -1,
                                   count >= 4 ? Text(parameters->rgvarg[3]) : std::wstring());
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

    // An argument passed by reference, as the control passes them.
    static const VARIANT& Value(const VARIANT& argument)
    {
        return argument.vt == (VT_VARIANT | VT_BYREF) && argument.pvarVal ? *argument.pvarVal : argument;
    }
    static long StatusCode(const VARIANT& argument)
    {
        return Value(argument).vt == VT_I4 ? Value(argument).lVal : -1;
    }
    static std::wstring Text(const VARIANT& argument)
    {
        const VARIANT& value = Value(argument);
        return value.vt == VT_BSTR && value.bstrVal ? std::wstring(value.bstrVal) : std::wstring();
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

std::wstring PreviewView::FailureHeadingText()
{
    return L"The preview could not show the working page.";
}

std::wstring PreviewView::FailureBodyText(const std::wstring& path, long status)
{
    struct Reason {
        long status;
        const wchar_t* text;
    };
    const wchar_t* const notFound = L"The browser control did not find the file.";
    const wchar_t* const held = L"The browser control could not read the file: another program may be holding it.";
    const wchar_t* const refused = L"The system's security settings kept the browser control from opening the file.";
    const Reason reasons[] = {
        {INET_E_RESOURCE_NOT_FOUND, notFound},
        {INET_E_OBJECT_NOT_FOUND, notFound},
        {HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), notFound},
        {HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND), notFound},
        {INET_E_DATA_NOT_AVAILABLE, held},
        {INET_E_DOWNLOAD_FAILURE, held},
        {INET_E_CANNOT_LOAD_DATA, held},
        {HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION), held},
        {HRESULT_FROM_WIN32(ERROR_LOCK_VIOLATION), held},
        {E_ACCESSDENIED, refused},
        {INET_E_SECURITY_PROBLEM, refused},
    };
    std::wstring reason;
    if (path.size() >= MAX_PATH) {
        // The control opens no file by a longer path, whatever the system allows.
        reason = L"Its path is " + std::to_wstring(path.size()) + L" characters long; the browser control opens "
                 L"no file whose path is longer than " + std::to_wstring(MAX_PATH - 1) + L" characters.";
    } else {
        for (const Reason& known : reasons)
            if (known.status == status) reason = known.text;
        if (reason.empty()) {
            wchar_t code[16] = {};
            std::swprintf(code, 16, L"0x%08lX", static_cast<unsigned long>(status));
            reason = std::wstring(L"The browser control reported error ") + code + L".";
        }
    }
    return reason + L"\n\nThe working page is:\n\n" + path +
           L"\n\nThe preview tries again after the next change. Every change is still written to that file: "
           L"open it in any web browser to see the style.";
}

// Without a value the control draws as the engine did many versions ago (IE7
// emulation, and the working page, which has no DOCTYPE, in the oldest
// quirks mode). 11001 is the engine's current mode whatever the page
// declares; a page without a DOCTYPE, as the working page, is drawn in its
// quirks mode that follows the HTML standard: the mode current browsers
// (and the page check in Chromium) draw the page in.
const wchar_t* const PreviewView::kEmulationKey =
    L"Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";
const DWORD PreviewView::kBrowserEmulation = 11001;

bool PreviewView::UseCurrentDocumentMode(const std::wstring& programFileName)
{
    // A value the user (or anything else) put there is theirs: never overwritten.
    if (RegGetValueW(HKEY_CURRENT_USER, kEmulationKey, programFileName.c_str(), RRF_RT_ANY, nullptr, nullptr,
                     nullptr) != ERROR_FILE_NOT_FOUND)
        return false;
    return RegSetKeyValueW(HKEY_CURRENT_USER, kEmulationKey, programFileName.c_str(), REG_DWORD, &kBrowserEmulation,
                           sizeof(kBrowserEmulation)) == ERROR_SUCCESS;
}

bool PreviewView::ProcessMessage(Message& message, LRESULT& result)
{
    if (message.message == WM_CREATE) {
        // The page is written before the control can ask for it.
        WriteWorkingPage();
        ControlHost::ProcessMessage(message, result);
        if (!browser_)
            ShowNoEngineNotice();
        else if (FAILED(NavigateResult()))
            ShowFailureNotice(NavigateResult());
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
    if (!browser_ || noEngine_) return;
    BSTR location = nullptr;
    std::wstring shown;
    if (SUCCEEDED(browser_->get_LocationURL(&location)) && location) shown = location;
    SysFreeString(location);
    if (DecidePreviewRefresh(NarrowToUtf8(shown), WorkingPagePath(), pageFailed_) == PreviewRefresh::Reload &&
        SUCCEEDED(browser_->Refresh()))
        return;
    // Another page, none, or a reload the control refused: the page again.
    NavigateToPage();
}

void PreviewView::NavigateToPage()
{
    if (FAILED(Navigate(WidenUtf8(WorkingPagePath())))) ShowFailureNotice(NavigateResult());
}

bool PreviewView::IsWorkingPage(const std::wstring& address) const
{
    return AddressNamesFile(NarrowToUtf8(address), WorkingPagePath());
}

void PreviewView::OnNavigateError(long status, const std::wstring& address)
{
    lastNavigateError_ = status;
    // Before any page was shown the one navigation is the view's own.
    if (pageShown_ && !IsWorkingPage(address)) return;
    // The control found nothing to make a document of the page with: no
    // HTML engine (Wine without one answers every navigation so).
    const bool noDocument = status == INET_E_CANNOT_INSTANTIATE_OBJECT || status == REGDB_E_CLASSNOTREG;
    if (noDocument && !pageShown_)
        ShowNoEngineNotice();
    else
        ShowFailureNotice(status);
}

void PreviewView::OnPageShown(const std::wstring& address)
{
    pageShown_ = true;
    if (!IsWorkingPage(address)) return;
    pageFailed_ = false;
    if (!noEngine_) HideNotice();
}

void PreviewView::ShowNoEngineNotice()
{
    noEngine_ = true;
    ShowNotice(NoticeHeadingText(), NoticeBodyText(WidenUtf8(WorkingPagePath())));
}

void PreviewView::ShowFailureNotice(long status)
{
    pageFailed_ = true;
    if (noEngine_) return;
    ShowNotice(FailureHeadingText(), FailureBodyText(WidenUtf8(WorkingPagePath()), status));
}
