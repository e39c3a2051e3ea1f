#include "music_platform.h"

namespace Ondira_BGM {

namespace {
MusicPlatform* InstalledPlatform = nullptr;
}

MusicPlatform& CurrentMusicPlatform() {
  return InstalledPlatform ? *InstalledPlatform : DefaultMusicPlatform();
}

void SetMusicPlatform(MusicPlatform* platform) { InstalledPlatform = platform; }

}  // namespace Ondira_BGM
