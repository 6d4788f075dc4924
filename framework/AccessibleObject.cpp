#include "framework/AccessibleObject.h"

#include "framework/SystemLibraries.h"

namespace {

using CreateStandardFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);

// The system's part, from the system folder only, loaded once at the first
// request: a program that nobody reads with a screen reader never loads it.
struct Oleacc {
    CreateStandardFn createStandard = nullptr;
    LresultFromObjectFn lresultFromObject = nullptr;

    static const Oleacc& Get()
    {
        static const Oleacc library;
        return library;
    }

private:
    Oleacc()
    {
        HMODULE module = LoadSystemLibrary(L"oleacc.dll");
        if (!module) return;
        createStandard = reinterpret_cast<CreateStandardFn>(
            reinterpret_cast<void*>(GetProcAddress(module, "CreateStdAccessibleObject")));
        lresultFromObject = reinterpret_cast<LresultFromObjectFn>(
            reinterpret_cast<void*>(GetProcAddress(module, "LresultFromObject")));
    }
};

LONG liveObjects = 0;

void SetEmpty(VARIANT* out)
{
    VariantInit(out);
}

void SetChild(VARIANT* out, long child)
{
    VariantInit(out);
    out->vt = VT_I4;
    out->lVal = child;
}

} // namespace

AccessibleObject::AccessibleObject(HWND window) : window_(window)
{
    InterlockedIncrement(&liveObjects);
    const Oleacc& oleacc = Oleacc::Get();
    if (oleacc.createStandard)
        oleacc.createStandard(window, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard_));
}

AccessibleObject::~AccessibleObject()
{
    Disconnect();
    InterlockedDecrement(&liveObjects);
}

long AccessibleObject::LiveObjects()
{
    return liveObjects;
}

void AccessibleObject::Disconnect()
{
    window_ = nullptr;
    if (IAccessible* standard = standard_) {
        standard_ = nullptr;
        standard->Release();
    }
}

void* AccessibleObject::FindInterface(REFIID iid)
{
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == __uuidof(IAccessible))
        return static_cast<IAccessible*>(this);
    if (iid == IID_IOleWindow) return static_cast<IOleWindow*>(this);
    return nullptr;
}

bool AccessibleObject::ReadChild(const VARIANT& child, long& id) const
{
    if (child.vt != VT_I4 || child.lVal < 0 || child.lVal > ElementCount()) return false;
    id = child.lVal;
    return true;
}

HRESULT AccessibleObject::Answer(const std::optional<std::wstring>& text, BSTR* out) const
{
    *out = nullptr;
    if (!text) return S_FALSE;
    *out = SysAllocStringLen(text->c_str(), static_cast<UINT>(text->size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

long AccessibleObject::StandardState() const
{
    VARIANT self;
    SetChild(&self, CHILDID_SELF);
    VARIANT state;
    VariantInit(&state);
    if (!standard_ || FAILED(standard_->get_accState(self, &state)) || state.vt != VT_I4) return 0;
    return state.lVal;
}

// The answers a class leaves to the base.
std::optional<std::wstring> AccessibleObject::Name(long) const { return std::nullopt; }
std::optional<std::wstring> AccessibleObject::Value(long) const { return std::nullopt; }
std::optional<long> AccessibleObject::Role(long) const { return std::nullopt; }
std::optional<long> AccessibleObject::State(long) const { return std::nullopt; }
std::optional<std::wstring> AccessibleObject::DefaultAction(long) const { return std::nullopt; }
bool AccessibleObject::DoDefaultAction(long) { return false; }
std::optional<RECT> AccessibleObject::ElementRect(long) const { return std::nullopt; }
bool AccessibleObject::SelectElement(long, long) { return false; }

long AccessibleObject::FocusedElement() const
{
    return GetFocus() == window_ ? CHILDID_SELF : -1;
}

long AccessibleObject::Neighbour(long child, long direction) const
{
    long next = 0;
    switch (direction) {
    case NAVDIR_NEXT:
    case NAVDIR_RIGHT:
    case NAVDIR_DOWN: next = child + 1; break;
    case NAVDIR_PREVIOUS:
    case NAVDIR_LEFT:
    case NAVDIR_UP: next = child - 1; break;
    default: return 0;
    }
    return next >= 1 && next <= ElementCount() ? next : 0;
}

// IDispatch

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count)
{
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return DISP_E_UNKNOWNNAME;
}

HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*)
{
    return DISP_E_MEMBERNOTFOUND;
}

// IAccessible. Every call checks, in this order: the window is still there,
// the out pointer, the child id.

HRESULT AccessibleObject::get_accParent(IDispatch** parent)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!parent) return E_POINTER;
    *parent = nullptr;
    return standard_ ? standard_->get_accParent(parent) : S_FALSE;
}

HRESULT AccessibleObject::get_accChildCount(long* count)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!count) return E_POINTER;
    *count = ElementCount();
    return S_OK;
}

HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!object) return E_POINTER;
    *object = nullptr;
    long id = 0;
    if (!ReadChild(child, id) || id == CHILDID_SELF) return E_INVALIDARG;
    return S_FALSE; // an element: no object of its own
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!name) return E_POINTER;
    *name = nullptr;
    long id = 0;
    if (!ReadChild(child, id)) return E_INVALIDARG;
    const std::optional<std::wstring> own = Name(id);
    if (!own && id == CHILDID_SELF && standard_) return standard_->get_accName(child, name);
    return Answer(own, name);
}

HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!value) return E_POINTER;
    *value = nullptr;
    long id = 0;
    if (!ReadChild(child, id)) return E_INVALIDARG;
    const std::optional<std::wstring> own = Value(id);
    if (!own && id == CHILDID_SELF && standard_) return standard_->get_accValue(child, value);
    return own ? Answer(own, value) : DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!description) return E_POINTER;
    *description = nullptr;
    long id = 0;
    if (!ReadChild(child, id)) return E_INVALIDARG;
    if (id == CHILDID_SELF && standard_) return standard_->get_accDescription(child, description);
    return S_FALSE;
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!role) return E_POINTER;
    SetEmpty(role);
    long id = 0;
    if (!ReadChild(child, id)) return E_INVALIDARG;
    const std::optional<long> own = Role(id);
    if (!own && id == CHILDID_SELF && standard_) return standard_->get_accRole(child, role);
    SetChild(role, own.value_or(ROLE_SYSTEM_CLIENT));
    return S_OK;
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!state) return E_POINTER;
    SetEmpty(state);
    long id = 0;
    if (!ReadChild(child, id)) return E_INVALIDARG;
    const std::optional<long> own = State(id);
    if (!own && id == CHILDID_SELF && standard_) return standard_->get_accState(child, state);
    SetChild(state, own.value_or(0));
    return S_OK;
}

HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!help) return E_POINTER;
    *help = nullptr;
    long id = 0;
    if (!ReadChild(child, id)) return E_INVALIDARG;
    if (id == CHILDID_SELF && standard_) return standard_->get_accHelp(child, help);
    return S_FALSE;
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT child, long* topic)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!file || !topic) return E_POINTER;
    *file = nullptr;
    *topic = 0;
    long id = 0;
    if (!ReadChild(child, id)) return E_INVALIDARG;
    return S_FALSE;
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!shortcut) return E_POINTER;
    *shortcut = nullptr;
    long id = 0;
    if (!ReadChild(child, id)) return E_INVALIDARG;
    if (id == CHILDID_SELF && standard_) return standard_->get_accKeyboardShortcut(child, shortcut);
    return S_FALSE;
}

HRESULT AccessibleObject::get_accFocus(VARIANT* child)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!child) return E_POINTER;
    const long focused = FocusedElement();
    if (focused < 0 || focused > ElementCount()) {
        SetEmpty(child);
        return S_FALSE;
    }
    SetChild(child, focused);
    return S_OK;
}

HRESULT AccessibleObject::get_accSelection(VARIANT* children)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!children) return E_POINTER;
    const long selected = SelectedElement();
    if (selected <= 0 || selected > ElementCount()) {
        SetEmpty(children);
        return S_FALSE;
    }
    SetChild(children, selected);
    return S_OK;
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!action) return E_POINTER;
    *action = nullptr;
    long id = 0;
    if (!ReadChild(child, id)) return E_INVALIDARG;
    const std::optional<std::wstring> own = DefaultAction(id);
    if (!own && id == CHILDID_SELF && standard_) return standard_->get_accDefaultAction(child, action);
    return Answer(own, action);
}

HRESULT AccessibleObject::accSelect(long flags, VARIANT child)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    long id = 0;
    if (!ReadChild(child, id)) return E_INVALIDARG;
    if (id == CHILDID_SELF) return standard_ ? standard_->accSelect(flags, child) : DISP_E_MEMBERNOTFOUND;
    return SelectElement(flags, id) ? S_OK : DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::accLocation(long* left, long* top, long* width, long* height, VARIANT child)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!left || !top || !width || !height) return E_POINTER;
    *left = *top = *width = *height = 0;
    long id = 0;
    if (!ReadChild(child, id)) return E_INVALIDARG;
    if (id == CHILDID_SELF) return standard_ ? standard_->accLocation(left, top, width, height, child) : S_FALSE;
    const std::optional<RECT> rect = ElementRect(id);
    if (!rect) return S_FALSE;
    POINT corner{rect->left, rect->top};
    ClientToScreen(window_, &corner);
    *left = corner.x;
    *top = corner.y;
    *width = rect->right - rect->left;
    *height = rect->bottom - rect->top;
    return S_OK;
}

HRESULT AccessibleObject::accNavigate(long direction, VARIANT start, VARIANT* end)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!end) return E_POINTER;
    SetEmpty(end);
    long id = 0;
    if (!ReadChild(start, id) || direction < NAVDIR_UP || direction > NAVDIR_LASTCHILD) return E_INVALIDARG;
    const bool toChild = direction == NAVDIR_FIRSTCHILD || direction == NAVDIR_LASTCHILD;
    if (id == CHILDID_SELF) {
        // The window's siblings are the standard object's to find.
        if (!toChild) return standard_ ? standard_->accNavigate(direction, start, end) : S_FALSE;
        if (ElementCount() == 0) return S_FALSE;
        SetChild(end, direction == NAVDIR_FIRSTCHILD ? 1 : ElementCount());
        return S_OK;
    }
    if (toChild) return E_INVALIDARG; // an element has no children
    const long next = Neighbour(id, direction);
    if (next < 1 || next > ElementCount()) return S_FALSE;
    SetChild(end, next);
    return S_OK;
}

HRESULT AccessibleObject::accHitTest(long left, long top, VARIANT* child)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!child) return E_POINTER;
    SetEmpty(child);
    POINT point{left, top};
    RECT client{};
    if (!GetClientRect(window_, &client) || !ScreenToClient(window_, &point) || !PtInRect(&client, point))
        return S_FALSE;
    for (long id = 1; id <= ElementCount(); ++id) {
        const std::optional<RECT> rect = ElementRect(id);
        if (rect && PtInRect(&*rect, point)) {
            SetChild(child, id);
            return S_OK;
        }
    }
    SetChild(child, CHILDID_SELF);
    return S_OK;
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    long id = 0;
    if (!ReadChild(child, id)) return E_INVALIDARG;
    if (DoDefaultAction(id)) return S_OK;
    if (id == CHILDID_SELF && standard_) return standard_->accDoDefaultAction(child);
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT AccessibleObject::put_accName(VARIANT child, BSTR)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    long id = 0;
    return ReadChild(child, id) ? DISP_E_MEMBERNOTFOUND : E_INVALIDARG;
}

HRESULT AccessibleObject::put_accValue(VARIANT child, BSTR)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    long id = 0;
    return ReadChild(child, id) ? DISP_E_MEMBERNOTFOUND : E_INVALIDARG;
}

// IOleWindow

HRESULT AccessibleObject::GetWindow(HWND* window)
{
    if (!Connected()) return CO_E_OBJNOTCONNECTED;
    if (!window) return E_POINTER;
    *window = window_;
    return S_OK;
}

HRESULT AccessibleObject::ContextSensitiveHelp(BOOL)
{
    return E_NOTIMPL;
}

// Serving

bool AccessibleServer::Answer(WPARAM wParam, LPARAM lParam, LRESULT& result,
                              const std::function<Microsoft::WRL::ComPtr<AccessibleObject>()>& make)
{
    // The object id arrives as a 32-bit value, whatever the width of lParam.
    if (static_cast<LONG>(static_cast<DWORD>(lParam)) != OBJID_CLIENT) return false;
    const Oleacc& oleacc = Oleacc::Get();
    if (!oleacc.lresultFromObject) return false;
    if (!object_) object_ = make();
    if (!object_ || !object_->Connected()) return false;
    // LresultFromObject takes a reference of its own for the reader.
    result = oleacc.lresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object_.Get()));
    return result > 0;
}

void AccessibleServer::Disconnect()
{
    if (object_) object_->Disconnect();
    object_.Reset();
}

void NotifyAccessibleEvent(DWORD event, HWND window, long child)
{
    if (window) NotifyWinEvent(event, window, OBJID_CLIENT, child);
}
