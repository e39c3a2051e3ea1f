// The one seam between the music routines and the system's multimedia
// services: MCI command strings, their error texts, the wave-out device count
// and the looping sound player. Text crosses it as ANSI (code page 932) bytes.
#pragma once

#include <cstdint>

namespace Ondira_BGM {

class MusicPlatform {
 public:
  virtual ~MusicPlatform() = default;

  // mciSendStringA(command, reply, replySize, no callback window): the MCI
  // error code, 0 on success. reply may be null when replySize is 0.
  virtual std::uint32_t MciSendString(const char* command, char* reply, unsigned replySize) = 0;

  // mciGetErrorStringA(code, text, textSize): true when a text was written.
  virtual bool MciGetErrorString(std::uint32_t code, char* text, unsigned textSize) = 0;

  // waveOutGetNumDevs().
  virtual unsigned WaveOutGetNumDevs() = 0;

  // PlaySoundA(sound, no module, flags); sound may be null.
  virtual bool PlaySoundA(const char* sound, std::uint32_t flags) = 0;
};

// The platform every music routine talks to. Until the program installs one,
// the tree's default: the winmm services in the Windows build, a silent one
// (every command fails, no wave devices) elsewhere.
MusicPlatform& CurrentMusicPlatform();

// Installs `platform` for all later music calls; null goes back to the default.
void SetMusicPlatform(MusicPlatform* platform);

// The tree's default platform; defined once per tree.
MusicPlatform& DefaultMusicPlatform();

}  // namespace Ondira_BGM
