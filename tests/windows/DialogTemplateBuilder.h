// Builds a dialog template in memory, so that window tests need no
// resource script. Header-only; used by the tests and the showcase.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

class DialogTemplateBuilder {
public:
    // Font "Microsoft Sans Serif", 8 points (DS_SETFONT is added).
    DialogTemplateBuilder(DWORD style, short x, short y, short width, short height, const wchar_t* title)
    {
        style |= DS_SETFONT;
        AppendDword(style);
        AppendDword(0); // extended style
        countOffset_ = words_.size();
        AppendWord(0); // control count, patched by AddControl
        AppendWord(static_cast<WORD>(x));
        AppendWord(static_cast<WORD>(y));
        AppendWord(static_cast<WORD>(width));
        AppendWord(static_cast<WORD>(height));
        AppendWord(0); // no menu
        AppendWord(0); // the dialog class
        AppendString(title);
        AppendWord(8);
        AppendString(L"Microsoft Sans Serif");
    }

    void AddControl(const wchar_t* className, DWORD style, short x, short y, short width, short height, WORD id,
                    const wchar_t* text = L"")
    {
        Align();
        AppendDword(style | WS_CHILD | WS_VISIBLE);
        AppendDword(0);
        AppendWord(static_cast<WORD>(x));
        AppendWord(static_cast<WORD>(y));
        AppendWord(static_cast<WORD>(width));
        AppendWord(static_cast<WORD>(height));
        AppendWord(id);
        AppendString(className);
        AppendString(text);
        AppendWord(0); // no creation data
        ++words_[countOffset_];
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void AppendWord(WORD value) { words_.push_back(value); }
    void AppendDword(DWORD value)
    {
        AppendWord(LOWORD(value));
        AppendWord(HIWORD(value));
    }
    void AppendString(const wchar_t* text)
    {
        for (const wchar_t* c = text; *c; ++c) AppendWord(static_cast<WORD>(*c));
        AppendWord(0);
    }
    void Align()
    {
        if (words_.size() % 2) AppendWord(0);
    }

    std::vector<WORD> words_;
    std::size_t countOffset_ = 0;
};
