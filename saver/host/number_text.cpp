#include "number_text.h"

#include <cmath>
#include <cstdlib>

namespace {

bool IsDigit(char ch) { return ch >= '0' && ch <= '9'; }
bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

std::size_t SkipDigits(const std::string& text, std::size_t at) {
  while (at < text.size() && IsDigit(text[at])) ++at;
  return at;
}

}  // namespace

std::size_t DecimalPrefixLength(const std::string& text) {
  std::size_t at = 0;
  if (at < text.size() && (text[at] == '+' || text[at] == '-')) ++at;
  const std::size_t integerStart = at;
  at = SkipDigits(text, at);
  bool digits = at > integerStart;
  if (at < text.size() && text[at] == '.') {
    const std::size_t fractionStart = at + 1;
    const std::size_t fractionEnd = SkipDigits(text, fractionStart);
    if (digits || fractionEnd > fractionStart) {
      digits = true;
      at = fractionEnd;
    }
  }
  if (!digits) return 0;
  if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
    std::size_t exponent = at + 1;
    if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-')) ++exponent;
    const std::size_t exponentEnd = SkipDigits(text, exponent);
    if (exponentEnd > exponent) at = exponentEnd;
  }
  return at;
}

std::optional<double> ReadDecimal(const std::string& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  const std::string number = text.substr(begin, end - begin);
  if (number.empty() || DecimalPrefixLength(number) != number.size()) return std::nullopt;
  return std::strtod(number.c_str(), nullptr);
}

double RoundHalfToEven(double value) {
  const double down = std::floor(value);
  const double fraction = value - down;
  if (fraction < 0.5) return down;
  if (fraction > 0.5) return down + 1.0;
  return std::fmod(down, 2.0) == 0.0 ? down : down + 1.0;
}
