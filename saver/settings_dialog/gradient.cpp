#include "gradient.h"

#include <cmath>

#include "number_text.h"

std::uint32_t GradientColour(int y, double d) {
  const double value = std::fabs(std::sin(y / d)) * 220;
  // A surface without height has no divisor: its one row stays dark.
  const auto c = std::isfinite(value) ? static_cast<std::uint32_t>(RoundHalfToEven(value)) : 0u;
  return c | (c << 8) | ((c + 30) << 16);
}

void PaintGradient(GradientSurface& surface) {
  const int height = surface.ScaleHeight();
  const int width = surface.ScaleWidth();
  const double d = height / 3.142;
  for (int y = 0; y <= height; ++y) surface.DrawLine(0, y, width, y, GradientColour(y, d));
}
