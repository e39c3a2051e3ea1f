#include "bgm_file_ending.h"

#include <gtest/gtest.h>

#include "bgm_settings.h"

using namespace Ondira_BGM;

namespace {

TEST(BgmFileEnding, IsTheLastThreeCharactersUpperCased) {
  struct Case { const char* file; BgmEnding ending; };
  const Case cases[] = {
      {"C:\\Music\\a.WAV", BgmEnding::Wav},
      {"C:\\Music\\a.wav", BgmEnding::Wav},
      {"C:\\Music\\a.Wav", BgmEnding::Wav},
      {"C:\\Music\\a.mp3", BgmEnding::Mp3},
      {"C:\\Music\\a.Mp3", BgmEnding::Mp3},
      {"wav", BgmEnding::Wav},
      {"xmp3", BgmEnding::Mp3},  // no dot is needed
      {"C:\\Music\\a.mpeg", BgmEnding::Other},
      {"C:\\Music\\a.wma", BgmEnding::Other},
      {"C:\\Music\\a.wav ", BgmEnding::Other},
      {"C:\\Music\\a.wav\\", BgmEnding::Other},
      {"", BgmEnding::Other},
      {"v", BgmEnding::Other},
      {"av", BgmEnding::Other},
      {"P3", BgmEnding::Other},
      // "ジAV": ジ is 83 57 in code page 932, so the last three bytes read
      // "WAV", but the last three characters are ジ, A and V.
      {"C:\\x\x83\x57" "AV", BgmEnding::Other},
      {"C:\\\x83\x57" "a.wav", BgmEnding::Wav},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileEnding(c.file), c.ending) << c.file;
  }
}

TEST(BgmFileEnding, ReadsTheSettingsValue) {
  BgmFile = "D:\\loop.Wav";
  EXPECT_EQ(BgmFileEnding(), BgmEnding::Wav);
  BgmFile.clear();
  EXPECT_EQ(BgmFileEnding(), BgmEnding::Other);
}

}  // namespace
