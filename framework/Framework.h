// Glimmerpatch's small window framework (Windows only): the whole API.
//
// Lifetime, the one rule (Owned.h):
//   The object outlives its window. Window, Dialog and SubclassedWindow
//   classes are created only as Owned<T> (a member, a local or on the heap);
//   its destructor ends the window while the whole object still exists, so
//   WM_DESTROY and WM_NCDESTROY reach the derived class and its cleanup
//   needs no help from its destructor. OnWindowDetached() follows the last
//   message (or, for a subclassed control, the moment the object lets go).
//   GDI objects, image lists and device contexts are held by the owners of
//   GdiHandles.h, theme data by ThemeHandle (controls/VisualStyles.h).
//
// Message handling, the same for every kind:
//   a class built on BaseWindow<T>, BaseDialog<T> or BaseSubclassedWindow<T>
//   declares `static const MessageMap<T> kMessageMap` (MessageMap.h), a table
//   from message (and control id and notification code) to a handler of the
//   class, and every message it gets goes through it. A handler running
//   inside it may cause its own object to be destroyed (a nested modal
//   loop); the framework touches the object no more after the handler
//   returns, and handlers that run nested loops check for it
//   (controls/ColorPickerButton.cpp).
//
// The headers:
//   Owned.h            Owned<T>: the most derived class, which ends the window
//   Window.h           BaseWindow<T>: a window of a class of our own, which
//                      its first window registers (WindowClass); the
//                      arguments of a new window (WindowArguments)
//   Dialog.h           Dialog, BaseDialog<T>: modeless and modal dialogs from
//                      templates (resource or memory); modeless ones register
//                      with the thread's MessageLoop for keyboard navigation
//   SubclassedWindow.h SubclassedWindow, BaseSubclassedWindow<T>: takes over
//                      an existing control through SetWindowSubclass; other
//                      subclasses in the chain, before or after ours, keep
//                      working
//   Reflection.h       message reflection for windows and dialogs alike: a
//                      child's message that its parent does not answer goes
//                      back to the child as kReflectionOffset (0x2000) +
//                      message (kReflectedCommand, kReflectedNotify,
//                      kReflectedDrawItem); the list of colour messages
//   FrameworkMessages.h the framework's own message numbers, apart from the
//                      program's
//   MessageMap.h       message maps
//   MessageLoop.h      the thread's loop: accelerators of one window first,
//                      then the key filters, then IsDialogMessage for
//                      registered modeless dialogs, then dispatch; an idle
//                      step when the queue empties. How keys are caught.
//   SystemChanges.h    PassToChildren: a change of the system's settings,
//                      colours or theme, passed from a window to its children
//   Dpi.h, DpiScale.h  the DPI of a window, sizes at 96 DPI scaled to it
//                      (portable), fonts and metrics for a DPI
//   DpiPictures.h      pictures drawn at several scales, described by their
//                      callers, for any DPI
//   GdiHandles.h       GdiObject<H>, ImageList, IconHandle, WindowDC,
//                      MemoryDC, SelectedObject; FillSolid and the other
//                      one-colour drawing helpers
//   DialogHelpers.h    message boxes titled with the program's name,
//                      centring a dialog over its owner
//   SystemLibraries.h  UseSystemFolderForLibraries(), the first call of
//                      every entry routine; LoadSystemLibrary
//   CommandBar.h       CommandBar: a menu drawn as flat toolbar buttons, with
//                      the keyboard of a menu bar; shows other pop-ups alike
//   SplitWindow.h      SplitWindow: two panes over each other, a fixed bar,
//                      the bottom pane keeps its height
//   ControlHost.h      ControlHost: our in-place container of the web
//                      browser control (ambient download control, host
//                      security manager), with a notice in its place
//   ButtonPresses.h    TreatDoubleClicksAsPresses: an owner-drawn button
//                      takes a quick second click for a press
//   ComObject.h        ComObject<I...>: the one IUnknown of our own COM
//                      objects; MakeComObject returns the first reference;
//                      DispatchById, an IDispatch called by id only
//   AccessibleObject.h AccessibleObject: what a window we draw ourselves
//                      tells screen readers, built on the system's standard
//                      object, with elements of its own; AccessibleServer
//                      answers WM_GETOBJECT and disconnects the object when
//                      the window goes; NotifyAccessibleEvent
//   AccessibleName.h   AccessibleName: a name for a control without text (a
//                      picture, an image button)
//   Panes.h            F6 and Shift+F6 between a top-level window's panes:
//                      the pane commands and the next pane to take the focus
//
// Texts cross between the portable core's UTF-8 and the wide Win32 API with
// WidenUtf8 and NarrowToUtf8 of the core (style/Utf16.h).
//
// A window class in full:
//
//   class Swatch : public BaseWindow<Swatch> {
//   public:
//       HWND Create(HWND parent, const RECT& rect)
//       {
//           return BaseWindow::Create({.parent = parent, .rect = rect, .style = WS_CHILD | WS_VISIBLE});
//       }
//       static const WindowClass kWindowClass;
//       static const MessageMap<Swatch> kMessageMap;
//   private:
//       LRESULT OnPaint(Message& message);
//       LRESULT OnDestroy(Message& message);   // runs: Owned<Swatch> ends the window
//       GdiObject<HBRUSH> brush_;
//   };
//   // Swatch.cpp
//   const WindowClass Swatch::kWindowClass = {.name = L"GlimmerpatchSwatch", .background = COLOR_WINDOW};
//   const MessageMap<Swatch> Swatch::kMessageMap = {
//       OnMessage(WM_PAINT, &Swatch::OnPaint),
//       OnMessage(WM_DESTROY, &Swatch::OnDestroy),
//   };
//
//   Owned<Swatch> swatch;   // never a plain Swatch: that does not compile
#pragma once

#include "framework/AccessibleName.h"
#include "framework/AccessibleObject.h"
#include "framework/CommandBar.h"
#include "framework/ControlHost.h"
#include "framework/Dialog.h"
#include "framework/DialogHelpers.h"
#include "framework/FrameworkMessages.h"
#include "framework/GdiHandles.h"
#include "framework/MessageLoop.h"
#include "framework/MessageMap.h"
#include "framework/Owned.h"
#include "framework/Panes.h"
#include "framework/Reflection.h"
#include "framework/SplitWindow.h"
#include "framework/SubclassedWindow.h"
#include "framework/SystemChanges.h"
#include "framework/SystemLibraries.h"
#include "framework/Window.h"
