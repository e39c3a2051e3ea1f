#include "windowless.h"

#include "text.h"


void WindowlessControl::SetBounds(int left, int top, int width, int height) {
  bounds = {left, top, left + width, top + height};
}

bool WindowlessControl::Contains(int x, int y) const {
  return x >= bounds.left && x < bounds.right && y >= bounds.top && y < bounds.bottom;
}

void Image::Paint(HDC dc) const {
  if (picture) picture->Draw(dc, bounds.left, bounds.top, bounds);
}

void Label::Paint(HDC dc) const {
  RECT box = bounds;
  if (border) {
    HBRUSH frame = CreateSolidBrush(RGB(0, 0, 0));
    FrameRect(dc, &box, frame);
    DeleteObject(frame);
    InflateRect(&box, -2, -1);
  }
  HGDIOBJ previousFont = font != nullptr ? SelectObject(dc, font) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  const std::wstring text = WideFromUtf8(caption);
  UINT format = DT_NOPREFIX | (alignment == Alignment::Centre ? DT_CENTER : DT_LEFT);
  format |= wordWrap ? (DT_WORDBREAK | DT_EDITCONTROL) : DT_SINGLELINE;
  if (enabled) {
    SetTextColor(dc, textColour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
  } else {
    // The platform's disabled look: light text with a dark copy beneath.
    RECT shadow = box;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, GetSysColor(COLOR_3DHILIGHT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shadow, format);
    SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
  }
  if (previousFont != nullptr) SelectObject(dc, previousFont);
}

void Label::SizeToCaption(HDC dc) {
  HGDIOBJ previousFont = font != nullptr ? SelectObject(dc, font) : nullptr;
  const std::wstring text = WideFromUtf8(caption);
  RECT measured = {0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  if (previousFont != nullptr) SelectObject(dc, previousFont);
  bounds.right = bounds.left + measured.right;
  bounds.bottom = bounds.top + measured.bottom;
}

void Shape::Paint(HDC dc) const {
  HBRUSH frame = CreateSolidBrush(borderColour);
  FrameRect(dc, &bounds, frame);
  DeleteObject(frame);
}
