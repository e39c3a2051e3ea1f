// The screen-saver switches on the saver's command line.
#pragma once

#include <cstdint>
#include <string>

// The second character of the argument string, upper-cased; empty when the
// argument string is shorter than two characters.
std::string SwitchLetter(const std::string& arguments);

// The preview's parent window handle: from the fourth character on, blanks,
// tabs and line feeds removed, the longest leading decimal number, rounded
// halves to even; 0 when there is no number or it does not fit 32 bits.
std::int32_t PreviewParentHandle(const std::string& arguments);

// What a start of the saver becomes, by its switch letter.
enum class SaverMode {
  Preview,           // "P": the still picture inside the given window
  Configure,         // "C": the settings dialog
  RunHidingPointer,  // "S": the full-screen run with the pointer hidden
  Run,               // no arguments at all: the run, pointer left alone
  Refuse,            // anything else: nothing
};

SaverMode ModeFor(const std::string& arguments);
