#include "dialog_layout.h"

#include <cmath>

int PixelsFromTwips(int twips, int twipsPerPixel) {
  if (twipsPerPixel <= 0) return twips;
  return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

PixelBox PixelsFromTwips(const TwipsBox& box, int twipsPerPixelX, int twipsPerPixelY) {
  return {PixelsFromTwips(box.Left, twipsPerPixelX), PixelsFromTwips(box.Top, twipsPerPixelY),
          PixelsFromTwips(box.Width, twipsPerPixelX), PixelsFromTwips(box.Height, twipsPerPixelY)};
}

TwipsPosition PlaceDialog(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
  return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 3};
}
