#include "settings_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "bgm_settings.h"

namespace {

class FakeSettingsFile : public SettingsSource {
 public:
  std::map<std::string, std::string> values;
  std::set<std::string> files;
  std::string ReadValue(const std::string& key) const override {
    const auto found = values.find(key);
    return found == values.end() ? "" : found->second;
  }
  bool FileExists(const std::string& path) const override { return files.count(path) > 0; }
};

class LoadSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    Ondira_BGM::BgmKind = 0;
    Ondira_BGM::BgmRepeat = 0;
    Ondira_BGM::BgmFile.clear();
  }
  FakeSettingsFile file;
};

TEST(ReadSettingsNumber, RoundsDownAndMustFitSixteenBits) {
  struct Case { const char* text; std::optional<std::int16_t> value; };
  const Case cases[] = {
      {"", std::nullopt},     {"1.9", 1},       {"-0.5", -1},          {"abc", std::nullopt},
      {"40000", std::nullopt}, {" 2 ", 2},      {"1e1", 10},           {"2", 2},
      {"-1", -1},             {"32767", 32767}, {"32767.9", 32767},    {"-32768", -32768},
      {"-32768.1", std::nullopt}, {"32768", std::nullopt}, {"\t7\t", 7}, {"+3", 3},
      {"1e400", std::nullopt}, {"2 3", std::nullopt}, {"0x10", std::nullopt}, {".5", 0},
      {"1e", std::nullopt},   {"-", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadSettingsNumber(c.text), c.value) << "'" << c.text << "'";
}

TEST_F(LoadSettings, MissingFileGivesNoMusic) {
  LoadSettingsFrom(file);
  EXPECT_EQ(Ondira_BGM::BgmKind, 0);
  EXPECT_EQ(Ondira_BGM::BgmRepeat, 0);
  EXPECT_EQ(Ondira_BGM::BgmFile, "");
}

TEST_F(LoadSettings, KindTwoNeedsAFileThatIsThere) {
  struct Case { const char* kind; const char* path; bool present; int kindAfter; const char* fileAfter; };
  const Case cases[] = {
      {"2", "C:\\m\\a.mp3", true, 2, "C:\\m\\a.mp3"},
      {"2", "C:\\m\\gone.mp3", false, 0, ""},
      {"2", "", false, 0, ""},
      {"1", "C:\\m\\gone.mp3", false, 1, ""},
      {"0", "C:\\m\\a.mp3", true, 0, "C:\\m\\a.mp3"},
      {"7", "", false, 7, ""},
      {"2.9", "C:\\m\\a.wav", true, 2, "C:\\m\\a.wav"},
      {"abc", "C:\\m\\a.mp3", true, 0, "C:\\m\\a.mp3"},
  };
  for (const Case& c : cases) {
    SetUp();
    file.values = {{SettingsKeys::BgmKind, c.kind}, {SettingsKeys::BgmFile, c.path}};
    file.files.clear();
    if (c.present) file.files.insert(c.path);
    LoadSettingsFrom(file);
    EXPECT_EQ(Ondira_BGM::BgmKind, c.kindAfter) << c.kind << " " << c.path;
    EXPECT_EQ(Ondira_BGM::BgmFile, c.fileAfter) << c.kind << " " << c.path;
  }
}

TEST_F(LoadSettings, RepeatTrackIsReadAsIs) {
  file.values = {{SettingsKeys::BgmKind, "1"}, {SettingsKeys::BgmRepeat, "45"}};
  LoadSettingsFrom(file);
  EXPECT_EQ(Ondira_BGM::BgmKind, 1);
  EXPECT_EQ(Ondira_BGM::BgmRepeat, 45);
  file.values = {{SettingsKeys::BgmRepeat, "-3.2"}};
  LoadSettingsFrom(file);
  EXPECT_EQ(Ondira_BGM::BgmRepeat, -4);
}

TEST(SettingsKeys, AreTheCodePage932Bytes) {
  EXPECT_EQ(std::string(SettingsKeys::BgmKind), "\x42\x47\x4D\x8B\xE6\x95\xAA");
  EXPECT_EQ(std::string(SettingsKeys::BgmRepeat), "\x42\x47\x4D\xD8\xCB\xDF\xB0\xC4");
  EXPECT_EQ(std::string(SettingsKeys::BgmFile), "\x42\x47\x4D\xCC\xA7\xB2\xD9");
}

}  // namespace
