#include "mp3_playback.h"

#include <cstring>
#include <string>

#include "bgm_settings.h"
#include "mci_command.h"

namespace Ondira_BGM {

char Mp3ModeBuffer[30];

void Mp3Start() {
  // A code-page-932 trail byte is never 0x22, so a byte search finds every quote.
  if (BgmFile.find('"') != std::string::npos) return;
  if (SendMciString("open \"" + BgmFile + "\" type MPEGVideo Alias MP3Play") != 0) return;
  SendMciString("play MP3Play");
}

bool Mp3IsPlaying() {
  SendMciString("status MP3Play mode", Mp3ModeBuffer, sizeof Mp3ModeBuffer);
  return std::memcmp(Mp3ModeBuffer, "playing", 7) == 0;
}

void Mp3KeepPlaying() {
  if (Mp3IsPlaying()) return;
  SendMciString("stop MP3Play");
  SendMciString("play MP3Play from 0");
}

void Mp3Close() {
  SendMciString("stop MP3Play");
  SendMciString("close MP3Play");
}

}  // namespace Ondira_BGM
