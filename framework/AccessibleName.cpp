#include "framework/AccessibleName.h"

namespace {

class NamedAccessible : public AccessibleObject {
public:
    NamedAccessible(HWND window, const AccessibleName& owner, long role)
        : AccessibleObject(window), owner_(owner), role_(role)
    {
    }

protected:
    std::optional<std::wstring> Name(long) const override { return owner_.Name(); }
    std::optional<long> Role(long child) const override
    {
        return role_ ? std::optional<long>(role_) : AccessibleObject::Role(child);
    }

private:
    // Valid while connected: the holder disconnects the object before it goes.
    const AccessibleName& owner_;
    long role_;
};

} // namespace

const MessageMap<AccessibleName> AccessibleName::kMessageMap = {
    OnMessage(WM_GETOBJECT, &AccessibleName::OnGetObject),
    OnMessage(WM_DESTROY, &AccessibleName::OnDestroy),
};

bool AccessibleName::Attach(HWND control, std::wstring name, long role)
{
    if (!Subclass(control)) return false;
    name_ = std::move(name);
    role_ = role;
    return true;
}

LRESULT AccessibleName::OnGetObject(Message& message)
{
    LRESULT result = 0;
    if (accessible_.Answer(message.wParam, message.lParam, result,
                           [this] { return MakeComObject<NamedAccessible>(Handle(), *this, role_); }))
        return result;
    message.handled = false;
    return 0;
}

LRESULT AccessibleName::OnDestroy(Message& message)
{
    accessible_.Disconnect();
    message.handled = false;
    return 0;
}
