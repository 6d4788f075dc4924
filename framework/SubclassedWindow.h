// Takes over an existing window (usually a control of a dialog template)
// through the common controls' subclass chain (SetWindowSubclass), so that
// subclasses installed before or after ours keep working, also after ours
// is removed. Messages that the object does not answer go on down the chain
// to the control's own procedure.
//
// A class whose messages all go through its message map is built on
// BaseSubclassedWindow<T> and declares `static const MessageMap<T>
// kMessageMap` (framework/MessageMap.h).
//
// Create objects as Owned<T> (framework/Owned.h): the object detaches from
// the control before it goes, and OnWindowDetached runs either way - when
// the object lets the control go, or when the control is destroyed first
// (then after its WM_DESTROY and WM_NCDESTROY have reached the object).
#pragma once

#include <windows.h>

#include "framework/MessageMap.h"

template <class T>
class Owned;

class SubclassedWindow {
public:
    SubclassedWindow() = default;
    SubclassedWindow(const SubclassedWindow&) = delete;
    SubclassedWindow& operator=(const SubclassedWindow&) = delete;
    virtual ~SubclassedWindow();

    HWND Handle() const { return window_; }

    // Fails while the object holds a control, or when the window is not one.
    bool Subclass(HWND window);
    // Leaves the window to the rest of its chain.
    void Detach();

protected:
    virtual bool ProcessMessage(Message& message, LRESULT& result) = 0;
    // The object no longer holds the control: Handle() is nullptr again.
    virtual void OnWindowDetached() {}
    // The rest of the chain: the subclasses installed before ours and the
    // control's own procedure.
    LRESULT CallOriginalProcedure(const Message& message);

private:
    template <class T>
    friend class Owned;
    virtual void OwnedByMostDerivedClass() = 0;
    void EndWindow() { Detach(); }

    // noexcept: an exception never unwinds through the system's frames; one
    // that would leave a handler stops the program at once (std::terminate).
    static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR id, DWORD_PTR data) noexcept;

    HWND window_ = nullptr;
};

template <class T>
using BaseSubclassedWindow = RoutedToMessageMap<T, SubclassedWindow>;
