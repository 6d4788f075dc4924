// A name for a control that has no text to be named by - a picture, a
// button that shows only an image - so that a screen reader does not say
// "graphic" or "button" alone: the control serves an accessible object
// (framework/AccessibleObject.h) with the name and, where given, a role;
// the system answers everything else. Create it as Owned<AccessibleName>.
//
//   Owned<AccessibleName> pictureName;
//   pictureName.Attach(picture, L"Glimmerpatch", ROLE_SYSTEM_GRAPHIC);
#pragma once

#include <windows.h>

#include <string>

#include "framework/AccessibleObject.h"
#include "framework/SubclassedWindow.h"

class AccessibleName : public BaseSubclassedWindow<AccessibleName> {
public:
    // role 0 keeps the control's own role.
    bool Attach(HWND control, std::wstring name, long role = 0);
    const std::wstring& Name() const { return name_; }

    static const MessageMap<AccessibleName> kMessageMap;

protected:
    void OnWindowDetached() override { accessible_.Disconnect(); }

private:
    LRESULT OnGetObject(Message& message);
    LRESULT OnDestroy(Message& message);

    std::wstring name_;
    long role_ = 0;
    AccessibleServer accessible_;
};
