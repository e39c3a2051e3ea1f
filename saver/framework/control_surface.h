// What a form and a picture box share: a persistent drawing surface in
// pixels, the windowless controls painted over it in order, and the mouse
// presses handed to the control under the pointer.
#pragma once

#include <windows.h>

#include <vector>

#include "canvas.h"
#include "windowless.h"

class ControlSurface {
 public:
  explicit ControlSurface(COLORREF background) : background_(background) {}

  // Keeps the surface the size of the client area; what was drawn is lost.
  void Resize(int width, int height);
  int width() const { return surface_.width(); }
  int height() const { return surface_.height(); }
  COLORREF background() const { return background_; }
  void DrawLine(int x1, int y1, int x2, int y2, COLORREF colour);
  void AddControl(WindowlessControl& control) { controls_.push_back(&control); }

  // Surface, then the visible controls, composed off screen and shown at once.
  void Paint(HDC target) const;
  // A press of `button` (1 left, 2 right, 4 middle) at a client position;
  // true when a control took it.
  bool PassMouseDown(int button, LPARAM position) const;

  // The messages every window with a surface handles alike: erasing (never),
  // painting and printing the surface, mouse presses, and the hourglass of
  // the pointer override. True, with `result` set, when it took the message.
  bool HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                     LRESULT& result) const;

 private:
  COLORREF background_;
  Canvas surface_;
  std::vector<WindowlessControl*> controls_;
};

// The shift state of a mouse event: 1 Shift, 2 Ctrl, 4 Alt.
int CurrentShiftState();

// A mouse-button message's button number (1 left, 2 right, 4 middle), or 0.
int PressedButtonOf(UINT message);
