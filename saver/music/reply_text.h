// Readings of MCI reply texts (code page 932 bytes).
#pragma once

#include <string>

namespace Ondira_BGM {

// True when the reply, upper-cased, contains "ERR": MciQuery's "Error:"
// marker, or a device that answered with an error of its own.
bool ContainsErrorMarker(const std::string& reply);

// Reads the whole reply as a decimal number: blanks around it, a sign, a
// fraction and an exponent are allowed, nothing else. False when it is not one.
bool ReadAsNumber(const std::string& reply, double& number);

}  // namespace Ondira_BGM
