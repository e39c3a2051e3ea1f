#include "application.h"

#include <vector>

#include "command_line.h"
#include "text.h"

namespace App {

const char Title[] = "Ondira (ScreenSaver)";

namespace {

MousePointer pointerOverride = MousePointer::Default;

int PixelsPerInch(int axis) {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, axis);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

std::string Directory() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      std::string full(path.data(), length);
      const std::size_t slash = full.find_last_of('\\');
      return slash == std::string::npos ? std::string() : full.substr(0, slash);
    }
    path.resize(path.size() * 2);
  }
}

std::string Arguments() { return ArgumentsOfCommandLine(GetCommandLineA()); }

void TerminateAtOnce() { ExitProcess(0); }

bool StartProgram(const std::string& path) {
  std::string commandLine = "\"" + path + "\"";
  std::vector<char> writable(commandLine.begin(), commandLine.end());
  writable.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(path.c_str(), writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    return false;
  }
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return true;
}

void ShowMessage(const std::string& text) {
  MessageBoxA(nullptr, AnsiFromUtf8(text).c_str(), Title, MB_OK | MB_SETFOREGROUND);
}

bool CanOpenForReading(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  const bool opened = file != INVALID_HANDLE_VALUE;
  if (opened) CloseHandle(file);
  SetLastError(ERROR_SUCCESS);
  return opened;
}

void RunMessageLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

int TwipsPerPixelX() { return 1440 / PixelsPerInch(LOGPIXELSX); }
int TwipsPerPixelY() { return 1440 / PixelsPerInch(LOGPIXELSY); }
int ScreenWidthTwips() { return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixelX(); }
int ScreenHeightTwips() { return GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixelY(); }

void SetMousePointer(MousePointer pointer) {
  pointerOverride = pointer;
  SetCursor(LoadCursorA(nullptr, pointer == MousePointer::Hourglass ? IDC_WAIT : IDC_ARROW));
}

MousePointer CurrentMousePointer() { return pointerOverride; }

}  // namespace App
