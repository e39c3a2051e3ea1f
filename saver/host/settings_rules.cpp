#include "settings_rules.h"

#include <cmath>

#include "bgm_settings.h"
#include "number_text.h"

std::optional<std::int16_t> ReadSettingsNumber(const std::string& text) {
  const std::optional<double> number = ReadDecimal(text);
  if (!number) return std::nullopt;
  const double whole = std::floor(*number);
  if (!(whole >= INT16_MIN && whole <= INT16_MAX)) return std::nullopt;
  return static_cast<std::int16_t>(whole);
}

namespace {

void LoadNumber(const SettingsSource& source, const char* key, std::int16_t& value) {
  const std::string text = source.ReadValue(key);
  if (text.empty()) {
    value = 0;
    return;
  }
  if (const std::optional<std::int16_t> number = ReadSettingsNumber(text)) value = *number;
}

}  // namespace

void LoadSettingsFrom(const SettingsSource& source) {
  using namespace Ondira_BGM;
  LoadNumber(source, SettingsKeys::BgmKind, BgmKind);
  LoadNumber(source, SettingsKeys::BgmRepeat, BgmRepeat);
  BgmFile = source.ReadValue(SettingsKeys::BgmFile);
  if (!BgmFile.empty() && !source.FileExists(BgmFile)) BgmFile.clear();
  if (BgmFile.empty() && BgmKind == 2) BgmKind = 0;
}
