// The three music settings, held once per process. Filled from the settings
// file at start, changed by the settings dialog, read by the music routines.
#pragma once

#include <cstdint>
#include <string>

namespace Ondira_BGM {

extern std::int16_t BgmKind;    // 0 none, 1 audio CD, 2 MP3 or WAV file; others play nothing
extern std::int16_t BgmRepeat;  // the CD track played over and over; 0 = none
extern std::string BgmFile;     // full path of the MP3 or WAV file, in the ANSI code page

}  // namespace Ondira_BGM
