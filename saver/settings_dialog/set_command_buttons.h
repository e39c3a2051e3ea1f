// Sets up every gradient button of a window at once.
#pragma once

#include <windows.h>

// Visits every control of the window in the order the window holds them,
// those inside its panels included; for each gradient button calls
// Initialize when `initialize`, otherwise sets Enabled to `enabled`. Other
// controls are left alone.
void SetCommandButtons(HWND window, bool initialize, bool enabled);
