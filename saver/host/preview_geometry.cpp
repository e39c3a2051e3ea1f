#include "preview_geometry.h"

#include "number_text.h"

namespace {

std::int16_t HeldInSixteenBits(double twips) {
  const double rounded = RoundHalfToEven(twips);
  if (rounded < -32768.0 || rounded > 32767.0) return 0;
  return static_cast<std::int16_t>(rounded);
}

}  // namespace

PreviewSize PreviewSizeInTwips(long left, long top, long right, long bottom, int twipsPerPixelX,
                               int twipsPerPixelY) {
  PreviewSize size;
  size.widthTwips = HeldInSixteenBits(static_cast<double>(twipsPerPixelX) * (right - left));
  size.heightTwips = HeldInSixteenBits(static_cast<double>(twipsPerPixelY) * (bottom - top));
  return size;
}
