#include "wav_playback.h"

#include "bgm_settings.h"
#include "music_platform.h"

namespace Ondira_BGM {

void WavPlay() {
  if (CurrentMusicPlatform().WaveOutGetNumDevs() == 0) return;
  CurrentMusicPlatform().PlaySoundA(BgmFile.c_str(), WavLoopFlags);
}

void WavStop() { CurrentMusicPlatform().PlaySoundA(nullptr, 0); }

}  // namespace Ondira_BGM
