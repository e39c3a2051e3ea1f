// The CD track to repeat as the dialog's combo box shows and reads it.
#pragma once

#include <cstdint>
#include <string>

// The "##" pattern: 0 gives the empty text, any other value its plain
// decimal digits with a leading minus sign when negative.
std::string FormatRepeat(std::int16_t value);

// The list of the combo box: 0 to 30 formatted the same way.
constexpr int RepeatListLast = 30;

// The combo text as apply reads it: a number (blanks around it allowed,
// sign, fraction and exponent accepted) rounded to the nearest integer,
// halves to even. The empty text, a text that is not a number, and a number
// whose rounded value lies outside -32768 to 32767 all give 0, no track.
std::int16_t RepeatFromText(const std::string& text);
