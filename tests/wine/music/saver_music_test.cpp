// The real saver playing its music during a run, heard through the test
// rig's recordable output, and its MCI commands read from Wine's own trace.
#include <gtest/gtest.h>

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

#include "saver_install.h"
#include "traced_saver.h"
#include "sound_recorder.h"
#include "wine_test_support.h"

using namespace wine_test;

namespace {

const DWORD EndsAtOnceMs = 3000;

std::string Environment(const char* name) {
  char value[1024] = {};
  const DWORD length = GetEnvironmentVariableA(name, value, sizeof value);
  return length > 0 && length < sizeof value ? value : "";
}

// One MCI command string the saver sent, with Wine's timestamp in seconds.
struct MciCommand {
  double time;
  std::string text;
};

// Wine writes wide text in its traces with "\\" escapes, and characters
// beyond ASCII as four hexadecimal digits; this gives the ANSI text back.
std::string AnsiFromTraceText(const std::string& text) {
  std::wstring wide;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 >= text.size()) {
      wide += static_cast<wchar_t>(static_cast<unsigned char>(text[i]));
      continue;
    }
    const char next = text[i + 1];
    if (i + 4 < text.size() && std::isxdigit(static_cast<unsigned char>(next)) &&
        std::all_of(text.begin() + i + 1, text.begin() + i + 5,
                    [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; })) {
      wide += static_cast<wchar_t>(std::stoul(text.substr(i + 1, 4), nullptr, 16));
      i += 4;
      continue;
    }
    wide += next == 'n' ? L'\n' : next == 'r' ? L'\r' : next == 't' ? L'\t' : static_cast<wchar_t>(next);
    ++i;
  }
  char ansi[4096] = {};
  WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, ansi, sizeof ansi, nullptr, nullptr);
  return ansi;
}

// The commands in a "+timestamp,+mci" trace: lines like
//   3210.404:0120:trace:mci:mciSendStringW (L"play MP3Play", 00000000, 0, 00000000)
// Wine's own automatic "open <device> wait" for a device that is not open
// is traced the same way and left out.
std::vector<MciCommand> MciCommandsIn(const std::string& traceFile) {
  std::ifstream in(traceFile, std::ios::binary);
  std::vector<MciCommand> commands;
  std::string line;
  const std::string marker = ":mciSendStringW (L\"";
  while (std::getline(in, line)) {
    const size_t at = line.find(marker);
    if (at == std::string::npos) continue;
    const size_t begin = at + marker.size();
    const size_t end = line.find("\", ", begin);
    const std::string unescaped = AnsiFromTraceText(line.substr(begin, end - begin));
    const std::string automatic = " wait";
    if (unescaped.compare(0, 5, "open ") == 0 && unescaped.size() > automatic.size() &&
        unescaped.compare(unescaped.size() - automatic.size(), automatic.size(), automatic) == 0) {
      continue;
    }
    commands.push_back({std::atof(line.c_str()), unescaped});
  }
  return commands;
}

size_t CountOf(const std::vector<MciCommand>& commands, const std::string& text) {
  return std::count_if(commands.begin(), commands.end(),
                       [&](const MciCommand& c) { return c.text == text; });
}

void WriteSettings(const SaverInstall& install, int kind, const std::string& fileAnsi) {
  std::ofstream(install.settingsFile(), std::ios::binary)
      << "[Section]\r\nBGM\x8B\xE6\x95\xAA=" << kind << "\r\nBGM\xCC\xA7\xB2\xD9=" << fileAnsi
      << "\r\n";
}

// A music run: the saver started with /s and traced, ended by a key once
// `runMs` have passed; the recorder listens a while longer.
struct MusicRun {
  std::vector<std::pair<double, double>> stretches;  // loud, seconds since the start
  double saverEnded = 0;                             // seconds since the start
  std::vector<MciCommand> commands;
  bool endedOnTime = false;
};

MusicRun RunWithMusic(const SaverInstall& install, DWORD runMs,
                      const std::string& environment = "") {
  MusicRun run;
  SoundRecorder recorder;
  EXPECT_TRUE(recorder.recording()) << "no recordable sound input";
  const std::string trace = install.folder() + "\\mci-trace.txt";
  {
    TracedSaver saver(install.saver(), "/s", trace, "+timestamp,+mci", environment);
    EXPECT_TRUE(saver.started());
    EXPECT_TRUE(WaitFor([] { return FindWindowA("OpenGL", nullptr) != nullptr; }, 10000));
    PumpMessages(runMs);
    const DWORD keyPressed = GetTickCount();
    PressKey(VK_SPACE);
    EXPECT_TRUE(WaitFor([] { return FindWindowA(nullptr, "Ondira") == nullptr; }, 10000));
    const DWORD effectGone = GetTickCount();
    run.endedOnTime = saver.WaitForEnd(EndsAtOnceMs);
    run.saverEnded = recorder.Now();
    std::printf("stop: effect gone %lu ms after the key, saver gone %lu ms after the effect\n",
                static_cast<unsigned long>(effectGone - keyPressed),
                static_cast<unsigned long>(GetTickCount() - effectGone));
  }
  PumpMessages(1200);
  recorder.Stop();
  run.stretches = recorder.LoudStretches();
  run.commands = MciCommandsIn(trace);
  DeleteFileA(trace.c_str());
  return run;
}

double LoudSecondsAfter(const MusicRun& run, double time) {
  double loud = 0;
  for (const auto& s : run.stretches) loud += std::max(0.0, s.second - std::max(s.first, time));
  return loud;
}

class SaverMusic : public ::testing::Test {
 protected:
  void SetUp() override {
    sounds = Environment("ONDIRA_TEST_SOUNDS");
    if (sounds.empty()) GTEST_SKIP() << "the test sounds are made by scripts/test.sh";
    WarmUpMp3Decoding();
    install = std::make_unique<SaverInstall>("Ondira Music", true);
    music = install->folder() + "\\" + AnsiFromUtf8("曲 フォルダ");
    CreateDirectoryA(music.c_str(), nullptr);
  }
  void TearDown() override {
    if (!install) return;
    for (const char* name : {"tone 1.mp3", "tone 1.wav", "tone.mpeg", "broken.mp3", "broken.wav",
                             "empty.wav"}) {
      DeleteFileA((music + "\\" + name).c_str());
    }
    RemoveDirectoryA(music.c_str());
  }
  // The first MP3 a fresh system opens waits for the decoder's plugins to be
  // found and listed, which can take seconds; do that once before timing anything.
  void WarmUpMp3Decoding() {
    static bool warm = false;
    if (warm) return;
    warm = true;
    const std::string open = "open \"" + sounds + "\\tone.mp3\" type MPEGVideo alias warmup";
    mciSendStringA(open.c_str(), nullptr, 0, nullptr);
    mciSendStringA("close warmup", nullptr, 0, nullptr);
  }
  // A copy of one of the test sounds in the music folder, as the settings name it.
  std::string Sound(const char* source, const char* name) {
    const std::string copy = music + "\\" + name;
    CopyFileA((sounds + "\\" + source).c_str(), copy.c_str(), FALSE);
    return copy;
  }
  std::string sounds;
  std::string music;
  std::unique_ptr<SaverInstall> install;
};

TEST_F(SaverMusic, Mp3PlaysRestartsAfterItsEndAndStopsWithTheEffect) {
  const std::string mp3 = Sound("tone.mp3", "tone 1.mp3");
  WriteSettings(*install, 2, mp3);
  const MusicRun run = RunWithMusic(*install, 6000);
  EXPECT_TRUE(run.endedOnTime);

  // The path goes to MCI in double quotes, spaces and Japanese included.
  ASSERT_FALSE(run.commands.empty());
  EXPECT_EQ(run.commands.front().text, "open \"" + mp3 + "\" type MPEGVideo Alias MP3Play");
  EXPECT_GE(CountOf(run.commands, "play MP3Play from 0"), 2u);
  ASSERT_GE(run.commands.size(), 2u);
  EXPECT_EQ(run.commands[run.commands.size() - 2].text, "stop MP3Play");
  EXPECT_EQ(run.commands.back().text, "close MP3Play");

  // One-second tone: heard, heard again about a second after each end, and
  // not heard once the saver has gone.
  ASSERT_GE(run.stretches.size(), 3u);
  std::vector<double> gaps;
  for (size_t i = 1; i < run.stretches.size(); ++i) {
    if (run.stretches[i].first > run.saverEnded) break;
    gaps.push_back(run.stretches[i].first - run.stretches[i - 1].second);
  }
  ASSERT_GE(gaps.size(), 2u);
  std::sort(gaps.begin(), gaps.end());
  for (double gap : gaps) EXPECT_LT(gap, 1.6) << "restart came late";
  std::printf("mp3 restart gap median %.3f s over %u restarts\n", gaps[gaps.size() / 2],
              static_cast<unsigned>(gaps.size()));
  EXPECT_LT(LoudSecondsAfter(run, run.saverEnded + 0.3), 0.05);

  const double span = run.commands.back().time - run.commands.front().time;
  std::printf("mp3 run: %u MCI commands in %.1f s\n", static_cast<unsigned>(run.commands.size()),
              span);
}

TEST_F(SaverMusic, WavLoopsOnItsOwnAndStopsWithTheEffect) {
  WriteSettings(*install, 2, Sound("tone.wav", "tone 1.wav"));
  const MusicRun run = RunWithMusic(*install, 3000);
  EXPECT_TRUE(run.endedOnTime);
  EXPECT_TRUE(run.commands.empty()) << "a WAV needs no MCI and no timer";
  ASSERT_FALSE(run.stretches.empty());
  // Half-second tone looped: sound nearly all the time from its start to the end.
  const double start = run.stretches.front().first;
  const double loud = LoudSecondsAfter(run, start) - LoudSecondsAfter(run, run.saverEnded);
  EXPECT_GT(loud, 0.8 * (run.saverEnded - start - 0.5));
  EXPECT_LT(LoudSecondsAfter(run, run.saverEnded + 0.3), 0.05);
}

TEST_F(SaverMusic, CdWithoutADriveAsksOnceAndThenLeavesItAlone) {
  WriteSettings(*install, 1, "");
  const MusicRun run = RunWithMusic(*install, 2000);
  EXPECT_TRUE(run.endedOnTime);
  std::vector<std::string> texts;
  for (const MciCommand& c : run.commands) texts.push_back(c.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"open cdaudio", "set cdaudio time format tmsf",
                                             "status cdaudio current track"}));
  EXPECT_TRUE(run.stretches.empty());
}

TEST_F(SaverMusic, AFileEndingInNeitherWavNorMp3PlaysNothing) {
  WriteSettings(*install, 2, Sound("tone.mp3", "tone.mpeg"));
  const MusicRun run = RunWithMusic(*install, 2500);
  EXPECT_TRUE(run.endedOnTime);
  EXPECT_TRUE(run.commands.empty());
  EXPECT_TRUE(run.stretches.empty());
}

TEST_F(SaverMusic, UnplayableFilesLeaveTheRunSilentAndOnTime) {
  const std::string cases[] = {Sound("broken.mp3", "broken.mp3"), Sound("broken.wav", "broken.wav"),
                               Sound("empty.wav", "empty.wav")};
  for (const std::string& file : cases) {
    WriteSettings(*install, 2, file);
    const MusicRun run = RunWithMusic(*install, 1500);
    EXPECT_TRUE(run.endedOnTime) << file;
    EXPECT_TRUE(run.stretches.empty()) << file << " made a sound";
  }
  // Locked by another program: the file does not count, so no music at all.
  const std::string locked = Sound("tone.wav", "tone 1.wav");
  HANDLE lock = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  WriteSettings(*install, 2, locked);
  const MusicRun run = RunWithMusic(*install, 1500);
  CloseHandle(lock);
  EXPECT_TRUE(run.endedOnTime);
  EXPECT_TRUE(run.stretches.empty());
}

TEST_F(SaverMusic, WithoutAWaveOutputDeviceTheWavIsNotPlayed) {
  const std::string noDevice = Environment("ONDIRA_NO_SOUND_CONFIG");
  if (noDevice.empty()) GTEST_SKIP() << "the no-device configuration comes from scripts/test.sh";
  WriteSettings(*install, 2, Sound("tone.wav", "tone 1.wav"));
  const MusicRun run = RunWithMusic(
      *install, 1500, "PULSE_SERVER=unix:/nonexistent ALSA_CONFIG_PATH='" + noDevice + "'");
  EXPECT_TRUE(run.endedOnTime);
  EXPECT_TRUE(run.stretches.empty());
}

}  // namespace
