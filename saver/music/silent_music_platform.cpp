// The default platform outside Windows: no MCI device answers and no sound
// can be played, so every music routine ends in silence.
#include "music_platform.h"

namespace Ondira_BGM {

namespace {

class SilentMusicPlatform : public MusicPlatform {
 public:
  std::uint32_t MciSendString(const char*, char*, unsigned) override {
    return kInvalidDeviceName;
  }
  bool MciGetErrorString(std::uint32_t, char*, unsigned) override { return false; }
  unsigned WaveOutGetNumDevs() override { return 0; }
  bool PlaySoundA(const char*, std::uint32_t) override { return false; }

 private:
  static constexpr std::uint32_t kInvalidDeviceName = 263;  // MCIERR_INVALID_DEVICE_NAME
};

}  // namespace

MusicPlatform& DefaultMusicPlatform() {
  static SilentMusicPlatform platform;
  return platform;
}

}  // namespace Ondira_BGM
