#include "framework/DialogInSteps.h"

#include <cstring>

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

} // namespace

bool DialogInSteps::Load(HINSTANCE instance, UINT templateId)
{
    instance_ = instance ? instance : GetModuleHandleW(nullptr);
    shell_.clear();
    items_.clear();
    next_ = 0;
    HRSRC resource = FindResourceW(instance_, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5));   // RT_DIALOG
    HGLOBAL loaded = resource ? LoadResource(instance_, resource) : nullptr;
    const BYTE* bytes = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    const std::size_t size = resource ? SizeofResource(instance_, resource) : 0;
    if (!bytes || size < 26) return false;

    TemplateWalk walk(bytes, size);
    if (walk.Word() != 1 || walk.Word() != 0xFFFF) return false;   // not a DLGTEMPLATEEX
    walk.Dword();                                                  // help id
    walk.Dword();                                                  // extended style
    const DWORD style = walk.Dword();
    const std::size_t countOffset = walk.Offset();
    const WORD count = walk.Word();
    walk.Skip(8);                                                  // x, y, cx, cy
    walk.SkipNameOrOrdinal();                                      // menu
    walk.SkipNameOrOrdinal();                                      // class
    walk.SkipString();                                             // title
    if (style & (DS_SETFONT | DS_SHELLFONT)) {
        walk.Skip(6);                                              // point size, weight, italic, character set
        walk.SkipString();                                         // typeface
    }
    if (walk.Failed()) return false;

    // The header as it is, with no controls.
    shell_.assign((walk.Offset() + 3) / 4, 0);
    std::memcpy(shell_.data(), bytes, walk.Offset());
    const WORD none = 0;
    std::memcpy(reinterpret_cast<BYTE*>(shell_.data()) + countOffset, &none, 2);

    for (WORD i = 0; i < count; ++i) {
        walk.AlignDword();
        Item item;
        walk.Dword();                                              // help id
        item.exStyle = walk.Dword();
        item.style = walk.Dword();
        item.x = static_cast<short>(walk.Word());
        item.y = static_cast<short>(walk.Word());
        item.cx = static_cast<short>(walk.Word());
        item.cy = static_cast<short>(walk.Word());
        item.id = walk.Dword();
        const BYTE* className = walk.At();
        if (walk.Word() == 0xFFFF) {
            item.className = PredefinedClass(walk.Word());
            if (!item.className) return false;
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
        if (walk.Failed()) return false;
        items_.push_back(item);
    }
    return true;
}

bool DialogInSteps::MakeControls(HWND dialog, ULONGLONG deadline)
{
    if (!dialog || Done()) return dialog != nullptr;
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    do {
        const Item& item = items_[next_];
        DWORD style = (item.style & ~WS_POPUP) | WS_CHILD;
        DWORD exStyle = item.exStyle | WS_EX_NOPARENTNOTIFY;
        if (style & WS_BORDER) {
            style &= ~WS_BORDER;
            exStyle |= WS_EX_CLIENTEDGE;
        }
        // Each value converted on its own, not the right and bottom edges.
        RECT place{item.x, item.y, item.cx, item.cy};
        MapDialogRect(dialog, &place);
        HWND control = CreateWindowExW(exStyle, item.className, item.text, style, place.left, place.top, place.right,
                                       place.bottom, dialog, reinterpret_cast<HMENU>(static_cast<ULONG_PTR>(item.id)),
                                       instance_, const_cast<void*>(item.data));
        if (!control) return false;
        if (font) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
        ++next_;
    } while (!Done() && (!deadline || GetTickCount64() < deadline));
    return true;
}
