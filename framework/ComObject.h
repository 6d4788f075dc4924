// The IUnknown of our own small COM objects (the browser host's site and
// security manager, the preview's event sink): one reference count and a
// QueryInterface over the interfaces the class names, so that no class
// writes its own. A class derives from ComObject<I1, I2, ...> and answers
// FindInterface with the matching base for each interface id it implements
// (IID_IUnknown included, always through the same base); the object deletes
// itself at its last Release. Make objects with MakeComObject, which returns
// the first reference:
//
//   Microsoft::WRL::ComPtr<HostSite> site = MakeComObject<HostSite>(window);
//
// Single-threaded apartment objects: the count is still interlocked, because
// the control may call AddRef and Release from its own helper threads.
//
// DispatchById is the IDispatch of such an object when it is only ever
// called by dispatch id (ambient properties, event sinks): it has no type
// information and knows no names, and the class answers Invoke alone. Name
// it among the interfaces, ComObject<..., DispatchById, ...>, and answer
// IID_IDispatch with it.
#pragma once

#include <windows.h>
#include <oaidl.h>
#include <unknwn.h>
#include <wrl/client.h>

#include <utility>

template <class... Interfaces>
class ComObject : public Interfaces... {
public:
    ComObject() = default;
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object) return E_POINTER;
        *object = FindInterface(iid);
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

protected:
    virtual ~ComObject() = default;
    // The interface for iid as a pointer to the matching base, or nullptr.
    virtual void* FindInterface(REFIID iid) = 0;

private:
    // The first reference is the ComPtr's that MakeComObject returns.
    LONG references_ = 0;
};

class DispatchById : public IDispatch {
public:
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
};

// (Not ComPtr::Attach, which takes a reference of its own in MinGW-w64's
// headers and not in the platform SDK's: the constructor from a pointer adds
// one in both.)
template <class T, class... Arguments>
Microsoft::WRL::ComPtr<T> MakeComObject(Arguments&&... arguments)
{
    return Microsoft::WRL::ComPtr<T>(new T(std::forward<Arguments>(arguments)...));
}
