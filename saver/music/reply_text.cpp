#include "reply_text.h"

#include <cstdlib>

namespace Ondira_BGM {

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

char AsciiUpper(char ch) { return (ch >= 'a' && ch <= 'z') ? static_cast<char>(ch - 'a' + 'A') : ch; }

}  // namespace

bool ContainsErrorMarker(const std::string& reply) {
  std::string upper = reply;
  for (char& ch : upper) ch = AsciiUpper(ch);
  return upper.find("ERR") != std::string::npos;
}

bool ReadAsNumber(const std::string& reply, double& number) {
  std::size_t at = 0;
  std::size_t end = reply.size();
  while (at < end && IsBlank(reply[at])) ++at;
  while (end > at && IsBlank(reply[end - 1])) --end;
  const std::string text = reply.substr(at, end - at);

  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t exponentDigits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++exponentDigits;
    if (exponentDigits == 0) return false;
  }
  if (i != text.size()) return false;
  number = std::strtod(text.c_str(), nullptr);
  return true;
}

}  // namespace Ondira_BGM
