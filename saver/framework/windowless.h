// Controls without a window of their own: their container paints them in
// order, over its background, and passes them its mouse presses.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "picture.h"

class WindowlessControl {
 public:
  virtual ~WindowlessControl() = default;
  // Position and size in the container's pixels.
  RECT bounds = {0, 0, 0, 0};
  bool visible = true;
  bool enabled = true;
  // A mouse button pressed over the control: button (1 left, 2 right,
  // 4 middle), shift state, position in the container's pixels.
  std::function<void(int button, int shift, int x, int y)> onMouseDown;

  virtual void Paint(HDC dc) const = 0;
  void SetBounds(int left, int top, int width, int height);
  bool Contains(int x, int y) const;
};

// Shows its picture at the picture's natural size, anchored at its own
// top-left corner, cut off where the control is smaller.
class Image : public WindowlessControl {
 public:
  std::shared_ptr<Picture> picture;
  void Paint(HDC dc) const override;
};

class Label : public WindowlessControl {
 public:
  enum class Alignment { Left, Centre };
  std::string caption;  // UTF-8
  HFONT font = nullptr;  // owned by the container's layout
  COLORREF textColour = 0;
  Alignment alignment = Alignment::Left;
  bool border = false;       // thin single-line frame
  bool wordWrap = false;
  void Paint(HDC dc) const override;
  // Sizes the label to its caption in its font (keeps the top-left corner).
  void SizeToCaption(HDC dc);
};

// A one-pixel hollow rectangle.
class Shape : public WindowlessControl {
 public:
  COLORREF borderColour = 0;
  void Paint(HDC dc) const override;
};
