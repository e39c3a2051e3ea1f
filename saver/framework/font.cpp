#include "font.h"

#include <cmath>

#include "text.h"

HFONT CreateFontOf(const FontObject& font) {
  HDC screen = GetDC(nullptr);
  const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  LOGFONTW description = {};
  description.lfHeight =
      -static_cast<LONG>(std::lround(font.Size * (pixelsPerInch > 0 ? pixelsPerInch : 96) / 72));
  description.lfWeight = font.Weight;
  description.lfItalic = font.Italic ? TRUE : FALSE;
  description.lfUnderline = font.Underline ? TRUE : FALSE;
  description.lfStrikeOut = font.Strikethrough ? TRUE : FALSE;
  description.lfCharSet = static_cast<BYTE>(font.Charset);
  lstrcpynW(description.lfFaceName, WideFromUtf8(font.FaceName).c_str(), LF_FACESIZE);
  HFONT made = CreateFontIndirectW(&description);
  return made != nullptr ? made : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}
