#include "preview_geometry.h"

#include <gtest/gtest.h>

namespace {

TEST(PreviewSizeInTwips, IsTheParentsOuterSizeHeldInSixteenBits) {
  struct Case { long left, top, right, bottom; int tppX, tppY; int width, height; };
  const Case cases[] = {
      {100, 50, 252, 162, 15, 15, 2280, 1680},   // the monitor picture: 152 x 112
      {0, 0, 0, 0, 15, 15, 0, 0},                // no parent
      {0, 0, 2184, 10, 15, 15, 32760, 150},      // the widest that fits
      {0, 0, 2185, 10, 15, 15, 0, 150},          // 32775 twips: too wide, 0
      {0, 0, 3000, 3000, 12, 12, 0, 0},          // 36000 twips at 120 DPI
      {-20, -10, 20, 10, 15, 15, 600, 300},
  };
  for (const Case& c : cases) {
    const PreviewSize size =
        PreviewSizeInTwips(c.left, c.top, c.right, c.bottom, c.tppX, c.tppY);
    EXPECT_EQ(size.widthTwips, c.width) << c.right - c.left;
    EXPECT_EQ(size.heightTwips, c.height) << c.bottom - c.top;
  }
}

}  // namespace
