#include "ondira_s.h"

#include <windows.h>

#include <memory>

#include "application.h"
#include "bgm_file_ending.h"
#include "bgm_settings.h"
#include "cd_audio.h"
#include "form.h"
#include "mp3_playback.h"
#include "ondira_b.h"
#include "switches.h"
#include "timer.h"
#include "wav_playback.h"

namespace Ondira_S {

namespace {

class RunWindow : public Form {
 public:
  RunWindow()
      : Form("Ondira_Main", BorderStyle::None, RGB(0, 0, 0)),
        Timer1(*this, 1000, [] { Ondira_BGM::Mp3KeepPlaying(); }),
        Timer2(*this, 200, [this] { KeepCdPlaying(); }),
        Timer3(*this, 500, [this] { WatchPresence(); }) {}

 private:
  void OnLoad() override {
    using namespace Ondira_BGM;
    App::StartProgram(effectProgram_);
    if (BgmKind == 1) {
      CdOpen();
      Timer2.SetEnabled(true);
    }
    if (BgmKind == 2) {
      if (BgmFileEnding() == BgmEnding::Wav) WavPlay();
      if (BgmFileEnding() == BgmEnding::Mp3) {
        Mp3Start();
        Timer1.SetEnabled(true);
      }
    }
    Timer3.SetEnabled(true);
  }

  // Runs however the window comes to close, and ends the process.
  void OnQueryUnload() override {
    using namespace Ondira_BGM;
    if (Timer2.Enabled()) {
      Timer2.SetEnabled(false);
      CdClose();
    }
    if (BgmKind == 2) {
      if (BgmFileEnding() == BgmEnding::Wav) WavStop();
      if (BgmFileEnding() == BgmEnding::Mp3) Mp3Close();
    }
    if (SwitchLetter(App::Arguments()) == "S") ShowCursor(TRUE);
    App::TerminateAtOnce();
  }

  // Without a disc the polling stops for good.
  void KeepCdPlaying() {
    Ondira_BGM::CdKeepPlaying();
    Timer2.SetEnabled(Ondira_BGM::CdAvailable);
  }

  // The effect runs as long as a top-level window carries its title.
  void WatchPresence() {
    if (FindWindowA(nullptr, "Ondira") != nullptr) return;
    Timer3.SetEnabled(false);
    Unload();
  }

  const std::string effectProgram_ = Ondira_B::EffectProgramPath();
  Timer Timer1;
  Timer Timer2;
  Timer Timer3;
};

}  // namespace

void LoadRunWindow() {
  static std::unique_ptr<RunWindow> window;
  window = std::make_unique<RunWindow>();
  window->Load();
}

}  // namespace Ondira_S
