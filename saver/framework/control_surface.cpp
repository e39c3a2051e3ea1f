#include "control_surface.h"

#include "application.h"

void ControlSurface::Resize(int width, int height) { surface_.Resize(width, height, background_); }

void ControlSurface::DrawLine(int x1, int y1, int x2, int y2, COLORREF colour) {
  surface_.DrawLine(x1, y1, x2, y2, colour);
}

void ControlSurface::Paint(HDC target) const {
  Canvas frame;
  frame.Resize(surface_.width(), surface_.height(), background_);
  if (frame.dc() == nullptr) return;
  surface_.CopyTo(frame.dc(), 0, 0);
  for (const WindowlessControl* control : controls_) {
    if (control->visible) control->Paint(frame.dc());
  }
  frame.CopyTo(target, 0, 0);
}

bool ControlSurface::PassMouseDown(int button, LPARAM position) const {
  const int x = static_cast<short>(LOWORD(position));
  const int y = static_cast<short>(HIWORD(position));
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    WindowlessControl* control = *it;
    if (control->visible && control->Contains(x, y)) {
      if (control->onMouseDown) control->onMouseDown(button, CurrentShiftState(), x, y);
      return true;
    }
  }
  return false;
}

bool ControlSurface::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                   LRESULT& result) const {
  result = 0;
  switch (message) {
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      Paint(dc);
      EndPaint(window, &paint);
      return true;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return true;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      PassMouseDown(PressedButtonOf(message), lParam);
      return true;
    case WM_SETCURSOR:
      if (App::CurrentMousePointer() != App::MousePointer::Hourglass) return false;
      SetCursor(LoadCursorA(nullptr, IDC_WAIT));
      result = TRUE;
      return true;
    default:
      return false;
  }
}

int CurrentShiftState() {
  return ((GetKeyState(VK_SHIFT) < 0) ? 1 : 0) | ((GetKeyState(VK_CONTROL) < 0) ? 2 : 0) |
         ((GetKeyState(VK_MENU) < 0) ? 4 : 0);
}

int PressedButtonOf(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN:
      return 1;
    case WM_RBUTTONDOWN:
      return 2;
    case WM_MBUTTONDOWN:
      return 4;
    default:
      return 0;
  }
}
