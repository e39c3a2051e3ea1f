#include "draw_button.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

// The state pictures are 64 x 25 pixels, 960 x 375 twips at 15 twips per
// pixel; only their outer ring of 60 twips is copied.
constexpr int PictureWidth = 960;
constexpr int PictureHeight = 375;
constexpr int Corner = 60;
constexpr int EdgeWidth = PictureWidth - 2 * Corner;    // 840
constexpr int EdgeHeight = PictureHeight - 2 * Corner;  // 255
constexpr int BottomRow = PictureHeight - Corner;       // 315
constexpr int RightColumn = PictureWidth - Corner;      // 900

TwipsRect Rect(int left, int top, int width, int height) {
  return {static_cast<std::int16_t>(left), static_cast<std::int16_t>(top),
          static_cast<std::int16_t>(width), static_cast<std::int16_t>(height)};
}

bool FitsInt16(long value) {
  return value >= std::numeric_limits<std::int16_t>::min() &&
         value <= std::numeric_limits<std::int16_t>::max();
}

// Hexadecimal digits of a number, upper case, without leading zeros.
std::string HexDigits(unsigned long value) {
  static const char digits[] = "0123456789ABCDEF";
  std::string text;
  do {
    text.insert(text.begin(), digits[value % 16]);
    value /= 16;
  } while (value != 0);
  return text;
}

std::uint16_t ChannelFromDigits(const std::string& digits, size_t first) {
  const std::string pair = first < digits.size() ? digits.substr(first, 2) : "";
  return static_cast<std::uint16_t>(std::strtoul((pair + "00").c_str(), nullptr, 16));
}

TriVertex Vertex(int x, int y, const ColourChannels& colour) {
  return {x, y, colour.Red, colour.Green, colour.Blue, 0};
}

}  // namespace

std::array<FramePiece, 8> FramePieces(std::int16_t W, std::int16_t H) {
  return {{
      {Rect(1, 1, Corner, Corner), Rect(0, 0, Corner, Corner)},
      {Rect(Corner, 1, W - 2 * Corner, Corner), Rect(Corner, 1, EdgeWidth, Corner)},
      {Rect(W - Corner, 1, Corner, Corner), Rect(RightColumn, 1, Corner, Corner)},
      {Rect(W - Corner, Corner, Corner, H - 2 * Corner),
       Rect(RightColumn, Corner, Corner, EdgeHeight)},
      {Rect(W - Corner, H - Corner, Corner, Corner), Rect(RightColumn, BottomRow, Corner, Corner)},
      {Rect(Corner, H - Corner, W - 2 * Corner, Corner),
       Rect(Corner, BottomRow, EdgeWidth, Corner)},
      {Rect(1, H - Corner, Corner, Corner), Rect(0, BottomRow, Corner, Corner)},
      {Rect(1, Corner, Corner, H - 2 * Corner), Rect(1, Corner, Corner, EdgeHeight)},
  }};
}

ColourChannels ChannelsOfColourText(const std::string& text) {
  const bool hex = text.size() > 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h');
  const unsigned long value =
      hex ? std::strtoul(text.c_str() + 2, nullptr, 16) : std::strtoul(text.c_str(), nullptr, 10);
  const std::string digits = HexDigits(value);
  return {ChannelFromDigits(digits, 0), ChannelFromDigits(digits, 2), ChannelFromDigits(digits, 4)};
}

void DrawButton(Command& c, StatePicture picture) {
  if (c.Site == nullptr) return;
  // States 4 and 0 keep the direction of the last repaint.
  if (c.ButtonState == 1 || c.ButtonState == 3) c.GradientReversed = BoolFalse;
  if (c.ButtonState == 2) c.GradientReversed = BoolTrue;

  // A size that does not fit the 16-bit geometry keeps the last one.
  const SurfaceSize size = c.Site->Size();
  if (FitsInt16(size.TwipsWidth)) c.FaceWidth = static_cast<std::int16_t>(size.TwipsWidth);
  if (FitsInt16(size.TwipsHeight)) c.FaceHeight = static_cast<std::int16_t>(size.TwipsHeight);

  c.Site->Clear();
  FillGradient(c);
  for (const FramePiece& piece : FramePieces(c.FaceWidth, c.FaceHeight)) {
    c.Site->CopyPicture(picture, piece.Destination, piece.Source);
  }
  c.Site->ShowFace();

  c.LblMsg.Top = (c.FaceHeight - c.LblMsg.Height - 20) / 2;
  c.LblMsg.Left = 0;
  c.LblMsg.Width = c.FaceWidth;
  c.Site->PlaceCaption(c.LblMsg);
}

void FillGradient(Command& c) {
  if (c.Site == nullptr) return;
  const bool reversed = c.GradientReversed != 0;
  const ColourChannels top = ChannelsOfColourText(reversed ? GradientLavender : GradientWhite);
  const ColourChannels bottom = ChannelsOfColourText(reversed ? GradientWhite : GradientLavender);
  const SurfaceSize size = c.Site->Size();
  c.Site->FillGradient(Vertex(0, 0, top),
                       Vertex(size.PixelWidth - 1, size.PixelHeight - 1, bottom));
  c.Site->ShowFace();
}

int PixelsFromTwips(long twips, double twipsPerPixel) {
  return static_cast<int>(std::floor(twips / twipsPerPixel));
}

PixelRect PixelsFromTwips(const TwipsRect& twips, double twipsPerPixelX, double twipsPerPixelY) {
  return {PixelsFromTwips(twips.Left, twipsPerPixelX), PixelsFromTwips(twips.Top, twipsPerPixelY),
          PixelsFromTwips(twips.Width, twipsPerPixelX),
          PixelsFromTwips(twips.Height, twipsPerPixelY)};
}
