#include "picture_box.h"

#include "application.h"

namespace {

const char PictureBoxClassName[] = "OndiraPictureBox";

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
  CreateWindowExA(WS_EX_CONTROLPARENT, PictureBoxClassName, "",
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
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    static_cast<PictureBox*>(create->lpCreateParams)->window_ = window;
  }
  auto* box = reinterpret_cast<PictureBox*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (box == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  return box->HandleMessage(message, wParam, lParam);
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      surface_.Resize(LOWORD(lParam), HIWORD(lParam));
      if (onResize) onResize();
      Refresh();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      surface_.Paint(dc);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_PRINTCLIENT:
      surface_.Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      surface_.PassMouseDown(PressedButtonOf(message), lParam);
      return 0;
    case WM_SETCURSOR:
      if (App::CurrentMousePointer() == App::MousePointer::Hourglass) {
        SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    default:
      break;
  }
  return DefWindowProcA(window_, message, wParam, lParam);
}
