// The gradient button as a real window on the screen, driven by real mouse
// input: its face, its frames, when it raises Click, and what a repaint and
// a hover-poll tick cost.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "button_host.h"
#include "button_state_pictures.h"
#include "command_input.h"
#include "draw_button.h"
#include "wine_test_support.h"

using namespace wine_test;

namespace {

constexpr int HostLeft = 100;
constexpr int HostTop = 100;
constexpr int Width = 117;  // the design size, 1755 x 420 twips
constexpr int Height = 28;

unsigned Rgb(int red, int green, int blue) { return (red << 16) | (green << 8) | blue; }

bool Near(unsigned pixel, double red, double green, double blue, double tolerance = 3) {
  return std::abs(Red(pixel) - red) <= tolerance && std::abs(Green(pixel) - green) <= tolerance &&
         std::abs(Blue(pixel) - blue) <= tolerance;
}

// Pixel (x, y), y from the top, of an embedded state picture, as 0x00RRGGBB.
unsigned PicturePixel(const unsigned char* file, int x, int y) {
  const unsigned char* p = file + 54 + (24 - y) * 64 * 3 + x * 3;
  return Rgb(p[2], p[1], p[0]);
}

void SendMouse(std::vector<DWORD> flags, int x = 0, int y = 0) {
  std::vector<INPUT> inputs;
  for (DWORD flag : flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flag;
    if (flag & MOUSEEVENTF_MOVE) {
      input.mi.dwFlags |= MOUSEEVENTF_ABSOLUTE;
      input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
      input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

class GradientButtonWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    MoveMouseTo(900, 700);
    PumpMessages(50);
    host_ = std::make_unique<ButtonHost>(HostLeft, HostTop, 400, 200);
    button_ = host_->AddButton(20, 20, Width, Height, "設定", [this] { ++clicks_; });
    PumpMessages(150);
  }
  void TearDown() override {
    host_.reset();
    PumpMessages(50);
  }

  Command& Control() { return *CommandOf(button_); }

  POINT ScreenPoint(int x, int y) const {
    POINT point = {x, y};
    ClientToScreen(button_, &point);
    return point;
  }
  void PointAt(int x, int y) {
    const POINT point = ScreenPoint(x, y);
    MoveMouseTo(point.x, point.y);
  }
  // Hovers the pointer over the button's face, away from the caption.
  void Hover() {
    PointAt(8, Height / 2);
    ASSERT_TRUE(
        WaitFor([&] { return Control().ButtonState == 2 || Control().ButtonState == 4; }, 2000));
  }
  void PointAway() { MoveMouseTo(HostLeft + 300, HostTop + 150); }

  // The button's pixels as they are on the screen now.
  Picture Face() {
    PumpMessages(80);
    const Picture screen = CopyScreen();
    const POINT origin = ScreenPoint(0, 0);
    Picture face;
    face.width = Width;
    face.height = Height;
    for (int y = 0; y < Height; ++y) {
      for (int x = 0; x < Width; ++x) face.pixels.push_back(screen.At(origin.x + x, origin.y + y));
    }
    return face;
  }

  std::unique_ptr<ButtonHost> host_;
  HWND button_ = nullptr;
  int clicks_ = 0;
};

// The gradient's colour on row `row` of a `height`-pixel face.
void ExpectGradientColumn(const Picture& face, int x, bool lavenderOnTop) {
  for (int row = 4; row < face.height - 4; ++row) {
    const double t = static_cast<double>(row) / (face.height - 1);
    const double share = lavenderOnTop ? 1 - t : t;  // of lavender
    EXPECT_TRUE(Near(face.At(x, row), 255 - share * 57, 255 - share * 58, 255 - share * 40))
        << "row " << row << " is " << std::hex << face.At(x, row);
  }
}

TEST_F(GradientButtonWindow, FaceIsWhiteOverLavenderAndTurnsOverWhileHovered) {
  Initialize(Control());
  const Picture normal = Face();
  EXPECT_TRUE(Near(normal.At(6, 4), 246, 246, 248)) << std::hex << normal.At(6, 4);
  ExpectGradientColumn(normal, 6, false);
  ExpectGradientColumn(normal, Width - 7, false);

  Hover();
  EXPECT_EQ(Control().ButtonState, 2);
  const Picture hovered = Face();
  ExpectGradientColumn(hovered, 6, true);
  EXPECT_EQ(hovered.At(30, 0), normal.At(30, 0));

  PointAway();
  ASSERT_TRUE(WaitFor([&] { return Control().ButtonState == 1; }, 2000));
  ExpectGradientColumn(Face(), 6, false);
}

TEST_F(GradientButtonWindow, EachStatePictureFramesTheFace) {
  const struct {
    StatePicture picture;
    const unsigned char* file;
  } pictures[] = {
      {StatePicture::Normal, NormalPicture},
      {StatePicture::HighLight, HighLightPicture},
      {StatePicture::Selected, SelectedPicture},
      {StatePicture::HighLightSelect, HighLightSelectPicture},
      {StatePicture::Pressed, PressedPicture},
      {StatePicture::Disable, DisablePicture},
  };
  WriteCaption(Control(), "");
  for (const auto& p : pictures) {
    DrawButton(Control(), p.picture);
    const Picture face = Face();
    const int name = static_cast<int>(p.picture);
    // The corners one to one.
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x) {
        EXPECT_EQ(face.At(x, y), PicturePixel(p.file, x, y))
            << name << " top-left " << x << "," << y;
        EXPECT_EQ(face.At(Width - 4 + x, y), PicturePixel(p.file, 60 + x, y)) << name;
        EXPECT_EQ(face.At(x, Height - 4 + y), PicturePixel(p.file, x, 21 + y)) << name;
        EXPECT_EQ(face.At(Width - 4 + x, Height - 4 + y), PicturePixel(p.file, 60 + x, 21 + y))
            << name << " bottom-right " << x << "," << y;
      }
    }
    // The edges stretched: the middle of each edge shows the picture's edge.
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(face.At(Width / 2, i), PicturePixel(p.file, 32, i)) << name << " top " << i;
      EXPECT_EQ(face.At(Width / 2, Height - 4 + i), PicturePixel(p.file, 32, 21 + i)) << name;
      EXPECT_EQ(face.At(i, Height / 2), PicturePixel(p.file, i, 12)) << name << " left " << i;
      EXPECT_EQ(face.At(Width - 4 + i, Height / 2), PicturePixel(p.file, 60 + i, 12)) << name;
    }
    // The centre is the gradient, whatever the picture.
    EXPECT_TRUE(Near(face.At(Width / 2, Height / 2), 225, 225, 234, 6)) << name;
  }
}

TEST_F(GradientButtonWindow, CaptionIsCentredInTheDialogFontAndGreyedWhenDisabled) {
  const auto darkest = [](const Picture& face, int* left, int* right, int* top, int* bottom) {
    int dark = 255;
    *left = face.width, *right = -1, *top = face.height, *bottom = -1;
    for (int y = 4; y < face.height - 4; ++y) {
      for (int x = 4; x < face.width - 4; ++x) {
        const int value = std::max({Red(face.At(x, y)), Green(face.At(x, y)), Blue(face.At(x, y))});
        dark = std::min(dark, value);
        if (value < 140) {
          *left = std::min(*left, x), *right = std::max(*right, x);
          *top = std::min(*top, y), *bottom = std::max(*bottom, y);
        }
      }
    }
    return dark;
  };
  int left, right, top, bottom;
  EXPECT_LT(darkest(Face(), &left, &right, &top, &bottom), 40);  // black text
  EXPECT_NEAR((left + right) / 2.0, (Width - 1) / 2.0, 2.5);
  // The label lies 5 to 18 pixels down: (420 - 195 - 20) / 2 twips, 195 high.
  EXPECT_GE(top, 5);
  EXPECT_LE(bottom, 18);
  EXPECT_GT(right - left, 15);  // two glyphs, drawn

  WriteEnabled(Control(), BoolFalse);
  EXPECT_GT(darkest(Face(), &left, &right, &top, &bottom), 90);  // grey, not black
}

TEST_F(GradientButtonWindow, HoverThenClickRaisesClickOnce) {
  Initialize(Control());
  Hover();
  ClickMouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(WaitFor([&] { return clicks_ == 1; }, 2000));
  PumpMessages(200);
  EXPECT_EQ(clicks_, 1);
  EXPECT_EQ(GetFocus(), button_);
  EXPECT_EQ(Control().ButtonState, 4);

  // No keyboard handling: Enter and Space do nothing.
  PressKey(VK_RETURN);
  PressKey(VK_SPACE);
  PumpMessages(200);
  EXPECT_EQ(clicks_, 1);

  PointAway();
  EXPECT_TRUE(WaitFor([&] { return Control().ButtonState == 3; }, 2000));
}

TEST_F(GradientButtonWindow, ClickWithNoMovementBeforeRaisesNothing) {
  PointAt(8, Height / 2);  // moves before Initialize change nothing
  PumpMessages(200);
  EXPECT_EQ(Control().ButtonState, 0);
  Initialize(Control());
  PumpMessages(250);  // poll ticks with the pointer over the button

  ClickMouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  PumpMessages(300);
  EXPECT_EQ(clicks_, 0);
  EXPECT_EQ(GetFocus(), button_);

  PointAt(9, Height / 2);
  ASSERT_TRUE(WaitFor([&] { return Control().ButtonState == 4; }, 2000));
  ClickMouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  EXPECT_TRUE(WaitFor([&] { return clicks_ == 1; }, 2000));
}

TEST_F(GradientButtonWindow, DragOffAndReleaseBeforeTheNextTickRaisesClick) {
  Initialize(Control());
  Hover();
  SendMouse({MOUSEEVENTF_LEFTDOWN});
  ASSERT_TRUE(
      WaitFor([&] { return Control().ButtonState == 4 && Control().LeftButtonDown; }, 2000));
  // The move off and the release arrive together, before any tick.
  SendMouse({MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTUP}, HostLeft + 300, HostTop + 150);
  EXPECT_TRUE(WaitFor([&] { return clicks_ == 1; }, 2000));
  EXPECT_TRUE(WaitFor([&] { return Control().ButtonState == 3; }, 2000));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(GradientButtonWindow, DragOffPastATickAndBackRaisesNothing) {
  Initialize(Control());
  Hover();
  SendMouse({MOUSEEVENTF_LEFTDOWN});
  ASSERT_TRUE(WaitFor([&] { return Control().ButtonState == 4; }, 2000));
  EXPECT_EQ(GetCapture(), button_);
  PointAway();
  ASSERT_TRUE(WaitFor([&] { return Control().ButtonState == 3; }, 2000));
  PointAt(10, Height / 2);  // back over the button, still held: no hover look
  PumpMessages(250);
  EXPECT_EQ(Control().ButtonState, 3);
  SendMouse({MOUSEEVENTF_LEFTUP});
  PumpMessages(300);
  EXPECT_EQ(clicks_, 0);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(GradientButtonWindow, RightReleaseOverAHoveredButtonRaisesClickAndLeavesTheFace) {
  Initialize(Control());
  Hover();
  const Picture before = Face();
  ClickMouse(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  ASSERT_TRUE(WaitFor([&] { return clicks_ == 1; }, 2000));
  EXPECT_EQ(Control().ButtonState, 2);
  EXPECT_EQ(Face().pixels, before.pixels);
}

TEST_F(GradientButtonWindow, ReleaseOfAPressMadeElsewhereRaisesNothing) {
  Initialize(Control());
  SendMouse({MOUSEEVENTF_RIGHTDOWN});
  PumpMessages(100);
  Hover();
  SendMouse({MOUSEEVENTF_RIGHTUP});
  PumpMessages(300);
  EXPECT_EQ(clicks_, 0);
}

TEST_F(GradientButtonWindow, DisabledButtonShowsDisableAndRaisesNothing) {
  Initialize(Control());
  WriteEnabled(Control(), BoolFalse);
  const Picture disabled = Face();
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 4; ++x) EXPECT_EQ(disabled.At(x, y), PicturePixel(DisablePicture, x, y));
  }
  PointAt(8, Height / 2);
  PumpMessages(250);
  ClickMouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  ClickMouse(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
  PumpMessages(300);
  EXPECT_EQ(clicks_, 0);
  EXPECT_EQ(Control().ButtonState, 1);
  EXPECT_EQ(GetFocus(), button_);  // it still takes the focus
  EXPECT_EQ(Face().pixels, disabled.pixels);
}

TEST_F(GradientButtonWindow, ClickHandlerMayDestroyTheButton) {
  HWND doomed = host_->AddButton(20, 80, Width, Height, "ｷｬﾝｾﾙ", [&] {
    ++clicks_;
    DestroyWindow(doomed);
  });
  Initialize(*CommandOf(doomed));
  POINT point = {8, 10};
  ClientToScreen(doomed, &point);
  MoveMouseTo(point.x, point.y);
  ASSERT_TRUE(WaitFor([&] { return CommandOf(doomed)->ButtonState == 2; }, 2000));
  ClickMouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);
  ASSERT_TRUE(WaitFor([&] { return clicks_ == 1; }, 2000));
  PumpMessages(300);
  EXPECT_FALSE(IsWindow(doomed));
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(GradientButtonWindow, TransparentBackgroundShowsTheContainerAndTheCaption) {
  WriteVisible(Control(), 0);
  const Picture transparent = Face();
  EXPECT_EQ(transparent.At(3, 3), Rgb(236, 233, 216));
  EXPECT_EQ(transparent.At(Width / 2, 24), Rgb(236, 233, 216));
  bool text = false;
  for (unsigned pixel : transparent.pixels)
    text = text || std::max({Red(pixel), Green(pixel), Blue(pixel)}) < 40;
  EXPECT_TRUE(text);

  WriteVisible(Control(), 255);
  EXPECT_EQ(Face().At(1, 12), PicturePixel(NormalPicture, 1, 12));
}

TEST_F(GradientButtonWindow, DestroyingButtonsReleasesTheirGdiObjects) {
  const auto makeAndDestroy = [&] {
    HWND made = host_->AddButton(20, 80, Width, Height, "設定");
    Initialize(*CommandOf(made));
    WriteFont(*CommandOf(made), DialogFont());
    UpdateWindow(made);  // the caption's font is made by the first paint
    DestroyWindow(made);
  };
  makeAndDestroy();
  const int before = CountFreeGdiHandles();
  for (int i = 0; i < 20; ++i) makeAndDestroy();
  EXPECT_GE(CountFreeGdiHandles(), before - 5);
}

TEST_F(GradientButtonWindow, TakesItsPlaceInTheTabOrder) {
  HWND last = host_->AddButton(20, 80, Width, Height, "last");
  HWND between = host_->AddButton(20, 140, Width, Height, "between", nullptr, button_);
  EXPECT_TRUE(GetWindowLongA(between, GWL_STYLE) & WS_TABSTOP);
  EXPECT_EQ(GetNextDlgTabItem(host_->window(), button_, FALSE), between);
  EXPECT_EQ(GetNextDlgTabItem(host_->window(), between, FALSE), last);
}

// Only the ticks of the timer run: a tick that changes no state leaves the
// window valid, and the tick that moves the state asks for a paint.
TEST_F(GradientButtonWindow, PollRepaintsOnlyWhenTheStateChanges) {
  Initialize(Control());
  const auto runTicks = [&](int count) {
    int ticks = 0;
    const DWORD start = GetTickCount();
    while (ticks < count && GetTickCount() - start < 3000) {
      MSG message;
      if (PeekMessageA(&message, button_, WM_TIMER, WM_TIMER, PM_REMOVE)) {
        DispatchMessageA(&message);
        ++ticks;
      } else {
        Sleep(5);
      }
    }
    return ticks;
  };
  PumpMessages(150);
  ValidateRect(button_, nullptr);
  EXPECT_EQ(runTicks(5), 5);
  EXPECT_FALSE(GetUpdateRect(button_, nullptr, FALSE));

  Hover();
  PumpMessages(150);
  ValidateRect(button_, nullptr);
  EXPECT_EQ(runTicks(3), 3);  // the pointer stays over the button
  EXPECT_FALSE(GetUpdateRect(button_, nullptr, FALSE));

  PointAway();
  PumpMessages(0);
  ValidateRect(button_, nullptr);
  runTicks(1);
  EXPECT_EQ(Control().ButtonState, 1);
  EXPECT_TRUE(GetUpdateRect(button_, nullptr, FALSE));
}

double MedianMicroseconds(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return samples[samples.size() / 2];
}

template <typename Work>
std::vector<double> Time(int count, Work work) {
  LARGE_INTEGER frequency, before, after;
  QueryPerformanceFrequency(&frequency);
  std::vector<double> samples;
  for (int i = 0; i < count; ++i) {
    QueryPerformanceCounter(&before);
    work();
    QueryPerformanceCounter(&after);
    samples.push_back((after.QuadPart - before.QuadPart) * 1e6 / frequency.QuadPart);
  }
  return samples;
}

TEST_F(GradientButtonWindow, TimesOfARepaintAndOfAPollTick) {
  Initialize(Control());
  PumpMessages(150);
  const double repaint =
      MedianMicroseconds(Time(1000, [&] { DrawButton(Control(), StatePicture::Normal); }));
  // A tick with the pointer elsewhere and nothing to change, as most ticks are.
  const double tick =
      MedianMicroseconds(Time(1000, [&] { SendMessageA(button_, WM_TIMER, 1, 0); }));
  const double pollOnly = MedianMicroseconds(Time(1000, [&] {
    POINT pointer;
    GetCursorPos(&pointer);
    HoverPoll(Control(), reinterpret_cast<WindowId>(WindowFromPoint(pointer)),
              reinterpret_cast<WindowId>(button_), reinterpret_cast<WindowId>(host_->window()));
  }));
  std::printf("DrawButton, 117 x 28: median %.1f us\n", repaint);
  std::printf(
      "poll tick through WM_TIMER: median %.1f us; GetCursorPos + WindowFromPoint + "
      "compare: median %.1f us\n",
      tick, pollOnly);
  RecordProperty("DrawButtonMedianMicroseconds", std::to_string(repaint));
  RecordProperty("PollTickMedianMicroseconds", std::to_string(tick));
  EXPECT_LT(repaint, 20000);
  EXPECT_LT(tick, 5000);
}

}  // namespace
