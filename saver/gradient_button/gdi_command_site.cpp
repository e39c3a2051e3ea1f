#include "gdi_command_site.h"

#include <cmath>

#include "button_state_pictures.h"
#include "draw_button.h"

namespace {

const unsigned char* const PictureFiles[6] = {NormalPicture,   HighLightPicture,
                                              SelectedPicture, HighLightSelectPicture,
                                              PressedPicture,  DisablePicture};

// A device bitmap from an embedded bitmap file.
HBITMAP BitmapFromFile(HDC reference, const unsigned char* file) {
  const auto* header = reinterpret_cast<const BITMAPFILEHEADER*>(file);
  const auto* info = reinterpret_cast<const BITMAPINFO*>(file + sizeof(BITMAPFILEHEADER));
  return CreateDIBitmap(reference, &info->bmiHeader, CBM_INIT, file + header->bfOffBits, info,
                        DIB_RGB_COLORS);
}

}  // namespace

GdiCommandSite::GdiCommandSite(HWND window) : window_(window) {
  HDC screen = GetDC(window);
  twipsPerPixelX_ = 1440.0 / GetDeviceCaps(screen, LOGPIXELSX);
  twipsPerPixelY_ = 1440.0 / GetDeviceCaps(screen, LOGPIXELSY);
  faceDc_ = CreateCompatibleDC(screen);
  pictureDc_ = CreateCompatibleDC(screen);
  for (int i = 0; i < 6; ++i) pictures_[i] = BitmapFromFile(screen, PictureFiles[i]);
  initialPictureBitmap_ = SelectObject(pictureDc_, pictures_[0]);
  ReleaseDC(window, screen);
  SetStretchBltMode(faceDc_, COLORONCOLOR);
  Resize();
}

GdiCommandSite::~GdiCommandSite() {
  SelectObject(pictureDc_, initialPictureBitmap_);
  for (HBITMAP picture : pictures_) DeleteObject(picture);
  DeleteDC(pictureDc_);
  SelectObject(faceDc_, initialFaceBitmap_);
  DeleteObject(faceBitmap_);
  DeleteDC(faceDc_);
}

void GdiCommandSite::Resize() {
  RECT client = {};
  GetClientRect(window_, &client);
  width_ = client.right;
  height_ = client.bottom;
  HDC screen = GetDC(window_);
  HBITMAP bitmap =
      CreateCompatibleBitmap(screen, width_ > 0 ? width_ : 1, height_ > 0 ? height_ : 1);
  ReleaseDC(window_, screen);
  if (bitmap == nullptr) return;  // keep painting into the old one
  HGDIOBJ previous = SelectObject(faceDc_, bitmap);
  if (faceBitmap_ == nullptr) {
    initialFaceBitmap_ = previous;
  } else {
    DeleteObject(faceBitmap_);
  }
  faceBitmap_ = bitmap;
}

void GdiCommandSite::ShowOn(HDC dc) const {
  BitBlt(dc, 0, 0, width_, height_, faceDc_, 0, 0, SRCCOPY);
}

SurfaceSize GdiCommandSite::Size() const {
  return {std::lround(width_ * twipsPerPixelX_), std::lround(height_ * twipsPerPixelY_), width_,
          height_};
}

void GdiCommandSite::Clear() {
  const RECT all = {0, 0, width_, height_};
  FillRect(faceDc_, &all, GetSysColorBrush(COLOR_BTNFACE));
}

void GdiCommandSite::FillGradient(const TriVertex& top, const TriVertex& bottom) {
  TRIVERTEX vertices[2] = {
      {top.x, top.y, top.Red, top.Green, top.Blue, top.Alpha},
      {bottom.x, bottom.y, bottom.Red, bottom.Green, bottom.Blue, bottom.Alpha},
  };
  GRADIENT_RECT rectangle = {0, 1};
  GradientFill(faceDc_, vertices, 2, &rectangle, 1, GRADIENT_FILL_RECT_V);
}

void GdiCommandSite::CopyPicture(StatePicture picture, const TwipsRect& destination,
                                 const TwipsRect& source) {
  const PixelRect to = PixelsFromTwips(destination, twipsPerPixelX_, twipsPerPixelY_);
  const PixelRect from = PixelsFromTwips(source, PictureTwipsPerPixel, PictureTwipsPerPixel);
  // Buttons under 8 pixels leave no room for an edge; never mirror one.
  if (to.Width <= 0 || to.Height <= 0) return;
  SelectObject(pictureDc_, pictures_[static_cast<int>(picture)]);
  StretchBlt(faceDc_, to.Left, to.Top, to.Width, to.Height, pictureDc_, from.Left, from.Top,
             from.Width, from.Height, SRCCOPY);
}

void GdiCommandSite::PlaceCaption(const CaptionLabel&) { InvalidateRect(window_, nullptr, FALSE); }

void GdiCommandSite::ShowFace() { InvalidateRect(window_, nullptr, FALSE); }

void GdiCommandSite::ApplyMouseTimer(bool enabled, int intervalMilliseconds) {
  if (enabled) {
    SetTimer(window_, MouseTimerId, static_cast<UINT>(intervalMilliseconds), nullptr);
  } else {
    KillTimer(window_, MouseTimerId);
  }
}
