#include "button_host.h"

FontRef DialogFont() {
  auto font = std::make_shared<FontObject>();
  font->FaceName = "ＭＳ Ｐゴシック";
  font->Size = 9.75;
  font->Weight = 400;
  font->Charset = 128;
  return font;
}

namespace {

LRESULT CALLBACK HostProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    DestroyWindow(window);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

ButtonHost::ButtonHost(int left, int top, int width, int height) {
  static const char className[] = "OndiraTestButtonHost";
  static HBRUSH background = CreateSolidBrush(HostBackground);
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = HostProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);
  window_ = CreateWindowExA(WS_EX_TOPMOST, className, "buttons",
                            WS_POPUP | WS_CLIPCHILDREN | WS_VISIBLE, left, top, width, height,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
  UpdateWindow(window_);
}

ButtonHost::~ButtonHost() {
  if (IsWindow(window_)) DestroyWindow(window_);
}

HWND ButtonHost::AddButton(int left, int top, int width, int height, const std::string& caption,
                           std::function<void()> click, HWND tabAfter) {
  PropertyStore stored;
  stored.WriteProperty("Caption", caption, "Command");
  WriteFont(stored, "Font", DialogFont(), nullptr);

  CommandWindowOptions options;
  options.Parent = window_;
  options.Left = left;
  options.Top = top;
  options.Width = width;
  options.Height = height;
  options.TabAfter = tabAfter;
  options.StoredProperties = &stored;
  options.Click = std::move(click);
  return CreateCommandWindow(options);
}
