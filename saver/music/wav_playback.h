// WAV playback through the platform's sound player, which loops the file by
// itself: WavPlay once, WavStop at the end.
#pragma once

#include <cstdint>

namespace Ondira_BGM {

// The sound player's flags for WavPlay: SND_ASYNC | SND_LOOP, and
// SND_NODEFAULT, so that a file that cannot be played (gone, empty, not a
// sound) is silence rather than the system's default sound over and over.
constexpr std::uint32_t WavLoopFlags = 0x0001 | 0x0002 | 0x0008;

// Plays BgmFile in a loop, when the machine has a wave output device.
void WavPlay();

// Stops the sound that WavPlay started.
void WavStop();

}  // namespace Ondira_BGM
