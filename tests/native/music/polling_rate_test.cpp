// How many MCI commands the polling timers send during a run: the CD timer
// ticks every 200 ms, the MP3 timer every 1000 ms.
#include <gtest/gtest.h>

#include <cstdio>

#include "cd_audio.h"
#include "fake_music_platform.h"
#include "mp3_playback.h"

using namespace Ondira_BGM;
using music_test::MusicTest;
using music_test::ScriptDisc;

namespace {

using PollingRate = MusicTest;

constexpr int kCdTicksPerSecond = 1000 / 200;
constexpr int kMp3TicksPerSecond = 1000 / 1000;

TEST_F(PollingRate, CommandsPerTickAndPerSecond) {
  struct Case { const char* what; short repeat; const char* track; const char* mode; std::size_t perTick; };
  const Case cd[] = {
      {"CD playing", 0, "2", "playing", 3},
      {"CD stopped, restart", 0, "10", "stopped", 4},
      {"CD repeat 3, on track 3", 3, "3", "playing", 3},
      {"CD repeat 3, jump back", 3, "4", "playing", 5},
  };
  for (const Case& c : cd) {
    BgmRepeat = c.repeat;
    ScriptDisc(fake, 10, c.track, c.mode);
    fake.ForgetCalls();
    CdKeepPlaying();
    EXPECT_EQ(fake.calls.size(), c.perTick) << c.what;
    std::printf("%-26s %zu MCI commands a tick, %zu a second\n", c.what, fake.calls.size(),
                fake.calls.size() * kCdTicksPerSecond);
  }

  struct Mp3Case { const char* what; const char* mode; std::size_t perTick; };
  const Mp3Case mp3[] = {
      {"MP3 playing", "playing", 1},
      {"MP3 ended, restart", "stopped", 3},
  };
  for (const Mp3Case& c : mp3) {
    fake.answers["status MP3Play mode"] = {0, c.mode};
    fake.ForgetCalls();
    Mp3KeepPlaying();
    EXPECT_EQ(fake.calls.size(), c.perTick) << c.what;
    std::printf("%-26s %zu MCI commands a tick, %zu a second\n", c.what, fake.calls.size(),
                fake.calls.size() * kMp3TicksPerSecond);
  }
}

}  // namespace
