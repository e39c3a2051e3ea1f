// MP3 playback through the MCI device type "MPEGVideo" under the alias
// "MP3Play": Mp3Start once, Mp3KeepPlaying every second, Mp3Close at the end.
#pragma once

namespace Ondira_BGM {

extern char Mp3ModeBuffer[30];  // reply area of the mode query; kept between polls

// Opens BgmFile and plays it. A path that cannot be put between double
// quotes (it holds one itself) names no file: nothing is sent then.
void Mp3Start();

// True when the device reports "playing". Mp3ModeBuffer is not cleared
// first, so a failed query that leaves it alone repeats the last answer.
bool Mp3IsPlaying();

// Restarts the file from its beginning whenever it is not playing.
void Mp3KeepPlaying();

// Stops and closes the file.
void Mp3Close();

}  // namespace Ondira_BGM
