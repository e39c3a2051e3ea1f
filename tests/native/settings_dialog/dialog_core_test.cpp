// The settings dialog's arithmetic: placement, twips to pixels, the "##"
// format, the apply rounding, the gradient rows, the state per music kind
// and the writes of apply.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "apply_settings.h"
#include "bgm_kind_view.h"
#include "bgm_settings.h"
#include "dialog_layout.h"
#include "gradient.h"
#include "repeat_track.h"
#include "settings_rules.h"

namespace {

TEST(PlaceDialog, CentresAcrossAndPutsTheTopAThirdDownTruncatingTowardZero) {
  struct Case {
    int screenWidth, screenHeight, windowWidth, windowHeight, left, top;
  };
  const Case cases[] = {
      // 1024 x 768 at 15 twips per pixel, a 485 x 278-pixel window.
      {15360, 11520, 7275, 4170, 4042, 2450},
      {15360, 11520, 7185, 3780, 4087, 2580},
      {100, 100, 100, 100, 0, 0},
      // Larger than the screen: negative, truncated toward zero, not clamped.
      {15360, 11520, 20001, 12001, -2320, -160},
      {0, 0, 7, 5, -3, -1},
  };
  for (const Case& c : cases) {
    const TwipsPosition at =
        PlaceDialog(c.screenWidth, c.screenHeight, c.windowWidth, c.windowHeight);
    EXPECT_EQ(at.Left, c.left) << c.windowWidth;
    EXPECT_EQ(at.Top, c.top) << c.windowHeight;
  }
}

TEST(PixelsFromTwips, GivesTheDesignedPixelsAtFifteenAndRoundsAtOtherDensities) {
  EXPECT_EQ(PixelsFromTwips(DialogLayout::ClientWidth, 15), 479);
  EXPECT_EQ(PixelsFromTwips(DialogLayout::ClientHeight, 15), 252);
  // 120 dots per inch: 12 twips per pixel.
  EXPECT_EQ(PixelsFromTwips(DialogLayout::ClientWidth, 12), 599);  // 598.75
  EXPECT_EQ(PixelsFromTwips(DialogLayout::ClientHeight, 12), 315);
  EXPECT_EQ(PixelsFromTwips(-2320, 15), -155);  // -154.67

  struct Case {
    TwipsBox twips;
    PixelBox pixels;
  };
  const Case cases[] = {
      {DialogLayout::Pic_C, {12, 16, 453, 169}},
      {DialogLayout::Cmd_Etc, {192, 200, 125, 25}},
      {DialogLayout::Cmd_Set, {320, 200, 73, 25}},
      {DialogLayout::Cmd_Can, {396, 200, 69, 25}},
      {DialogLayout::Cmd_BGM, {36, 116, 29, 21}},
      {DialogLayout::lbl_Fname, {68, 116, 357, 29}},
      {DialogLayout::BGM_Repeat, {92, 52, 41, 20}},
      {DialogLayout::Img_BGM_0, {20, 76, 13, 13}},
      {DialogLayout::Img_Ra_1, {536, 40, 12, 12}},
  };
  for (const Case& c : cases) {
    const PixelBox got = PixelsFromTwips(c.twips, 15, 15);
    EXPECT_EQ(got.Left, c.pixels.Left);
    EXPECT_EQ(got.Top, c.pixels.Top);
    EXPECT_EQ(got.Width, c.pixels.Width);
    EXPECT_EQ(got.Height, c.pixels.Height);
  }
}

TEST(FormatRepeat, ZeroIsEmptyAndOtherValuesArePlainDigits) {
  const std::pair<std::int16_t, const char*> cases[] = {
      {0, ""},     {1, "1"},       {9, "9"},           {30, "30"},        {45, "45"},
      {123, "123"}, {-1, "-1"},    {-40, "-40"},       {32767, "32767"}, {-32768, "-32768"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatRepeat(c.first), c.second) << c.first;
}

TEST(RepeatFromText, RoundsHalvesToEvenAndGivesZeroForAnythingElse) {
  const std::pair<const char*, std::int16_t> cases[] = {
      {"", 0},         {"12", 12},        {"-4", -4},          {"abc", 0},
      {"2.5", 2},      {"3.5", 4},        {"-2.5", -2},        {"0.5", 0},
      {"1.5", 2},      {"2.51", 3},       {" 7 ", 7},          {"1e1", 10},
      {"+3", 3},       {".5", 0},         {"12abc", 0},        {"1 2", 0},
      {"30", 30},      {"45", 45},        {"32767", 32767},    {"-32768", -32768},
      {"-32768.5", -32768},  // rounds to the even -32768, which fits
      // Outside the 16-bit range after rounding: no track.
      {"32767.5", 0},  {"32768", 0},      {"40000", 0},        {"-32769", 0},
      {"99999999999999999999", 0},        {"1e400", 0},        {"-1e400", 0},
      {"\xEF\xBC\x91\xEF\xBC\x92", 0},  // full-width "１２"
      {"0x10", 0},     {"nan", 0},        {"inf", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(RepeatFromText(c.first), c.second) << c.first;
}

// 0x00BBGGRR for red = green = c and blue = c + 30.
std::uint32_t Shade(std::uint32_t c) { return c | (c << 8) | ((c + 30) << 16); }

TEST(GradientColour, DarkBlueAtTheEdgesLightAtMidHeightWithTheConstant3142) {
  const double d = 252 / 3.142;
  const std::pair<int, std::uint32_t> rows[] = {
      {0, 0},     {1, 3},     {2, 5},     {63, 156},  {126, 220}, {189, 156},
      {250, 5},   {251, 3},   {252, 0},
      // Rows where 3.142 and pi round differently.
      {13, 36},   {64, 158},  {147, 212}, {165, 194}, {195, 143},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(GradientColour(row.first, d), Shade(row.second)) << "row " << row.first;
  }
  EXPECT_EQ(GradientColour(0, 252 / 3.142), 0x1E0000u);      // RGB(0, 0, 30)
  EXPECT_EQ(GradientColour(126, 252 / 3.142), 0xFADCDCu);    // RGB(220, 220, 250)
}

class RecordingSurface : public GradientSurface {
 public:
  RecordingSurface(int width, int height) : width_(width), height_(height) {}
  int ScaleWidth() const override { return width_; }
  int ScaleHeight() const override { return height_; }
  void DrawLine(int x1, int y1, int x2, int y2, std::uint32_t colour) override {
    lines.push_back({x1, y1, x2, y2, colour});
  }
  struct Line {
    int x1, y1, x2, y2;
    std::uint32_t colour;
  };
  std::vector<Line> lines;

 private:
  int width_, height_;
};

TEST(PaintGradient, DrawsOneFullWidthLinePerRowThroughTheHeightInclusive) {
  struct Case {
    int width, height;
  };
  // The window's client area, the panel's inner area, and degenerate sizes.
  for (const Case& c : {Case{479, 252}, Case{449, 165}, Case{10, 1}, Case{0, 0}}) {
    RecordingSurface surface(c.width, c.height);
    PaintGradient(surface);
    ASSERT_EQ(surface.lines.size(), static_cast<size_t>(c.height) + 1) << c.height;
    for (int y = 0; y <= c.height; ++y) {
      const RecordingSurface::Line& line = surface.lines[static_cast<size_t>(y)];
      EXPECT_EQ(line.x1, 0);
      EXPECT_EQ(line.x2, c.width);
      EXPECT_EQ(line.y1, y);
      EXPECT_EQ(line.y2, y);
    }
    EXPECT_EQ(surface.lines.front().colour, Shade(0));
  }
  RecordingSurface panel(449, 165);
  PaintGradient(panel);
  EXPECT_EQ(panel.lines[1].colour, Shade(4));
  EXPECT_EQ(panel.lines[82].colour, Shade(220));
  EXPECT_EQ(panel.lines[165].colour, Shade(0));
}

TEST(ViewOfBgmKind, SelectsTheKindsMarkAndItsOneExtraControl) {
  struct Case {
    std::int16_t kind;
    int mark;
    bool repeat, file;
  };
  const Case cases[] = {
      {0, 0, false, false}, {1, 1, true, false},   {2, 2, false, true},
      {5, -1, false, false}, {-1, -1, false, false}, {3, -1, false, false},
  };
  for (const Case& c : cases) {
    const BgmKindView view = ViewOfBgmKind(c.kind);
    EXPECT_EQ(view.SelectedMark, c.mark) << c.kind;
    EXPECT_EQ(view.RepeatEnabled, c.repeat) << c.kind;
    EXPECT_EQ(view.FileButtonEnabled, c.file) << c.kind;
  }
}

class RecordingWriter : public SettingsWriter {
 public:
  void WriteValue(const std::string& key, const std::string& value) override {
    writes.emplace_back(key, value);
  }
  std::vector<std::pair<std::string, std::string>> writes;
};

TEST(ApplySettings, WritesKindRepeatAndFileInOrderEveryTime) {
  struct Case {
    std::int16_t kind;
    const char* repeatText;
    const char* file;
    const char* kindText;
    const char* repeatWritten;
    std::int16_t repeat;
  };
  const Case cases[] = {
      {0, "", "", "0", "0", 0},
      {1, "12", "", "1", "12", 12},
      {1, "3.5", "C:\\m\\a.mp3", "1", "4", 4},
      {2, "abc", "C:\\\x89\xB9\x8A\x79.mp3", "2", "0", 0},  // a code page 932 path, as it is
      {2, "", "", "2", "0", 0},
      {0, "-4", "C:\\kept.wav", "0", "-4", -4},
      {7, "40000", "", "7", "0", 0},  // a kind nobody chose is written back as it is
      {-1, "2.5", "", "-1", "2", 2},
  };
  for (const Case& c : cases) {
    Ondira_BGM::BgmKind = c.kind;
    Ondira_BGM::BgmRepeat = 99;
    Ondira_BGM::BgmFile = c.file;
    RecordingWriter writer;
    ApplySettings(writer, c.repeatText);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {SettingsKeys::BgmKind, c.kindText},
        {SettingsKeys::BgmRepeat, c.repeatWritten},
        {SettingsKeys::BgmFile, c.file},
    };
    EXPECT_EQ(writer.writes, expected) << c.repeatText;
    EXPECT_EQ(Ondira_BGM::BgmRepeat, c.repeat);
    EXPECT_EQ(Ondira_BGM::BgmKind, c.kind);
  }
}

}  // namespace
