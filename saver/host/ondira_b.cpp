#include "ondira_b.h"

#include <windows.h>

#include "application.h"
#include "ondira_p.h"
#include "ondira_r.h"
#include "ondira_s.h"
#include "settings_rules.h"
#include "switches.h"

namespace Ondira_B {

namespace {

// UTF-8 here; the message box shows it in the system code page.
const char MissingEffectMessage[] = "Ondira.dllが同じﾌｫﾙﾀﾞに見つかりません！";

class SettingsFile : public SettingsSource {
 public:
  std::string ReadValue(const std::string& key) const override {
    return ReadIniValue(SettingsKeys::Section, key, SettingsFilePath());
  }
  bool FileExists(const std::string& path) const override { return Ondira_B::FileExists(path); }
};

bool AnotherInstanceIsBusy() {
  const bool running = FindWindowA(nullptr, "Ondira_Main") != nullptr;
  const bool configuring = FindWindowA(nullptr, "<Ondira>") != nullptr;
  return running || configuring;
}

}  // namespace

std::string ReadIniValue(const std::string& section, const std::string& key,
                         const std::string& file) {
  char buffer[256] = {};
  GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, sizeof buffer, file.c_str());
  return buffer;
}

void WriteIniValue(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& file) {
  WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str());
}

bool FileExists(const std::string& path) {
  std::string copy = path;
  if (!copy.empty() && copy.back() == '\\') copy.pop_back();
  return App::CanOpenForReading(copy);
}

std::string SettingsFilePath() { return App::Directory() + "\\Ondira.ini"; }

void LoadSettings() { LoadSettingsFrom(SettingsFile()); }

std::string EffectProgramPath() { return App::Directory() + "\\Ondira.dll"; }

void Main() {
  if (AnotherInstanceIsBusy()) App::TerminateAtOnce();

  const SaverMode mode = ModeFor(App::Arguments());
  if (mode == SaverMode::Preview) {
    Ondira_R::ShowPreview(PreviewParentHandle(App::Arguments()));
    return;
  }

  LoadSettings();
  if (!FileExists(EffectProgramPath())) {
    App::ShowMessage(MissingEffectMessage);
    App::TerminateAtOnce();
  }
  switch (mode) {
    case SaverMode::Configure:
      Ondira_P::ShowModal();
      App::TerminateAtOnce();
    case SaverMode::Refuse:
      App::TerminateAtOnce();
    case SaverMode::RunHidingPointer:
      ShowCursor(FALSE);
      Ondira_S::LoadRunWindow();
      return;
    default:
      Ondira_S::LoadRunWindow();
      return;
  }
}

}  // namespace Ondira_B
