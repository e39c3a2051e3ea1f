#include "text.h"

#include <windows.h>


namespace {

std::wstring ToWide(const std::string& text, UINT codePage) {
  if (text.empty()) return std::wstring();
  const int length =
      MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  return wide;
}

std::string FromWide(const std::wstring& wide, UINT codePage) {
  if (wide.empty()) return std::string();
  const int length = WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string text(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), &text[0], length,
                      nullptr, nullptr);
  return text;
}

}  // namespace

std::string AnsiFromUtf8(const std::string& utf8) { return FromWide(ToWide(utf8, CP_UTF8), CP_ACP); }
std::string Utf8FromAnsi(const std::string& ansi) { return FromWide(ToWide(ansi, CP_ACP), CP_UTF8); }
std::wstring WideFromUtf8(const std::string& utf8) { return ToWide(utf8, CP_UTF8); }
std::string Utf8FromWide(const std::wstring& wide) { return FromWide(wide, CP_UTF8); }
