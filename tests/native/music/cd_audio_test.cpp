#include "cd_audio.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fake_music_platform.h"

using namespace Ondira_BGM;
using music_test::kHardwareError;
using music_test::MciCall;
using music_test::ScriptDisc;
using music_test::ScriptNoDisc;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

class CdAudioTest : public music_test::MusicTest {
 protected:
  // The play commands sent since the calls were last forgotten.
  std::vector<std::string> Plays() const {
    std::vector<std::string> plays;
    for (const std::string& command : fake.Commands()) {
      if (command.rfind("play", 0) == 0) plays.push_back(command);
    }
    return plays;
  }
};

TEST_F(CdAudioTest, OpenAndCloseAreTwoPlainSendsEach) {
  fake.otherwise = {kHardwareError, ""};  // failures change nothing
  CdOpen();
  CdClose();
  EXPECT_THAT(fake.calls, ElementsAre(MciCall{"open cdaudio", 0},
                                      MciCall{"set cdaudio time format tmsf", 0},
                                      MciCall{"stop cdaudio", 0}, MciCall{"close cdaudio", 0}));
}

TEST_F(CdAudioTest, WithoutADiscTheFirstPollGivesUpBeforeAnyPlay) {
  for (short repeat : {0, 3}) {
    BgmRepeat = repeat;
    ScriptNoDisc(fake);
    fake.ForgetCalls();
    EXPECT_FALSE(CdKeepPlaying());
    EXPECT_FALSE(CdAvailable);
    EXPECT_THAT(fake.Commands(), ElementsAre("status cdaudio current track")) << repeat;
  }
}

TEST_F(CdAudioTest, AnErrorInTheTrackCountGivesUpToo) {
  ScriptDisc(fake, 10, "1", "stopped");
  fake.answers["status cdaudio number of tracks"] = {0, "ERROR"};
  EXPECT_FALSE(CdKeepPlaying());
  EXPECT_THAT(Plays(), IsEmpty());
}

TEST_F(CdAudioTest, WithoutARepeatTrackTheDiscIsStartedWheneverItHasStopped) {
  ScriptDisc(fake, 10, "1", "stopped");
  EXPECT_TRUE(CdKeepPlaying());
  EXPECT_THAT(fake.calls, ElementsAre(MciCall{"status cdaudio current track", 512},
                                      MciCall{"status cdaudio number of tracks", 512},
                                      MciCall{"status cdaudio mode", 255},
                                      MciCall{"play cdaudio", 512}));

  ScriptDisc(fake, 10, "4", "playing");
  fake.ForgetCalls();
  EXPECT_TRUE(CdKeepPlaying());
  EXPECT_THAT(Plays(), IsEmpty());

  ScriptDisc(fake, 10, "10", "stopped");
  fake.ForgetCalls();
  EXPECT_TRUE(CdKeepPlaying());
  EXPECT_THAT(Plays(), ElementsAre("play cdaudio"));
}

TEST_F(CdAudioTest, RepeatTrackIsStartedAndJumpedBackToWhenTheNextTrackPlays) {
  BgmRepeat = 3;
  ScriptDisc(fake, 10, "1", "stopped");
  EXPECT_TRUE(CdKeepPlaying());
  EXPECT_THAT(fake.Commands(),
              ElementsAre("status cdaudio current track", "status cdaudio number of tracks",
                          "status cdaudio mode", "status cdaudio position track 3",
                          "play cdaudio from 03:00:00:00"));

  ScriptDisc(fake, 10, "3", "playing");
  fake.ForgetCalls();
  EXPECT_TRUE(CdKeepPlaying());
  EXPECT_THAT(Plays(), IsEmpty());

  ScriptDisc(fake, 10, "4", "playing");
  fake.ForgetCalls();
  EXPECT_TRUE(CdKeepPlaying());
  EXPECT_THAT(Plays(), ElementsAre("play cdaudio from 03:00:00:00"));

  // The repeat track was the last one played and the drive stopped on it.
  ScriptDisc(fake, 10, "3", "stopped");
  fake.ForgetCalls();
  EXPECT_TRUE(CdKeepPlaying());
  EXPECT_THAT(Plays(), ElementsAre("play cdaudio from 03:00:00:00"));
}

TEST_F(CdAudioTest, RepeatTrackBeyondTheDiscSendsTheErrorMarkerOnAsTheStart) {
  BgmRepeat = 12;
  ScriptDisc(fake, 10, "1", "stopped");
  EXPECT_TRUE(CdKeepPlaying());
  EXPECT_THAT(Plays(), ElementsAre("play cdaudio from Error:282"));
  fake.ForgetCalls();
  EXPECT_TRUE(CdKeepPlaying());  // the polling goes on
  EXPECT_THAT(Plays(), ElementsAre("play cdaudio from Error:282"));
}

TEST_F(CdAudioTest, CurrentTrackIsReadAsANumberOnlyWithARepeatTrack) {
  struct Case { const char* track; bool available; bool jumps; };
  const Case cases[] = {
      {"3", true, false},  {"03", true, false}, {" 3 ", true, false}, {"3.0", true, false},
      {"4", true, true},   {"3.5", true, true}, {"-3", true, true},
      {"", false, false},  {"three", false, false}, {"3a", false, false}, {"3 4", false, false},
  };
  for (const Case& c : cases) {
    BgmRepeat = 3;
    ScriptDisc(fake, 10, c.track, "playing");
    fake.ForgetCalls();
    EXPECT_EQ(CdKeepPlaying(), c.available) << "\"" << c.track << "\"";
    EXPECT_EQ(Plays().size(), c.jumps ? 1u : 0u) << "\"" << c.track << "\"";

    // Without a repeat track only "ERR" counts, and the stopped drive is started.
    BgmRepeat = 0;
    ScriptDisc(fake, 10, c.track, "stopped");
    fake.ForgetCalls();
    EXPECT_TRUE(CdKeepPlaying()) << "\"" << c.track << "\"";
    EXPECT_THAT(Plays(), ElementsAre("play cdaudio"));
  }
}

TEST_F(CdAudioTest, NonNumericTrackFailsEvenWhenTheDriveHasStopped) {
  BgmRepeat = 3;
  ScriptDisc(fake, 10, "?", "stopped");
  EXPECT_FALSE(CdKeepPlaying());
  EXPECT_THAT(Plays(), IsEmpty());
}

TEST_F(CdAudioTest, FailedModeQueryReadsTheLastModeAgain) {
  ScriptDisc(fake, 10, "2", "stopped");
  CdKeepPlaying();
  fake.answers["status cdaudio mode"] = {kHardwareError, ""};
  fake.ForgetCalls();
  EXPECT_TRUE(CdKeepPlaying());
  EXPECT_THAT(Plays(), ElementsAre("play cdaudio"));

  ScriptDisc(fake, 10, "2", "playing");
  CdKeepPlaying();
  fake.answers["status cdaudio mode"] = {kHardwareError, ""};
  fake.ForgetCalls();
  EXPECT_TRUE(CdKeepPlaying());
  EXPECT_THAT(Plays(), IsEmpty());
}

}  // namespace
