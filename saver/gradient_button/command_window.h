// The gradient button as a Win32 child window of class "Ondira.Command".
// The host creates it with a position and size in pixels, then drives it
// through the members of `Command` (command.h), reached with CommandOf.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "command.h"

struct CommandWindowOptions {
  HWND Parent = nullptr;
  int Id = 0;  // the child window's identifier
  int Left = 0;
  int Top = 0;
  int Width = 117;
  int Height = 28;
  // The window that comes before the button in the tab order; none: after
  // every existing child of the parent.
  HWND TabAfter = nullptr;
  // The stored properties, read once the window exists. None: a new control
  // with the first-run defaults.
  const PropertyStore* StoredProperties = nullptr;
  // The container's font; none: the parent's font, or the GUI font.
  FontRef AmbientFont;
  std::function<void()> Click;  // the host may destroy the button in it
  std::function<void(const std::string& name)> PropertyChanged;
};

// Creates the button, visible, with WS_TABSTOP. nullptr on failure.
HWND CreateCommandWindow(const CommandWindowOptions& options);

// The control behind a window made by CreateCommandWindow; nullptr otherwise.
Command* CommandOf(HWND window);

// The font a container window uses, as a font object.
FontRef AmbientFontOf(HWND container);
