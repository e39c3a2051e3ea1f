// Application-wide services of the saver: where it lives, how it was
// started, its title, message box, program start and immediate end, and
// the screen's units and mouse pointer.
#pragma once

#include <windows.h>

#include <string>

namespace App {

// The title of message boxes; no window of the saver is ever captioned
// with the effect's presence title.
extern const char Title[];

HINSTANCE Instance();

// The directory holding the saver's executable, without a trailing "\".
std::string Directory();

// The command line without the program's path and the blanks after it.
std::string Arguments();

// Ends the process now; no window handler runs any more.
[[noreturn]] void TerminateAtOnce();

// Starts `path` as a new process with a normal, activated window, whatever
// its extension, and returns at once. The path is both the application name
// and the (quoted) command line, so nothing but that file can be started.
bool StartProgram(const std::string& path);

// A modal box with `text` (UTF-8), an OK button, no icon and the application title.
void ShowMessage(const std::string& text);

// Opens `path` for sequential reading and closes it again.
bool CanOpenForReading(const std::string& path);

// Dispatches messages until the thread's quit message.
void RunMessageLoop();

// Twips per pixel from the display's real density (15 at 96 DPI).
int TwipsPerPixelX();
int TwipsPerPixelY();
int ScreenWidthTwips();
int ScreenHeightTwips();

// The application-wide mouse-pointer override.
enum class MousePointer { Default, Hourglass };
void SetMousePointer(MousePointer pointer);
MousePointer CurrentMousePointer();

}  // namespace App
