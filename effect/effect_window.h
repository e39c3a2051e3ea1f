// Start-up and shutdown of the full-screen effect window.
#pragma once

#include <windows.h>

// Registers the "OpenGL" class, switches the display to 32 bits per pixel,
// opens the topmost full-screen window with its rendering context, sets up
// the scene and captures the screen. False when the class or the window
// could not be made; the display then has its mode back already.
bool OpenEffectWindow();

// Gives a window's device context the effect's pixel format: double-buffered
// 32-bit RGBA with a 32-bit depth buffer.
void SetEffectPixelFormat(HDC deviceContext);

LRESULT CALLBACK EffectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Undoes the start-up, display mode first.
void CloseEffectWindow();
