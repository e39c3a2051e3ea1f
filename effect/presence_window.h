// The hidden top-level window by which the saver knows that the effect runs.
#pragma once

#include <windows.h>

#include <string>

// The title derived from this program's own file name ("Ondira" for "Ondira.dll").
std::string PresenceTitleOfThisProgram();

// Creates the hidden, zero-sized top-level window with that title.
HWND CreatePresenceWindow(HINSTANCE instance);
