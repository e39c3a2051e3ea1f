// The settings dialog's layout in twips, as it is designed, and the
// arithmetic that turns it into pixels and places the window on the screen.
#pragma once

struct TwipsBox {
  int Left;
  int Top;
  int Width;
  int Height;
};

struct PixelBox {
  int Left;
  int Top;
  int Width;
  int Height;
};

namespace DialogLayout {

constexpr int ClientWidth = 7185;
constexpr int ClientHeight = 3780;

// On the window.
constexpr TwipsBox Pic_C = {180, 240, 6795, 2535};
constexpr TwipsBox Cmd_Etc = {2880, 3000, 1875, 375};
constexpr TwipsBox Cmd_Set = {4800, 3000, 1095, 375};
constexpr TwipsBox Cmd_Can = {5940, 3000, 1035, 375};
constexpr TwipsBox lbl_7 = {180, 2940, 2475, 195};
constexpr TwipsBox Img_Ra_0 = {8040, 300, 180, 180};
constexpr TwipsBox Img_Ra_1 = {8040, 600, 180, 180};

// Inside the panel Pic_C(0).
constexpr TwipsBox Shape3 = {300, 300, 1695, 315};
constexpr TwipsBox lbl_15 = {300, 360, 1665, 195};
constexpr TwipsBox Img_BGM_1 = {300, 840, 195, 195};
constexpr TwipsBox lbl_BGM_1 = {540, 840, 645, 195};
constexpr TwipsBox BGM_Repeat = {1380, 780, 615, 300};
constexpr TwipsBox lbl_14 = {2040, 840, 990, 195};
constexpr TwipsBox Img_BGM_0 = {300, 1140, 195, 195};
constexpr TwipsBox lbl_BGM_0 = {540, 1140, 345, 195};
constexpr TwipsBox Img_BGM_2 = {300, 1440, 195, 195};
constexpr TwipsBox lbl_BGM_2 = {540, 1440, 900, 195};
constexpr TwipsBox Cmd_BGM = {540, 1740, 435, 315};
constexpr TwipsBox lbl_Fname = {1020, 1740, 5355, 435};

}  // namespace DialogLayout

// Twips to the nearest whole pixel.
int PixelsFromTwips(int twips, int twipsPerPixel);
PixelBox PixelsFromTwips(const TwipsBox& box, int twipsPerPixelX, int twipsPerPixelY);

// The window's position, all in twips: centred across the screen, its top
// edge a third of the free height down; integer division truncating toward
// zero, so a window larger than the screen gets a negative position.
struct TwipsPosition {
  int Left;
  int Top;
};
TwipsPosition PlaceDialog(int screenWidth, int screenHeight, int windowWidth, int windowHeight);
