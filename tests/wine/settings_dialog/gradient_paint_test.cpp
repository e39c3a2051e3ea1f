// The dialog's gradient on the real drawing surfaces of a window and a
// bordered panel of the dialog's sizes: what it shows, that it outlasts
// repaints, and what painting it costs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "form.h"
#include "gradient_on.h"
#include "picture_box.h"
#include "wine_test_support.h"

using namespace wine_test;

namespace {

unsigned ScreenPixel(HWND window, int x, int y) {
  POINT point = {x, y};
  ClientToScreen(window, &point);
  const wine_test::Picture screen = CopyScreen();
  return screen.At(point.x, point.y);
}

bool IsShade(unsigned pixel, int c) {
  return Red(pixel) == c && Green(pixel) == c && Blue(pixel) == c + 30;
}

double Microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return (to.QuadPart - from.QuadPart) * 1e6 / frequency.QuadPart;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

TEST(DialogGradient, ShowsOnBothSurfacesOutlastsRepaintsAndIsCheap) {
  Form window("gradient surfaces", BorderStyle::FixedSingle, RGB(192, 192, 192));
  window.SetClientSize(479, 252);
  window.Load();
  PictureBox panel(RGB(224, 224, 224));
  panel.border = true;
  panel.Create(window.Handle(), 12, 16, 453, 169);
  SetWindowLongA(window.Handle(), GWL_STYLE,
                 GetWindowLongA(window.Handle(), GWL_STYLE) | WS_CLIPCHILDREN);
  SetWindowPos(window.Handle(), HWND_TOPMOST, 100, 100, 0, 0, SWP_NOSIZE);
  window.Show();
  ASSERT_EQ(window.ScaleHeight(), 252);
  ASSERT_EQ(panel.ScaleWidth(), 449);
  ASSERT_EQ(panel.ScaleHeight(), 165);

  GradientOn<Form> windowSurface(window);
  GradientOn<PictureBox> panelSurface(panel);
  std::vector<double> windowTimes, panelTimes;
  for (int run = 0; run < 31; ++run) {
    LARGE_INTEGER start, middle, end;
    QueryPerformanceCounter(&start);
    PaintGradient(windowSurface);
    QueryPerformanceCounter(&middle);
    PaintGradient(panelSurface);
    QueryPerformanceCounter(&end);
    windowTimes.push_back(Microseconds(start, middle));
    panelTimes.push_back(Microseconds(middle, end));
  }
  std::printf("gradient: window (253 lines) %.0f us, panel (166 lines) %.0f us, median of 31\n",
              Median(windowTimes), Median(panelTimes));

  // Painted once, then repainted by the platform several times over.
  window.Refresh();
  panel.Refresh();
  for (int repaint = 0; repaint < 3; ++repaint) {
    RedrawWindow(window.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages(50);
  }
  EXPECT_TRUE(IsShade(ScreenPixel(window.Handle(), 0, 0), 0));
  EXPECT_TRUE(IsShade(ScreenPixel(window.Handle(), 5, 126), 220));
  EXPECT_TRUE(IsShade(ScreenPixel(window.Handle(), 470, 251), 3));
  EXPECT_TRUE(IsShade(ScreenPixel(panel.Handle(), 0, 0), 0));
  EXPECT_TRUE(IsShade(ScreenPixel(panel.Handle(), 300, 82), 220));
  EXPECT_TRUE(IsShade(ScreenPixel(panel.Handle(), 448, 164), 4));
  window.Unload();
}

}  // namespace
