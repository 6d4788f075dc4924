// Reads a compiled extended dialog template (DLGTEMPLATEEX) back into plain
// records, so that tests can compare a resource with the data it was made
// from. Header-only.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

struct TemplateItem {
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    int id = 0;
    std::wstring className;     // predefined classes by name ("Button"); ordinals as "#n" otherwise
    std::wstring text;          // an ordinal text (a resource number) as "#n"
};

struct DialogTemplate {
    bool valid = false;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    std::wstring menu, className, title;
    WORD pointSize = 0;
    std::wstring typeface;
    std::vector<TemplateItem> items;
};

class DialogTemplateReader {
public:
    DialogTemplateReader(const void* data, std::size_t size)
        : at_(static_cast<const BYTE*>(data)), end_(static_cast<const BYTE*>(data) + size)
    {
    }

    DialogTemplate Read()
    {
        DialogTemplate dialog;
        if (Word() != 1 || Word() != 0xFFFF) return dialog;   // not a DLGTEMPLATEEX
        Dword();                                               // help id
        dialog.exStyle = Dword();
        dialog.style = Dword();
        const WORD count = Word();
        dialog.x = static_cast<short>(Word());
        dialog.y = static_cast<short>(Word());
        dialog.cx = static_cast<short>(Word());
        dialog.cy = static_cast<short>(Word());
        dialog.menu = NameOrOrdinal();
        dialog.className = NameOrOrdinal();
        dialog.title = String();
        if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
            dialog.pointSize = Word();
            Word();     // weight
            Byte();     // italic
            Byte();     // character set
            dialog.typeface = String();
        }
        for (WORD i = 0; i < count && !failed_; ++i) {
            AlignTo(4);
            TemplateItem item;
            Dword();    // help id
            item.exStyle = Dword();
            item.style = Dword();
            item.x = static_cast<short>(Word());
            item.y = static_cast<short>(Word());
            item.cx = static_cast<short>(Word());
            item.cy = static_cast<short>(Word());
            item.id = static_cast<int>(Dword());
            item.className = ClassName();
            item.text = NameOrOrdinal();
            const WORD extra = Word();
            at_ += extra;
            dialog.items.push_back(item);
        }
        dialog.valid = !failed_ && at_ <= end_;
        return dialog;
    }

private:
    bool Has(std::size_t bytes)
    {
        if (static_cast<std::size_t>(end_ - at_) < bytes) failed_ = true;
        return !failed_;
    }
    BYTE Byte()
    {
        if (!Has(1)) return 0;
        return *at_++;
    }
    WORD Word()
    {
        if (!Has(2)) return 0;
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
    void AlignTo(std::size_t alignment)
    {
        while (reinterpret_cast<std::uintptr_t>(at_) % alignment) ++at_;
    }
    std::wstring String()
    {
        std::wstring text;
        for (WORD c = Word(); c && !failed_; c = Word()) text += static_cast<wchar_t>(c);
        return text;
    }
    std::wstring NameOrOrdinal()
    {
        if (!Has(2)) return L"";
        WORD first;
        std::memcpy(&first, at_, 2);
        if (first == 0xFFFF) {
            Word();
            return L"#" + std::to_wstring(Word());
        }
        return String();
    }
    std::wstring ClassName()
    {
        std::wstring name = NameOrOrdinal();
        static const wchar_t* const kPredefined[] = {L"Button", L"Edit", L"Static", L"ListBox", L"ScrollBar",
                                                     L"ComboBox"};
        for (int i = 0; i < 6; ++i)
            if (name == L"#" + std::to_wstring(0x80 + i)) return kPredefined[i];
        return name;
    }

    const BYTE* at_;
    const BYTE* end_;
    bool failed_ = false;
};

// The template of a dialog resource of this program, or an invalid one.
inline DialogTemplate ReadDialogResource(int id)
{
    HRSRC resource = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5)); // RT_DIALOG
    if (!resource) return {};
    HGLOBAL loaded = LoadResource(nullptr, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return DialogTemplateReader(data, SizeofResource(nullptr, resource)).Read();
}
