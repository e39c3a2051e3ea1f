// The saver's entry and its settings file.
#pragma once

#include <string>

namespace Ondira_B {

// The value under `key` in `section` of the profile file `file`, at most
// 255 bytes of it; empty when the file, the section or the key is missing.
std::string ReadIniValue(const std::string& section, const std::string& key,
                         const std::string& file);

// Stores `value` under `key`, creating the file, section or key as needed.
void WriteIniValue(const std::string& section, const std::string& key, const std::string& value,
                   const std::string& file);

// True when a file of that name can be opened for reading; a trailing "\"
// is dropped first, so a folder never counts.
bool FileExists(const std::string& path);

// The settings file beside the saver.
std::string SettingsFilePath();

// Fills BgmKind, BgmRepeat and BgmFile from the settings file.
void LoadSettings();

// The effect program beside the saver.
std::string EffectProgramPath();

// Decides what this process becomes: preview, settings dialog, full-screen
// run, or nothing. Returns only for the preview and the run, whose windows
// then keep the process alive.
void Main();

}  // namespace Ondira_B
