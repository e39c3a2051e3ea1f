#include "mci_command.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <iconv.h>

#include "fake_music_platform.h"

using namespace Ondira_BGM;
using music_test::MciCall;
using music_test::MusicTest;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

// The code page 932 form of a UTF-8 text, by the C library's converter.
std::string Cp932(const std::string& utf8) {
  iconv_t converter = iconv_open("CP932", "UTF-8");
  std::string in = utf8;
  std::string out(in.size() * 2 + 1, '\0');
  char* inAt = in.data();
  char* outAt = out.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = out.size();
  const std::size_t done = iconv(converter, &inAt, &inLeft, &outAt, &outLeft);
  iconv_close(converter);
  EXPECT_NE(done, static_cast<std::size_t>(-1)) << utf8;
  out.resize(out.size() - outLeft);
  return out;
}

using MciSendTest = MusicTest;

TEST_F(MciSendTest, EmptyCommandIsRefusedWithoutSending) {
  std::string reply = "old";
  EXPECT_EQ(MciSend("", reply), -1);
  EXPECT_EQ(reply, Cp932("コマンド文字列が指定されていません"));
  EXPECT_EQ(MciQuery(""), "Error:-1");
  EXPECT_THAT(fake.calls, IsEmpty());
}

TEST_F(MciSendTest, SuccessReturnsTheDeviceReplyFromA512ByteArea) {
  fake.answers["status cdaudio number of tracks"] = {0, "12"};
  std::string reply;
  EXPECT_EQ(MciSend("status cdaudio number of tracks", reply), 0);
  EXPECT_EQ(reply, "12");
  EXPECT_THAT(fake.calls, ElementsAre(MciCall{"status cdaudio number of tracks", 512}));
  EXPECT_EQ(MciQuery("status cdaudio number of tracks"), "12");
}

TEST_F(MciSendTest, ReplyThatFillsTheWholeAreaIsReadNoFurther) {
  fake.fillsWholeArea = true;
  std::string reply;
  EXPECT_EQ(MciSend("status cdaudio mode", reply), 0);
  EXPECT_EQ(reply, std::string(512, 'x'));
}

TEST_F(MciSendTest, FailureGivesTheCodeAndTheSystemsErrorText) {
  const std::string text = Cp932("指定されたコマンドは認識できません。");
  fake.otherwise = {261, ""};
  fake.errorTexts[261] = text;
  std::string reply;
  EXPECT_EQ(MciSend("bogus", reply), 261);
  EXPECT_EQ(reply, text);
  EXPECT_EQ(MciQuery("bogus"), "Error:261");
}

TEST_F(MciSendTest, FailureWithoutAnErrorTextSaysSo) {
  fake.otherwise = {275, ""};
  std::string reply;
  EXPECT_EQ(MciSend("open nowhere", reply), 275);
  EXPECT_EQ(reply, Cp932("Error (文字列が取れません)"));
}

TEST_F(MciSendTest, QueryMarksEveryFailingStatusInDecimal) {
  struct Case { std::uint32_t code; const char* marker; };
  const Case cases[] = {
      {263, "Error:263"},
      {1, "Error:1"},
      {0xFFFFFFFEu, "Error:-2"},        // codes with the top bit set read as negative
      {0x80000000u, "Error:-2147483648"},
  };
  for (const Case& c : cases) {
    fake.otherwise = {c.code, ""};
    EXPECT_EQ(MciQuery("status x mode"), c.marker) << c.code;
  }
}

TEST_F(MciSendTest, PlayBuildsOneOfFourCommandsFromThePositionsAsGiven) {
  struct Case { const char* from; const char* to; const char* command; };
  const Case cases[] = {
      {"", "", "play cdaudio"},
      {"03:00:00:00", "", "play cdaudio from 03:00:00:00"},
      {"", "04", "play cdaudio to 04"},
      {"Error:282", "x y", "play cdaudio from Error:282 to x y"},
  };
  for (const Case& c : cases) {
    fake.ForgetCalls();
    EXPECT_EQ(MciPlay("cdaudio", c.from, c.to), 0);
    EXPECT_THAT(fake.calls, ElementsAre(MciCall{c.command, 512})) << c.command;
  }
  fake.otherwise = {282, ""};
  EXPECT_EQ(MciPlay("cdaudio", "", ""), 282);
}

TEST_F(MciSendTest, PlainSendsOfferNoReplyArea) {
  fake.otherwise = {263, ""};
  EXPECT_EQ(SendMciString("close cdaudio"), 263u);
  EXPECT_THAT(fake.calls, ElementsAre(MciCall{"close cdaudio", 0}));
}

TEST(DefaultMusicPlatform, OutsideWindowsEveryCommandFailsAndNothingSounds) {
  SetMusicPlatform(nullptr);
  std::string reply;
  EXPECT_NE(MciSend("open cdaudio", reply), 0);
  EXPECT_EQ(CurrentMusicPlatform().WaveOutGetNumDevs(), 0u);
}

}  // namespace
