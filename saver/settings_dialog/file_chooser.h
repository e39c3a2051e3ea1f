// The system's open-file dialog for the music file.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Shows the dialog modal to `owner`; the chosen path in the ANSI code page,
// or nothing when the user cancelled or the call failed (a path too long
// for the 255-byte buffer among them).
std::optional<std::string> ChooseBgmFile(HWND owner);
