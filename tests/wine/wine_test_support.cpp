#include "wine_test_support.h"

#include <fstream>
#include <sstream>

namespace wine_test {

Picture CopyScreen() {
  Picture picture;
  picture.width = GetSystemMetrics(SM_CXSCREEN);
  picture.height = GetSystemMetrics(SM_CYSCREEN);
  picture.pixels.assign(static_cast<size_t>(picture.width) * picture.height, 0);

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, section);
  BitBlt(memory, 0, 0, picture.width, picture.height, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const unsigned* source = static_cast<const unsigned*>(bits);
  for (size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = source[i] & 0xFFFFFF;
  SelectObject(memory, previous);
  DeleteObject(section);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return picture;
}

PictureWindow::PictureWindow(const Picture& picture, int x, int y) : picture_(picture) {
  static const char className[] = "OndiraTestPicture";
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = Procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);
  window_ = CreateWindowExA(WS_EX_TOPMOST, className, "picture", WS_POPUP, x, y, picture.width,
                            picture.height, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  ShowWindow(window_, SW_SHOWNOACTIVATE);
  UpdateWindow(window_);
  PumpMessages(300);
}

PictureWindow::~PictureWindow() {
  DestroyWindow(window_);
  PumpMessages(50);
}

LRESULT CALLBACK PictureWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<PictureWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_PAINT && self != nullptr) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = self->picture_.width;
    info.bmiHeader.biHeight = -self->picture_.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, 0, 0, self->picture_.width, self->picture_.height, 0, 0, 0,
                      self->picture_.height, self->picture_.pixels.data(), &info, DIB_RGB_COLORS);
    EndPaint(window, &paint);
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;
  return DefWindowProcA(window, message, wParam, lParam);
}

void PumpMessages(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(5);
  } while (GetTickCount() - start < milliseconds);
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string AnsiFromUtf8(const std::string& utf8) {
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, &wide[0], length);
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &ansi[0], bytes, nullptr, nullptr);
  ansi.pop_back();
  return ansi;
}

void SaveBitmap(const Picture& screen, const RECT& part, const std::string& path) {
  const int width = part.right - part.left, height = part.bottom - part.top;
  if (width <= 0 || height <= 0) return;
  const int rowSize = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file = {};
  BITMAPINFOHEADER info = {};
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biSizeImage = static_cast<DWORD>(rowSize * height);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
  for (int y = height - 1; y >= 0; --y) {
    std::string row(static_cast<size_t>(rowSize), '\0');
    for (int x = 0; x < width; ++x) {
      const int sx = part.left + x, sy = part.top + y;
      const bool inside = sx >= 0 && sy >= 0 && sx < screen.width && sy < screen.height;
      const unsigned pixel = inside ? screen.At(sx, sy) : 0;
      row[static_cast<size_t>(x) * 3] = static_cast<char>(Blue(pixel));
      row[static_cast<size_t>(x) * 3 + 1] = static_cast<char>(Green(pixel));
      row[static_cast<size_t>(x) * 3 + 2] = static_cast<char>(Red(pixel));
    }
    bytes += row;
  }
  WriteFileBytes(path, bytes);
}

std::string ThisProgramDirectory() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string directory = path;
  return directory.substr(0, directory.find_last_of('\\'));
}

RunningProgram::RunningProgram(const std::string& path, const std::string& arguments) {
  std::string commandLine = "\"" + path + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  if (!CreateProcessA(path.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    process_ = {};
  }
}

RunningProgram::~RunningProgram() {
  if (process_.hProcess == nullptr) return;
  if (!HasEnded()) {
    TerminateProcess(process_.hProcess, 99);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

bool RunningProgram::HasEnded() const { return WaitForEnd(0); }

bool RunningProgram::WaitForEnd(DWORD milliseconds) const {
  return WaitForSingleObject(process_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

DWORD RunningProgram::ExitCode() const {
  DWORD code = 0;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

namespace {

BOOL CALLBACK CollectWindowOf(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(parameter);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->first) search->second.push_back(window);
  return TRUE;
}

void SendInputs(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT KeyInput(WORD virtualKey, DWORD flags) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, 0));
  input.ki.dwFlags = flags;
  return input;
}

INPUT MouseInput(DWORD flags, LONG x = 0, LONG y = 0) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = x;
  input.mi.dy = y;
  input.mi.dwFlags = flags;
  return input;
}

}  // namespace

HWND FindWindowOf(DWORD processId, const char* className, const char* title) {
  for (HWND window = FindWindowExA(nullptr, nullptr, className, title); window != nullptr;
       window = FindWindowExA(nullptr, window, className, title)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId) return window;
  }
  return nullptr;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
  std::pair<DWORD, std::vector<HWND>> search{processId, {}};
  EnumWindows(CollectWindowOf, reinterpret_cast<LPARAM>(&search));
  return search.second;
}

int CountFreeGdiHandles() {
  std::vector<HGDIOBJ> made;
  for (;;) {
    HGDIOBJ pen = CreatePen(PS_SOLID, 1, 0);
    if (pen == nullptr || made.size() > 200000) {
      if (pen != nullptr) DeleteObject(pen);
      break;
    }
    made.push_back(pen);
  }
  for (HGDIOBJ pen : made) DeleteObject(pen);
  return static_cast<int>(made.size());
}

void PressKey(WORD virtualKey) {
  SendInputs({KeyInput(virtualKey, 0), KeyInput(virtualKey, KEYEVENTF_KEYUP)});
}

void PressAltF4() {
  SendInputs({KeyInput(VK_MENU, 0), KeyInput(VK_F4, 0), KeyInput(VK_F4, KEYEVENTF_KEYUP),
              KeyInput(VK_MENU, KEYEVENTF_KEYUP)});
}

void MoveMouseTo(int x, int y) {
  const LONG ax = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  const LONG ay = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  SendInputs({MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, ax, ay)});
}

void ClickMouse(DWORD downFlag, DWORD upFlag) {
  SendInputs({MouseInput(downFlag), MouseInput(upFlag)});
}

}  // namespace wine_test
