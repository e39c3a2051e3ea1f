// The real scene code drawing into a real OpenGL window.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "effect_state.h"
#include "effect_window.h"
#include "scene.h"
#include "screen_capture.h"
#include "wine_test_support.h"

using namespace wine_test;

namespace {

// A visible window with the effect's pixel format and a current context,
// standing in for the effect window.
class GlWindow {
 public:
  GlWindow(int width, int height) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "OndiraTestGl";
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(WS_EX_TOPMOST, "OndiraTestGl", nullptr, WS_POPUP | WS_VISIBLE, 0, 0,
                              width, height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    dc_ = GetDC(window_);
    SetEffectPixelFormat(dc_);
    context_ = wglCreateContext(dc_);
    wglMakeCurrent(dc_, context_);
    Effect.deviceContext = dc_;
    PumpMessages(100);
  }
  ~GlWindow() {
    glDeleteTextures(1, &Effect.ScreenTexture);
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(context_);
    ReleaseDC(window_, dc_);
    DestroyWindow(window_);
    Effect = EffectState();
    PumpMessages(50);
  }

  // What the window shows on the screen now, rows top-down.
  Picture ReadFrame(int width, int height) const {
    PumpMessages(100);
    const Picture screen = CopyScreen();
    Picture frame;
    frame.width = width;
    frame.height = height;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) frame.pixels.push_back(screen.At(x, y));
    }
    return frame;
  }

 private:
  HWND window_ = nullptr;
  HDC dc_ = nullptr;
  HGLRC context_ = nullptr;
};

// A picture whose quadrants say where they belong: red top-left, green
// top-right, blue bottom-left, white bottom-right. Rows bottom-up, BGRA.
ScreenPixels QuadrantPicture(int width, int height) {
  ScreenPixels pixels;
  pixels.width = width;
  pixels.height = height;
  pixels.bgra.resize(static_cast<size_t>(width) * height * 4);
  for (int row = 0; row < height; ++row) {
    const bool top = row >= height / 2;  // the last rows are the top of the picture
    for (int x = 0; x < width; ++x) {
      const bool left = x < width / 2;
      unsigned char* p = &pixels.bgra[(static_cast<size_t>(row) * width + x) * 4];
      const unsigned char b = (!top && left) || (!top && !left) ? 255 : 0;
      const unsigned char g = (top && !left) || (!top && !left) ? 255 : 0;
      const unsigned char r = (top && left) || (!top && !left) ? 255 : 0;
      p[0] = b;
      p[1] = g;
      p[2] = r;
      p[3] = 255;
    }
  }
  return pixels;
}

enum class Hue { Red, Green, Blue, White };

::testing::AssertionResult LooksLike(unsigned pixel, Hue hue) {
  const int r = Red(pixel), g = Green(pixel), b = Blue(pixel);
  bool ok = false;
  switch (hue) {
    case Hue::Red: ok = r > 150 && g < 60 && b < 60; break;
    case Hue::Green: ok = g > 150 && r < 60 && b < 60; break;
    case Hue::Blue: ok = b > 150 && r < 60 && g < 60; break;
    case Hue::White: ok = r > 150 && g > 150 && b > 150; break;
  }
  if (ok) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "pixel (" << r << ", " << g << ", " << b << ")";
}

Picture DrawFirstFrame(GlWindow& window, int width, int height) {
  SetUpScene();
  SetProjection(width, height);
  UploadScreenTexture(QuadrantPicture(64, 48));
  RenderFrame();
  glFinish();
  return window.ReadFrame(width, height);
}

TEST(Scene, FirstFrameShowsThePictureUprightAndUnmirrored) {
  const int width = 320, height = 240;
  GlWindow window(width, height);
  const Picture frame = DrawFirstFrame(window, width, height);
  EXPECT_TRUE(LooksLike(frame.At(40, 30), Hue::Red)) << "top-left";
  EXPECT_TRUE(LooksLike(frame.At(280, 30), Hue::Green)) << "top-right";
  EXPECT_TRUE(LooksLike(frame.At(40, 210), Hue::Blue)) << "bottom-left";
  EXPECT_TRUE(LooksLike(frame.At(280, 210), Hue::White)) << "bottom-right";
  // The quadrant borders sit at the middle of a 4:3 view.
  EXPECT_TRUE(LooksLike(frame.At(150, 110), Hue::Red));
  EXPECT_TRUE(LooksLike(frame.At(170, 130), Hue::White));
  // The animation moved on by one frame.
  EXPECT_EQ(Effect.animation.WavePhase, 2.0f);
}

TEST(Scene, WideViewShowsTealBandsBesideTheSheet) {
  const int width = 400, height = 200;
  GlWindow window(width, height);
  const Picture frame = DrawFirstFrame(window, width, height);
  // The sheet fills the height: about 267 pixels wide, centred.
  for (int x : {2, 50, 349, 397}) {
    const unsigned pixel = frame.At(x, 100);
    EXPECT_EQ(Red(pixel), 0) << x;
    EXPECT_NEAR(Green(pixel), 128, 1) << x;
    EXPECT_NEAR(Blue(pixel), 128, 1) << x;
  }
  EXPECT_TRUE(LooksLike(frame.At(100, 50), Hue::Red));
  EXPECT_TRUE(LooksLike(frame.At(300, 150), Hue::White));
}

TEST(Scene, SetUpSceneLeavesTheFixedState) {
  GlWindow window(64, 48);
  SetUpScene();
  struct Case { GLenum name; GLint expected; };
  const Case cases[] = {{GL_FRONT_FACE, GL_CW},        {GL_DEPTH_FUNC, GL_LEQUAL},
                        {GL_SHADE_MODEL, GL_SMOOTH},   {GL_TEXTURE_2D, GL_TRUE},
                        {GL_DEPTH_TEST, GL_TRUE},      {GL_LIGHTING, GL_TRUE},
                        {GL_LIGHT1, GL_TRUE},          {GL_LIGHT0, GL_FALSE},
                        {GL_NORMALIZE, GL_TRUE},       {GL_COLOR_MATERIAL, GL_TRUE},
                        {GL_CULL_FACE, GL_FALSE},      {GL_BLEND, GL_FALSE},
                        {GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE}};
  for (const Case& c : cases) {
    GLint value = -1;
    glGetIntegerv(c.name, &value);
    EXPECT_EQ(value, c.expected) << "state 0x" << std::hex << c.name;
  }
  GLfloat diffuse[4] = {};
  glGetLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
  EXPECT_EQ(diffuse[3], 0.0f);
  ASSERT_EQ(Effect.grid.GridX.size(), 3600u);
}

}  // namespace
