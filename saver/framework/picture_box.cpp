#include "picture_box.h"

#include "application.h"
#include "window_object.h"

namespace {

const char PictureBoxClassName[] = "OndiraPictureBox";

// The first of the box's own controls that the tab key can reach.
HWND FirstTabStopIn(HWND box) {
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED)) return child;
  }
  return nullptr;
}

bool IsTabForward(const MSG* key) {
  return key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_TAB &&
         GetKeyState(VK_SHIFT) >= 0;
}

}  // namespace

PictureBox::~PictureBox() {
  if (window_ != nullptr) {
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void PictureBox::Create(HWND parent, int left, int top, int width, int height) {
  static bool registered = false;
  if (!registered) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = App::Instance();
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = PictureBoxClassName;
    registered = RegisterClassA(&windowClass) != 0;
  }
  const DWORD frame = border ? WS_EX_CLIENTEDGE : 0;
  CreateWindowExA(WS_EX_CONTROLPARENT | frame, PictureBoxClassName, "",
                  WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_TABSTOP, left, top,
                  width, height, parent, nullptr, App::Instance(), this);
}

void PictureBox::DrawLine(int x1, int y1, int x2, int y2, COLORREF colour) {
  surface_.DrawLine(x1, y1, x2, y2, colour);
}

void PictureBox::Refresh() {
  if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

LRESULT CALLBACK PictureBox::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* box = WindowObjectOf<PictureBox>(window, message, lParam);
  if (box == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCCREATE) box->window_ = window;
  return box->HandleMessage(message, wParam, lParam);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (surface_.HandleMessage(window_, message, wParam, lParam, result)) return result;
  switch (message) {
    case WM_SIZE:
      surface_.Resize(LOWORD(lParam), HIWORD(lParam));
      if (onResize) onResize();
      Refresh();
      return 0;
    // The box comes just before its own controls in the tab order: the tab
    // key on the focused box itself moves into them.
    case WM_GETDLGCODE:
      if (IsTabForward(reinterpret_cast<const MSG*>(lParam)) &&
          FirstTabStopIn(window_) != nullptr) {
        return DLGC_WANTTAB;
      }
      break;
    case WM_KEYDOWN:
      if (wParam == VK_TAB) {
        if (HWND first = FirstTabStopIn(window_)) SetFocus(first);
        return 0;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}
