// Accessible objects for the windows we draw ourselves, as screen readers
// read them (Microsoft Active Accessibility). A window answers WM_GETOBJECT
// for its client area (OBJID_CLIENT) with an object of its own, built on the
// system's standard object for the window (CreateStdAccessibleObject): the
// class answers itself only what differs - a name, a role, a value, the
// elements it draws (the tabs of a strip, the entries of a palette) - and
// the standard object answers the rest for the window itself.
//
// Element ids: 0 (CHILDID_SELF) is the window, 1 to ElementCount() the
// elements it draws, which have no windows and no objects of their own.
//
// A screen reader may hold the object longer than the window lives. The
// window disconnects it when it goes (AccessibleServer does, on WM_DESTROY
// and again when it is destroyed itself); from then on every call answers
// CO_E_OBJNOTCONNECTED, and the object goes with the last reference.
//
//   LRESULT TabStrip::OnGetObject(Message& message)
//   {
//       LRESULT result = 0;
//       if (accessible_.Answer(message.wParam, message.lParam, result,
//                              [this] { return MakeComObject<TabStripAccessible>(*this); }))
//           return result;
//       message.handled = false;   // other objects: the system's own
//       return 0;
//   }
//
// (IAccessible is named by __uuidof: the import library of oleacc.dll
// would make IID_IAccessible a jump, not the identifier.)
//
// The library with the system's part (oleacc.dll) is loaded from the system
// folder at the first request, never at start-up.
#pragma once

#include <windows.h>
#include <oleacc.h>

#include <functional>
#include <optional>
#include <string>

#include "framework/ComObject.h"

class AccessibleObject : public ComObject<IAccessible, IOleWindow> {
public:
    explicit AccessibleObject(HWND window);

    // The window is gone: every call answers CO_E_OBJNOTCONNECTED from now on.
    void Disconnect();
    bool Connected() const { return window_ != nullptr; }
    HWND Window() const { return window_; }

    // Objects of this kind alive in the process (a leak shows here).
    static long LiveObjects();

    // IDispatch: the object is called through IAccessible only.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

    // IOleWindow: which window the object stands for.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override;

protected:
    ~AccessibleObject() override;
    void* FindInterface(REFIID iid) override;

    // What the class answers itself. Left empty (std::nullopt), the window
    // gets the standard object's answer and an element none.
    virtual long ElementCount() const { return 0; }
    virtual std::optional<std::wstring> Name(long child) const;
    virtual std::optional<std::wstring> Value(long child) const;
    virtual std::optional<long> Role(long child) const;
    virtual std::optional<long> State(long child) const;
    virtual std::optional<std::wstring> DefaultAction(long child) const;
    // False when there is no default action: the window's is the standard one.
    virtual bool DoDefaultAction(long child);
    // An element's rectangle in the window's client coordinates.
    virtual std::optional<RECT> ElementRect(long child) const;
    // Where the keyboard is: an element, 0 for the window itself, or -1 for
    // nowhere. By default the window while it has the focus.
    virtual long FocusedElement() const;
    // The selected element, or 0 for none.
    virtual long SelectedElement() const { return 0; }
    // accSelect on an element; false when the flags are not supported.
    virtual bool SelectElement(long flags, long child);
    // The element beside another in a direction (NAVDIR_NEXT, ...), or 0:
    // the elements stand in a row, in the order of their ids.
    virtual long Neighbour(long child, long direction) const;

    // The standard object's state of the window, for a class that adds to it.
    long StandardState() const;

private:
    // The child id of a VARIANT: 0 or an element's; false for anything else.
    bool ReadChild(const VARIANT& child, long& id) const;
    HRESULT Answer(const std::optional<std::wstring>& text, BSTR* out) const;

    HWND window_;
    IAccessible* standard_ = nullptr;
};

// The object a window serves, made at the first WM_GETOBJECT and kept; the
// window disconnects it when it goes (WM_DESTROY), and so does this holder
// when it is destroyed first.
class AccessibleServer {
public:
    AccessibleServer() = default;
    AccessibleServer(const AccessibleServer&) = delete;
    AccessibleServer& operator=(const AccessibleServer&) = delete;
    ~AccessibleServer() { Disconnect(); }

    // WM_GETOBJECT: for the client area (OBJID_CLIENT) the object that
    // `make` makes (once), handed over as LresultFromObject gives it; false
    // for every other object id, which the default handling answers.
    bool Answer(WPARAM wParam, LPARAM lParam, LRESULT& result,
                const std::function<Microsoft::WRL::ComPtr<AccessibleObject>()>& make);
    void Disconnect();
    AccessibleObject* Object() const { return object_.Get(); }

private:
    Microsoft::WRL::ComPtr<AccessibleObject> object_;
};

// Tells screen readers of an event of a window's client area or of one of
// its elements (NotifyWinEvent with OBJID_CLIENT).
void NotifyAccessibleEvent(DWORD event, HWND window, long child = CHILDID_SELF);
