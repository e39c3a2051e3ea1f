// The title of the effect program's presence window, derived from the
// program's own file name: the name without its directory, cut before its
// first ".", every character after the first lower-cased.
#pragma once

#include <functional>
#include <string>

struct PresenceTitleParts {
  std::string first;  // the first character, one or two bytes
  std::string rest;   // the characters after it, still to be lower-cased
};

// Splits an ANSI file path (already converted from the OEM code page).
// `isLeadByte` tells the first byte of a double-byte character, so that a
// trail byte equal to "\" or "." is not taken for a separator.
PresenceTitleParts SplitPresenceTitle(const std::string& path,
                                      const std::function<bool(unsigned char)>& isLeadByte);
