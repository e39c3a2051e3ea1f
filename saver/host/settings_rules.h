// The rules by which the three music settings are read from their stored
// texts. The file itself is behind `SettingsSource`.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The settings file's section and keys, as code page 932 bytes.
namespace SettingsKeys {
inline const char Section[] = "Section";
inline const char BgmKind[] = "BGM\x8B\xE6\x95\xAA";              // BGM区分
inline const char BgmRepeat[] = "BGM\xD8\xCB\xDF\xB0\xC4";        // BGMﾘﾋﾟｰﾄ
inline const char BgmFile[] = "BGM\xCC\xA7\xB2\xD9";              // BGMﾌｧｲﾙ
}  // namespace SettingsKeys

class SettingsSource {
 public:
  virtual ~SettingsSource() = default;
  // The stored value under `key` in "Section", empty when there is none.
  virtual std::string ReadValue(const std::string& key) const = 0;
  virtual bool FileExists(const std::string& path) const = 0;
};

// A stored number: blanks around it allowed, sign, fraction and exponent
// accepted, rounded down; nothing when it is not a number or does not fit
// 16 bits.
std::optional<std::int16_t> ReadSettingsNumber(const std::string& text);

// Fills BgmKind, BgmRepeat and BgmFile from `source`: an empty number
// reads as 0, an unreadable one keeps the current value; a file that is
// not there is dropped, and kind 2 without a file becomes 0.
void LoadSettingsFrom(const SettingsSource& source);
