// The real saver's settings dialog driven from outside its process, as a
// user drives it: real mouse clicks and keys at the laid-out positions,
// the screen read back for what it shows.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "saver_install.h"
#include "wine_test_support.h"

// The dialog's controls in pixels at 96 dots per inch, relative to the
// client area of their parent (the window or the panel's inner area).
namespace Laid {
constexpr int ClientWidth = 479, ClientHeight = 252;
constexpr RECT Panel = {12, 16, 12 + 453, 16 + 169};
// Rows of the three options in the panel, by kind: CD at the top, none in
// the middle, the file at the bottom.
constexpr int OptionTop[3] = {76, 56, 96};
constexpr int MarkLeft = 20, CaptionLeft = 36;
constexpr RECT FileBox = {68, 116, 68 + 357, 116 + 29};
constexpr POINT Cmd_BGM = {36, 116}, Cmd_Set = {320, 200}, Cmd_Can = {396, 200},
                Cmd_Etc = {192, 200};
constexpr POINT Combo = {92, 52};
}  // namespace Laid

// The settings file the dialog writes from scratch.
std::string SettingsBytes(const std::string& kind, const std::string& repeat,
                          const std::string& file);

bool Near(unsigned pixel, int red, int green, int blue, int tolerance = 2);


enum class MouseButton { Left, Right };

class DialogUnderTest {
 public:
  // Starts the saver with `arguments` and waits for the dialog to show painted.
  DialogUnderTest(const SaverInstall& install, const std::string& arguments = "/c");

  bool shown() const { return window_ != nullptr; }
  // From the start of the process to the dialog visible with its gradients
  // and buttons painted, as seen on the screen.
  DWORD millisecondsToPainted() const { return shownAfter_; }
  wine_test::RunningProgram& program() { return *program_; }
  HWND window() const { return window_; }
  HWND panel() const { return panel_; }
  HWND combo() const { return combo_; }
  HWND cmdBgm() const { return cmdBgm_; }
  HWND cmdSet() const { return cmdSet_; }
  HWND cmdCan() const { return cmdCan_; }
  HWND cmdEtc() const { return cmdEtc_; }

  // A point of `parent`'s client area on the screen.
  static POINT OnScreen(HWND parent, int x, int y);
  // Presses and releases `button` at a point of `parent`'s client area,
  // then gives the dialog time to react.
  void Click(HWND parent, int x, int y, MouseButton button = MouseButton::Left);
  void ClickButton(HWND button);
  // The caption or the mark of option `kind`.
  void ClickCaption(int kind, MouseButton button = MouseButton::Left);
  void ClickMark(int kind, MouseButton button = MouseButton::Left);
  // Types `text` (digits, letters, '.', '-') into the combo's edit field.
  void TypeIntoCombo(const std::string& text);
  // Opens the combo's list and clicks its entry `index`.
  void PickFromList(int index);
  // Clicks the title bar's close box.
  void ClickCloseBox();
  // The screen pixel at a point of `parent`'s client area, 0x00RRGGBB.
  unsigned PixelAt(HWND parent, int x, int y) const;

  // What the panel shows now, read off the screen.
  int SelectedMark() const;  // the kind whose mark is blue; -1 for none; -2 for several
  bool FileButtonLooksEnabled() const;
  bool FileBoxHasText() const;

  bool WaitForEnd(DWORD milliseconds) { return program_->WaitForEnd(milliseconds); }

 private:
  void FindControls();
  std::unique_ptr<wine_test::RunningProgram> program_;
  HWND window_ = nullptr;
  HWND panel_ = nullptr;
  HWND combo_ = nullptr;
  HWND cmdBgm_ = nullptr, cmdSet_ = nullptr, cmdCan_ = nullptr, cmdEtc_ = nullptr;
  DWORD shownAfter_ = 0;
};
