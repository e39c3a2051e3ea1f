#include "presence_title.h"

#include <gtest/gtest.h>

namespace {

bool IsShiftJisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::string AsciiLower(std::string text) {
  for (char& ch : text) {
    if (ch >= 'A' && ch <= 'Z') ch += 'a' - 'A';
  }
  return text;
}

std::string TitleOf(const std::string& path) {
  const PresenceTitleParts parts = SplitPresenceTitle(path, IsShiftJisLeadByte);
  return parts.first + AsciiLower(parts.rest);
}

TEST(PresenceTitle, IsTheFileNameBeforeItsFirstDotWithTheTailLowered) {
  struct Case { const char* path; const char* title; };
  const Case cases[] = {
      {"C:\\WINDOWS\\SYSTEM32\\Ondira.dll", "Ondira"},
      {"C:\\Program Files\\Ondira\\ONDIRA.DLL", "Ondira"},
      {"C:\\x\\ondira.dll", "ondira"},
      {"C:\\x\\My.Effect.Program.exe", "My"},
      {"C:\\x.y\\NoExtension", "Noextension"},
      {"Ondira.dll", "Ondira"},
      {"C:\\dir\\.hidden", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(TitleOf(c.path), c.title) << c.path;
}

TEST(PresenceTitle, DoubleByteCharactersAreNeverSplitOrTakenForSeparators) {
  // "表" is 95 5C in code page 932: its trail byte is a backslash.
  EXPECT_EQ(TitleOf("C:\\\x95\x5C\\Ondira.dll"), "Ondira");
  EXPECT_EQ(TitleOf("C:\\x\\\x95\x5C" "ABC.dll"), "\x95\x5C" "abc");
  // A leading double-byte character is the first character as a whole.
  const PresenceTitleParts parts = SplitPresenceTitle("\x83\x41Z.dll", IsShiftJisLeadByte);
  EXPECT_EQ(parts.first, "\x83\x41");
  EXPECT_EQ(parts.rest, "Z");
}

}  // namespace
