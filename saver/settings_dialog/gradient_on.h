// The dialog's gradient painted on a form or a panel: any surface with the
// framework's ScaleWidth, ScaleHeight and DrawLine, in its own pixels.
#pragma once

#include <cstdint>

#include "gradient.h"

template <typename Surface>
class GradientOn : public GradientSurface {
 public:
  explicit GradientOn(Surface& surface) : surface_(surface) {}
  int ScaleWidth() const override { return surface_.ScaleWidth(); }
  int ScaleHeight() const override { return surface_.ScaleHeight(); }
  void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t colour) override {
    surface_.DrawLine(x1, y1, x2, y2, colour);
  }

 private:
  Surface& surface_;
};

template <typename Surface>
void PaintGradientOn(Surface& surface) {
  GradientOn<Surface> adapter(surface);
  PaintGradient(adapter);
}
