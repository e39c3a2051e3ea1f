#include "screen_capture.h"

#include <GL/glu.h>

#include "effect_state.h"

#ifndef GL_BGRA_EXT
#define GL_BGRA_EXT 0x80E1
#endif

namespace {

// Asks for 32 bits per pixel, so the layout holds even when the display
// kept a lower depth; the bitmap must not be selected into a DC meanwhile.
void ReadBitmapPixels(HDC compatibleDc, HBITMAP bitmap, ScreenPixels& pixels) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = pixels.height;  // positive: rows bottom-up
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  info.bmiHeader.biSizeImage = static_cast<DWORD>(pixels.width) * 4 * pixels.height;
  pixels.bgra.assign(info.bmiHeader.biSizeImage, 0);
  GetDIBits(compatibleDc, bitmap, 0, static_cast<UINT>(pixels.height), pixels.bgra.data(), &info,
            DIB_RGB_COLORS);
}

}  // namespace

void CopyScreenPixels(const std::function<void(const ScreenPixels&)>& use) {
  HDC screenDc = CreateDCA("DISPLAY", nullptr, nullptr, nullptr);
  HDC memoryDc = CreateCompatibleDC(screenDc);

  ScreenPixels pixels;
  pixels.width = GetDeviceCaps(screenDc, HORZRES);
  pixels.height = GetDeviceCaps(screenDc, VERTRES);

  HBITMAP bitmap = CreateCompatibleBitmap(screenDc, pixels.width, pixels.height);
  HGDIOBJ previous = SelectObject(memoryDc, bitmap);
  StretchBlt(memoryDc, 0, 0, pixels.width, pixels.height, screenDc, 0, 0, pixels.width,
             pixels.height, SRCCOPY);
  SelectObject(memoryDc, previous);

  ReadBitmapPixels(memoryDc, bitmap, pixels);
  use(pixels);

  DeleteDC(screenDc);
  DeleteDC(memoryDc);
  DeleteObject(bitmap);
  pixels.bgra = {};
}

void UploadScreenTexture(const ScreenPixels& pixels) {
  glGenTextures(1, &Effect.ScreenTexture);
  glBindTexture(GL_TEXTURE_2D, Effect.ScreenTexture);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
  gluBuild2DMipmaps(GL_TEXTURE_2D, 4, pixels.width, pixels.height, GL_BGRA_EXT, GL_UNSIGNED_BYTE,
                    pixels.bgra.data());
}

void CaptureScreenTexture() { CopyScreenPixels(UploadScreenTexture); }
