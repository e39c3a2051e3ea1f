#include "presence_title.h"

namespace {

// Byte offsets at which characters start.
template <typename Visit>
void ForEachCharacter(const std::string& text, const std::function<bool(unsigned char)>& isLeadByte,
                      Visit visit) {
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length =
        (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
    if (!visit(i, length)) return;
    i += length;
  }
}

}  // namespace

PresenceTitleParts SplitPresenceTitle(const std::string& path,
                                      const std::function<bool(unsigned char)>& isLeadByte) {
  std::size_t nameStart = 0;
  ForEachCharacter(path, isLeadByte, [&](std::size_t at, std::size_t length) {
    if (length == 1 && (path[at] == '\\' || path[at] == '/' || path[at] == ':')) nameStart = at + 1;
    return true;
  });
  const std::string name = path.substr(nameStart);

  std::size_t nameEnd = name.size();
  ForEachCharacter(name, isLeadByte, [&](std::size_t at, std::size_t length) {
    if (length == 1 && name[at] == '.') {
      nameEnd = at;
      return false;
    }
    return true;
  });
  const std::string title = name.substr(0, nameEnd);

  PresenceTitleParts parts;
  ForEachCharacter(title, isLeadByte, [&](std::size_t, std::size_t length) {
    parts.first = title.substr(0, length);
    parts.rest = title.substr(length);
    return false;
  });
  return parts;
}
