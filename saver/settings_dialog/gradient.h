// The gradient painted behind the dialog's controls: one horizontal line per
// pixel row, dark blue at the top and bottom edges, light at mid-height.
#pragma once

#include <cstdint>

// A surface the gradient is drawn on, in its own pixels.
class GradientSurface {
 public:
  virtual ~GradientSurface() = default;
  virtual int ScaleWidth() const = 0;
  virtual int ScaleHeight() const = 0;
  // A line in the colour 0x00BBGGRR.
  virtual void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t colour) = 0;
};

// The colour of row `y` for the divisor `d` (the height / 3.142):
// c = |sin(y / d)| * 220 rounded half to even; red = green = c, blue = c + 30.
std::uint32_t GradientColour(int y, double d);

// Rows 0 to the height inclusive, each a line from (0, y) to (width, y).
void PaintGradient(GradientSurface& surface);
