#include "music_state.h"

#include <cstring>

#include "cd_audio.h"
#include "mci_command.h"
#include "mp3_playback.h"

namespace Ondira_BGM {

void ResetMusicModuleState() {
  std::memset(MciReturnBuffer, 0, sizeof MciReturnBuffer);
  std::memset(MciErrorBuffer, 0, sizeof MciErrorBuffer);
  MciReply.clear();
  CdAvailable = false;
  std::memset(CdModeBuffer, 0, sizeof CdModeBuffer);
  std::memset(Mp3ModeBuffer, 0, sizeof Mp3ModeBuffer);
}

}  // namespace Ondira_BGM
