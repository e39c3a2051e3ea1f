// Which player a music file goes to, by the end of its name.
#pragma once

#include <string>

namespace Ondira_BGM {

enum class BgmEnding { Other, Wav, Mp3 };

// The last three characters of `file` (code page 932 bytes), upper-cased,
// compared with "WAV" and "MP3": ".Wav" counts as WAV, ".mpeg" as neither.
BgmEnding FileEnding(const std::string& file);

// FileEnding of BgmFile.
BgmEnding BgmFileEnding();

}  // namespace Ondira_BGM
