#include "presence_window.h"

#include <vector>

#include "presence_title.h"

namespace {

const char PresenceClassName[] = "OndiraEffectPresence";

bool IsLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

}  // namespace

std::string PresenceTitleOfThisProgram() {
  char modulePath[MAX_PATH + 1] = {};
  GetModuleFileNameA(nullptr, modulePath, MAX_PATH);
  OemToCharA(modulePath, modulePath);

  PresenceTitleParts parts = SplitPresenceTitle(modulePath, IsLeadByte);
  std::vector<char> rest(parts.rest.begin(), parts.rest.end());
  rest.push_back('\0');
  CharLowerA(rest.data());
  return parts.first + rest.data();
}

HWND CreatePresenceWindow(HINSTANCE instance) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = DefWindowProcA;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = PresenceClassName;
  RegisterClassA(&windowClass);
  const std::string title = PresenceTitleOfThisProgram();
  // WS_POPUP without WS_VISIBLE: never shown, no size, draws nothing.
  return CreateWindowExA(WS_EX_TOOLWINDOW, PresenceClassName, title.c_str(), WS_POPUP, 0, 0, 0,
                         0, nullptr, nullptr, instance, nullptr);
}
