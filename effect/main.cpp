// The effect program: the captured desktop waves and tumbles until a key,
// a left click or the window's destruction.
#include <windows.h>

#include "effect_window.h"
#include "presence_window.h"
#include "scene.h"

namespace {

// One message at most per turn, and a frame on every turn, the last one included.
WPARAM RunFrameLoop() {
  MSG message = {};
  bool done = false;
  while (!done) {
    if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        done = true;
      } else {
        TranslateMessage(&message);
        DispatchMessageA(&message);
      }
    }
    RenderFrame();
  }
  return message.wParam;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  CreatePresenceWindow(instance);
  // Without the window no quit input could ever reach the loop.
  if (!OpenEffectWindow()) return 1;
  const WPARAM exitCode = RunFrameLoop();
  CloseEffectWindow();
  return static_cast<int>(exitCode);
}
