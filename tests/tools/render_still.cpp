// Renders one frame of the real effect scene over whatever the screen shows
// and saves it as a 24-bit BMP: the source of the saver's preview still.
//   render_still.exe FRAME OUTPUT.bmp
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "effect_state.h"
#include "effect_window.h"
#include "scene.h"
#include "screen_capture.h"

namespace {

void SaveScreenAsBmp(const char* path, int width, int height) {
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
  SelectObject(memory, previous);

  BITMAPINFOHEADER header = {};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biCompression = BI_RGB;
  const int stride = (width * 3 + 3) & ~3;
  header.biSizeImage = static_cast<DWORD>(stride) * height;
  std::vector<unsigned char> bits(header.biSizeImage);
  GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), bits.data(),
            reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);

  BITMAPFILEHEADER file = {};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + header.biSizeImage;
  if (FILE* out = std::fopen(path, "wb")) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&header, sizeof header, 1, out);
    std::fwrite(bits.data(), 1, bits.size(), out);
    std::fclose(out);
  }
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

}  // namespace

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
  SaveScreenAsBmp(argv[2], width, height);

  wglMakeCurrent(nullptr, nullptr);
  wglDeleteContext(context);
  DestroyWindow(window);
  return 0;
}
