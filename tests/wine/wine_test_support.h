// Small helpers for the tests that run under Wine: real windows, screen
// copies, processes and their windows.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace wine_test {

// A 32-bit picture, rows top-down, pixels 0x00RRGGBB.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<unsigned> pixels;
  unsigned At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

inline int Red(unsigned pixel) { return (pixel >> 16) & 0xFF; }
inline int Green(unsigned pixel) { return (pixel >> 8) & 0xFF; }
inline int Blue(unsigned pixel) { return pixel & 0xFF; }

// The screen as it is now.
Picture CopyScreen();

// A topmost popup window that paints `picture` at its own top-left corner.
class PictureWindow {
 public:
  PictureWindow(const Picture& picture, int x, int y);
  ~PictureWindow();
  HWND handle() const { return window_; }

 private:
  static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
  Picture picture_;
  HWND window_ = nullptr;
};

// Dispatches this thread's messages for about `milliseconds`.
void PumpMessages(DWORD milliseconds);

// Waits, pumping messages, until `condition` holds or `milliseconds` pass.
template <typename Condition>
bool WaitFor(Condition condition, DWORD milliseconds) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > milliseconds) return false;
    PumpMessages(10);
  }
  return true;
}

// A file's bytes, and a file made of the given bytes.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);

// The part of a picture inside `part` as a 24-bit BMP file; what lies
// outside the picture is black.
void SaveBitmap(const Picture& screen, const RECT& part, const std::string& path);

// UTF-8 text in the system's ANSI code page.
std::string AnsiFromUtf8(const std::string& utf8);

// The directory of this test program, without a trailing backslash.
std::string ThisProgramDirectory();

// A started program; terminated at destruction if it is still running.
class RunningProgram {
 public:
  explicit RunningProgram(const std::string& path, const std::string& arguments = "");
  ~RunningProgram();
  bool started() const { return process_.hProcess != nullptr; }
  DWORD id() const { return process_.dwProcessId; }
  bool HasEnded() const;
  bool WaitForEnd(DWORD milliseconds) const;
  DWORD ExitCode() const;

 private:
  PROCESS_INFORMATION process_ = {};
};

// The top-level window of a process with this class and title (either may
// be null for any), hidden ones included.
HWND FindWindowOf(DWORD processId, const char* className, const char* title);

// Top-level windows of a process, hidden ones included.
std::vector<HWND> TopLevelWindowsOf(DWORD processId);

// The number of GDI objects this process can still create before the
// platform refuses; a difference between two counts is a leak.
int CountFreeGdiHandles();

// Key and mouse input through the platform's input queue.
void PressKey(WORD virtualKey);
void PressAltF4();
void MoveMouseTo(int x, int y);
void ClickMouse(DWORD downFlag, DWORD upFlag);

}  // namespace wine_test
