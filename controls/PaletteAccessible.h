// The open palette as a screen reader reads it: a list of its entries in
// the order they show, top to bottom - the automatic entry, the 40 colour
// boxes named as their tooltips, "More Colors..." - with their places, and
// the entry the keys have reached (or, before that, the current colour's)
// focused and selected. Arrow directions move as the keys do. Served by the
// palette window (WM_GETOBJECT) while it is open.
#pragma once

#include "framework/AccessibleObject.h"

class ColorPaletteWindow;

class PaletteAccessible : public AccessibleObject {
public:
    explicit PaletteAccessible(const ColorPaletteWindow& palette);

protected:
    long ElementCount() const override;
    std::optional<std::wstring> Name(long child) const override;
    std::optional<long> Role(long child) const override;
    std::optional<long> State(long child) const override;
    std::optional<RECT> ElementRect(long child) const override;
    long FocusedElement() const override;
    long SelectedElement() const override { return FocusedElement(); }
    long Neighbour(long child, long direction) const override;

private:
    // Valid while connected: the palette disconnects the object before it goes.
    const ColorPaletteWindow& palette_;
};
