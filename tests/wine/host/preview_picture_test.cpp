// The preview window's picture, shown in this process inside a window of
// this process, and compared with the stored still pixel for pixel.
#include <gtest/gtest.h>

#include <windows.h>

#include "ondira_r.h"
#include "resources.h"
#include "wine_test_support.h"

using namespace wine_test;

namespace {

// The stored still, rows top-down.
Picture StoredStill() {
  HBITMAP bitmap = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr),
                                                   MAKEINTRESOURCEA(IDB_PREVIEW), IMAGE_BITMAP, 0,
                                                   0, LR_CREATEDIBSECTION));
  Picture still;
  BITMAP info = {};
  GetObjectA(bitmap, sizeof info, &info);
  still.width = info.bmWidth;
  still.height = info.bmHeight;
  still.pixels.resize(static_cast<size_t>(still.width) * still.height);
  BITMAPINFO header = {};
  header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  header.bmiHeader.biWidth = still.width;
  header.bmiHeader.biHeight = -still.height;
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 32;
  HDC screen = GetDC(nullptr);
  GetDIBits(screen, bitmap, 0, static_cast<UINT>(still.height), still.pixels.data(), &header,
            DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  for (unsigned& pixel : still.pixels) pixel &= 0xFFFFFF;
  DeleteObject(bitmap);
  return still;
}

HWND MakeParent(int width, int height) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  windowClass.lpszClassName = "OndiraTestMonitor";
  RegisterClassA(&windowClass);
  return CreateWindowExA(WS_EX_TOPMOST, "OndiraTestMonitor", "monitor",
                         WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, width, height, nullptr,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

// One preview per process: the preview ends its process when its parent goes.
TEST(PreviewPicture, FillsTheMonitorAtNaturalSizeWithBlackBeyond) {
  const Picture still = StoredStill();
  ASSERT_EQ(still.width, 152);
  ASSERT_EQ(still.height, 112);

  HWND parent = MakeParent(200, 150);
  Ondira_R::ShowPreview(static_cast<std::int32_t>(reinterpret_cast<INT_PTR>(parent)));
  HWND preview = FindWindowExA(parent, nullptr, nullptr, "Preview Window");
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(GetWindowLongA(preview, GWL_STYLE) & WS_CHILD);
  RECT client = {};
  GetClientRect(preview, &client);
  EXPECT_EQ(client.right, 200);
  EXPECT_EQ(client.bottom, 150);
  PumpMessages(300);

  const Picture screen = CopyScreen();
  int mismatches = 0;
  for (int y = 0; y < still.height; ++y) {
    for (int x = 0; x < still.width; ++x) mismatches += screen.At(x, y) != still.At(x, y);
  }
  EXPECT_EQ(mismatches, 0);
  for (int x : {152, 175, 199}) EXPECT_EQ(screen.At(x, 20), 0u) << x;
  for (int y : {112, 149}) EXPECT_EQ(screen.At(20, y), 0u) << y;
  // The still shows the teal of the effect in its corner.
  EXPECT_EQ(Red(still.At(2, 108)), 0);
  EXPECT_NEAR(Green(still.At(2, 108)), 128, 2);
}

}  // namespace
