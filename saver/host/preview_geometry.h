// The preview's size: the parent's outer size in twips, each held in 16
// bits; a size that does not fit is 0.
#pragma once

#include <cstdint>

struct PreviewSize {
  std::int16_t widthTwips = 0;
  std::int16_t heightTwips = 0;
};

PreviewSize PreviewSizeInTwips(long left, long top, long right, long bottom, int twipsPerPixelX,
                               int twipsPerPixelY);
