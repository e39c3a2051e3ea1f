// A scripted stand-in for the multimedia services: it records every MCI
// string and sound call, and answers from a script of exact commands.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bgm_settings.h"
#include "music_platform.h"
#include "music_state.h"

namespace music_test {

struct MciAnswer {
  std::uint32_t code = 0;  // 0: success
  std::string reply;       // written to the reply area on success; a failure leaves it alone
};

struct MciCall {
  std::string command;
  unsigned replySize = 0;
  bool operator==(const MciCall& other) const {
    return command == other.command && replySize == other.replySize;
  }
};

struct SoundCall {
  bool hasSound = false;
  std::string sound;
  std::uint32_t flags = 0;
  bool operator==(const SoundCall& other) const {
    return hasSound == other.hasSound && sound == other.sound && flags == other.flags;
  }
};

// Error codes the scripts answer with.
constexpr std::uint32_t kHardwareError = 262;  // MCIERR_HARDWARE, for a drive without a disc
constexpr std::uint32_t kOutOfRange = 282;     // MCIERR_OUTOFRANGE: no such track

class FakeMusicPlatform : public Ondira_BGM::MusicPlatform {
 public:
  std::uint32_t MciSendString(const char* command, char* reply, unsigned replySize) override;
  bool MciGetErrorString(std::uint32_t code, char* text, unsigned textSize) override;
  unsigned WaveOutGetNumDevs() override { return waveDevices; }
  bool PlaySoundA(const char* sound, std::uint32_t flags) override;

  // Answers for exact command strings; anything else is answered with
  // `otherwise` (success without a reply, unless changed).
  std::map<std::string, MciAnswer> answers;
  MciAnswer otherwise;
  // Error codes that have a text; other codes have none.
  std::map<std::uint32_t, std::string> errorTexts;
  // When set, a successful reply fills the whole area with no NUL.
  bool fillsWholeArea = false;
  unsigned waveDevices = 0;

  std::vector<MciCall> calls;
  std::vector<SoundCall> sounds;

  std::vector<std::string> Commands() const;
  void ForgetCalls() { calls.clear(); }
};

// Scripts a CD drive with a disc of `tracks` tracks, at `currentTrack`, in
// `mode` ("playing", "stopped"); track n starts at "nn:00:00:00".
void ScriptDisc(FakeMusicPlatform& fake, int tracks, const std::string& currentTrack,
                const std::string& mode);

// Scripts a CD drive without a disc: every status query fails.
void ScriptNoDisc(FakeMusicPlatform& fake);

// Each case starts with the module as at process start, the settings at
// their start values and the fake installed.
class MusicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Ondira_BGM::ResetMusicModuleState();
    Ondira_BGM::BgmKind = 0;
    Ondira_BGM::BgmRepeat = 0;
    Ondira_BGM::BgmFile.clear();
    Ondira_BGM::SetMusicPlatform(&fake);
  }
  void TearDown() override { Ondira_BGM::SetMusicPlatform(nullptr); }

  FakeMusicPlatform fake;
};

}  // namespace music_test
