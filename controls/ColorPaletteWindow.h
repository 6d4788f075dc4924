// The palette window of a colour picker button (window class "ColorPicker"):
// the automatic entry, the 40 colour boxes with tooltips and the custom
// entry. It exists only while it runs its modal loop: Run creates it, takes
// the mouse capture, runs until the capture is lost and cleans up again.
// The loop also ends when the window is destroyed from outside (its owner,
// the button's parent, was closed) and on WM_QUIT, which it posts again.
//
// Screen readers read it as a list of its entries, named as their tooltips
// and labels (controls/PaletteAccessible.h); every move of the highlight is
// told to them as a focus and a selection event, so that each colour is
// spoken as the keys reach it.
#pragma once

#include <windows.h>

#include <string>

#include "controls/ColorPaletteLayout.h"
#include "framework/AccessibleObject.h"
#include "framework/GdiHandles.h"
#include "framework/Window.h"

// What the palette needs of the button that opened it.
class PaletteOwner {
public:
    virtual COLORREF CurrentColor() const = 0;
    // An entry became the hot entry (palette::kNoEntry included).
    virtual void OnHotEntryChanged(int entry) = 0;

protected:
    ~PaletteOwner() = default;
};

class ColorPaletteWindow : public BaseWindow<ColorPaletteWindow> {
public:
    struct Outcome {
        bool chosen = false;               // the user made a choice
        int hotEntry = palette::kNoEntry;  // the entry that was hot at the end
        COLORREF chosenColor = 0;
    };

    // defaultText labels the automatic entry, customText the entry that opens
    // the colour dialog; an empty text leaves its entry out. dpi: the DPI the
    // button is drawn for; the palette's font and sizes are made for it.
    ColorPaletteWindow(PaletteOwner& owner, HWND button, std::wstring defaultText, std::wstring customText,
                       int dpi);
    ~ColorPaletteWindow() override;

    Outcome Run();
    // Ends the loop of a running palette as Escape would: no choice. (Its
    // sizes were made for one DPI; when that changes it closes rather than
    // show them at another.)
    void Cancel();

    // The colour an entry stands for: a box's colour, the automatic colour,
    // or (for the custom entry and no entry) nothing: returns false.
    static bool EntryColor(int entry, COLORREF& color);

    // What the open palette shows, for its accessible object.
    const palette::Layout& PaletteLayout() const { return layout_; }
    int HotEntry() const { return hotEntry_; }
    // The entry of the current colour, marked while the palette is open.
    int SelectedEntry() const { return selectedEntry_; }
    // A box's tooltip, or the text of the automatic or the custom entry.
    std::wstring EntryName(int entry) const;
    // In client coordinates.
    RECT EntryRect(int entry) const;

    static const WindowClass kWindowClass;
    static const MessageMap<ColorPaletteWindow> kMessageMap;

private:
    struct Colors {
        bool flatMenus = false;
        COLORREF background = 0;
        COLORREF highlight = 0;
        COLORREF hotFill = 0;
        COLORREF hotText = 0;
        COLORREF text = 0;
        COLORREF selectedFill = 0;
        COLORREF boxFrame = 0;
        COLORREF flatFrame = 0;
    };

    static Colors ReadSystemColors();
    void CreateResources();
    void ReleaseResources();
    bool CreatePaletteWindow();
    void AddTooltips();
    int SelectedEntryFor(COLORREF current) const;
    void RunModalLoop();
    void HandleKey(WPARAM key);
    void SetHotEntry(int entry);
    void InvalidateEntry(int entry);
    // Tells screen readers where the keyboard is: the entry as focused and selected.
    void NotifyEntryReached(int entry);

    LRESULT OnPaint(Message& message);
    LRESULT OnEraseBackground(Message& message);
    LRESULT OnMouseActivate(Message& message);
    LRESULT OnDpiChanged(Message& message);
    LRESULT OnGetObject(Message& message);
    LRESULT OnDestroy(Message& message);
    void PaintEntry(HDC dc, int entry);

    PaletteOwner& owner_;
    HWND button_;
    std::wstring defaultText_;
    std::wstring customText_;
    int dpi_;

    Colors colors_;
    GdiObject<HFONT> font_;
    GdiObject<HPALETTE> palette_;
    HWND tooltip_ = nullptr;
    palette::Layout layout_;
    int hotEntry_ = palette::kNoEntry;
    int selectedEntry_ = palette::kNoEntry;
    COLORREF chosenColor_ = 0;
    bool chosen_ = false;
    AccessibleServer accessible_;
};
