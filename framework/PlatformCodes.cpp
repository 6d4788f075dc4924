// The portable core copies a few Windows message numbers and notification
// codes so that it needs no Windows header; here, in the Windows layer,
// each copy is tied to the real value. A wrong copy does not compile.
#include <windows.h>
#include <commctrl.h>

#include "controls/ColorPickerNotification.h"
#include "sections/PageControls.h"

static_assert(sections::kRefreshMessage == WM_APP + 1, "the refresh message is WM_APP+1");
static_assert(sections::kDeltaPosCode == static_cast<int>(UDN_DELTAPOS), "UDN_DELTAPOS");
static_assert(sections::kSelChangeCode == CBN_SELCHANGE, "CBN_SELCHANGE");
static_assert(sections::kColorChangedCode == static_cast<int>(kColorPickerColorChanged),
              "the colour picker's colour-changed code");
