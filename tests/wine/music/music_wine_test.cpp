// The music routines over the real multimedia services.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "bgm_settings.h"
#include "cd_audio.h"
#include "mci_command.h"
#include "music_state.h"
#include "wav_playback.h"
#include "winmm_music_platform.h"

using namespace Ondira_BGM;

namespace {

// Passes every call to the real services and keeps the MCI strings.
class RecordingPlatform : public MusicPlatform {
 public:
  std::uint32_t MciSendString(const char* command, char* reply, unsigned replySize) override {
    commands.push_back(command);
    return WinmmMusicPlatform().MciSendString(command, reply, replySize);
  }
  bool MciGetErrorString(std::uint32_t code, char* text, unsigned textSize) override {
    return WinmmMusicPlatform().MciGetErrorString(code, text, textSize);
  }
  unsigned WaveOutGetNumDevs() override { return WinmmMusicPlatform().WaveOutGetNumDevs(); }
  bool PlaySoundA(const char* sound, std::uint32_t flags) override {
    return WinmmMusicPlatform().PlaySoundA(sound, flags);
  }

  std::vector<std::string> commands;
};

class MusicWine : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetMusicModuleState();
    BgmRepeat = 0;
    BgmFile.clear();
    SetMusicPlatform(&recorder);
  }
  void TearDown() override { SetMusicPlatform(nullptr); }

  RecordingPlatform recorder;
};

// A tenth of a second of 8-bit mono silence at 8000 Hz.
void WriteSilentWav(const std::string& path) {
  const std::uint32_t samples = 800;
  std::string bytes;
  auto put32 = [&](std::uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  };
  auto put16 = [&](std::uint16_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
  };
  bytes += "RIFF";
  put32(36 + samples);
  bytes += "WAVEfmt ";
  put32(16);
  put16(1);     // PCM
  put16(1);     // mono
  put32(8000);  // samples per second
  put32(8000);  // bytes per second
  put16(1);     // block align
  put16(8);     // bits per sample
  bytes += "data";
  put32(samples);
  bytes.append(samples, static_cast<char>(0x80));

  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  ASSERT_EQ(written, bytes.size());
}

TEST_F(MusicWine, FailingCommandBringsTheSystemsErrorText) {
  std::string reply;
  const std::int32_t status = MciSend("ondira no such command", reply);
  EXPECT_NE(status, 0);
  EXPECT_FALSE(reply.empty());

  char text[256] = {};
  ASSERT_TRUE(mciGetErrorStringA(static_cast<DWORD>(status), text, sizeof text));
  EXPECT_EQ(reply, text);
  EXPECT_EQ(MciQuery("ondira no such command"), "Error:" + std::to_string(status));
}

TEST_F(MusicWine, WithoutACdDriveThePollingGivesUpAndNeverPlays) {
  BgmRepeat = 3;
  CdOpen();
  EXPECT_FALSE(CdKeepPlaying());
  for (const std::string& command : recorder.commands) {
    EXPECT_NE(command.rfind("play", 0), 0u) << command;
  }
  ASSERT_GE(recorder.commands.size(), 3u);
  EXPECT_EQ(recorder.commands[2], "status cdaudio current track");
  CdClose();
}

TEST_F(MusicWine, WavLoopStartsAndStopsPromptly) {
  char temp[MAX_PATH] = {};
  GetTempPathA(sizeof temp, temp);
  const std::string folder =
      std::string(temp) + "ondira music " + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  BgmFile = folder + "\\loop 1.wav";
  WriteSilentWav(BgmFile);

  DWORD start = GetTickCount();
  WavPlay();
  EXPECT_LT(GetTickCount() - start, 2000u) << "wave output devices: " << waveOutGetNumDevs();
  Sleep(300);
  start = GetTickCount();
  WavStop();
  EXPECT_LT(GetTickCount() - start, 1000u);

  // The player itself with WavPlay's arguments, whether or not a device exists.
  start = GetTickCount();
  recorder.PlaySoundA(BgmFile.c_str(), WavLoopFlags);
  Sleep(100);
  WavStop();
  EXPECT_LT(GetTickCount() - start, 2000u);

  DeleteFileA(BgmFile.c_str());
  RemoveDirectoryA(folder.c_str());
}

}  // namespace
