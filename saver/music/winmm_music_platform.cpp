#include "winmm_music_platform.h"

#include <windows.h>
#include <mmsystem.h>

namespace Ondira_BGM {

namespace {

class WinmmPlatform : public MusicPlatform {
 public:
  std::uint32_t MciSendString(const char* command, char* reply, unsigned replySize) override {
    return ::mciSendStringA(command, reply, replySize, nullptr);
  }
  bool MciGetErrorString(std::uint32_t code, char* text, unsigned textSize) override {
    return ::mciGetErrorStringA(code, text, textSize) != FALSE;
  }
  unsigned WaveOutGetNumDevs() override { return ::waveOutGetNumDevs(); }
  bool PlaySoundA(const char* sound, std::uint32_t flags) override {
    return ::PlaySoundA(sound, nullptr, flags) != FALSE;
  }
};

}  // namespace

MusicPlatform& WinmmMusicPlatform() {
  static WinmmPlatform platform;
  return platform;
}

MusicPlatform& DefaultMusicPlatform() { return WinmmMusicPlatform(); }

}  // namespace Ondira_BGM
