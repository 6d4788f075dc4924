// The colour picker button as a screen reader reads it: named by the label
// that stands for it on its page, a button that drops down, with the colour
// it shows in words as its value ("Orange", "Default", "red 10, green 200,
// blue 30"); its state says that it opens a pop-up, and that the pop-up is
// open while the palette shows. Served by the button (WM_GETOBJECT).
#pragma once

#include "framework/AccessibleObject.h"

class ColorPickerButton;

class ColorPickerAccessible : public AccessibleObject {
public:
    explicit ColorPickerAccessible(const ColorPickerButton& button);

protected:
    std::optional<std::wstring> Name(long child) const override;
    std::optional<std::wstring> Value(long child) const override;
    std::optional<long> Role(long child) const override;
    std::optional<long> State(long child) const override;

private:
    // Valid while connected: the button disconnects the object before it goes.
    const ColorPickerButton& button_;
};
