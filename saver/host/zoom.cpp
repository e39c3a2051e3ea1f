#include "zoom.h"

namespace Ondira_B {

std::int16_t OpenCursorX = 0;
std::int16_t OpenCursorY = 0;

namespace {

RECT OpenCursorPoint() { return {OpenCursorX, OpenCursorY, OpenCursorX, OpenCursorY}; }

}  // namespace

void ZoomFromPoint(HWND hwnd) {
  const RECT from = OpenCursorPoint();
  RECT to = {};
  GetWindowRect(hwnd, &to);
  DrawAnimatedRects(hwnd, IDANI_CAPTION, &from, &to);
}

void ZoomToPoint(HWND hwnd) {
  RECT from = {};
  GetWindowRect(hwnd, &from);
  const RECT to = OpenCursorPoint();
  DrawAnimatedRects(hwnd, IDANI_CAPTION, &from, &to);
}

}  // namespace Ondira_B
