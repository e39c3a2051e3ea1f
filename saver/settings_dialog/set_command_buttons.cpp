#include "set_command_buttons.h"

#include "command_window.h"

namespace {

struct Visit {
  bool initialize;
  bool enabled;
};

BOOL CALLBACK SetCommandButton(HWND control, LPARAM parameter) {
  const Visit& visit = *reinterpret_cast<const Visit*>(parameter);
  if (Command* button = CommandOf(control)) {
    if (visit.initialize) {
      Initialize(*button);
    } else {
      WriteEnabled(*button, visit.enabled ? BoolTrue : BoolFalse);
    }
  }
  return TRUE;  // a control that is no button does not end the walk
}

}  // namespace

void SetCommandButtons(HWND window, bool initialize, bool enabled) {
  Visit visit = {initialize, enabled};
  EnumChildWindows(window, SetCommandButton, reinterpret_cast<LPARAM>(&visit));
}
