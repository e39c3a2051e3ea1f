// What the dialog's apply button writes: the three music settings, every
// key every time, in a fixed order, through `SettingsWriter`.
#pragma once

#include <string>

class SettingsWriter {
 public:
  virtual ~SettingsWriter() = default;
  // One value under `key` (code page 932 bytes) in "Section" of the settings file.
  virtual void WriteValue(const std::string& key, const std::string& value) = 0;
};

// Writes BgmKind, then takes BgmRepeat from the combo text `repeatText`
// (UTF-8) and writes it, then writes BgmFile as it is.
void ApplySettings(SettingsWriter& writer, const std::string& repeatText);
