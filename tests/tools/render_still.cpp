// Renders one frame of the real effect scene over whatever the screen shows
// and saves it as a 24-bit BMP: the source of the saver's preview still.
//   render_still.exe FRAME OUTPUT.bmp
#include <windows.h>

#include <cstdlib>

#include "effect_state.h"
#include "effect_window.h"
#include "scene.h"
#include "screen_capture.h"
#include "wine_test_support.h"

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  const int frame = std::atoi(argv[1]);
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);

  WNDCLASSA windowClass = {};
  windowClass.style = CS_OWNDC;
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "OndiraStill";
  RegisterClassA(&windowClass);
  // Created hidden: the capture must see the desktop, not this window.
  HWND window = CreateWindowExA(WS_EX_TOPMOST, "OndiraStill", nullptr, WS_POPUP, 0, 0, width,
                                height, nullptr, nullptr, windowClass.hInstance, nullptr);
  Effect.deviceContext = GetDC(window);
  SetEffectPixelFormat(Effect.deviceContext);
  HGLRC context = wglCreateContext(Effect.deviceContext);
  wglMakeCurrent(Effect.deviceContext, context);

  SetUpScene();
  SetProjection(width, height);
  CaptureScreenTexture();
  ShowWindow(window, SW_SHOW);
  for (int k = 1; k <= frame; ++k) RenderFrame();
  glFinish();
  Sleep(300);
  wine_test::SaveBitmap(wine_test::CopyScreen(), RECT{0, 0, width, height}, argv[2]);

  wglMakeCurrent(nullptr, nullptr);
  wglDeleteContext(context);
  DestroyWindow(window);
  return 0;
}
