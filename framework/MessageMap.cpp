#include "framework/MessageMap.h"

bool ReadControlIdAndCode(const Message& message, UINT& id, UINT& code)
{
    const UINT plain = message.message >= kReflectionOffset ? message.message - kReflectionOffset : message.message;
    if (plain == WM_COMMAND) {
        id = LOWORD(message.wParam);
        code = HIWORD(message.wParam);
        return true;
    }
    if (plain == WM_NOTIFY && message.lParam != 0) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(message.lParam);
        id = static_cast<UINT>(header->idFrom);
        code = header->code;
        return true;
    }
    return false;
}
