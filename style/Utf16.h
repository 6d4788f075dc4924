// Conversions between the 8-bit texts of the portable core and the UTF-16
// texts of the wide-character Win32 API. Windows only: elsewhere the core
// passes UTF-8 to the system as it is.
#pragma once

#ifdef _WIN32
#include <string>

// Paths and the program's own texts are UTF-8.
std::wstring WidenUtf8(const std::string& text);
std::string NarrowToUtf8(const std::wstring& text);

// The working page is 8-bit text of the system's ANSI code page.
std::wstring WidenAnsi(const std::string& text);
#endif
