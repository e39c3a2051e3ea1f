// A picture held by an image control or a window: a device-dependent
// bitmap, shared by the holders that show it.
#pragma once

#include <windows.h>

#include <memory>

class Picture {
 public:
  explicit Picture(HBITMAP bitmap);
  ~Picture();
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;

  // A BITMAP resource of this program, or nothing when it is missing.
  static std::shared_ptr<Picture> FromResource(int id);

  HBITMAP bitmap() const { return bitmap_; }
  int width() const { return width_; }
  int height() const { return height_; }
  // Draws the picture at its natural size with its top-left corner at
  // (x, y), cut to `clip`.
  void Draw(HDC target, int x, int y, const RECT& clip) const;

 private:
  HBITMAP bitmap_;
  int width_ = 0;
  int height_ = 0;
};
