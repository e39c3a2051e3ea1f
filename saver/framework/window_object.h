// The object one of our windows was created for: passed as the creation
// parameter and kept in the window's user data from WM_NCCREATE on.
#pragma once

#include <windows.h>

// The window's object, or null before WM_NCCREATE and after it is detached.
template <typename Object>
Object* WindowObjectOf(HWND window, UINT message, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    void* object = reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(object));
  }
  return reinterpret_cast<Object*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}
