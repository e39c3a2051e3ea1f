#include "fake_music_platform.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace music_test {

std::uint32_t FakeMusicPlatform::MciSendString(const char* command, char* reply,
                                               unsigned replySize) {
  calls.push_back({command, replySize});
  const auto scripted = answers.find(command);
  const MciAnswer& answer = scripted != answers.end() ? scripted->second : otherwise;
  if (answer.code != 0 || reply == nullptr || replySize == 0) return answer.code;
  if (fillsWholeArea) {
    std::memset(reply, 'x', replySize);
    return 0;
  }
  const std::size_t length = std::min<std::size_t>(answer.reply.size(), replySize - 1);
  std::memcpy(reply, answer.reply.data(), length);
  reply[length] = '\0';
  return 0;
}

bool FakeMusicPlatform::MciGetErrorString(std::uint32_t code, char* text, unsigned textSize) {
  const auto known = errorTexts.find(code);
  if (known == errorTexts.end() || textSize == 0) return false;
  std::snprintf(text, textSize, "%s", known->second.c_str());
  return true;
}

bool FakeMusicPlatform::PlaySoundA(const char* sound, std::uint32_t flags) {
  sounds.push_back({sound != nullptr, sound ? sound : "", flags});
  return true;
}

std::vector<std::string> FakeMusicPlatform::Commands() const {
  std::vector<std::string> commands;
  for (const MciCall& call : calls) commands.push_back(call.command);
  return commands;
}

void ScriptDisc(FakeMusicPlatform& fake, int tracks, const std::string& currentTrack,
                const std::string& mode) {
  fake.answers["status cdaudio current track"] = {0, currentTrack};
  fake.answers["status cdaudio number of tracks"] = {0, std::to_string(tracks)};
  fake.answers["status cdaudio mode"] = {0, mode};
  for (int track = 1; track <= 99; ++track) {
    char position[16];
    std::snprintf(position, sizeof position, "%02d:00:00:00", track);
    fake.answers["status cdaudio position track " + std::to_string(track)] =
        track <= tracks ? MciAnswer{0, position} : MciAnswer{kOutOfRange, ""};
  }
}

void ScriptNoDisc(FakeMusicPlatform& fake) {
  for (const char* query : {"status cdaudio current track", "status cdaudio number of tracks",
                            "status cdaudio mode"}) {
    fake.answers[query] = {kHardwareError, ""};
  }
}

}  // namespace music_test
