// An off-screen picture the size of a window's client area: what is drawn
// on it persists until it is drawn over, and every paint shows it.
#pragma once

#include <windows.h>

class Canvas {
 public:
  Canvas() = default;
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Makes the canvas `width` x `height`, filled with `background`.
  void Resize(int width, int height, COLORREF background);
  HDC dc() const { return dc_; }
  int width() const { return width_; }
  int height() const { return height_; }
  void DrawLine(int x1, int y1, int x2, int y2, COLORREF colour);
  void CopyTo(HDC target, int x, int y) const;

 private:
  void Release();
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};
