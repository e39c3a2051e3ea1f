#include "cd_audio.h"

#include <cstring>
#include <string>

#include "bgm_settings.h"
#include "mci_command.h"
#include "reply_text.h"

namespace Ondira_BGM {

bool CdAvailable = false;
char CdModeBuffer[256];

void CdOpen() {
  SendMciString("open cdaudio");
  SendMciString("set cdaudio time format tmsf");
}

namespace {

bool GiveUpCd() {
  CdAvailable = false;
  return CdAvailable;
}

}  // namespace

bool CdKeepPlaying() {
  CdAvailable = true;

  const std::string track = MciQuery("status cdaudio current track");
  if (ContainsErrorMarker(track)) return GiveUpCd();

  const std::string count = MciQuery("status cdaudio number of tracks");
  if (ContainsErrorMarker(count)) return GiveUpCd();

  // The area is not cleared first: a failed query that leaves it alone
  // lets the last mode be read again.
  SendMciString("status cdaudio mode", CdModeBuffer, sizeof CdModeBuffer - 1);
  const bool stopped = std::memcmp(CdModeBuffer, "stopped", 7) == 0;

  if (BgmRepeat != 0) {
    double trackNumber = 0;
    if (!ReadAsNumber(track, trackNumber)) return GiveUpCd();
    if (stopped || trackNumber != BgmRepeat) {
      const std::string start = MciQuery("status cdaudio position track " + std::to_string(BgmRepeat));
      MciPlay("cdaudio", start, "");
    }
  } else if (stopped) {
    MciPlay("cdaudio", "", "");
  }
  return CdAvailable;
}

void CdClose() {
  SendMciString("stop cdaudio");
  SendMciString("close cdaudio");
}

}  // namespace Ondira_BGM
