// Message reflection: a message from a child control that its parent does
// not answer goes back to that child with kReflectBase added to its number,
// and the child's answer becomes the parent's answer.
#pragma once

#include <windows.h>

// The child control that a parent's message comes from, or nullptr when the
// message is not one that is reflected or its child cannot be found.
HWND FindReflectionTarget(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);

// Sends the message back to its child with kReflectBase added. Returns false
// (and leaves result alone) when there is no child to reflect to.
bool ReflectToChild(HWND parent, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
