// What a property handler needs from the section page that owns its control.
// The Windows pages implement it over their real controls; the handlers know
// nothing else of the page. Control ids are the page's dialog control ids.
#pragma once

#include <cstdint>
#include <string>

#include "style/ColorValue.h"
#include "style/StoreResult.h"

namespace sections {

// Notification codes that route a control change to its handler (the page
// compares them with the Windows values it receives). They are copies, so
// that the core needs no Windows header; the Windows pages
// (sections/WindowPageControls.cpp) check each against the real value.
constexpr int kColorChangedCode = 0x8000;          // colour picker button, WM_NOTIFY
constexpr int kDeltaPosCode = -722;                 // UDN_DELTAPOS, WM_NOTIFY
constexpr int kSelChangeCode = 1;                   // CBN_SELCHANGE, WM_COMMAND

class PageControls {
public:
    virtual ~PageControls() = default;

    // Current colour of a colour picker button.
    virtual ColorValue ButtonColor(int id) const = 0;
    // Sets a colour picker button's current colour and repaints it.
    virtual void SetButtonColor(int id, ColorValue color) = 0;

    // Window text of a combo box (the selected item of a drop-down list), an
    // edit or any other control.
    virtual std::string ControlText(int id) const = 0;
    virtual void SetControlText(int id, const std::string& text) = 0;

    // BM_GETCHECK is non-zero.
    virtual bool IsChecked(int id) const = 0;

    // The range of an up-down control as UDM_GETRANGE returns it: the low
    // word is the upper limit, the high word the lower limit, each a signed
    // 16-bit number.
    virtual std::uint32_t UpDownRange(int id) const = 0;

    virtual void EnableControl(int id) = 0;
    virtual void DisableControl(int id) = 0;
    virtual bool IsControlEnabled(int id) const = 0;

    // Sends (not posts) kPageChangedMessage (sections/ProgramMessages.h) to
    // the main frame, so the preview has reread the working page when this
    // returns, and then hands the main frame whether the change's stores
    // reached the page.
    virtual void SendRefresh(StoreResult stored) = 0;
};

} // namespace sections
