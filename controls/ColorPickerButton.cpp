#include "controls/ColorPickerButton.h"

#include <commdlg.h>

#include "controls/ColorPickerAccessible.h"
#include "controls/PaletteColors.h"
#include "framework/ButtonPresses.h"
#include "framework/Dpi.h"
#include "framework/GdiHandles.h"
#include "framework/Owned.h"
#include "style/Utf16.h"

// Sent to child windows once their top-level window has taken a new DPI;
// the headers declare it for newer systems only.
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

namespace {

// Button part and states of the "Button" theme class.
constexpr int kPushButtonPart = 1;
constexpr int kStateNormal = 1;
constexpr int kStateHot = 2;
constexpr int kStatePressed = 3;
constexpr int kStateDisabled = 4;

// The 16 custom colours of the colour dialog, shared by every button of
// the process; they start white.
COLORREF* SharedCustomColors()
{
    static COLORREF colors[16] = {
        0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
        0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF,
    };
    return colors;
}

UINT_PTR CALLBACK ColorDialogHook(HWND, UINT message, WPARAM, LPARAM)
{
    // The dialog's own handling for everything. For WM_INITDIALOG that takes
    // TRUE: with FALSE the dialog would not give its first control the
    // keyboard focus, and the user could not work it by keys.
    return message == WM_INITDIALOG ? TRUE : FALSE;
}

} // namespace

ColorPickerButton::ColorPickerButton()
    : currentColor_(kAutomaticColor),
      defaultColor_(GetSysColor(COLOR_APPWORKSPACE)),
      defaultText_(L"Automatic"),
      customText_(L"More Colors...")
{
}

ColorPickerButton::~ColorPickerButton()
{
    if (alive_) *alive_ = false;
}

bool ColorPickerButton::Attach(HWND button)
{
    if (!Subclass(button)) return false;
    const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
    SetWindowLongPtrW(button, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    TreatDoubleClicksAsPresses(button);
    dpi_ = WindowDpi(button);
    theme_.Open(Handle(), L"Button", dpi_);
    Redraw();
    return true;
}

void ColorPickerButton::SetDpi(int dpi)
{
    if (!IsUsableDpi(dpi) || dpi == dpi_) return;
    dpi_ = dpi;
    if (openPalette_) openPalette_->Cancel();
    if (theme_) theme_.Open(Handle(), L"Button", dpi_);
    Redraw();
}

void ColorPickerButton::SetColor(COLORREF color)
{
    const bool changed = color != currentColor_;
    currentColor_ = color;
    if (changed)
        ColorChanged();
    else
        Redraw();
}

void ColorPickerButton::SetAccessibleName(const std::wstring& name)
{
    if (name == accessibleName_) return;
    accessibleName_ = name;
    NotifyAccessibleEvent(EVENT_OBJECT_NAMECHANGE, Handle());
}

void ColorPickerButton::ColorChanged()
{
    Redraw();
    NotifyAccessibleEvent(EVENT_OBJECT_VALUECHANGE, Handle());
}

std::wstring ColorPickerButton::ColorInWords() const
{
    if (currentColor_ == kAutomaticColor && defaultText_.empty())
        return WidenUtf8(::ColorInWords(defaultColor_, ""));
    return WidenUtf8(::ColorInWords(currentColor_, NarrowToUtf8(defaultText_)));
}

void ColorPickerButton::SetDefaultColor(COLORREF color)
{
    defaultColor_ = color;
    Redraw();
}

void ColorPickerButton::Redraw()
{
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void ColorPickerButton::Notify(UINT code, COLORREF color, bool valid)
{
    HWND parent = GetParent(Handle());
    if (!parent) return;
    ColorPickerNotification record{};
    record.header.hwndFrom = Handle();
    record.header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(Handle()));
    record.header.code = code;
    record.color = color;
    record.valid = valid ? TRUE : FALSE;
    SendMessageW(parent, WM_NOTIFY, record.header.idFrom, reinterpret_cast<LPARAM>(&record));
}

const MessageMap<ColorPickerButton> ColorPickerButton::kMessageMap = {
    OnMessage(kReflectedDrawItem, &ColorPickerButton::OnDrawItem),
    OnCommandCode(BN_CLICKED, &ColorPickerButton::OnClicked, kReflectedCommand),
    OnMessage(WM_MOUSEMOVE, &ColorPickerButton::OnMouseMove),
    OnMessage(WM_MOUSELEAVE, &ColorPickerButton::OnMouseLeave),
    OnMessage(WM_THEMECHANGED, &ColorPickerButton::OnThemeChanged),
    OnMessage(WM_DPICHANGED_AFTERPARENT, &ColorPickerButton::OnDpiChangedAfterParent),
    OnMessage(kUseDpiMessage, &ColorPickerButton::OnUseDpi),
    OnMessage(WM_DESTROY, &ColorPickerButton::OnDestroy),
    OnMessage(WM_GETOBJECT, &ColorPickerButton::OnGetObject),
};

LRESULT ColorPickerButton::OnMouseMove(Message& message)
{
    if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE;
        track.hwndTrack = Handle();
        TrackMouseEvent(&track);
        Redraw();
    }
    message.handled = false; // the button tracks its pressed state itself
    return 0;
}

LRESULT ColorPickerButton::OnMouseLeave(Message& message)
{
    hot_ = false;
    Redraw();
    message.handled = false;
    return 0;
}

LRESULT ColorPickerButton::OnDpiChangedAfterParent(Message& message)
{
    SetDpi(WindowDpi(Handle()));
    message.handled = false;
    return 0;
}

LRESULT ColorPickerButton::OnUseDpi(Message& message)
{
    SetDpi(static_cast<int>(message.wParam));
    return 0;
}

LRESULT ColorPickerButton::OnThemeChanged(Message& message)
{
    theme_.Open(Handle(), L"Button", dpi_);
    Redraw();
    message.handled = false;
    return 0;
}

LRESULT ColorPickerButton::OnGetObject(Message& message)
{
    LRESULT result = 0;
    if (accessible_.Answer(message.wParam, message.lParam, result,
                           [this] { return MakeComObject<ColorPickerAccessible>(*this); }))
        return result;
    message.handled = false;
    return 0;
}

LRESULT ColorPickerButton::OnDestroy(Message& message)
{
    accessible_.Disconnect();
    theme_.Reset();
    message.handled = false;
    return 0;
}

LRESULT ColorPickerButton::OnDrawItem(Message& message)
{
    const DRAWITEMSTRUCT* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.lParam);
    if (!item) return FALSE;
    HDC dc = item->hDC;
    RECT rect = item->rcItem;
    const bool selected = (item->itemState & ODS_SELECTED) != 0;
    const bool disabled = (item->itemState & ODS_DISABLED) != 0;
    const bool focused = (item->itemState & ODS_FOCUS) != 0;

    RECT content;
    // The arrow in the colour of the button's text: black but in a
    // high-contrast scheme, where black would vanish on a black face.
    COLORREF arrowColor = GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT);
    if (theme_) {
        const int state = disabled ? kStateDisabled : selected ? kStatePressed : hot_ ? kStateHot : kStateNormal;
        VisualStyles::Get().DrawBackground(theme_.Get(), Handle(), dc, kPushButtonPart, state, rect);
        content = VisualStyles::Get().ContentRect(theme_.Get(), dc, kPushButtonPart, state, rect);
        if (!disabled) VisualStyles::Get().TextColor(theme_.Get(), kPushButtonPart, state, arrowColor);
    } else {
        UINT frame = DFCS_BUTTONPUSH;
        if (selected) frame |= DFCS_PUSHED;
        if (disabled) frame |= DFCS_INACTIVE;
        DrawFrameControl(dc, &rect, DFC_BUTTON, frame);
        content = rect;
        InflateRect(&content, -SystemMetricForDpi(SM_CXEDGE, dpi_), -SystemMetricForDpi(SM_CYEDGE, dpi_));
        const int pushed = ScaleForDpi(1, dpi_);
        if (selected) OffsetRect(&content, pushed, pushed);
    }

    const palette::PickerFace face =
        palette::LayOutPickerFace(palette::Rect{content.left, content.top, content.right, content.bottom}, dpi_);
    auto toRect = [](const palette::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; };
    if (focused) {
        RECT focus = toRect(face.focus);
        DrawFocusRect(dc, &focus);
    }

    // The arrow: three points, filled.
    POINT arrow[3];
    for (int i = 0; i < 3; ++i) arrow[i] = POINT{face.arrow[i].x, face.arrow[i].y};
    FillSolidPolygon(dc, arrow, 3, arrowColor);

    // The etched line between the swatch and the arrow.
    RECT separator = toRect(face.separator);
    DrawEdge(dc, &separator, EDGE_ETCHED, BF_LEFT);

    if (!disabled) {
        const RECT swatch = toRect(face.swatch);
        if (swatch.right > swatch.left && swatch.bottom > swatch.top) {
            FillSolid(dc, swatch, currentColor_ == kAutomaticColor ? defaultColor_ : currentColor_);
            FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        }
    }
    return TRUE;
}

void ColorPickerButton::OnHotEntryChanged(int entry)
{
    if (!trackSelection_) return;
    COLORREF color = 0;
    if (entry == palette::kCustomEntry)
        currentColor_ = defaultColor_;
    else if (ColorPaletteWindow::EntryColor(entry, color))
        currentColor_ = color;
    ColorChanged();
    Notify(kColorPickerColorChanged, currentColor_, entry != palette::kNoEntry);
}

LRESULT ColorPickerButton::OnClicked(Message&)
{
    if (alive_) return 0; // the palette is open already
    // The palette's loop and the colour dialog dispatch every message of the
    // thread: the owner of this object may close its window and let the
    // object go meanwhile. Then nothing more is done or sent.
    bool alive = true;
    alive_ = &alive;
    struct Closing {
        bool& alive;
        bool*& flag;
        ~Closing()
        {
            if (alive) flag = nullptr;
        }
    } closing{alive, alive_};

    Notify(kColorPickerDropDown, currentColor_, true);
    if (!alive || !Handle()) return 0;
    const COLORREF saved = currentColor_;

    ColorPaletteWindow::Outcome outcome;
    {
        Owned<ColorPaletteWindow> palette(*this, Handle(), defaultText_, customText_, dpi_);
        openPalette_ = &palette;
        NotifyAccessibleEvent(EVENT_OBJECT_STATECHANGE, Handle()); // expanded
        outcome = palette.Run();
        if (alive) openPalette_ = nullptr;
    }
    if (alive) NotifyAccessibleEvent(EVENT_OBJECT_STATECHANGE, Handle());
    if (!alive) return 0;
    if (!Handle()) outcome.chosen = false; // the button went while the palette was open

    bool chosen = outcome.chosen;
    if (chosen && outcome.hotEntry == palette::kCustomEntry) {
        COLORREF color = currentColor_;
        const bool accepted = RunColorDialog(color);
        if (!alive) return 0;
        if (accepted && Handle())
            currentColor_ = color;
        else
            chosen = false;
    } else if (chosen) {
        currentColor_ = outcome.chosenColor;
    }

    // Each notification may end the object too.
    UINT closingCode;
    if (chosen) {
        if (currentColor_ != saved) {
            ColorChanged();
            Notify(kColorPickerColorChanged, currentColor_, true);
        }
        closingCode = kColorPickerChosen;
    } else {
        if (trackSelection_ && currentColor_ != saved) {
            currentColor_ = saved;
            ColorChanged();
            Notify(kColorPickerColorChanged, currentColor_, true);
        }
        closingCode = kColorPickerCancelled;
    }
    if (!alive) return 0;
    Notify(kColorPickerCloseUp, currentColor_, true);
    if (!alive) return 0;
    Notify(closingCode, currentColor_, true);
    if (!alive) return 0;
    Redraw();
    return 0;
}

bool ColorPickerButton::RunColorDialog(COLORREF& color)
{
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = Handle();
    dialog.lpCustColors = SharedCustomColors();
    dialog.Flags = CC_FULLOPEN | CC_ANYCOLOR | CC_ENABLEHOOK;
    dialog.lpfnHook = &ColorDialogHook;
    // The automatic colour is no colour the dialog could show.
    if (currentColor_ != 0 && currentColor_ != kAutomaticColor) {
        dialog.rgbResult = currentColor_;
        dialog.Flags |= CC_RGBINIT;
    }
    if (!ChooseColorW(&dialog)) return false;
    color = dialog.rgbResult & 0x00FFFFFF;
    return true;
}
