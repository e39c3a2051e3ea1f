// Painting the gradient button's face: a vertical two-colour gradient, the
// outer ring of a state picture in eight pieces, and the caption placed over it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "command.h"

// The face colours, as hexadecimal colour text.
constexpr const char* GradientWhite = "&HFFFFFF";
constexpr const char* GradientLavender = "&HC6C5D7";

// One piece of the frame: where it goes on the surface and where it comes
// from in the state picture, both in twips.
struct FramePiece {
  TwipsRect Destination;
  TwipsRect Source;
};

// The eight pieces for a W x H twips surface, in painting order: top-left
// corner, top edge, top-right corner, right edge, bottom-right corner, bottom
// edge, bottom-left corner, left edge.
std::array<FramePiece, 8> FramePieces(std::int16_t W, std::int16_t H);

// The 16-bit red, green and blue channels of a colour text such as
// "&HC6C5D7": its hexadecimal digits read in the order red, green, blue.
struct ColourChannels {
  std::uint16_t Red;
  std::uint16_t Green;
  std::uint16_t Blue;
};
ColourChannels ChannelsOfColourText(const std::string& text);

// Paints the whole face with `picture` and places the caption label.
void DrawButton(Command& c, StatePicture picture);

// The gradient over the whole surface; top and bottom swap with `GradientReversed`.
void FillGradient(Command& c);

// Pixels covered by a length in twips, counted from the surface's origin.
int PixelsFromTwips(long twips, double twipsPerPixel);

struct PixelRect {
  int Left;
  int Top;
  int Width;
  int Height;
};
PixelRect PixelsFromTwips(const TwipsRect& twips, double twipsPerPixelX, double twipsPerPixelY);

// The state pictures' own density: 64 x 25 pixels are 960 x 375 twips.
constexpr double PictureTwipsPerPixel = 15;
