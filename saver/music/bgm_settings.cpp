#include "bgm_settings.h"

namespace Ondira_BGM {

std::int16_t BgmKind = 0;
std::int16_t BgmRepeat = 0;
std::string BgmFile;

}  // namespace Ondira_BGM
