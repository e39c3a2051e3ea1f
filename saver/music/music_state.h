// The music module's process-wide state as a whole.
#pragma once

namespace Ondira_BGM {

// Puts the reply areas, MciReply and CdAvailable back to their values at
// process start. The program never calls it: its areas keep their content
// for the whole run. Tests call it to start each case afresh.
void ResetMusicModuleState();

}  // namespace Ondira_BGM
