#include "text.h"

#include <windows.h>

#include <vector>

namespace {

std::string Convert(const std::string& text, UINT from, UINT to) {
  if (text.empty()) return text;
  const int wideLength =
      MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::vector<wchar_t> wide(static_cast<size_t>(wideLength));
  MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), wide.data(), wideLength);
  const int length =
      WideCharToMultiByte(to, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
  std::string converted(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(to, 0, wide.data(), wideLength, &converted[0], length, nullptr, nullptr);
  return converted;
}

}  // namespace

std::string AnsiFromUtf8(const std::string& utf8) { return Convert(utf8, CP_UTF8, CP_ACP); }
std::string Utf8FromAnsi(const std::string& ansi) { return Convert(ansi, CP_ACP, CP_UTF8); }
