#include "effect_window.h"

#include <cstring>

#include "effect_state.h"
#include "scene.h"
#include "screen_capture.h"

namespace {

const char EffectClassName[] = "OpenGL";

// The records handed to the platform, at the sizes it expects.
static_assert(sizeof(DEVMODEA) == 156, "display-mode record");
static_assert(sizeof(PIXELFORMATDESCRIPTOR) == 40, "pixel-format descriptor");

int ScreenWidth() { return GetSystemMetrics(SM_CXSCREEN); }
int ScreenHeight() { return GetSystemMetrics(SM_CYSCREEN); }

// Only the colour depth changes; the resolution stays what it is.
void SwitchDisplayTo32Bits() {
  DEVMODEA mode;
  std::memset(&mode, 0, sizeof mode);
  mode.dmSize = sizeof mode;
  mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
  mode.dmBitsPerPel = 32;
  mode.dmPelsWidth = static_cast<DWORD>(ScreenWidth());
  mode.dmPelsHeight = static_cast<DWORD>(ScreenHeight());
  ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN);
}

const PIXELFORMATDESCRIPTOR& EffectPixelFormat() {
  static PIXELFORMATDESCRIPTOR descriptor = [] {
    PIXELFORMATDESCRIPTOR d;
    std::memset(&d, 0, sizeof d);
    d.nSize = sizeof d;
    d.nVersion = 1;
    d.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    d.iPixelType = PFD_TYPE_RGBA;
    d.cColorBits = 32;
    d.cDepthBits = 32;
    d.iLayerType = PFD_MAIN_PLANE;
    return d;
  }();
  return descriptor;
}

bool RegisterEffectClass() {
  WNDCLASSA windowClass = {};
  windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
  windowClass.lpfnWndProc = EffectWindowProc;
  windowClass.hInstance = Effect.instance;
  windowClass.hIcon = LoadIconA(nullptr, IDI_WINLOGO);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.lpszClassName = EffectClassName;
  return RegisterClassA(&windowClass) != 0;
}

// Frames follow the display's refresh where the driver lets us ask for it.
void SyncSwapsToRefresh() {
  using SwapIntervalProc = BOOL(WINAPI*)(int);
  using AnyProc = void (*)();
  auto swapInterval = reinterpret_cast<SwapIntervalProc>(
      reinterpret_cast<AnyProc>(wglGetProcAddress("wglSwapIntervalEXT")));
  if (swapInterval != nullptr) swapInterval(1);
}

void CreateRenderingContext() {
  Effect.deviceContext = GetDC(Effect.window);
  SetEffectPixelFormat(Effect.deviceContext);
  Effect.renderingContext = wglCreateContext(Effect.deviceContext);
  wglMakeCurrent(Effect.deviceContext, Effect.renderingContext);
  SyncSwapsToRefresh();
}

}  // namespace

void SetEffectPixelFormat(HDC deviceContext) {
  const PIXELFORMATDESCRIPTOR& descriptor = EffectPixelFormat();
  const int format = ChoosePixelFormat(deviceContext, &descriptor);
  SetPixelFormat(deviceContext, format, &descriptor);
}

bool OpenEffectWindow() {
  Effect.instance = GetModuleHandleA(nullptr);
  if (!RegisterEffectClass()) return false;
  SwitchDisplayTo32Bits();

  Effect.window = CreateWindowExA(WS_EX_TOPMOST, EffectClassName, nullptr, WS_POPUP | WS_VISIBLE,
                                  0, 0, ScreenWidth(), ScreenHeight(), nullptr, nullptr,
                                  Effect.instance, nullptr);
  if (Effect.window == nullptr) {
    ChangeDisplaySettingsA(nullptr, 0);
    UnregisterClassA(EffectClassName, Effect.instance);
    return false;
  }

  CreateRenderingContext();
  ShowWindow(Effect.window, SW_SHOW);
  SetForegroundWindow(Effect.window);
  SetUpScene();
  SetProjection(ScreenWidth(), ScreenHeight());
  ShowCursor(FALSE);
  CaptureScreenTexture();
  return true;
}

LRESULT CALLBACK EffectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    case WM_MOUSEMOVE:
      return 0;
    default:
      return DefWindowProcA(window, message, wParam, lParam);
  }
}

void CloseEffectWindow() {
  ChangeDisplaySettingsA(nullptr, 0);
  glDeleteTextures(1, &Effect.ScreenTexture);
  wglMakeCurrent(nullptr, nullptr);
  wglDeleteContext(Effect.renderingContext);
  Effect.renderingContext = nullptr;
  ReleaseDC(Effect.window, Effect.deviceContext);
  Effect.deviceContext = nullptr;
  DestroyWindow(Effect.window);
  Effect.window = nullptr;
  UnregisterClassA(EffectClassName, Effect.instance);
  Effect.instance = nullptr;
  ShowCursor(TRUE);
  FreeGrid(Effect.grid);
}
