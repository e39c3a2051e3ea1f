#include "ondira_s.h"

#include <windows.h>

#include <memory>

#include "application.h"
#include "form.h"
#include "ondira_b.h"
#include "switches.h"
#include "timer.h"

namespace Ondira_S {

namespace {

class RunWindow : public Form {
 public:
  RunWindow()
      : Form("Ondira_Main", BorderStyle::None, RGB(0, 0, 0)),
        Timer3(*this, 500, [this] { WatchPresence(); }) {}

 private:
  void OnLoad() override {
    App::StartProgram(effectProgram_);
    Timer3.SetEnabled(true);
  }

  void OnQueryUnload() override {
    if (SwitchLetter(App::Arguments()) == "S") ShowCursor(TRUE);
    App::TerminateAtOnce();
  }

  // The effect runs as long as a top-level window carries its title.
  void WatchPresence() {
    if (FindWindowA(nullptr, "Ondira") != nullptr) return;
    Timer3.SetEnabled(false);
    Unload();
  }

  const std::string effectProgram_ = Ondira_B::EffectProgramPath();
  Timer Timer3;
};

}  // namespace

void LoadRunWindow() {
  static std::unique_ptr<RunWindow> window;
  window = std::make_unique<RunWindow>();
  window->Load();
}

}  // namespace Ondira_S
