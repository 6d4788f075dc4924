// Takes over an existing window (usually a control of a dialog template) by
// replacing its window procedure. Messages that the object does not answer
// go on to the control's own procedure.
#pragma once

#include <windows.h>

#include "framework/MessageMap.h"

class SubclassedWindow {
public:
    SubclassedWindow() = default;
    SubclassedWindow(const SubclassedWindow&) = delete;
    SubclassedWindow& operator=(const SubclassedWindow&) = delete;
    virtual ~SubclassedWindow();

    HWND Handle() const { return window_; }

    bool Subclass(HWND window);
    // Gives the window its own procedure back.
    void Unsubclass();

protected:
    virtual bool ProcessMessage(Message& message, LRESULT& result) = 0;
    LRESULT CallOriginalProcedure(const Message& message);

private:
    static LRESULT CALLBACK SubclassProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    WNDPROC original_ = nullptr;
};
