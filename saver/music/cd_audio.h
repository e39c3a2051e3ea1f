// Audio-CD playback through the MCI device "cdaudio", kept going by polling:
// CdOpen once, CdKeepPlaying every 200 ms, CdClose at the end.
#pragma once

namespace Ondira_BGM {

extern bool CdAvailable;           // result of the last CdKeepPlaying
extern char CdModeBuffer[256];     // reply area of the mode query; kept between polls

// Opens the drive and sets the time format to tracks:minutes:seconds:frames.
void CdOpen();

// Starts the drive when it has stopped and, with a repeat track (BgmRepeat),
// jumps back to that track's start once another track plays. Returns
// CdAvailable: false once a query fails (no drive, no disc) or the current
// track cannot be read as a number while a repeat track is set.
bool CdKeepPlaying();

// Stops and closes the drive.
void CdClose();

}  // namespace Ondira_BGM
