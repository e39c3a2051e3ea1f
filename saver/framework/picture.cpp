#include "picture.h"

#include <algorithm>

#include "application.h"

Picture::Picture(HBITMAP bitmap) : bitmap_(bitmap) {
  BITMAP info = {};
  if (bitmap_ != nullptr && GetObjectA(bitmap_, sizeof info, &info) != 0) {
    width_ = info.bmWidth;
    height_ = info.bmHeight;
  }
}

Picture::~Picture() {
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
}

std::shared_ptr<Picture> Picture::FromResource(int id) {
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageA(App::Instance(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (bitmap == nullptr) return nullptr;
  return std::make_shared<Picture>(bitmap);
}

void Picture::Draw(HDC target, int x, int y, const RECT& clip) const {
  const int right = std::min<int>(x + width_, clip.right);
  const int bottom = std::min<int>(y + height_, clip.bottom);
  if (right <= x || bottom <= y) return;
  HDC source = CreateCompatibleDC(target);
  HGDIOBJ previous = SelectObject(source, bitmap_);
  BitBlt(target, x, y, right - x, bottom - y, source, 0, 0, SRCCOPY);
  SelectObject(source, previous);
  DeleteDC(source);
}
