// The six embedded state pictures: their format and the borders and rims
// that the face's frame is cut from.
#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "button_state_pictures.h"

namespace {

using Rgb = std::array<int, 3>;

const Rgb Surroundings = {236, 233, 216};
const Rgb DarkBlue = {0, 60, 116};

unsigned Little(const unsigned char* bytes, int count) {
  unsigned value = 0;
  for (int i = count - 1; i >= 0; --i) value = value * 256 + bytes[i];
  return value;
}

// Pixel (x, y), y counted from the top, of a 24-bit bottom-up bitmap file.
Rgb PixelAt(const unsigned char* file, int x, int y) {
  const unsigned char* p = file + 54 + (24 - y) * 64 * 3 + x * 3;
  return {p[2], p[1], p[0]};
}

struct Named {
  const char* name;
  const unsigned char* file;
};

const Named Pictures[] = {
    {"Normal", NormalPicture},     {"HighLight", HighLightPicture},
    {"Selected", SelectedPicture}, {"HighLightSelect", HighLightSelectPicture},
    {"Pressed", PressedPicture},   {"Disable", DisablePicture},
};

TEST(StatePictures, AreUncompressed24BitBottomUpBitmapsOf64By25) {
  for (const Named& picture : Pictures) {
    const unsigned char* file = picture.file;
    EXPECT_EQ(file[0], 'B') << picture.name;
    EXPECT_EQ(file[1], 'M') << picture.name;
    EXPECT_EQ(Little(file + 2, 4), 4854u) << picture.name;
    EXPECT_EQ(Little(file + 10, 4), 54u) << picture.name;
    EXPECT_EQ(Little(file + 14, 4), 40u) << picture.name;
    EXPECT_EQ(Little(file + 18, 4), 64u) << picture.name;
    EXPECT_EQ(Little(file + 22, 4), 25u) << picture.name;  // positive: bottom-up
    EXPECT_EQ(Little(file + 28, 2), 24u) << picture.name;
    EXPECT_EQ(Little(file + 30, 4), 0u) << picture.name;  // BI_RGB
  }
}

TEST(StatePictures, HighLightSelectIsPixelIdenticalToHighLight) {
  EXPECT_EQ(std::memcmp(HighLightPicture, HighLightSelectPicture, StatePictureFileSize), 0);
}

TEST(StatePictures, OutermostRingCarriesTheDialogColour) {
  for (const Named& picture : Pictures) {
    for (int x = 0; x < 64; ++x) {
      EXPECT_EQ(PixelAt(picture.file, x, 0), Surroundings) << picture.name << " x " << x;
      EXPECT_EQ(PixelAt(picture.file, x, 24), Surroundings) << picture.name << " x " << x;
    }
    for (int y = 0; y < 25; ++y) {
      EXPECT_EQ(PixelAt(picture.file, 0, y), Surroundings) << picture.name << " y " << y;
      EXPECT_EQ(PixelAt(picture.file, 63, y), Surroundings) << picture.name << " y " << y;
    }
  }
}

struct Probe {
  int x, y;
  Rgb colour;
};

TEST(StatePictures, BordersAndRims) {
  const Rgb lightFace = {243, 243, 238};
  const struct {
    const char* name;
    const unsigned char* file;
    std::vector<Probe> probes;
  } cases[] = {
      {"Normal",
       NormalPicture,
       {{30, 1, DarkBlue},
        {62, 12, DarkBlue},
        {30, 23, DarkBlue},
        {1, 12, DarkBlue},
        {2, 2, DarkBlue},
        {1, 1, Surroundings},
        {30, 2, lightFace},
        {30, 3, lightFace},
        {2, 12, lightFace}}},
      {"HighLight",
       HighLightPicture,
       {{30, 1, DarkBlue},
        {1, 12, DarkBlue},
        {30, 2, {255, 240, 207}},
        {30, 3, {253, 216, 137}},
        {2, 12, {252, 202, 105}},
        {3, 12, {252, 202, 105}},
        {61, 12, {252, 202, 105}},
        {30, 21, {248, 179, 48}},
        {30, 22, {229, 151, 0}}}},
      {"Selected",
       SelectedPicture,
       {{30, 1, DarkBlue},
        {62, 12, DarkBlue},
        {30, 2, {206, 231, 255}},
        {30, 3, {206, 231, 255}},
        {2, 12, {169, 197, 239}},
        {60, 12, {169, 197, 239}},
        {30, 21, {105, 130, 238}},
        {30, 22, {105, 130, 238}}}},
      {"Pressed",
       PressedPicture,
       {{30, 2, DarkBlue},
        {61, 12, DarkBlue},
        {30, 22, DarkBlue},
        {2, 12, DarkBlue},
        {3, 3, DarkBlue},
        {1, 12, Surroundings},
        {30, 1, Surroundings},
        {2, 2, Surroundings},
        {30, 10, {226, 225, 217}}}},
      {"Disable",
       DisablePicture,
       {{30, 1, {201, 199, 186}},
        {1, 12, {201, 199, 186}},
        {62, 12, {201, 199, 186}},
        {30, 23, {201, 199, 186}},
        {30, 2, {245, 244, 234}},
        {2, 12, {245, 244, 234}},
        {30, 22, {245, 244, 234}}}},
  };
  for (const auto& c : cases) {
    for (const Probe& probe : c.probes) {
      EXPECT_EQ(PixelAt(c.file, probe.x, probe.y), probe.colour)
          << c.name << " at " << probe.x << ", " << probe.y;
    }
  }
}

}  // namespace
