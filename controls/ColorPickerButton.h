// The colour picker button: takes over a push button of a dialog, draws it
// as a colour swatch with a drop-down arrow, and on a click opens the
// palette (ColorPaletteWindow) and, from its "More Colors..." entry, the
// system colour dialog. The parent learns the outcome through WM_NOTIFY
// (controls/ColorPickerNotification.h).
//
// The parent must reflect WM_DRAWITEM and WM_COMMAND to the button (our
// windows and dialogs do so for every message they do not answer). Create
// it as Owned<ColorPickerButton> (framework/Owned.h).
//
// Screen readers read the button through its own accessible object
// (controls/ColorPickerAccessible.h): the name its owner gives it, the role
// of a button that drops down, and the colour it shows in words as its
// value, which changes with every pick (EVENT_OBJECT_VALUECHANGE).
#pragma once

#include <windows.h>

#include <string>

#include "controls/ColorPaletteWindow.h"
#include "controls/ColorPickerNotification.h"
#include "controls/VisualStyles.h"
#include "framework/AccessibleObject.h"
#include "framework/SubclassedWindow.h"

class ColorPickerButton : public BaseSubclassedWindow<ColorPickerButton>, private PaletteOwner {
public:
    ColorPickerButton();
    ~ColorPickerButton() override;

    // Takes over an existing push button and makes it owner-drawn.
    bool Attach(HWND button);

    COLORREF GetColor() const { return currentColor_; }
    void SetColor(COLORREF color);
    COLORREF GetDefaultColor() const { return defaultColor_; }
    void SetDefaultColor(COLORREF color);
    const std::wstring& GetDefaultText() const { return defaultText_; }
    void SetDefaultText(const std::wstring& text) { defaultText_ = text; }
    const std::wstring& GetCustomText() const { return customText_; }
    void SetCustomText(const std::wstring& text) { customText_ = text; }
    bool GetTrackSelection() const { return trackSelection_; }
    void SetTrackSelection(bool track) { trackSelection_ = track; }

    // What a screen reader calls the button (it has no text of its own): the
    // label that stands for it, as a sighted user reads it.
    const std::wstring& GetAccessibleName() const { return accessibleName_; }
    void SetAccessibleName(const std::wstring& name);
    // The colour shown, in words (PaletteColors.h): the automatic colour is
    // the default text, or without one the default colour's words.
    std::wstring ColorInWords() const;
    bool IsPaletteOpen() const { return openPalette_ != nullptr; }

    bool IsDrawnWithVisualStyles() const { return static_cast<bool>(theme_); }

    // The DPI the button and its palette are drawn for: its window's, from
    // Attach on, then the one its parent passes on (kUseDpiMessage) or its
    // window's after WM_DPICHANGED_AFTERPARENT. A new one redraws the button
    // with the sizes of that DPI and closes an open palette, which was laid
    // out for the old one.
    int Dpi() const { return dpi_; }
    void SetDpi(int dpi);

    static const MessageMap<ColorPickerButton> kMessageMap;

protected:
    void OnWindowDetached() override { accessible_.Disconnect(); }

private:
    // PaletteOwner
    COLORREF CurrentColor() const override { return currentColor_; }
    void OnHotEntryChanged(int entry) override;

    LRESULT OnDrawItem(Message& message);
    LRESULT OnClicked(Message& message);
    LRESULT OnMouseMove(Message& message);
    LRESULT OnMouseLeave(Message& message);
    LRESULT OnThemeChanged(Message& message);
    LRESULT OnDpiChangedAfterParent(Message& message);
    LRESULT OnUseDpi(Message& message);
    LRESULT OnDestroy(Message& message);
    LRESULT OnGetObject(Message& message);

    void Redraw();
    // The current colour has changed: redrawn, and screen readers told.
    void ColorChanged();
    void Notify(UINT code, COLORREF color, bool valid);
    bool RunColorDialog(COLORREF& color);

    COLORREF currentColor_;
    COLORREF defaultColor_;
    std::wstring defaultText_;
    std::wstring customText_;
    std::wstring accessibleName_;
    bool trackSelection_ = false;
    bool hot_ = false;
    ThemeHandle theme_;
    int dpi_ = 96;
    ColorPaletteWindow* openPalette_ = nullptr;
    // While the palette is open: set to false when the object goes.
    bool* alive_ = nullptr;
    AccessibleServer accessible_;
};
