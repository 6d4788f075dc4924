// Links the whole Windows layer into one program, so that its imports can
// be checked (ImportedLibraries.sh). Started by nothing.
#include <windows.h>

#include "controls/ColorPickerButton.h"
#include "controls/TabContainer.h"
#include "framework/Framework.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    UseSystemFolderForLibraries();
    MessageLoop loop;
    Owned<ColorPickerButton> picker;
    Owned<TabContainer> container;
    return VisualStyles::Get().Available() && picker.Handle() == container.Handle() ? loop.Run() : 0;
}
