// A stand-in desktop for the demo and the tests: a full-screen window with a
// picture whose orientation is easy to read (corner labels, a title bar, a
// diagonal colour ramp, text). It closes on Escape or when it is closed.
#include <windows.h>

namespace {

HFONT MakeFont(int height, int weight) {
  return CreateFontW(height, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                     DEFAULT_PITCH, L"IPAGothic");
}

void FillBox(HDC dc, int left, int top, int right, int bottom, COLORREF colour) {
  HBRUSH brush = CreateSolidBrush(colour);
  RECT box = {left, top, right, bottom};
  FillRect(dc, &box, brush);
  DeleteObject(brush);
}

void Text(HDC dc, int x, int y, const wchar_t* text, HFONT font, COLORREF colour) {
  HGDIOBJ previous = SelectObject(dc, font);
  SetTextColor(dc, colour);
  SetBkMode(dc, TRANSPARENT);
  TextOutW(dc, x, y, text, lstrlenW(text));
  SelectObject(dc, previous);
}

// Orange at the top left to violet at the bottom right, in bands.
void PaintBackground(HDC dc, int width, int height) {
  const int bands = 48;
  for (int i = 0; i < bands; ++i) {
    const int r = 250 - i * 3, g = 150 - i * 2, b = 40 + i * 4;
    FillBox(dc, 0, i * height / bands, width, (i + 1) * height / bands, RGB(r, g, b));
  }
  for (int x = 0; x < width; x += 64) FillBox(dc, x, 0, x + 2, height, RGB(255, 255, 255));
}

void PaintSampleWindow(HDC dc, int left, int top, int width, int height, HFONT titleFont,
                       HFONT bodyFont) {
  FillBox(dc, left, top, left + width, top + height, RGB(236, 233, 216));
  FillBox(dc, left, top, left + width, top + 28, RGB(10, 36, 106));
  Text(dc, left + 8, top + 4, L"サンプル デスクトップ", titleFont, RGB(255, 255, 255));
  const wchar_t* lines[] = {L"これは画面の見本です。", L"波の上でも上下左右が読めます。",
                            L"Ondira: the desktop waves like cloth."};
  for (int i = 0; i < 3; ++i) {
    Text(dc, left + 16, top + 48 + i * 30, lines[i], bodyFont, RGB(0, 0, 0));
  }
}

void PaintDesktop(HDC dc, int width, int height) {
  HFONT large = MakeFont(64, FW_BOLD);
  HFONT medium = MakeFont(22, FW_BOLD);
  HFONT small = MakeFont(20, FW_NORMAL);
  PaintBackground(dc, width, height);
  FillBox(dc, 0, 0, 180, 90, RGB(200, 0, 0));
  Text(dc, 12, 24, L"↖ 左上 TOP", medium, RGB(255, 255, 255));
  FillBox(dc, width - 180, height - 90, width, height, RGB(0, 120, 0));
  Text(dc, width - 168, height - 60, L"右下 END ↘", medium, RGB(255, 255, 255));
  for (int i = 0; i < 4; ++i) {
    FillBox(dc, 30, 130 + i * 90, 86, 186 + i * 90, RGB(40 + i * 50, 200 - i * 40, 230));
  }
  Text(dc, width / 2 - 150, height / 2 - 40, L"Ondira 波", large, RGB(255, 255, 255));
  PaintSampleWindow(dc, width / 2 - 50, height / 2 + 60, 380, 150, medium, small);
  DeleteObject(large);
  DeleteObject(medium);
  DeleteObject(small);
}

LRESULT CALLBACK DesktopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window, &paint);
      RECT client;
      GetClientRect(window, &client);
      PaintDesktop(dc, client.right, client.bottom);
      EndPaint(window, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_KEYDOWN:
      if (wParam == VK_ESCAPE) DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(window, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = DesktopProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.lpszClassName = L"OndiraSampleDesktop";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Sample desktop", WS_POPUP, 0, 0,
                                GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
