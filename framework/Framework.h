// Glimmerpatch's small window framework (Windows only).
//
// What it offers, one idea per header:
//   MessageMap.h       message maps: tables from message (and control id and
//                      notification code) to a handler of the window class;
//                      the reflection constants (kReflectBase = 0x2000)
//   Window.h           Window: a window of our own registered class
//   SubclassedWindow.h SubclassedWindow: takes over an existing control by
//                      replacing its window procedure
//   Dialog.h           Dialog: modeless and modal dialogs from templates
//                      (resource or memory); unanswered messages are reflected
//   Reflection.h       message reflection: a child's message that its parent
//                      does not answer goes back to the child as 0x2000 + message
//   TextConversion.h   UTF-8 <-> UTF-16 texts
//
// Every class keeps its object alive at least as long as its window; the
// framework never deletes an object on its own.
#pragma once

#include "framework/Dialog.h"
#include "framework/MessageMap.h"
#include "framework/Reflection.h"
#include "framework/SubclassedWindow.h"
#include "framework/TextConversion.h"
#include "framework/Window.h"
