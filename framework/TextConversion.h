// Conversions between the UTF-8 texts of the portable core and the UTF-16
// texts of the wide-character Win32 API.
#pragma once

#include <string>

std::wstring WidenUtf8(const std::string& text);
std::string NarrowToUtf8(const std::wstring& text);
