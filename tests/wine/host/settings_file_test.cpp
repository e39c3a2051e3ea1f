// The settings file through the platform's profile functions, in code page 932.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <sstream>

#include "bgm_settings.h"
#include "ondira_b.h"
#include "settings_rules.h"
#include "text.h"
#include "wine_test_support.h"

namespace {

using wine_test::ReadFileBytes;
using wine_test::WriteFileBytes;

class SettingsFile : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    folder = std::string(temp) + "ondira settings " + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(folder.c_str(), nullptr);
    file = folder + "\\Ondira.ini";
    DeleteFileA(file.c_str());
    Ondira_BGM::BgmKind = 0;
    Ondira_BGM::BgmRepeat = 0;
    Ondira_BGM::BgmFile.clear();
  }
  void TearDown() override {
    DeleteFileA(file.c_str());
    RemoveDirectoryA((folder + "\\sub").c_str());
    RemoveDirectoryA(folder.c_str());
  }
  std::string folder;
  std::string file;
};

TEST_F(SettingsFile, WritesTheKeysAsCodePage932BytesInOrder) {
  ASSERT_EQ(GetACP(), 932u) << "the tests run in the Japanese code page";
  const std::string music = AnsiFromUtf8("C:\\音楽 フォルダ\\曲.mp3");
  Ondira_B::WriteIniValue(SettingsKeys::Section, SettingsKeys::BgmKind, "2", file);
  Ondira_B::WriteIniValue(SettingsKeys::Section, SettingsKeys::BgmRepeat, "-1", file);
  Ondira_B::WriteIniValue(SettingsKeys::Section, SettingsKeys::BgmFile, music, file);

  const std::string expected = "[Section]\r\n"
                               "BGM\x8B\xE6\x95\xAA=2\r\n"
                               "BGM\xD8\xCB\xDF\xB0\xC4=-1\r\n"
                               "BGM\xCC\xA7\xB2\xD9=" + music + "\r\n";
  EXPECT_EQ(ReadFileBytes(file), expected);

  EXPECT_EQ(Ondira_B::ReadIniValue(SettingsKeys::Section, SettingsKeys::BgmKind, file), "2");
  EXPECT_EQ(Ondira_B::ReadIniValue(SettingsKeys::Section, SettingsKeys::BgmRepeat, file), "-1");
  EXPECT_EQ(Ondira_B::ReadIniValue(SettingsKeys::Section, SettingsKeys::BgmFile, file), music);

  // An empty value keeps the key, with nothing after the equals sign.
  Ondira_B::WriteIniValue(SettingsKeys::Section, SettingsKeys::BgmFile, "", file);
  EXPECT_NE(ReadFileBytes(file).find("BGM\xCC\xA7\xB2\xD9=\r\n"), std::string::npos);
}

TEST_F(SettingsFile, ReadsAtMost255BytesAndNeverCreatesTheFile) {
  EXPECT_EQ(Ondira_B::ReadIniValue(SettingsKeys::Section, SettingsKeys::BgmFile, file), "");
  EXPECT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);

  WriteFileBytes(file, "[Section]\r\nBGM\xCC\xA7\xB2\xD9=" + std::string(300, 'x') + "\r\n");
  EXPECT_EQ(Ondira_B::ReadIniValue(SettingsKeys::Section, SettingsKeys::BgmFile, file),
            std::string(255, 'x'));
  WriteFileBytes(file, "[Section]\r\nBGM\xCC\xA7\xB2\xD9=" + std::string(100000, 'y') + "\r\n");
  EXPECT_EQ(Ondira_B::ReadIniValue(SettingsKeys::Section, SettingsKeys::BgmFile, file).size(), 255u);
}

TEST_F(SettingsFile, FileExistsOpensFilesOnly) {
  WriteFileBytes(file, "x");
  CreateDirectoryA((folder + "\\sub").c_str(), nullptr);
  struct Case { std::string path; bool exists; };
  const Case cases[] = {
      {file, true},
      {file + "\\", true},  // the one trailing backslash is dropped
      {folder, false},
      {folder + "\\", false},
      {folder + "\\sub\\", false},
      {folder + "\\missing.mp3", false},
      {"", false},
      {"\\", false},
  };
  for (const Case& c : cases) EXPECT_EQ(Ondira_B::FileExists(c.path), c.exists) << c.path;

  // Locked by another opener that shares nothing.
  HANDLE locked = CreateFileA(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(locked, INVALID_HANDLE_VALUE);
  EXPECT_FALSE(Ondira_B::FileExists(file));
  CloseHandle(locked);
  EXPECT_EQ(GetLastError(), 0u);
}

// The real file read by the real rules: hostile contents give the defaults.
TEST_F(SettingsFile, HostileContentsGiveTheDefaults) {
  class RealFile : public SettingsSource {
   public:
    explicit RealFile(std::string path) : path_(std::move(path)) {}
    std::string ReadValue(const std::string& key) const override {
      return Ondira_B::ReadIniValue(SettingsKeys::Section, key, path_);
    }
    bool FileExists(const std::string& path) const override { return Ondira_B::FileExists(path); }
   private:
    std::string path_;
  };

  std::string garbage;
  for (int i = 0; i < 100000; ++i) garbage += static_cast<char>((i * 7919) & 0xFF);
  const std::string contents[] = {
      "",
      garbage,
      "[Section]\r\nBGM\x8B\xE6\x95\xAA=" + std::string(100000, '9') + "\r\n",
      "[Section]\r\nBGM\x8B\xE6\x95\xAA=40000\r\nBGM\xD8\xCB\xDF\xB0\xC4=abc\r\n",
      "[Section]\r\nBGM\x8B\xE6\x95\xAA=2\r\nBGM\xCC\xA7\xB2\xD9=" + std::string(300, 'C') + "\r\n",
  };
  for (const std::string& content : contents) {
    SetUp();
    WriteFileBytes(file, content);
    LoadSettingsFrom(RealFile(file));
    EXPECT_EQ(Ondira_BGM::BgmKind, 0);
    EXPECT_EQ(Ondira_BGM::BgmRepeat, 0);
    EXPECT_EQ(Ondira_BGM::BgmFile, "");
    EXPECT_EQ(ReadFileBytes(file), content) << "reading changed the file";
  }
  // A folder where the file should be.
  DeleteFileA(file.c_str());
  CreateDirectoryA(file.c_str(), nullptr);
  LoadSettingsFrom(RealFile(file));
  EXPECT_EQ(Ondira_BGM::BgmKind, 0);
  RemoveDirectoryA(file.c_str());
}

}  // namespace
