// Libraries come from the system folder only, so that a library of the
// same name planted beside the program (or in the current folder) is never
// loaded in its place.
#pragma once

#include <windows.h>

// The first step of every program's entry routine, before anything loads a
// library by name: the default library search of the process becomes the
// system folder alone (SetDefaultDllDirectories, where the system has it;
// otherwise the current folder is at least taken out of the search).
// Returns false when the search could not be restricted.
bool UseSystemFolderForLibraries();

// Loads a system library by its file name from the system folder, or
// returns nullptr.
HMODULE LoadSystemLibrary(const wchar_t* fileName);
