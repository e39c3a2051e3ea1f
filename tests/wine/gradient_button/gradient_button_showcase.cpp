// Shows the gradient button in each of its looks, with the settings dialog's
// sizes and captions, for a look at the screen:
//   gradient_button_showcase.exe [milliseconds to stay, default 10000]
#include <cstdlib>

#include "button_host.h"
#include "draw_button.h"

namespace {

// Puts a button in `state` and paints it with `picture`, as the state
// machine would; the hover poll stays off so that the look stays.
void ShowAs(HWND button, int state, std::int16_t reversed, StatePicture picture) {
  Command& c = *CommandOf(button);
  c.ButtonState = static_cast<std::uint8_t>(state);
  c.GradientReversed = reversed;
  DrawButton(c, picture);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR arguments, int) {
  const DWORD stay = arguments[0] != '\0' ? std::strtoul(arguments, nullptr, 10) : 10000;
  ButtonHost host(40, 40, 480, 200);

  const struct {
    const char* caption;
    int state;
    std::int16_t reversed;
    StatePicture picture;
  } looks[] = {
      {"設定", 1, BoolFalse, StatePicture::Normal},
      {"ｷｬﾝｾﾙ", 2, BoolTrue, StatePicture::HighLight},
      {"その他の作品", 3, BoolFalse, StatePicture::Selected},
      {"HighLightSelect", 4, BoolFalse, StatePicture::HighLightSelect},
      {"Pressed", 4, BoolTrue, StatePicture::Pressed},
  };
  int top = 12;
  for (const auto& look : looks) {
    ShowAs(host.AddButton(12, top, 73, 25, look.caption), look.state, look.reversed, look.picture);
    top += 34;
  }
  WriteEnabled(*CommandOf(host.AddButton(110, 12, 73, 25, "Disable")), BoolFalse);
  host.AddButton(110, 46, 29, 21, "...");
  host.AddButton(110, 80, 125, 25, "その他の作品");
  host.AddButton(110, 114, 117, 28, "Command");

  const DWORD start = GetTickCount();
  while (GetTickCount() - start < stay && IsWindow(host.window())) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(10);
  }
  return 0;
}
