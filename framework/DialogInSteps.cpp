#include "framework/DialogInSteps.h"

#include "framework/Dpi.h"

#include <commctrl.h>

#include <cstring>
#include <string>

namespace {

// A walk through template bytes that stops at the end instead of running past it.
class TemplateWalk {
public:
    TemplateWalk(const BYTE* begin, std::size_t size) : begin_(begin), at_(begin), end_(begin + size) {}

    bool Failed() const { return failed_; }
    std::size_t Offset() const { return static_cast<std::size_t>(at_ - begin_); }
    const BYTE* At() const { return at_; }

    WORD Word()
    {
        if (end_ - at_ < 2) {
            failed_ = true;
            return 0;
        }
        WORD value;
        std::memcpy(&value, at_, 2);
        at_ += 2;
        return value;
    }
    DWORD Dword()
    {
        const WORD low = Word();
        return low | (static_cast<DWORD>(Word()) << 16);
    }
    void Skip(std::size_t bytes)
    {
        if (static_cast<std::size_t>(end_ - at_) < bytes) failed_ = true;
        else at_ += bytes;
    }
    // Templates align each control on a DWORD from the template's start.
    void AlignDword()
    {
        while (Offset() % 4 && !failed_) Skip(1);
    }
    void SkipString()
    {
        while (Word() && !failed_) {
        }
    }
    // A string, or 0xFFFF and an ordinal.
    void SkipNameOrOrdinal()
    {
        const BYTE* start = at_;
        if (Word() == 0xFFFF) {
            Word();
            return;
        }
        at_ = start;
        SkipString();
    }

private:
    const BYTE* begin_;
    const BYTE* at_;
    const BYTE* end_;
    bool failed_ = false;
};

const wchar_t* PredefinedClass(WORD ordinal)
{
    static const wchar_t* const kNames[] = {L"Button", L"Edit", L"Static", L"ListBox", L"ScrollBar", L"ComboBox"};
    return ordinal >= 0x80 && ordinal < 0x86 ? kNames[ordinal - 0x80] : nullptr;
}

// Where the header's fields stand (DLGTEMPLATEEX): version, signature, help
// id and extended style come before the style; the control count after it.
constexpr std::size_t kStyleOffset = 12;
constexpr std::size_t kCountOffset = 16;
// A point size that stands alone: the message box font, with no weight,
// italic, character set or typeface after it.
constexpr WORD kMessageBoxFontSize = 0x7FFF;

// The dialog manager's WM_INITDIALOG for the window without controls is
// answered here (FALSE: no focus); the dialog's own procedure takes over as
// soon as the window exists.
INT_PTR CALLBACK HoldInitialisation(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

} // namespace

StepDeadline StepDeadline::After(unsigned milliseconds)
{
    static const LONGLONG frequency = [] {
        LARGE_INTEGER ticks{};
        QueryPerformanceFrequency(&ticks);
        return ticks.QuadPart;
    }();
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    StepDeadline deadline;
    deadline.at_ = now.QuadPart + frequency * milliseconds / 1000;
    if (deadline.at_ == 0) deadline.at_ = 1;
    return deadline;
}

bool StepDeadline::Reached() const
{
    if (!at_) return false;
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return now.QuadPart >= at_;
}

bool DialogInSteps::Refuse(const char* reason)
{
    shell_.clear();
    items_.clear();
    refusal_ = reason;
    return false;
}

bool DialogInSteps::Load(HINSTANCE instance, UINT templateId)
{
    instance = instance ? instance : GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(instance, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5));   // RT_DIALOG
    HGLOBAL loaded = resource ? LoadResource(instance, resource) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return Refuse("no dialog resource of that id");
    return Load(instance, bytes, SizeofResource(instance, resource));
}

bool DialogInSteps::Load(HINSTANCE instance, const void* dialogTemplate, std::size_t size)
{
    instance_ = instance ? instance : GetModuleHandleW(nullptr);
    items_.clear();
    made_.clear();
    ownFont_.Reset();
    units_ = {};
    dpi_ = 0;
    next_ = 0;
    dialog_ = nullptr;
    initialised_ = false;
    refusal_ = "";
    const BYTE* bytes = static_cast<const BYTE*>(dialogTemplate);
    TemplateWalk walk(bytes, bytes ? size : 0);
    if (walk.Word() != 1 || walk.Word() != 0xFFFF) return Refuse("not an extended template (DLGTEMPLATEEX)");
    walk.Dword();                                                  // help id: the dialog manager sets it
    exStyle_ = walk.Dword();
    style_ = walk.Dword();
    const WORD count = walk.Word();
    walk.Skip(4);                                                  // x, y
    width_ = static_cast<short>(walk.Word());
    height_ = static_cast<short>(walk.Word());
    walk.SkipNameOrOrdinal();                                      // menu
    walk.SkipNameOrOrdinal();                                      // class
    walk.SkipString();                                             // title
    // Font data only with DS_SETFONT (DS_SHELLFONT includes it; DS_FIXEDSYS
    // alone brings none).
    font_ = {};
    if (style_ & DS_SETFONT) {
        const WORD points = walk.Word();
        if (points != kMessageBoxFontSize) {
            font_.pointSize = points;
            font_.weight = walk.Word();
            font_.italic = (walk.Word() & 0xFF) != 0;               // italic, then the character set
            const wchar_t* face = reinterpret_cast<const wchar_t*>(walk.At());
            walk.SkipString();
            if (!walk.Failed()) font_.face = face;
        }
    }
    if (walk.Failed()) return Refuse("the template's header ends early");

    // The header as it is, with no controls and hidden: a dialog that asks
    // to be visible shows once it is initialised.
    shell_.assign((walk.Offset() + 3) / 4, 0);
    BYTE* shell = reinterpret_cast<BYTE*>(shell_.data());
    std::memcpy(shell, bytes, walk.Offset());
    const DWORD hidden = style_ & ~WS_VISIBLE;
    const WORD none = 0;
    std::memcpy(shell + kStyleOffset, &hidden, 4);
    std::memcpy(shell + kCountOffset, &none, 2);

    for (WORD i = 0; i < count; ++i) {
        walk.AlignDword();
        Item item;
        item.helpId = walk.Dword();
        item.exStyle = walk.Dword();
        item.style = walk.Dword();
        item.x = static_cast<short>(walk.Word());
        item.y = static_cast<short>(walk.Word());
        item.cx = static_cast<short>(walk.Word());
        item.cy = static_cast<short>(walk.Word());
        item.id = static_cast<LONG>(walk.Dword());
        const BYTE* className = walk.At();
        if (walk.Word() == 0xFFFF) {
            item.className = PredefinedClass(walk.Word());
            if (!item.className && !walk.Failed()) return Refuse("a control's class is an unknown ordinal");
        } else {
            item.className = reinterpret_cast<const wchar_t*>(className);
            walk.SkipString();
        }
        item.text = reinterpret_cast<const wchar_t*>(walk.At());
        walk.SkipNameOrOrdinal();
        const WORD extra = walk.Word();
        if (extra) {
            // The control gets the creation data behind its size word.
            item.data = walk.At() - 2;
            walk.Skip(extra);
        }
        if (walk.Failed()) return Refuse("the template ends inside a control");
        items_.push_back(item);
    }
    return true;
}

HWND DialogInSteps::CreateShell(HWND parent, DLGPROC procedure, LPARAM param)
{
    if (shell_.empty() || dialog_) return nullptr;
    dialog_ = CreateDialogIndirectParamW(instance_, reinterpret_cast<const DLGTEMPLATE*>(shell_.data()), parent,
                                         &HoldInitialisation, 0);
    if (!dialog_) return nullptr;
    param_ = param;
    units_ = BaseUnitsOfDialog(dialog_);
    // Whether the dialog manager put the scroll bars outside the template's
    // size (Wine does) or inside it.
    RECT made{};
    GetWindowRect(dialog_, &made);
    const SIZE inside = WindowSizeFor(ClientSize(), MonitorDpi(dialog_));
    scrollBarsOutside_ = made.bottom - made.top > inside.cy || made.right - made.left > inside.cx;
    SetWindowLongPtrW(dialog_, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(procedure));
    return dialog_;
}

bool DialogInSteps::Adopt(HWND dialog)
{
    if (shell_.empty() || dialog_ || !dialog) return false;
    std::vector<HWND> children;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    if (children.size() != items_.size()) return false;
    dialog_ = dialog;
    made_ = std::move(children);
    next_ = items_.size();
    initialised_ = true;
    units_ = BaseUnitsOfDialog(dialog);
    return true;
}

HFONT DialogInSteps::TemplateFont() const
{
    if (ownFont_) return ownFont_.Get();
    return dialog_ ? reinterpret_cast<HFONT>(SendMessageW(dialog_, WM_GETFONT, 0, 0)) : nullptr;
}

namespace {

bool SameFont(HFONT one, HFONT other)
{
    LOGFONTW a{}, b{};
    return one && other && GetObjectW(one, sizeof a, &a) && GetObjectW(other, sizeof b, &b) &&
           a.lfHeight == b.lfHeight && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           lstrcmpiW(a.lfFaceName, b.lfFaceName) == 0;
}

} // namespace

void DialogInSteps::UseDpi(int dpi)
{
    if (!dialog_ || dpi <= 0 || dpi == dpi_) return;
    GdiObject<HFONT> font(MakeDialogFont(font_, dpi));
    const DialogBaseUnits units = font ? BaseUnitsOf(font.Get()) : DialogBaseUnits{};
    if (units.x <= 0 || units.y <= 0) return;   // the layout there is stays
    const HFONT previous = TemplateFont();
    const HFONT managers = reinterpret_cast<HFONT>(SendMessageW(dialog_, WM_GETFONT, 0, 0));
    GdiObject<HFONT> replaced = std::move(ownFont_);
    if (units != BaseUnitsOfDialog(dialog_) || !SameFont(managers, font.Get())) ownFont_ = std::move(font);
    units_ = units;
    dpi_ = dpi;
    const HFONT current = TemplateFont();
    if (current == previous) return;
    for (HWND control : made_)
        if (control && reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)) == previous)
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(current), FALSE);
    // `replaced` goes now that no control draws with it.
}

SIZE DialogInSteps::ClientSizeFor(DialogBaseUnits units) const
{
    const RECT size = DialogUnitsToPixels(0, 0, width_, height_, units);
    return {size.right, size.bottom};
}

SIZE DialogInSteps::WindowSizeFor(SIZE client, int dpi) const
{
    RECT window{0, 0, client.cx, client.cy};
    AdjustWindowRectForDpi(window, style_, exStyle_, dpi);
    SIZE size{window.right - window.left, window.bottom - window.top};
    if (scrollBarsOutside_ && (style_ & WS_HSCROLL)) size.cy += SystemMetricForDpi(SM_CYHSCROLL, dpi);
    if (scrollBarsOutside_ && (style_ & WS_VSCROLL)) size.cx += SystemMetricForDpi(SM_CXVSCROLL, dpi);
    return size;
}

void DialogInSteps::PlaceControls(int shift)
{
    if (!dialog_) return;
    for (std::size_t i = 0; i < made_.size() && i < items_.size(); ++i) {
        HWND control = made_[i];
        if (!control) continue;
        const Item& item = items_[i];
        const RECT place = DialogUnitsToPixels(item.x, item.y, item.cx, item.cy, units_);
        UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW;
        const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
        wchar_t className[32] = {};
        GetClassNameW(control, className, 32);
        const bool isStatic = lstrcmpiW(className, L"Static") == 0;
        if (isStatic && (style & SS_TYPEMASK) == SS_BITMAP && !(style & SS_REALSIZECONTROL)) flags |= SWP_NOSIZE;
        SetWindowPos(control, nullptr, place.left - shift, place.top, place.right - place.left,
                     place.bottom - place.top, flags);
        // An up-down on a buddy's edge moves there again and narrows the
        // buddy, as when it was made; the buddy keeps its text.
        if (lstrcmpiW(className, UPDOWN_CLASSW) == 0 && (style & (UDS_ALIGNLEFT | UDS_ALIGNRIGHT))) {
            if (HWND buddy = reinterpret_cast<HWND>(SendMessageW(control, UDM_GETBUDDY, 0, 0))) {
                const int length = GetWindowTextLengthW(buddy);
                std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
                text.resize(static_cast<std::size_t>(GetWindowTextW(buddy, &text[0], length + 1)));
                SendMessageW(control, UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
                const int after = GetWindowTextLengthW(buddy);
                std::wstring now(static_cast<std::size_t>(after) + 1, L'\0');
                now.resize(static_cast<std::size_t>(GetWindowTextW(buddy, &now[0], after + 1)));
                if (now != text) SetWindowTextW(buddy, text.c_str());
            }
        }
    }
}

bool DialogInSteps::MakeControls(const StepDeadline& deadline)
{
    if (!dialog_ || initialised_) return dialog_ != nullptr;
    if (next_ < items_.size()) {
        const HFONT font = TemplateFont();
        do {
            const Item& item = items_[next_];
            DWORD style = (item.style & ~WS_POPUP) | WS_CHILD;
            DWORD exStyle = item.exStyle | WS_EX_NOPARENTNOTIFY;
            if (style & WS_BORDER) {
                style &= ~WS_BORDER;
                exStyle |= WS_EX_CLIENTEDGE;
            }
            // Each value converted on its own, not the right and bottom edges.
            const RECT place = DialogUnitsToPixels(item.x, item.y, item.cx, item.cy, units_);
            HWND control = CreateWindowExW(exStyle, item.className, item.text, style, place.left, place.top,
                                           place.right - place.left, place.bottom - place.top, dialog_,
                                           reinterpret_cast<HMENU>(static_cast<LONG_PTR>(item.id)), instance_,
                                           const_cast<void*>(item.data));
            if (!control && !(style_ & DS_NOFAILCREATE)) return false;
            ++next_;
            made_.push_back(control);
            if (!control) continue;
            if (font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
            if (item.helpId) SetWindowContextHelpId(control, item.helpId);
            if (SendMessageW(control, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
                SendMessageW(dialog_, DM_SETDEFID, static_cast<WPARAM>(item.id), 0);
        } while (next_ < items_.size() && !deadline.Reached());
        if (deadline.IsSet()) return true;
    }
    Initialise();
    return true;
}

// As the dialog manager ends a dialog's creation: WM_INITDIALOG with the
// first tab stop; the focus there (its text selected) when the procedure
// answers TRUE; then shown when the template asks for WS_VISIBLE.
void DialogInSteps::Initialise()
{
    initialised_ = true;
    const HWND dialog = dialog_;
    auto firstStop = [dialog] {
        HWND stop = GetNextDlgTabItem(dialog, nullptr, FALSE);
        return stop ? stop : GetNextDlgGroupItem(dialog, nullptr, FALSE);
    };
    if (SendMessageW(dialog, WM_INITDIALOG, reinterpret_cast<WPARAM>(firstStop()), param_) && IsWindow(dialog) &&
        (!(style_ & DS_CONTROL) || (style_ & WS_VISIBLE))) {
        if (HWND focus = firstStop()) {
            if (SendMessageW(focus, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) SendMessageW(focus, EM_SETSEL, 0, MAXLONG);
            SetFocus(focus);
        } else if (!(style_ & WS_CHILD)) {
            SetFocus(dialog);
        }
    }
    if ((style_ & WS_VISIBLE) && IsWindow(dialog) && !(GetWindowLongW(dialog, GWL_STYLE) & WS_VISIBLE)) {
        ShowWindow(dialog, SW_SHOWNORMAL);
        UpdateWindow(dialog);
    }
}
