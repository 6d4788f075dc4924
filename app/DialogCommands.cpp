#include "app/DialogCommands.h"

#include "app/AboutDialog.h"
#include "resources/ResourceIds.h"
#include "style/CodeView.h"

bool RunDialogCommand(UINT id)
{
    switch (id) {
    case ID_GP_SHOW_CODE: ShowCodeView(); return true;
    case ID_GP_DONATE:
    case ID_GP_ABOUT: ShowAboutDialog(); return true;
    default: return false;
    }
}
