// The gradient button's drawing surface on Win32: the face is painted into a
// memory bitmap the size of the control's window and shown from there on
// every paint, so it lasts until the next repaint of the face.
#pragma once

#include <windows.h>

#include "command_site.h"

class GdiCommandSite : public CommandSite {
 public:
  explicit GdiCommandSite(HWND window);
  ~GdiCommandSite() override;
  GdiCommandSite(const GdiCommandSite&) = delete;
  GdiCommandSite& operator=(const GdiCommandSite&) = delete;

  // Makes the face bitmap the size of the window's client area.
  void Resize();
  // Shows the painted face on `dc`.
  void ShowOn(HDC dc) const;
  double TwipsPerPixelX() const { return twipsPerPixelX_; }
  double TwipsPerPixelY() const { return twipsPerPixelY_; }

  SurfaceSize Size() const override;
  void Clear() override;
  void FillGradient(const TriVertex& top, const TriVertex& bottom) override;
  void CopyPicture(StatePicture picture, const TwipsRect& destination,
                   const TwipsRect& source) override;
  void PlaceCaption(const CaptionLabel& label) override;
  void ShowFace() override;
  void ApplyMouseTimer(bool enabled, int intervalMilliseconds) override;

  static constexpr UINT_PTR MouseTimerId = 1;

 private:
  HWND window_;
  double twipsPerPixelX_ = 15;
  double twipsPerPixelY_ = 15;
  int width_ = 0;
  int height_ = 0;
  HDC faceDc_ = nullptr;
  HBITMAP faceBitmap_ = nullptr;
  HGDIOBJ initialFaceBitmap_ = nullptr;
  HDC pictureDc_ = nullptr;
  HBITMAP pictures_[6] = {};
  HGDIOBJ initialPictureBitmap_ = nullptr;
};
