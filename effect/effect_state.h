// Process-wide state of the effect program, one of each, set during start-up
// and released at shutdown.
#pragma once

#include <windows.h>
#include <GL/gl.h>

#include "wave_grid.h"

struct EffectState {
  HINSTANCE instance = nullptr;
  HWND window = nullptr;          // the full-screen topmost effect window
  HDC deviceContext = nullptr;    // kept for the whole run (the class owns its DC)
  HGLRC renderingContext = nullptr;
  GLuint ScreenTexture = 0;
  WaveGrid grid;
  WaveAnimation animation;
};

extern EffectState Effect;
