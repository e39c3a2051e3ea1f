// The OpenGL side of the effect: fixed state, lighting, projection and the
// per-frame drawing of the waving sheet. Needs a current rendering context.
#pragma once

// Fixed state, lighting, then the grid.
void SetUpScene();

// Viewport and a 45-degree perspective for a window of the given pixel size.
void SetProjection(int width, int height);

// Draws one frame, advances the animation and swaps the effect window's buffers.
void RenderFrame();
