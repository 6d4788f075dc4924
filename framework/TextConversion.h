// Conversions between the UTF-8 texts of the portable core and the UTF-16
// texts of the wide-character Win32 API (one definition, in the core).
#pragma once

#include "style/Utf16.h"
