// The real multimedia services behind the music seam (Windows only).
#pragma once

#include "music_platform.h"

namespace Ondira_BGM {

MusicPlatform& WinmmMusicPlatform();

}  // namespace Ondira_BGM
