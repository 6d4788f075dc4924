#include "framework/ControlHost.h"

#include <exdisp.h>
#include <mshtmdid.h>
#include <olectl.h>
#include <oleauto.h>
#include <servprov.h>
#include <urlmon.h>

namespace {

long liveSites = 0;

// The answer to one URL action, or false to leave it to the default.
bool DecideUrlAction(DWORD action, DWORD& policy)
{
    if (action == URLACTION_SCRIPT_RUN) {
        policy = URLPOLICY_ALLOW;
        return true;
    }
    if ((action >= URLACTION_JAVA_MIN && action <= URLACTION_JAVA_MAX) || action == URLACTION_HTML_JAVA_RUN ||
        action == URLACTION_SCRIPT_JAVA_USE) {
        policy = URLPOLICY_JAVA_PROHIBIT;
        return true;
    }
    if ((action >= URLACTION_DOWNLOAD_MIN && action <= URLACTION_DOWNLOAD_MAX) ||
        (action >= URLACTION_ACTIVEX_MIN && action <= URLACTION_ACTIVEX_MAX) ||
        action == URLACTION_SCRIPT_OVERRIDE_SAFETY || action == URLACTION_SCRIPT_SAFE_ACTIVEX) {
        policy = URLPOLICY_DISALLOW;
        return true;
    }
    return false;
}

// Answers the URL actions of the hosted pages; everything else is left to
// the platform's own security manager.
class HostSecurityManager final : public IInternetSecurityManager {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (iid == IID_IUnknown || iid == IID_IInternetSecurityManager) *object = this;
        if (!*object) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE SetSecuritySite(IInternetSecurityMgrSite*) override { return INET_E_DEFAULT_ACTION; }
    HRESULT STDMETHODCALLTYPE GetSecuritySite(IInternetSecurityMgrSite** site) override
    {
        if (site) *site = nullptr;
        return INET_E_DEFAULT_ACTION;
    }
    HRESULT STDMETHODCALLTYPE MapUrlToZone(LPCWSTR, DWORD*, DWORD) override { return INET_E_DEFAULT_ACTION; }
    HRESULT STDMETHODCALLTYPE GetSecurityId(LPCWSTR, BYTE*, DWORD*, DWORD_PTR) override
    {
        return INET_E_DEFAULT_ACTION;
    }
    HRESULT STDMETHODCALLTYPE ProcessUrlAction(LPCWSTR, DWORD action, BYTE* policy, DWORD policySize, BYTE*, DWORD,
                                               DWORD, DWORD) override
    {
        DWORD answer = 0;
        if (!DecideUrlAction(action, answer)) return INET_E_DEFAULT_ACTION;
        if (policy && policySize >= sizeof(DWORD)) CopyMemory(policy, &answer, sizeof(DWORD));
        const bool allowed = action == URLACTION_SCRIPT_RUN;
        return allowed ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE QueryCustomPolicy(LPCWSTR, REFGUID, BYTE** policy, DWORD* size, BYTE*, DWORD,
                                                DWORD) override
    {
        if (policy) *policy = nullptr;
        if (size) *size = 0;
        return INET_E_DEFAULT_ACTION;
    }
    HRESULT STDMETHODCALLTYPE SetZoneMapping(DWORD, LPCWSTR, DWORD) override { return INET_E_DEFAULT_ACTION; }
    HRESULT STDMETHODCALLTYPE GetZoneMappings(DWORD, IEnumString** mappings, DWORD) override
    {
        if (mappings) *mappings = nullptr;
        return INET_E_DEFAULT_ACTION;
    }

private:
    ~HostSecurityManager() = default;
    LONG references_ = 1;
};

} // namespace

// The container as the control sees it: one object for all its interfaces.
// The host owns one reference; the control holds others while it lives. Once
// the host is gone (Detach) the object answers without touching it.
class HostSite final : public IOleClientSite,
                       public IOleInPlaceSite,
                       public IOleInPlaceFrame,
                       public IDispatch,
                       public IServiceProvider {
public:
    explicit HostSite(HWND window) : window_(window) { InterlockedIncrement(&liveSites); }

    void Detach() { window_ = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (iid == IID_IUnknown || iid == IID_IOleClientSite)
            *object = static_cast<IOleClientSite*>(this);
        else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite)
            *object = static_cast<IOleInPlaceSite*>(this);
        else if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
            *object = static_cast<IOleInPlaceFrame*>(this);
        else if (iid == IID_IDispatch)
            *object = static_cast<IDispatch*>(this);
        else if (iid == IID_IServiceProvider)
            *object = static_cast<IServiceProvider*>(this);
        if (!*object) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IOleClientSite
    HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override
    {
        if (moniker) *moniker = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override
    {
        if (container) *container = nullptr;
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow (of both the in-place site and the frame)
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override
    {
        if (!window) return E_POINTER;
        *window = window_;
        return window_ ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return window_ ? S_OK : S_FALSE; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                               LPRECT position, LPRECT clip,
                                               LPOLEINPLACEFRAMEINFO frameInfo) override
    {
        if (frame) {
            *frame = static_cast<IOleInPlaceFrame*>(this);
            AddRef();
        }
        if (document) *document = nullptr;
        RECT client{};
        if (window_) GetClientRect(window_, &client);
        if (position) *position = client;
        if (clip) *clip = client;
        if (frameInfo) {
            frameInfo->fMDIApp = FALSE;
            frameInfo->hwndFrame = window_ ? GetAncestor(window_, GA_ROOT) : nullptr;
            frameInfo->haccel = nullptr;
            frameInfo->cAccelEntries = 0;
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

    // IOleInPlaceUIWindow and IOleInPlaceFrame: no tool space, no menus.
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    // IDispatch: the ambient properties.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (count) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override
    {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                     UINT*) override
    {
        if (!(flags & DISPATCH_PROPERTYGET) || !result) return DISP_E_MEMBERNOTFOUND;
        switch (id) {
        case DISPID_AMBIENT_DLCONTROL:
            VariantInit(result);
            result->vt = VT_I4;
            result->lVal = static_cast<LONG>(ControlHost::kDownloadControl);
            return S_OK;
        case DISPID_AMBIENT_USERMODE:
            VariantInit(result);
            result->vt = VT_BOOL;
            result->boolVal = VARIANT_TRUE;
            return S_OK;
        default:
            return DISP_E_MEMBERNOTFOUND;
        }
    }

    // IServiceProvider: the host security manager.
    HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        *object = nullptr;
        if (service != SID_SInternetSecurityManager) return E_NOINTERFACE;
        HostSecurityManager* manager = new HostSecurityManager();
        const HRESULT hr = manager->QueryInterface(iid, object);
        manager->Release();
        return hr;
    }

private:
    ~HostSite() { InterlockedDecrement(&liveSites); }

    HWND window_;
    LONG references_ = 1;
};

const DWORD ControlHost::kDownloadControl = DLCTL_DLIMAGES | DLCTL_VIDEOS | DLCTL_BGSOUNDS | DLCTL_NO_JAVA |
                                            DLCTL_NO_RUNACTIVEXCTLS | DLCTL_NO_DLACTIVEXCTLS |
                                            DLCTL_RESYNCHRONIZE | DLCTL_PRAGMA_NO_CACHE;

ControlHost::~ControlHost()
{
    // The control and the site went with the window (WM_DESTROY); nothing
    // is left to release unless the window never got that far.
    DestroyControl();
    FreeFonts();
}

bool ControlHost::RegisterWindowClass()
{
    WNDCLASSEXW windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    return Window::RegisterWindowClass(windowClass);
}

HWND ControlHost::Create(HWND parent, const std::wstring& creationText, const RECT& rect, UINT id, DWORD style,
                         DWORD exStyle)
{
    return Window::Create(kClassName, exStyle, creationText.c_str(), style, rect, parent, id);
}

IUnknown* ControlHost::Site() const
{
    return site_ ? static_cast<IOleClientSite*>(site_) : nullptr;
}

HWND ControlHost::ControlWindow() const
{
    HWND window = nullptr;
    if (inPlaceObject_ && FAILED(inPlaceObject_->GetWindow(&window))) window = nullptr;
    return window;
}

long ControlHost::LiveSiteCount()
{
    return liveSites;
}

bool ControlHost::ProcessMessage(Message& message, LRESULT& result)
{
    switch (message.message) {
    case WM_CREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(message.lParam);
        const std::wstring text = create->lpszName ? create->lpszName : L"";
        if (text.find(L':') != std::wstring::npos) CreateControl(text);
        result = 0;
        return true;
    }
    case WM_SIZE:
        SizeControl();
        return false;
    case WM_ERASEBKGND:
        // The control covers the whole client area while it is shown.
        if (!noticeShown_ && ControlWindow()) {
            result = 1;
            return true;
        }
        return false;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        if (noticeShown_) PaintNotice(dc);
        EndPaint(Handle(), &paint);
        result = 0;
        return true;
    }
    case WM_SETFOCUS:
        if (HWND control = ControlWindow(); control && !noticeShown_) SetFocus(control);
        return false;
    case WM_DESTROY:
        DestroyControl();
        FreeFonts();
        return false;
    default:
        return false;
    }
}

bool ControlHost::CreateControl(const std::wstring& address)
{
    site_ = new HostSite(Handle());
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(&oleObject_)))) {
        oleObject_ = nullptr;
        return false;
    }
    oleObject_->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&control_));
    oleObject_->SetClientSite(static_cast<IOleClientSite*>(site_));
    RECT client{};
    GetClientRect(Handle(), &client);
    const HRESULT activated =
        oleObject_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(site_), 0, Handle(), &client);
    oleObject_->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&inPlaceObject_));
    if (FAILED(activated)) {
        DestroyControl();
        return false;
    }
    SizeControl();
    OnControlCreated(control_);

    IWebBrowser2* browser = nullptr;
    if (control_ && SUCCEEDED(control_->QueryInterface(IID_IWebBrowser2, reinterpret_cast<void**>(&browser)))) {
        VARIANT target;
        VariantInit(&target);
        target.vt = VT_BSTR;
        target.bstrVal = SysAllocString(address.c_str());
        VARIANT empty;
        VariantInit(&empty);
        browser->Navigate2(&target, &empty, &empty, &empty, &empty);
        VariantClear(&target);
        browser->Release();
    }
    return true;
}

void ControlHost::DestroyControl()
{
    if (control_) OnControlDestroying(control_);
    if (inPlaceObject_) {
        inPlaceObject_->InPlaceDeactivate();
        inPlaceObject_->Release();
        inPlaceObject_ = nullptr;
    }
    if (oleObject_) {
        oleObject_->Close(OLECLOSE_NOSAVE);
        oleObject_->SetClientSite(nullptr);
        oleObject_->Release();
        oleObject_ = nullptr;
    }
    if (control_) {
        control_->Release();
        control_ = nullptr;
    }
    if (site_) {
        site_->Detach();
        site_->Release();
        site_ = nullptr;
    }
}

void ControlHost::SizeControl()
{
    if (!inPlaceObject_ || !Handle()) return;
    RECT client{};
    GetClientRect(Handle(), &client);
    inPlaceObject_->SetObjectRects(&client, &client);
}

bool ControlHost::TranslateControlAccelerator(MSG* message)
{
    if (!control_ || noticeShown_ || !message) return false;
    if (message->message < WM_KEYFIRST || message->message > WM_KEYLAST) return false;
    HWND control = ControlWindow();
    if (!control || (message->hwnd != control && !IsChild(control, message->hwnd))) return false;
    IOleInPlaceActiveObject* active = nullptr;
    if (FAILED(control_->QueryInterface(IID_IOleInPlaceActiveObject, reinterpret_cast<void**>(&active)))) return false;
    const bool taken = active->TranslateAccelerator(message) == S_OK;
    active->Release();
    return taken;
}

void ControlHost::ShowNotice(const std::wstring& heading, const std::wstring& text)
{
    noticeHeading_ = heading;
    noticeText_ = text;
    noticeShown_ = true;
    if (HWND control = ControlWindow()) ShowWindow(control, SW_HIDE);
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void ControlHost::FreeFonts()
{
    if (headingFont_) DeleteObject(headingFont_);
    if (textFont_) DeleteObject(textFont_);
    headingFont_ = textFont_ = nullptr;
}

void ControlHost::PaintNotice(HDC dc)
{
    if (!textFont_) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof(metrics);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
        LOGFONTW font = metrics.lfMessageFont;
        textFont_ = CreateFontIndirectW(&font);
        font.lfWeight = FW_BOLD;
        font.lfHeight = font.lfHeight * 5 / 4;
        headingFont_ = CreateFontIndirectW(&font);
    }
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));

    RECT area = client;
    InflateRect(&area, -24, -20);
    HGDIOBJ old = SelectObject(dc, headingFont_);
    RECT measured = area;
    DrawTextW(dc, noticeHeading_.c_str(), -1, &measured, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    DrawTextW(dc, noticeHeading_.c_str(), -1, &area, DT_WORDBREAK | DT_NOPREFIX);
    area.top = measured.bottom + 12;
    SelectObject(dc, textFont_);
    DrawTextW(dc, noticeText_.c_str(), -1, &area, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, old);
}
