#include "canvas.h"

Canvas::~Canvas() { Release(); }

void Canvas::Release() {
  if (dc_ == nullptr) return;
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
  dc_ = nullptr;
  bitmap_ = nullptr;
  width_ = height_ = 0;
}

void Canvas::Resize(int width, int height, COLORREF background) {
  Release();
  if (width <= 0 || height <= 0) return;
  HDC screen = GetDC(nullptr);
  dc_ = CreateCompatibleDC(screen);
  bitmap_ = CreateCompatibleBitmap(screen, width, height);
  ReleaseDC(nullptr, screen);
  previous_ = SelectObject(dc_, bitmap_);
  width_ = width;
  height_ = height;
  HBRUSH brush = CreateSolidBrush(background);
  RECT all = {0, 0, width, height};
  FillRect(dc_, &all, brush);
  DeleteObject(brush);
}

void Canvas::DrawLine(int x1, int y1, int x2, int y2, COLORREF colour) {
  if (dc_ == nullptr) return;
  HPEN pen = CreatePen(PS_SOLID, 1, colour);
  HGDIOBJ previous = SelectObject(dc_, pen);
  MoveToEx(dc_, x1, y1, nullptr);
  LineTo(dc_, x2, y2);
  SelectObject(dc_, previous);
  DeleteObject(pen);
}

void Canvas::CopyTo(HDC target, int x, int y) const {
  if (dc_ != nullptr) BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}
