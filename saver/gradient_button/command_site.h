// What the gradient button asks of the window that hosts it: its drawing
// surface and its hover timer. The Win32 side implements it with a memory
// bitmap and SetTimer; tests record the calls.
#pragma once

#include <cstdint>

// The six state pictures that frame the face.
enum class StatePicture { Normal, HighLight, Selected, HighLightSelect, Pressed, Disable };

// A rectangle in twips: left, top, width and height.
struct TwipsRect {
  std::int16_t Left;
  std::int16_t Top;
  std::int16_t Width;
  std::int16_t Height;
};

// One corner of a gradient rectangle: position in pixels, 16-bit channels.
struct TriVertex {
  std::int32_t x;
  std::int32_t y;
  std::uint16_t Red;
  std::uint16_t Green;
  std::uint16_t Blue;
  std::uint16_t Alpha;
};

// The surface's inner size, in twips and in pixels.
struct SurfaceSize {
  long TwipsWidth;
  long TwipsHeight;
  int PixelWidth;
  int PixelHeight;
};

struct CaptionLabel;

class CommandSite {
 public:
  virtual ~CommandSite() = default;
  virtual SurfaceSize Size() const = 0;
  // Fills the whole surface with its background colour.
  virtual void Clear() = 0;
  // A vertical gradient from `top`'s colour on the first row to `bottom`'s on
  // the last, over the rectangle between the two vertices.
  virtual void FillGradient(const TriVertex& top, const TriVertex& bottom) = 0;
  // Copies `source` of `picture` (twips at 15 per pixel) onto `destination`
  // of the surface (twips of the display), stretching when the sizes differ.
  virtual void CopyPicture(StatePicture picture, const TwipsRect& destination,
                           const TwipsRect& source) = 0;
  // The caption label has moved or resized.
  virtual void PlaceCaption(const CaptionLabel& label) = 0;
  // The painted face goes on screen and stays there until the next paint.
  virtual void ShowFace() = 0;
  // The hover timer was switched on or off, or its interval changed.
  virtual void ApplyMouseTimer(bool enabled, int intervalMilliseconds) = 0;
};
