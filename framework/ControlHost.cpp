#include "framework/ControlHost.h"

#include <exdisp.h>
#include <mshtmdid.h>
#include <mshtmhst.h>
#include <mshtml.h>
#include <olectl.h>
#include <oleauto.h>
#include <servprov.h>
#include <urlmon.h>

#include <cwctype>

#include "framework/ComObject.h"
#include "framework/Dpi.h"
#include "framework/MessageLoop.h"
#include "framework/SystemLibraries.h"

using Microsoft::WRL::ComPtr;

namespace {

long liveSites = 0;

// A function of a system library, loaded from the system folder at run time:
// urlmon.dll and shlwapi.dll are no known system libraries, so importing
// them would let the loader look beside the program first.
template <class Function>
Function SystemFunction(const wchar_t* library, const char* name)
{
    HMODULE module = LoadSystemLibrary(library);
    return module ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}

// Every navigation and refresh of the control would play the system's
// navigation click: a user holding a spin arrow would hear a rattle. Off for
// the whole process, once, before the first control is made.
void TurnNavigationSoundsOff()
{
    using SetFeature = HRESULT(WINAPI*)(INTERNETFEATURELIST, DWORD, BOOL);
    static const bool done = [] {
        const auto set = SystemFunction<SetFeature>(L"urlmon.dll", "CoInternetSetFeatureEnabled");
        return set && SUCCEEDED(set(FEATURE_DISABLE_NAVIGATION_SOUNDS, SET_FEATURE_ON_PROCESS, TRUE));
    }();
    (void)done;
}

// A drive path as the address the platform makes of it ("C:\a #1\x.html"
// becomes "file:///C:/a%20%231/x.html"); any other text is an address
// already. Handed to Navigate2 raw, a "#" in a folder name would start a
// fragment and a "%" an escape.
HRESULT AddressOf(const std::wstring& text, std::wstring& address)
{
    const bool drivePath = text.size() >= 3 && text[0] < 0x80 && std::iswalpha(text[0]) && text[1] == L':' &&
                           (text[2] == L'\\' || text[2] == L'/');
    if (!drivePath) {
        address = text;
        return S_OK;
    }
    using CreateUrl = HRESULT(WINAPI*)(PCWSTR, PWSTR, DWORD*, DWORD);
    static const auto create = SystemFunction<CreateUrl>(L"shlwapi.dll", "UrlCreateFromPathW");
    if (!create) return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    // Each character escapes to at most three bytes of three characters each.
    std::wstring url(text.size() * 9 + 16, L'\0');
    DWORD length = static_cast<DWORD>(url.size());
    const HRESULT made = create(text.c_str(), url.data(), &length, 0);
    if (FAILED(made)) return made;
    url.resize(wcsnlen(url.c_str(), url.size()));
    address = url;
    return S_OK;
}

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
class HostSecurityManager final : public ComObject<IInternetSecurityManager> {
public:
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
    void* FindInterface(REFIID iid) override
    {
        if (iid == IID_IUnknown || iid == IID_IInternetSecurityManager)
            return static_cast<IInternetSecurityManager*>(this);
        return nullptr;
    }
};

} // namespace

// The container as the control sees it: one object for all its interfaces,
// the document host's user-interface handler among them (the engine asks
// the client site for it). The host owns one reference; the control holds
// others while it lives. Once the host is gone (Detach) the object answers
// without touching it.
class HostSite final : public ComObject<IOleClientSite, IOleInPlaceSite, IOleInPlaceFrame, DispatchById,
                                        IServiceProvider, IDocHostUIHandler> {
public:
    HostSite(ControlHost* host, HWND window) : host_(host), window_(window) { InterlockedIncrement(&liveSites); }
    ~HostSite() override { InterlockedDecrement(&liveSites); }

    void Detach()
    {
        host_ = nullptr;
        window_ = nullptr;
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
    // (IOleInPlaceFrame's and IDocHostUIHandler's alike.)
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

    // IDocHostUIHandler: no border, menu, toolbar or key of the engine's own.
    HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD, POINT*, IUnknown*, IDispatch*) override
    {
        return S_OK; // "shown by the host": the engine shows none
    }
    HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* info) override
    {
        if (!info) return E_POINTER;
        info->dwFlags = ControlHost::kHostFlags;
        info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
        info->pchHostCss = nullptr;
        info->pchHostNS = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                                     IOleInPlaceUIWindow*) override
    {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE HideUI() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE UpdateUI() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG message, const GUID*, DWORD) override
    {
        if (!message || !ControlHost::IsLeavingKey(*message)) return S_FALSE;
        return host_ && host_->TypingInPage() ? S_FALSE : S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR* key, DWORD) override
    {
        if (key) *key = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget*, IDropTarget** target) override
    {
        if (target) *target = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** external) override
    {
        if (external) *external = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD, LPWSTR, LPWSTR* translated) override
    {
        if (translated) *translated = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject*, IDataObject** filtered) override
    {
        if (filtered) *filtered = nullptr;
        return S_FALSE;
    }

    // IDispatch: the ambient properties.
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
        return MakeComObject<HostSecurityManager>()->QueryInterface(iid, object);
    }

private:
    void* FindInterface(REFIID iid) override
    {
        if (iid == IID_IUnknown || iid == IID_IOleClientSite) return static_cast<IOleClientSite*>(this);
        if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) return static_cast<IOleInPlaceSite*>(this);
        if (iid == IID_IOleInPlaceUIWindow || iid == IID_IOleInPlaceFrame)
            return static_cast<IOleInPlaceFrame*>(this);
        if (iid == IID_IDispatch) return static_cast<IDispatch*>(this);
        if (iid == IID_IServiceProvider) return static_cast<IServiceProvider*>(this);
        if (iid == IID_IDocHostUIHandler) return static_cast<IDocHostUIHandler*>(this);
        return nullptr;
    }

    ControlHost* host_;
    HWND window_;
};

const DWORD ControlHost::kDownloadControl = DLCTL_DLIMAGES | DLCTL_VIDEOS | DLCTL_BGSOUNDS | DLCTL_NO_JAVA |
                                            DLCTL_NO_RUNACTIVEXCTLS | DLCTL_NO_DLACTIVEXCTLS |
                                            DLCTL_RESYNCHRONIZE | DLCTL_PRAGMA_NO_CACHE | DLCTL_SILENT;

// The window's own sunken edge is the only border; the page is zoomed for
// the DPI (the program is DPI aware: without the flag a page at 200 % would
// be drawn at half its size) and its controls and scroll bars are themed.
const DWORD ControlHost::kHostFlags = DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_DPI_AWARE | DOCHOSTUIFLAG_THEME;

ControlHost::~ControlHost()
{
    // The control and the site went with the window (WM_DESTROY); nothing
    // is left to release unless the window never got that far.
    DestroyControl();
    FreeFonts();
}

const WindowClass ControlHost::kWindowClass = {
    .name = L"GlimmerControlHost", .style = CS_DBLCLKS, .background = COLOR_WINDOW};

const MessageMap<ControlHost> ControlHost::kMessageMap = {
    OnMessage(WM_CREATE, &ControlHost::OnCreate),
    OnMessage(WM_SIZE, &ControlHost::OnSize),
    OnMessage(WM_ERASEBKGND, &ControlHost::OnEraseBackground),
    OnMessage(WM_PAINT, &ControlHost::OnPaint),
    OnMessage(WM_SETFOCUS, &ControlHost::OnSetFocus),
    OnMessage(WM_DESTROY, &ControlHost::OnDestroy),
    OnMessage(WM_SETTINGCHANGE, &ControlHost::OnNoticeFontChange),
    OnMessage(kUseDpiMessage, &ControlHost::OnNoticeFontChange),
};

HWND ControlHost::Create(HWND parent, const std::wstring& creationText, const RECT& rect, UINT id, DWORD style,
                         DWORD exStyle)
{
    return BaseWindow::Create({.parent = parent,
                               .id = id,
                               .rect = rect,
                               .style = style,
                               .exStyle = exStyle,
                               .title = creationText.c_str()});
}

IUnknown* ControlHost::Control() const
{
    return control_.Get();
}

IUnknown* ControlHost::Site() const
{
    return site_.Get();
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

LRESULT ControlHost::OnCreate(Message& message)
{
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(message.lParam);
    const std::wstring text = create->lpszName ? create->lpszName : L"";
    if (text.find(L':') != std::wstring::npos) CreateControl(text);
    return 0;
}

LRESULT ControlHost::OnSize(Message& message)
{
    SizeControl();
    message.handled = false;
    return 0;
}

LRESULT ControlHost::OnEraseBackground(Message& message)
{
    // The control covers the whole client area while it is shown.
    if (!noticeShown_ && ControlWindow()) return 1;
    message.handled = false;
    return 0;
}

LRESULT ControlHost::OnPaint(Message&)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    if (noticeShown_) PaintNotice(dc);
    EndPaint(Handle(), &paint);
    return 0;
}

LRESULT ControlHost::OnSetFocus(Message& message)
{
    if (HWND control = ControlWindow(); control && !noticeShown_) SetFocus(control);
    message.handled = false;
    return 0;
}

LRESULT ControlHost::OnDestroy(Message& message)
{
    DestroyControl();
    FreeFonts();
    message.handled = false;
    return 0;
}

bool ControlHost::CreateControl(const std::wstring& address)
{
    TurnNavigationSoundsOff();
    site_ = MakeComObject<HostSite>(this, Handle());
    IOleClientSite* site = site_.Get();
    if (FAILED(CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                                reinterpret_cast<void**>(oleObject_.ReleaseAndGetAddressOf())))) {
        DestroyControl();
        return false;
    }
    oleObject_.As(&control_);
    oleObject_->SetClientSite(site);
    RECT client{};
    GetClientRect(Handle(), &client);
    const HRESULT activated = oleObject_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site, 0, Handle(), &client);
    oleObject_.As(&inPlaceObject_);
    if (FAILED(activated)) {
        DestroyControl();
        return false;
    }
    SizeControl();
    // The control's keys inside it (arrows, Page Down, Tab in the page) come
    // from the thread's message loop, after the frame's own accelerators.
    if (MessageLoop* loop = MessageLoop::Current())
        loop->AddKeyFilter(Handle(), [this](MSG& message) { return TranslateControlAccelerator(&message); });
    // No dialog of the engine's own over the program (script errors,
    // security prompts); the ambient download control says so as well.
    if (SUCCEEDED(control_.As(&browser_))) browser_->put_Silent(VARIANT_TRUE);
    OnControlCreated(control_.Get());
    Navigate(address);
    return true;
}

HRESULT ControlHost::Navigate(const std::wstring& pathOrAddress)
{
    std::wstring address;
    navigateResult_ = browser_ ? AddressOf(pathOrAddress, address) : E_NOINTERFACE;
    if (FAILED(navigateResult_)) return navigateResult_;
    address_ = address;
    VARIANT target;
    VariantInit(&target);
    target.vt = VT_BSTR;
    target.bstrVal = SysAllocString(address.c_str());
    VARIANT empty;
    VariantInit(&empty);
    navigateResult_ = target.bstrVal ? browser_->Navigate2(&target, &empty, &empty, &empty, &empty) : E_OUTOFMEMORY;
    VariantClear(&target);
    return navigateResult_;
}

void ControlHost::DestroyControl()
{
    if (MessageLoop* loop = MessageLoop::Current(); loop && Handle()) loop->RemoveKeyFilter(Handle());
    if (control_) OnControlDestroying(control_.Get());
    // Nothing may call back into the site once its window goes: the
    // navigation stops first, and the site lets go of the window and the
    // control of the site before the control closes.
    if (browser_) browser_->Stop();
    browser_.Reset();
    if (inPlaceObject_) inPlaceObject_->InPlaceDeactivate();
    inPlaceObject_.Reset();
    if (site_) static_cast<HostSite*>(site_.Get())->Detach();
    if (oleObject_) {
        oleObject_->SetClientSite(nullptr);
        oleObject_->Close(OLECLOSE_NOSAVE);
    }
    oleObject_.Reset();
    control_.Reset();
    site_.Reset();
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
    // Used up here, whatever the engine would make of them.
    if (IsLeavingKey(*message) && !TypingInPage()) return true;
    ComPtr<IOleInPlaceActiveObject> active;
    if (FAILED(control_.As(&active))) return false;
    return active->TranslateAccelerator(message) == S_OK;
}

bool ControlHost::IsLeavingKey(const MSG& message)
{
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    const bool alt = (HIWORD(message.lParam) & KF_ALTDOWN) != 0;
    switch (message.wParam) {
    case VK_BACK:
        return !alt;
    case VK_LEFT:
    case VK_RIGHT:
        return alt;
    case VK_BROWSER_BACK:
    case VK_BROWSER_FORWARD:
        return true;
    default:
        return false;
    }
}

bool ControlHost::TypingInPage() const
{
    ComPtr<IDispatch> dispatch;
    ComPtr<IHTMLDocument2> document;
    ComPtr<IHTMLElement> focused;
    if (!browser_ || FAILED(browser_->get_Document(dispatch.GetAddressOf())) || !dispatch ||
        FAILED(dispatch.As(&document)) || FAILED(document->get_activeElement(focused.GetAddressOf())) || !focused)
        return false;
    ComPtr<IHTMLElement3> element;
    VARIANT_BOOL editable = VARIANT_FALSE;
    if (SUCCEEDED(focused.As(&element)) && SUCCEEDED(element->get_isContentEditable(&editable)) && editable)
        return true;
    ComPtr<IHTMLTextAreaElement> area;
    if (SUCCEEDED(focused.As(&area))) return true;
    ComPtr<IHTMLInputElement> input;
    BSTR type = nullptr;
    if (FAILED(focused.As(&input)) || FAILED(input->get_type(&type))) return false;
    std::wstring kind = type ? type : L"";
    SysFreeString(type);
    for (wchar_t& c : kind) c = static_cast<wchar_t>(std::towlower(c));
    for (const wchar_t* textKind : {L"text", L"password", L"search", L"email", L"url", L"tel", L"number"})
        if (kind == textKind) return true;
    return false;
}

void ControlHost::HideNotice()
{
    if (!noticeShown_) return;
    noticeShown_ = false;
    if (HWND control = ControlWindow()) ShowWindow(control, SW_SHOW);
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
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
    headingFont_.Reset();
    textFont_.Reset();
}

// The notice's fonts and margins are made for the DPI the window works at
// and the system's message font: made again after a change of either.
LRESULT ControlHost::OnNoticeFontChange(Message& message)
{
    FreeFonts();
    if (message.message == kUseDpiMessage) noticeDpi_ = static_cast<int>(message.wParam);
    if (noticeShown_ && Handle()) InvalidateRect(Handle(), nullptr, TRUE);
    message.handled = false;
    return 0;
}

void ControlHost::PaintNotice(HDC dc)
{
    const int dpi = noticeDpi_ > 0 ? noticeDpi_ : WindowDpi(Handle());
    if (!textFont_) {
        LOGFONTW font{};
        if (!MessageFontForDpi(font, dpi)) return;
        textFont_.Reset(CreateFontIndirectW(&font));
        font.lfWeight = FW_BOLD;
        font.lfHeight = font.lfHeight * 5 / 4;
        headingFont_.Reset(CreateFontIndirectW(&font));
    }
    RECT client{};
    GetClientRect(Handle(), &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_WINDOW));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));

    RECT area = client;
    InflateRect(&area, -ScaleForDpi(24, dpi), -ScaleForDpi(20, dpi));
    HGDIOBJ old = SelectObject(dc, headingFont_.Get());
    RECT measured = area;
    DrawTextW(dc, noticeHeading_.c_str(), -1, &measured, DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    DrawTextW(dc, noticeHeading_.c_str(), -1, &area, DT_WORDBREAK | DT_NOPREFIX);
    area.top = measured.bottom + ScaleForDpi(12, dpi);
    SelectObject(dc, textFont_.Get());
    DrawTextW(dc, noticeText_.c_str(), -1, &area, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
    SelectObject(dc, old);
}
