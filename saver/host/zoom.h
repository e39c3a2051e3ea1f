// The settings dialog's opening and closing animations, between the point
// where the mouse pointer was when the dialog loaded and the window.
#pragma once

#include <windows.h>

#include <cstdint>

namespace Ondira_B {

// The pointer's screen position in pixels when the dialog loaded.
extern std::int16_t OpenCursorX;
extern std::int16_t OpenCursorY;

// From the point (OpenCursorX, OpenCursorY) to the window's rectangle.
void ZoomFromPoint(HWND hwnd);
// From the window's rectangle back to that point.
void ZoomToPoint(HWND hwnd);

}  // namespace Ondira_B
