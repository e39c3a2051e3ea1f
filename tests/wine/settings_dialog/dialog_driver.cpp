#include "dialog_driver.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

using namespace wine_test;

std::string SettingsBytes(const std::string& kind, const std::string& repeat,
                          const std::string& file) {
  return "[Section]\r\n"
         "BGM\x8B\xE6\x95\xAA=" + kind + "\r\n"
         "BGM\xD8\xCB\xDF\xB0\xC4=" + repeat + "\r\n"
         "BGM\xCC\xA7\xB2\xD9=" + file + "\r\n";
}

bool Near(unsigned pixel, int red, int green, int blue, int tolerance) {
  return std::abs(Red(pixel) - red) <= tolerance && std::abs(Green(pixel) - green) <= tolerance &&
         std::abs(Blue(pixel) - blue) <= tolerance;
}

namespace {

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

BOOL CALLBACK Collect(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> DescendantsOf(HWND window) {
  std::vector<HWND> found;
  EnumChildWindows(window, Collect, reinterpret_cast<LPARAM>(&found));
  return found;
}

// The top-left corner of `child` in its parent's client area.
POINT PlaceOf(HWND child) {
  RECT rect = {};
  GetWindowRect(child, &rect);
  POINT corner = {rect.left, rect.top};
  ScreenToClient(GetParent(child), &corner);
  return corner;
}

unsigned ScreenPixel(int x, int y) {
  HDC screen = GetDC(nullptr);
  const COLORREF colour = GetPixel(screen, x, y);
  ReleaseDC(nullptr, screen);
  return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

void SendMouseButton(MouseButton button, bool down) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  if (button == MouseButton::Left) {
    input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  } else {
    input.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
  }
  SendInput(1, &input, sizeof input);
}

WORD KeyOf(char ch) {
  if (ch >= '0' && ch <= '9') return static_cast<WORD>(ch);
  if (ch >= 'a' && ch <= 'z') return static_cast<WORD>(ch - 'a' + 'A');
  if (ch == '.') return VK_OEM_PERIOD;
  if (ch == '-') return VK_OEM_MINUS;
  return VK_SPACE;
}

}  // namespace

DialogUnderTest::DialogUnderTest(const SaverInstall& install, const std::string& arguments) {
  MoveMouseTo(5, 5);
  PumpMessages(30);
  const DWORD start = GetTickCount();
  program_ = std::make_unique<RunningProgram>(install.saver(), arguments);
  if (!program_->started()) return;
  HWND window = nullptr;
  if (!WaitFor([&] { return (window = FindWindowOf(program_->id(), nullptr, "<Ondira>")) != nullptr; }, 10000)) return;
  window_ = window;
  // The controls are all there once the window shows.
  if (!WaitFor([&] { return IsWindowVisible(window_) != FALSE; }, 10000)) {
    window_ = nullptr;
    return;
  }
  FindControls();
  const bool painted = WaitFor(
      [&] {
        return Near(PixelAt(window_, 0, 0), 0, 0, 30) &&
               Near(PixelAt(window_, 4, 126), 220, 220, 250) &&
               Near(PixelAt(panel_, 0, 0), 0, 0, 30) &&
               Near(PixelAt(panel_, 2, 82), 220, 220, 250) &&
               Near(PixelAt(cmdSet_, 36, 1), 0, 60, 116, 12);
      },
      10000);
  if (!painted) {
    std::fprintf(stderr,
                 "not painted: window %06x %06x, panel %06x %06x, 設定 frame %06x\n",
                 PixelAt(window_, 0, 0), PixelAt(window_, 4, 126), PixelAt(panel_, 0, 0),
                 PixelAt(panel_, 2, 82), PixelAt(cmdSet_, 36, 1));
    window_ = nullptr;
    return;
  }
  shownAfter_ = GetTickCount() - start;
}

void DialogUnderTest::FindControls() {
  for (HWND child : DescendantsOf(window_)) {
    const std::string name = ClassOf(child);
    if (name == "OndiraPictureBox") panel_ = child;
    if (name == "ComboBox") combo_ = child;
  }
  for (HWND child : DescendantsOf(window_)) {
    const POINT at = PlaceOf(child);
    if (ClassOf(child) != "Ondira.Command") continue;
    if (GetParent(child) == panel_) {
      cmdBgm_ = child;
    } else if (at.x == Laid::Cmd_Set.x) {
      cmdSet_ = child;
    } else if (at.x == Laid::Cmd_Can.x) {
      cmdCan_ = child;
    } else if (at.x == Laid::Cmd_Etc.x) {
      cmdEtc_ = child;
    }
  }
}

POINT DialogUnderTest::OnScreen(HWND parent, int x, int y) {
  POINT point = {x, y};
  ClientToScreen(parent, &point);
  return point;
}

void DialogUnderTest::Click(HWND parent, int x, int y, MouseButton button) {
  // Onto the point from one pixel beside it, so that the control sees the pointer move.
  const POINT point = OnScreen(parent, x, y);
  MoveMouseTo(point.x - 1, point.y);
  PumpMessages(40);
  MoveMouseTo(point.x, point.y);
  PumpMessages(40);
  SendMouseButton(button, true);
  PumpMessages(40);
  SendMouseButton(button, false);
  PumpMessages(200);
}

void DialogUnderTest::ClickButton(HWND button) {
  RECT rect = {};
  GetClientRect(button, &rect);
  Click(button, rect.right / 2, rect.bottom / 2);
}

void DialogUnderTest::ClickCaption(int kind, MouseButton button) {
  Click(panel_, Laid::CaptionLeft + 8, Laid::OptionTop[kind] + 6, button);
}

void DialogUnderTest::ClickMark(int kind, MouseButton button) {
  Click(panel_, Laid::MarkLeft + 6, Laid::OptionTop[kind] + 6, button);
}

void DialogUnderTest::TypeIntoCombo(const std::string& text) {
  RECT rect = {};
  GetClientRect(combo_, &rect);
  Click(combo_, 8, rect.bottom / 2);
  for (char ch : text) {
    PressKey(KeyOf(ch));
    PumpMessages(30);
  }
  PumpMessages(100);
}

void DialogUnderTest::PickFromList(int index) {
  RECT rect = {};
  GetClientRect(combo_, &rect);
  Click(combo_, rect.right - 6, rect.bottom / 2);
  HWND list = nullptr;
  WaitFor(
      [&] {
        for (HWND window : TopLevelWindowsOf(program_->id())) {
          if (ClassOf(window) == "ComboLBox" && IsWindowVisible(window)) list = window;
        }
        return list != nullptr;
      },
      3000);
  if (list == nullptr) return;
  const int itemHeight = static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
  const int top = static_cast<int>(SendMessageA(list, LB_GETTOPINDEX, 0, 0));
  Click(list, 10, (index - top) * itemHeight + itemHeight / 2);
}

void DialogUnderTest::ClickCloseBox() {
  RECT outer = {};
  GetWindowRect(window_, &outer);
  POINT client = OnScreen(window_, 0, 0);
  const int y = (outer.top + client.y) / 2;
  for (int x = outer.right - 1; x > outer.right - 80; --x) {
    DWORD_PTR hit = 0;
    SendMessageTimeoutA(window_, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 1000, &hit);
    if (hit == HTCLOSE) {
      MoveMouseTo(x - 2, y);
      PumpMessages(40);
      SendMouseButton(MouseButton::Left, true);
      PumpMessages(60);
      SendMouseButton(MouseButton::Left, false);
      PumpMessages(200);
      return;
    }
  }
}

unsigned DialogUnderTest::PixelAt(HWND parent, int x, int y) const {
  const POINT point = OnScreen(parent, x, y);
  return ScreenPixel(point.x, point.y);
}

int DialogUnderTest::SelectedMark() const {
  int selected = -1;
  for (int kind = 0; kind <= 2; ++kind) {
    const unsigned centre = PixelAt(panel_, Laid::MarkLeft + 5, Laid::OptionTop[kind] + 5);
    if (Near(centre, 0, 64, 224)) {
      selected = selected == -1 ? kind : -2;
    } else if (!Near(centre, 255, 255, 255)) {
      return -3;  // no mark at all
    }
  }
  return selected;
}

bool DialogUnderTest::FileButtonLooksEnabled() const {
  RECT rect = {};
  GetClientRect(cmdBgm_, &rect);
  const unsigned border = PixelAt(cmdBgm_, rect.right / 2, 1);
  return Near(border, 0, 60, 116, 12);  // Normal's and HighLight's frame; Disable's is light grey
}

bool DialogUnderTest::FileBoxHasText() const {
  // Black text on the gradient, inside the box's black frame.
  const Picture screen = CopyScreen();
  const POINT origin = OnScreen(panel_, 0, 0);
  int dark = 0;
  for (int y = Laid::FileBox.top + 2; y < Laid::FileBox.bottom - 2; ++y) {
    for (int x = Laid::FileBox.left + 2; x < Laid::FileBox.right - 2; ++x) {
      const unsigned pixel = screen.At(origin.x + x, origin.y + y);
      if (Red(pixel) < 60 && Blue(pixel) < 60) ++dark;
    }
  }
  return dark > 20;
}
