#include "bgm_file_ending.h"

#include "bgm_settings.h"

namespace Ondira_BGM {

namespace {

bool IsCp932LeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

char AsciiUpper(char ch) { return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch; }

// True when the byte at `at` begins a character rather than ending a
// double-byte one.
bool StartsCharacter(const std::string& text, std::size_t at) {
  std::size_t i = 0;
  while (i < at) i += IsCp932LeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
  return i == at;
}

}  // namespace

BgmEnding FileEnding(const std::string& file) {
  if (file.size() < 3 || !StartsCharacter(file, file.size() - 3)) return BgmEnding::Other;
  std::string ending = file.substr(file.size() - 3);
  for (char& ch : ending) ch = AsciiUpper(ch);
  // Both endings are single-byte characters, so a match is three characters.
  if (ending == "WAV") return BgmEnding::Wav;
  if (ending == "MP3") return BgmEnding::Mp3;
  return BgmEnding::Other;
}

BgmEnding BgmFileEnding() { return FileEnding(BgmFile); }

}  // namespace Ondira_BGM
