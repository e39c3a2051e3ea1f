// The screen copy that becomes the effect's texture.
#include <gtest/gtest.h>

#include "screen_capture.h"
#include "wine_test_support.h"

using namespace wine_test;

namespace {

// A pattern where every pixel differs from its neighbours in all channels.
Picture PatternPicture(int width, int height) {
  Picture picture;
  picture.width = width;
  picture.height = height;
  picture.pixels.resize(static_cast<size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const unsigned r = (x * 7 + y * 3) & 0xFF, g = (x * 13 + 50) & 0xFF, b = (y * 11 + x) & 0xFF;
      picture.pixels[static_cast<size_t>(y) * width + x] = (r << 16) | (g << 8) | b;
    }
  }
  return picture;
}

TEST(ScreenCapture, CopiesAWindowBitForBitAsBottomUpBgra) {
  const int left = 100, top = 80;
  const Picture pattern = PatternPicture(256, 160);
  PictureWindow window(pattern, left, top);

  ScreenPixels captured;
  CopyScreenPixels([&](const ScreenPixels& pixels) { captured = pixels; });

  ASSERT_EQ(captured.width, GetSystemMetrics(SM_CXSCREEN));
  ASSERT_EQ(captured.height, GetSystemMetrics(SM_CYSCREEN));
  ASSERT_EQ(captured.bgra.size(), static_cast<size_t>(captured.width) * captured.height * 4);
  int mismatches = 0;
  for (int y = 0; y < pattern.height; ++y) {
    const int row = captured.height - 1 - (top + y);  // rows run bottom-up
    for (int x = 0; x < pattern.width; ++x) {
      const unsigned char* p =
          &captured.bgra[(static_cast<size_t>(row) * captured.width + left + x) * 4];
      const unsigned expected = pattern.At(x, y);
      if (p[0] != Blue(expected) || p[1] != Green(expected) || p[2] != Red(expected)) {
        if (mismatches++ < 5) ADD_FAILURE() << "pixel " << x << "," << y;
      }
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(ScreenCapture, LeavesNoGdiObjectBehind) {
  CopyScreenPixels([](const ScreenPixels&) {});  // first use may allocate caches
  const int before = CountFreeGdiHandles();
  for (int i = 0; i < 3; ++i) CopyScreenPixels([](const ScreenPixels&) {});
  EXPECT_EQ(CountFreeGdiHandles(), before);
}

}  // namespace
