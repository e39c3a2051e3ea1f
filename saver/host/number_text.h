// Reading numbers from text the way the saver does: a decimal number with
// optional sign, fraction and exponent.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Length of the longest leading part of `text` that reads as a decimal
// number; 0 when there is none.
std::size_t DecimalPrefixLength(const std::string& text);

// The whole of `text`, blanks around it allowed, read as a decimal number.
std::optional<double> ReadDecimal(const std::string& text);

// Rounded to the nearest whole number, halves to even.
double RoundHalfToEven(double value);
