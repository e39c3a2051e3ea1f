// The saver program: Main decides the mode; the preview and the run then
// live in the message loop until they end the process.
#include <windows.h>

#include "application.h"
#include "ondira_b.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Ondira_B::Main();
  App::RunMessageLoop();
  return 0;
}
