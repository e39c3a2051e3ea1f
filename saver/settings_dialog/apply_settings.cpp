#include "apply_settings.h"

#include "bgm_settings.h"
#include "repeat_track.h"
#include "settings_rules.h"

void ApplySettings(SettingsWriter& writer, const std::string& repeatText) {
  using namespace Ondira_BGM;
  writer.WriteValue(SettingsKeys::BgmKind, std::to_string(BgmKind));
  BgmRepeat = RepeatFromText(repeatText);
  writer.WriteValue(SettingsKeys::BgmRepeat, std::to_string(BgmRepeat));
  writer.WriteValue(SettingsKeys::BgmFile, BgmFile);
}
