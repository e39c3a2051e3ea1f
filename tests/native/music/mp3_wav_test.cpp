#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_music_platform.h"
#include "mp3_playback.h"
#include "wav_playback.h"

using namespace Ondira_BGM;
using music_test::kHardwareError;
using music_test::MciCall;
using music_test::MusicTest;
using music_test::SoundCall;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

using Mp3Test = MusicTest;
using WavTest = MusicTest;

const char kOpenSong[] = "open \"C:\\My Music\\song 1.mp3\" type MPEGVideo Alias MP3Play";

TEST_F(Mp3Test, StartOpensTheQuotedPathThenPlays) {
  BgmFile = "C:\\My Music\\song 1.mp3";
  Mp3Start();
  EXPECT_THAT(fake.calls, ElementsAre(MciCall{kOpenSong, 0}, MciCall{"play MP3Play", 0}));
}

TEST_F(Mp3Test, StartPassesCodePage932BytesUnchanged) {
  BgmFile = "C:\\\x89\xb9\x8a\x79\\\x95\x5c.mp3";  // "C:\音楽\表.mp3"; 表 ends in a backslash byte
  Mp3Start();
  EXPECT_EQ(fake.Commands().front(),
            "open \"C:\\\x89\xb9\x8a\x79\\\x95\x5c.mp3\" type MPEGVideo Alias MP3Play");
}

TEST_F(Mp3Test, StartDoesNotPlayWhenTheOpenFails) {
  BgmFile = "C:\\My Music\\song 1.mp3";
  fake.answers[kOpenSong] = {275, ""};
  Mp3Start();
  EXPECT_THAT(fake.Commands(), ElementsAre(kOpenSong));
}

TEST_F(Mp3Test, StartSendsNothingForAPathHoldingADoubleQuote) {
  for (const char* path : {"C:\\a\" type waveaudio Alias x \"b.mp3", "\"", "C:\\song.mp3\""}) {
    BgmFile = path;
    Mp3Start();
  }
  EXPECT_THAT(fake.calls, IsEmpty());
}

TEST_F(Mp3Test, IsPlayingRepeatsItsLastAnswerWhenAQueryFails) {
  struct Step { std::uint32_t code; const char* mode; bool playing; };
  const Step steps[] = {
      {kHardwareError, "", false},  // no answer yet
      {0, "playing", true},
      {kHardwareError, "", true},
      {0, "paused", false},
      {kHardwareError, "", false},
      {0, "playing", true},
      {0, "stopped", false},
  };
  for (const Step& step : steps) {
    fake.answers["status MP3Play mode"] = {step.code, step.mode};
    EXPECT_EQ(Mp3IsPlaying(), step.playing) << step.code << " " << step.mode;
  }
  for (const MciCall& call : fake.calls) EXPECT_EQ(call, (MciCall{"status MP3Play mode", 30}));
}

TEST_F(Mp3Test, KeepPlayingRestartsFromTheBeginningOnlyWhenNotPlaying) {
  fake.answers["status MP3Play mode"] = {0, "playing"};
  Mp3KeepPlaying();
  EXPECT_THAT(fake.Commands(), ElementsAre("status MP3Play mode"));

  fake.answers["status MP3Play mode"] = {0, "stopped"};
  fake.ForgetCalls();
  Mp3KeepPlaying();
  EXPECT_THAT(fake.calls, ElementsAre(MciCall{"status MP3Play mode", 30},
                                      MciCall{"stop MP3Play", 0},
                                      MciCall{"play MP3Play from 0", 0}));
}

TEST_F(Mp3Test, KeepPlayingAfterAFailedOpenKeepsTryingHarmlessly) {
  fake.otherwise = {263, ""};
  Mp3KeepPlaying();
  Mp3KeepPlaying();
  EXPECT_EQ(fake.calls.size(), 6u);
}

TEST_F(Mp3Test, CloseStopsThenCloses) {
  Mp3Close();
  EXPECT_THAT(fake.calls, ElementsAre(MciCall{"stop MP3Play", 0}, MciCall{"close MP3Play", 0}));
}

TEST_F(WavTest, PlayNeedsAWaveOutputDevice) {
  BgmFile = "C:\\My Music\\loop 1.wav";
  fake.waveDevices = 0;
  WavPlay();
  EXPECT_THAT(fake.sounds, IsEmpty());

  fake.waveDevices = 2;
  WavPlay();
  EXPECT_THAT(fake.sounds, ElementsAre(SoundCall{true, "C:\\My Music\\loop 1.wav", 11}));
  EXPECT_THAT(fake.calls, IsEmpty());
}

TEST_F(WavTest, StopCallsThePlayerWithNoSound) {
  WavStop();
  EXPECT_THAT(fake.sounds, ElementsAre(SoundCall{false, "", 0}));
}

}  // namespace
