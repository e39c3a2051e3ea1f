// The painting of the face: gradient colours and direction, the eight frame
// pieces, and the placing of the caption.
#include "draw_button.h"

#include <gtest/gtest.h>

#include "recording_site.h"

// Comparison and printing for the rectangles, found by argument lookup.
bool operator==(const TwipsRect& a, const TwipsRect& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
}

bool operator==(const PixelRect& a, const PixelRect& b) {
  return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width && a.Height == b.Height;
}

std::ostream& operator<<(std::ostream& out, const TwipsRect& r) {
  return out << "(" << r.Left << ", " << r.Top << ", " << r.Width << " x " << r.Height << ")";
}

std::ostream& operator<<(std::ostream& out, const PixelRect& r) {
  return out << "(" << r.Left << ", " << r.Top << ", " << r.Width << " x " << r.Height << ")";
}

namespace {

// The sources never depend on the button's size.
const TwipsRect Sources[8] = {
    {0, 0, 60, 60},     {60, 1, 840, 60},   {900, 1, 60, 60}, {900, 60, 60, 255},
    {900, 315, 60, 60}, {60, 315, 840, 60}, {0, 315, 60, 60}, {1, 60, 60, 255},
};

struct Layout {
  std::int16_t width;
  std::int16_t height;
  TwipsRect destinations[8];
  double captionTop;
};

const Layout Layouts[] = {
    // The state picture's own size: every piece lands where it came from.
    {960,
     375,
     {{1, 1, 60, 60},
      {60, 1, 840, 60},
      {900, 1, 60, 60},
      {900, 60, 60, 255},
      {900, 315, 60, 60},
      {60, 315, 840, 60},
      {1, 315, 60, 60},
      {1, 60, 60, 255}},
     80},
    // Cmd_Set: the top and bottom edges stretch from 840 to 975 twips.
    {1095,
     375,
     {{1, 1, 60, 60},
      {60, 1, 975, 60},
      {1035, 1, 60, 60},
      {1035, 60, 60, 255},
      {1035, 315, 60, 60},
      {60, 315, 975, 60},
      {1, 315, 60, 60},
      {1, 60, 60, 255}},
     80},
    // Cmd_BGM: narrower and lower than the picture.
    {435,
     315,
     {{1, 1, 60, 60},
      {60, 1, 315, 60},
      {375, 1, 60, 60},
      {375, 60, 60, 195},
      {375, 255, 60, 60},
      {60, 255, 315, 60},
      {1, 255, 60, 60},
      {1, 60, 60, 195}},
     50},
};

TEST(DrawButton, CopiesTheEightFramePiecesAndPlacesTheCaption) {
  for (const Layout& layout : Layouts) {
    CommandOnSite button;
    button.Site.SurfaceSizeNow = {layout.width, layout.height, layout.width / 15,
                                  layout.height / 15};
    button.Control.LblMsg.Left = 120;  // a design-time position the repaint overrides
    DrawButton(button.Control, StatePicture::Selected);

    ASSERT_EQ(button.Site.Copies.size(), 8u);
    for (int i = 0; i < 8; ++i) {
      const PictureCopy& copy = button.Site.Copies[i];
      EXPECT_EQ(copy.Picture, StatePicture::Selected);
      EXPECT_EQ(copy.Destination, layout.destinations[i]) << layout.width << " piece " << i + 1;
      EXPECT_EQ(copy.Source, Sources[i]) << layout.width << " piece " << i + 1;
    }
    EXPECT_DOUBLE_EQ(button.Control.LblMsg.Top, layout.captionTop);
    EXPECT_EQ(button.Control.LblMsg.Left, 0);
    EXPECT_EQ(button.Control.LblMsg.Width, layout.width);
    EXPECT_EQ(button.Control.LblMsg.Height, 195);
    EXPECT_EQ(button.Site.CaptionTops, std::vector<double>{layout.captionTop});
  }
}

TEST(DrawButton, CaptionTopIsComputedInFloatingPoint) {
  CommandOnSite button;
  button.Site.SurfaceSizeNow = {1755, 420, 117, 28};
  DrawButton(button.Control, StatePicture::Normal);
  EXPECT_DOUBLE_EQ(button.Control.LblMsg.Top, 102.5);  // (420 - 195 - 20) / 2
}

TEST(DrawButton, InPixelsAtFifteenTwipsPerPixel) {
  // Cmd_Set, 73 x 25 pixels: the 1-twip offsets fall in the first pixel.
  const PixelRect destinations[8] = {{0, 0, 4, 4},   {4, 0, 65, 4},  {69, 0, 4, 4}, {69, 4, 4, 17},
                                     {69, 21, 4, 4}, {4, 21, 65, 4}, {0, 21, 4, 4}, {0, 4, 4, 17}};
  const PixelRect sources[8] = {{0, 0, 4, 4},   {4, 0, 56, 4},  {60, 0, 4, 4}, {60, 4, 4, 17},
                                {60, 21, 4, 4}, {4, 21, 56, 4}, {0, 21, 4, 4}, {0, 4, 4, 17}};
  const auto pieces = FramePieces(1095, 375);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(PixelsFromTwips(pieces[i].Destination, 15, 15), destinations[i]) << "piece " << i + 1;
    EXPECT_EQ(PixelsFromTwips(pieces[i].Source, PictureTwipsPerPixel, PictureTwipsPerPixel),
              sources[i])
        << "piece " << i + 1;
  }
}

TEST(DrawButton, AButtonOfThePicturesSizeCopiesEveryPieceOneToOne) {
  for (const FramePiece& piece : FramePieces(960, 375)) {
    EXPECT_EQ(PixelsFromTwips(piece.Destination, 15, 15),
              PixelsFromTwips(piece.Source, PictureTwipsPerPixel, PictureTwipsPerPixel));
  }
}

TEST(DrawButton, SizeBeyondSixteenBitsKeepsTheLastGeometry) {
  CommandOnSite button;
  button.Site.SurfaceSizeNow = {1095, 375, 73, 25};
  DrawButton(button.Control, StatePicture::Normal);
  button.Site.Forget();
  button.Site.SurfaceSizeNow = {40005, 375, 2667, 25};
  DrawButton(button.Control, StatePicture::Normal);
  EXPECT_EQ(button.Site.Copies[2].Destination, (TwipsRect{1035, 1, 60, 60}));
  EXPECT_EQ(button.Control.LblMsg.Width, 1095);
}

TEST(DrawButton, PaintsInOrderClearGradientPiecesShow) {
  CommandOnSite button;
  DrawButton(button.Control, StatePicture::Pressed);
  EXPECT_EQ(button.Site.Clears, 1);
  EXPECT_EQ(button.Site.Gradients.size(), 1u);
  EXPECT_EQ(button.Site.Copies.size(), 8u);
  EXPECT_GE(button.Site.Shows, 1);
}

TEST(FillGradient, WhiteOverLavenderUnlessReversed) {
  CommandOnSite button;
  button.Site.SurfaceSizeNow = {1755, 420, 117, 28};
  const TriVertex white = {0, 0, 0xFF00, 0xFF00, 0xFF00, 0};
  const TriVertex lavender = {0, 0, 0xC600, 0xC500, 0xD700, 0};
  for (const bool reversed : {false, true}) {
    button.Site.Forget();
    button.Control.GradientReversed = reversed ? BoolTrue : BoolFalse;
    FillGradient(button.Control);
    ASSERT_EQ(button.Site.Gradients.size(), 1u);
    const auto& [top, bottom] = button.Site.Gradients[0];
    const TriVertex& topColour = reversed ? lavender : white;
    const TriVertex& bottomColour = reversed ? white : lavender;
    EXPECT_EQ(top.x, 0);
    EXPECT_EQ(top.y, 0);
    EXPECT_EQ(bottom.x, 116);
    EXPECT_EQ(bottom.y, 27);
    EXPECT_EQ(top.Red, topColour.Red);
    EXPECT_EQ(top.Green, topColour.Green);
    EXPECT_EQ(top.Blue, topColour.Blue);
    EXPECT_EQ(bottom.Red, bottomColour.Red);
    EXPECT_EQ(bottom.Green, bottomColour.Green);
    EXPECT_EQ(bottom.Blue, bottomColour.Blue);
    EXPECT_EQ(top.Alpha, 0);
    EXPECT_EQ(bottom.Alpha, 0);
  }
}

TEST(FillGradient, StateOfTheRepaintSetsTheDirection) {
  const struct {
    std::uint8_t state;
    std::int16_t before;
    std::int16_t after;
  } cases[] = {
      {0, BoolTrue, BoolTrue},   {0, BoolFalse, BoolFalse}, {1, BoolTrue, BoolFalse},
      {2, BoolFalse, BoolTrue},  {3, BoolTrue, BoolFalse},  {4, BoolTrue, BoolTrue},
      {4, BoolFalse, BoolFalse},
  };
  for (const auto& c : cases) {
    CommandOnSite button;
    button.Control.ButtonState = c.state;
    button.Control.GradientReversed = c.before;
    DrawButton(button.Control, StatePicture::Normal);
    EXPECT_EQ(button.Control.GradientReversed, c.after) << int(c.state);
    EXPECT_EQ(button.Site.LastGradientReversed(), c.after != 0) << int(c.state);
  }
}

TEST(ChannelsOfColourText, DigitsReadRedGreenBlueFromTheLeft) {
  const struct {
    const char* text;
    std::uint16_t red, green, blue;
  } cases[] = {
      {"&HFFFFFF", 0xFF00, 0xFF00, 0xFF00},
      // Not the 0x00BBGGRR layout, which would make this RGB(215, 197, 198).
      {"&HC6C5D7", 0xC600, 0xC500, 0xD700},
  };
  for (const auto& c : cases) {
    const ColourChannels channels = ChannelsOfColourText(c.text);
    EXPECT_EQ(channels.Red, c.red) << c.text;
    EXPECT_EQ(channels.Green, c.green) << c.text;
    EXPECT_EQ(channels.Blue, c.blue) << c.text;
  }
}

}  // namespace
