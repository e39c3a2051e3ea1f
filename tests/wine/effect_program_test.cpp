// The real effect program, started as its own process on the test display.
#include <gtest/gtest.h>

#include <functional>

#include "wine_test_support.h"

using namespace wine_test;

namespace {

std::string EffectProgramPath() { return ThisProgramDirectory() + "\\Ondira.dll"; }

DEVMODEA CurrentDisplayMode() {
  DEVMODEA mode = {};
  mode.dmSize = sizeof mode;
  EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode);
  return mode;
}

// A sample desktop behind the effect: four coloured quadrants.
Picture QuadrantDesktop() {
  Picture picture;
  picture.width = GetSystemMetrics(SM_CXSCREEN);
  picture.height = GetSystemMetrics(SM_CYSCREEN);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const bool left = x < picture.width / 2, top = y < picture.height / 2;
      picture.pixels.push_back(top ? (left ? 0xE00000u : 0x00E000u) : (left ? 0x0000E0u : 0xE0E0E0u));
    }
  }
  return picture;
}

bool IsTeal(unsigned pixel) {
  return Red(pixel) == 0 && std::abs(Green(pixel) - 128) <= 1 && std::abs(Blue(pixel) - 128) <= 1;
}

double ShareOf(const Picture& picture, const std::function<bool(unsigned)>& test) {
  int count = 0;
  for (unsigned pixel : picture.pixels) count += test(pixel) ? 1 : 0;
  return static_cast<double>(count) / picture.pixels.size();
}

// Starts the effect and waits for its full-screen window.
class EffectRun {
 public:
  EffectRun() : program_(EffectProgramPath()) {
    WaitFor([&] { return (window_ = FindWindowOf(program_.id(), "OpenGL", nullptr)) != nullptr; },
            10000);
    PumpMessages(300);
  }
  RunningProgram& program() { return program_; }
  HWND window() const { return window_; }

 private:
  RunningProgram program_;
  HWND window_ = nullptr;
};

TEST(EffectProgram, PresenceWindowExistsHiddenFromTheFirstMoment) {
  const DWORD start = GetTickCount();
  RunningProgram program(EffectProgramPath());
  ASSERT_TRUE(program.started());
  HWND presence = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (presence = FindWindowOf(program.id(), nullptr, "Ondira")); },
                      5000));
  const DWORD found = GetTickCount() - start;
  EXPECT_LT(found, 500u) << "presence window after " << found << " ms";
  EXPECT_FALSE(IsWindowVisible(presence));
  // The saver looks for the title in every process with no class name.
  EXPECT_EQ(FindWindowA(nullptr, "Ondira"), presence);
  RECT rect = {};
  GetWindowRect(presence, &rect);
  EXPECT_EQ(rect.right - rect.left, 0);
  EXPECT_EQ(rect.bottom - rect.top, 0);
}

TEST(EffectProgram, ShowsTheWavingDesktopInATopmostFullScreenWindow) {
  PictureWindow desktop(QuadrantDesktop(), 0, 0);
  EffectRun run;
  ASSERT_NE(run.window(), nullptr);
  EXPECT_TRUE(IsWindowVisible(run.window()));
  EXPECT_TRUE(GetWindowLongA(run.window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  RECT rect = {};
  GetWindowRect(run.window(), &rect);
  EXPECT_EQ(rect.left, 0);
  EXPECT_EQ(rect.top, 0);
  EXPECT_EQ(rect.right, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(rect.bottom, GetSystemMetrics(SM_CYSCREEN));

  // The desktop lies on the sheet: its colours are on the screen, and as the
  // sheet waves and tumbles the teal background shows more and more.
  const Picture early = CopyScreen();
  PumpMessages(4000);
  const Picture later = CopyScreen();
  auto isDesktopRed = [](unsigned p) { return Red(p) > 100 && Green(p) < 40 && Blue(p) < 40; };
  auto isDesktopBlue = [](unsigned p) { return Blue(p) > 100 && Red(p) < 40 && Green(p) < 40; };
  EXPECT_GT(ShareOf(early, isDesktopRed), 0.05);
  EXPECT_GT(ShareOf(later, isDesktopRed) + ShareOf(later, isDesktopBlue), 0.02);
  EXPECT_GT(ShareOf(later, IsTeal), ShareOf(early, IsTeal) + 0.05);
  int changed = 0;
  for (size_t i = 0; i < early.pixels.size(); ++i) changed += early.pixels[i] != later.pixels[i];
  EXPECT_GT(changed, static_cast<int>(early.pixels.size() / 10));
}

TEST(EffectProgram, MouseMovesAndOtherButtonsDoNotEndIt) {
  EffectRun run;
  ASSERT_NE(run.window(), nullptr);
  const int cx = GetSystemMetrics(SM_CXSCREEN) / 2, cy = GetSystemMetrics(SM_CYSCREEN) / 2;
  MoveMouseTo(cx, cy);
  MoveMouseTo(cx + 100, cy + 50);
  ClickMouse(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  ClickMouse(MOUSEEVENTF_MIDDLEDOWN, MOUSEEVENTF_MIDDLEUP);
  MoveMouseTo(cx - 200, cy - 100);
  EXPECT_FALSE(run.program().WaitForEnd(1500));
}

struct QuitInput {
  const char* name;
  void (*send)();
};

void PrintTo(const QuitInput& input, std::ostream* out) { *out << input.name; }

class EffectQuitInput : public ::testing::TestWithParam<QuitInput> {};

TEST_P(EffectQuitInput, EndsTheRunCleanly) {
  const DEVMODEA before = CurrentDisplayMode();
  EffectRun run;
  ASSERT_NE(run.window(), nullptr);
  MoveMouseTo(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
  GetParam().send();
  ASSERT_TRUE(run.program().WaitForEnd(10000));
  EXPECT_EQ(run.program().ExitCode(), 0u);
  EXPECT_TRUE(TopLevelWindowsOf(run.program().id()).empty());
  EXPECT_EQ(FindWindowA(nullptr, "Ondira"), nullptr);
  EXPECT_EQ(FindWindowA("OpenGL", nullptr), nullptr);
  const DEVMODEA after = CurrentDisplayMode();
  EXPECT_EQ(after.dmPelsWidth, before.dmPelsWidth);
  EXPECT_EQ(after.dmPelsHeight, before.dmPelsHeight);
  EXPECT_EQ(after.dmBitsPerPel, before.dmBitsPerPel);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, EffectQuitInput,
    ::testing::Values(QuitInput{"Key", [] { PressKey('A'); }},
                      QuitInput{"LeftClick",
                                [] { ClickMouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }},
                      QuitInput{"AltF4", [] { PressAltF4(); }}),
    [](const ::testing::TestParamInfo<QuitInput>& info) { return info.param.name; });

}  // namespace
