// A picture box used as a panel: a child window with its own persistent
// drawing surface, windowless controls and child controls of its own.
#pragma once

#include <windows.h>

#include <functional>

#include "control_surface.h"

class PictureBox {
 public:
  explicit PictureBox(COLORREF background) : surface_(background) {}
  ~PictureBox();
  PictureBox(const PictureBox&) = delete;
  PictureBox& operator=(const PictureBox&) = delete;

  // Creates the window inside `parent` at a pixel position and size (the
  // outer size, a border included).
  void Create(HWND parent, int left, int top, int width, int height);
  HWND Handle() const { return window_; }
  int ScaleWidth() const { return surface_.width(); }
  int ScaleHeight() const { return surface_.height(); }
  void DrawLine(int x1, int y1, int x2, int y2, COLORREF colour);
  void AddControl(WindowlessControl& control) { surface_.AddControl(control); }
  void Refresh();

  // Runs after every change of size, once the surface has its new size.
  std::function<void()> onResize;
  // A sunken 3D frame around the inner area; set before Create.
  bool border = false;

 private:
  static LRESULT CALLBACK WindowProc(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  HWND window_ = nullptr;
  ControlSurface surface_;
};
