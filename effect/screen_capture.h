// The one-time copy of the whole screen into the effect's texture.
#pragma once

#include <functional>
#include <vector>

// The screen as 32-bit pixels: blue, green, red, fourth byte; rows from the
// bottom of the screen to the top, width * 4 bytes each.
struct ScreenPixels {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> bgra;
};

// Copies the whole screen, reads it out as 32-bit pixels whatever the
// display's depth, hands them to `use`, then releases every GDI object it
// made: the screen DC, the memory DC, the bitmap, and last the pixel buffer.
void CopyScreenPixels(const std::function<void(const ScreenPixels&)>& use);

// Uploads pixels as the mipmapped, linearly filtered `ScreenTexture` and leaves it bound.
void UploadScreenTexture(const ScreenPixels& pixels);

// The capture of the effect's start-up: CopyScreenPixels into UploadScreenTexture.
void CaptureScreenTexture();
