// A message map: a table from message (and, for WM_COMMAND and WM_NOTIFY,
// control id and notification code) to a handler routine of the window class.
//
//   const MessageMap<MyWindow> MyWindow::kMessageMap = {
//       OnMessage(WM_PAINT, &MyWindow::OnPaint),
//       OnCommand(IDOK, BN_CLICKED, &MyWindow::OnOk),
//       OnNotifyCode(NM_CLICK, &MyWindow::OnClick),
//   };
//
// A class built on BaseWindow<T>, BaseDialog<T> or BaseSubclassedWindow<T>
// declares its map as `static const MessageMap<T> kMessageMap` (public, so
// that its base reaches it; the handlers it names stay private), and every
// message the class gets goes through it. Reflected messages (framework/Reflection.h)
// match their entries in the same way as the originals, so a control maps
// kReflectedCommand by notification code just as its parent would map
// WM_COMMAND.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <vector>

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

template <class T>
class MessageMap {
public:
    MessageMap() = default;
    MessageMap(std::initializer_list<MessageEntry<T>> entries) : entries_(entries) {}

    // Runs the handlers of the matching entries in the map's order until one
    // leaves the message handled: then true, with its answer in result.
    bool Route(T* window, Message& message, LRESULT& result) const
    {
        UINT id = 0;
        UINT code = 0;
        const bool hasIdAndCode = ReadControlIdAndCode(message, id, code);
        for (const MessageEntry<T>& entry : entries_) {
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

private:
    std::vector<MessageEntry<T>> entries_;
};

// The message routine of a class whose every message goes through its map:
// the common part of BaseWindow<T>, BaseDialog<T> and BaseSubclassedWindow<T>.
template <class T, class Base>
class RoutedToMessageMap : public Base {
protected:
    bool ProcessMessage(Message& message, LRESULT& result) override
    {
        return T::kMessageMap.Route(static_cast<T*>(this), message, result);
    }
};
