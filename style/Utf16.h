// Conversions between the UTF-8 texts of the portable core and the UTF-16
// texts of the wide-character Win32 API. Windows only: elsewhere the core
// passes UTF-8 to the system as it is.
#pragma once

#ifdef _WIN32
#include <string>

std::wstring WidenUtf8(const std::string& text);
std::string NarrowToUtf8(const std::wstring& text);
#endif
