#include "switches.h"

#include <cstdlib>

#include "number_text.h"

std::string SwitchLetter(const std::string& arguments) {
  if (arguments.size() < 2) return "";
  char letter = arguments[1];
  if (letter >= 'a' && letter <= 'z') letter = static_cast<char>(letter - 'a' + 'A');
  return std::string(1, letter);
}

std::int32_t PreviewParentHandle(const std::string& arguments) {
  if (arguments.size() < 4) return 0;
  std::string squeezed;
  for (char ch : arguments.substr(3)) {
    if (ch != ' ' && ch != '\t' && ch != '\n') squeezed += ch;
  }
  const std::size_t length = DecimalPrefixLength(squeezed);
  if (length == 0) return 0;
  const double value = RoundHalfToEven(std::strtod(squeezed.substr(0, length).c_str(), nullptr));
  if (!(value >= INT32_MIN && value <= INT32_MAX)) return 0;
  return static_cast<std::int32_t>(value);
}

SaverMode ModeFor(const std::string& arguments) {
  const std::string letter = SwitchLetter(arguments);
  if (letter == "P") return SaverMode::Preview;
  if (letter == "C") return SaverMode::Configure;
  if (letter == "S") return SaverMode::RunHidingPointer;
  if (arguments.empty()) return SaverMode::Run;
  return SaverMode::Refuse;
}
