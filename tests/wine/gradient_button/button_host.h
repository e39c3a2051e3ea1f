// A top-level window of the dialog's colour that hosts gradient buttons, for
// the Wine tests and the screenshot program.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "command_window.h"

// The colour of the dialog behind the buttons, which the state pictures' outer ring carries.
constexpr COLORREF HostBackground = RGB(236, 233, 216);

// The settings dialog's caption font: "ＭＳ Ｐゴシック" 9.75 pt, Shift-JIS.
FontRef DialogFont();

class ButtonHost {
 public:
  ButtonHost(int left, int top, int width, int height);
  ~ButtonHost();
  ButtonHost(const ButtonHost&) = delete;
  ButtonHost& operator=(const ButtonHost&) = delete;

  HWND window() const { return window_; }

  // A button loaded as the dialog loads its own: only "Caption" and "Font" stored.
  HWND AddButton(int left, int top, int width, int height, const std::string& caption,
                 std::function<void()> click = nullptr, HWND tabAfter = nullptr);

 private:
  HWND window_ = nullptr;
};
