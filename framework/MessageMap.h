// A message map: a table from message (and, for WM_COMMAND and WM_NOTIFY,
// control id and notification code) to a handler routine of the window class.
//
//   const MessageEntry<MyWindow> MyWindow::kMessageMap[] = {
//       OnMessage(WM_PAINT, &MyWindow::OnPaint),
//       OnCommand(IDOK, BN_CLICKED, &MyWindow::OnOk),
//       OnNotifyCode(NM_CLICK, &MyWindow::OnClick),
//   };
//   bool MyWindow::ProcessMessage(Message& message, LRESULT& result)
//   {
//       return RouteMessage(this, kMessageMap, message, result);
//   }
//
// Define ProcessMessage after the map itself: RouteMessage needs the map's
// length. Reflected messages (framework/Reflection.h) match their entries in
// the same way as the originals, so a control maps kReflectedCommand by
// notification code just as its parent would map WM_COMMAND.
#pragma once

#include <windows.h>

#include <cstddef>

#include "framework/Reflection.h"

// One message as a handler sees it. A handler that leaves the message to
// the default handling clears `handled`.
struct Message {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool handled;
};

template <class T>
struct MessageEntry {
    UINT message;
    bool matchId;
    UINT id;
    bool matchCode;
    UINT code;
    LRESULT (T::*handler)(Message& message);
};

template <class T>
constexpr MessageEntry<T> OnMessage(UINT message, LRESULT (T::*handler)(Message&))
{
    return {message, false, 0, false, 0, handler};
}

template <class T>
constexpr MessageEntry<T> OnCommand(UINT id, UINT code, LRESULT (T::*handler)(Message&), UINT message = WM_COMMAND)
{
    return {message, true, id, true, code, handler};
}

template <class T>
constexpr MessageEntry<T> OnCommandCode(UINT code, LRESULT (T::*handler)(Message&), UINT message = WM_COMMAND)
{
    return {message, false, 0, true, code, handler};
}

template <class T>
constexpr MessageEntry<T> OnNotify(UINT id, UINT code, LRESULT (T::*handler)(Message&), UINT message = WM_NOTIFY)
{
    return {message, true, id, true, code, handler};
}

template <class T>
constexpr MessageEntry<T> OnNotifyCode(UINT code, LRESULT (T::*handler)(Message&), UINT message = WM_NOTIFY)
{
    return {message, false, 0, true, code, handler};
}

// Control id and notification code of a command or notification message
// (also of their reflected forms); false for every other message.
bool ReadControlIdAndCode(const Message& message, UINT& id, UINT& code);

template <class T, std::size_t N>
bool RouteMessage(T* window, const MessageEntry<T> (&map)[N], Message& message, LRESULT& result)
{
    UINT id = 0;
    UINT code = 0;
    const bool hasIdAndCode = ReadControlIdAndCode(message, id, code);
    for (const MessageEntry<T>& entry : map) {
        if (entry.message != message.message) continue;
        if ((entry.matchId || entry.matchCode) && !hasIdAndCode) continue;
        if (entry.matchId && entry.id != id) continue;
        if (entry.matchCode && entry.code != code) continue;
        message.handled = true;
        result = (window->*entry.handler)(message);
        if (message.handled) return true;
    }
    return false;
}
