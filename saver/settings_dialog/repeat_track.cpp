#include "repeat_track.h"

#include <cmath>
#include <optional>

#include "number_text.h"

std::string FormatRepeat(std::int16_t value) {
  if (value == 0) return std::string();
  return std::to_string(value);
}

std::int16_t RepeatFromText(const std::string& text) {
  const std::optional<double> number = ReadDecimal(text);
  if (!number) return 0;
  const double rounded = RoundHalfToEven(*number);
  if (!(rounded >= INT16_MIN && rounded <= INT16_MAX)) return 0;  // NaN fails too
  return static_cast<std::int16_t>(rounded);
}
