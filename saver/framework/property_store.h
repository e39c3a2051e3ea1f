// Stored property values of a reusable control: named values read with a
// default (returned when the name is absent) and written with a default (the
// name is left out when the value equals it). The store saves to and loads
// from a plain text form, one "name=value" line per value.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// A font as controls share it: one object, held by reference by every user.
struct FontObject {
  std::string FaceName;  // UTF-8
  double Size = 9;       // points
  int Weight = 400;
  bool Italic = false;
  bool Underline = false;
  bool Strikethrough = false;
  int Charset = 0;
};
using FontRef = std::shared_ptr<FontObject>;

bool operator==(const FontObject& a, const FontObject& b);
inline bool operator!=(const FontObject& a, const FontObject& b) { return !(a == b); }

// The text form of a font: "size;weight;italic;underline;strikethrough;charset;face".
std::string FontToText(const FontObject& font);
std::optional<FontObject> FontFromText(const std::string& text);

class PropertyStore {
 public:
  // The stored text of `name`, or `defaultText` when it is absent.
  std::string ReadProperty(const std::string& name, const std::string& defaultText) const;

  // Stores `valueText` under `name`; a value equal to `defaultText` is left
  // out (and an earlier value of that name removed).
  void WriteProperty(const std::string& name, const std::string& valueText,
                     const std::string& defaultText);

  bool Contains(const std::string& name) const;

  // One "name=value" line per stored value, in writing order. Backslash,
  // line feed and carriage return in values are written as \\, \n and \r.
  std::string Save() const;
  static PropertyStore Load(const std::string& text);

 private:
  std::vector<std::pair<std::string, std::string>> values_;
};

// Typed readings. Each returns nothing when the stored text is not a value of
// the type (the caller then leaves its target unchanged); a text default is
// converted like stored text.
std::optional<std::int64_t> ReadInteger(const PropertyStore& store, const std::string& name,
                                        const std::string& defaultText, std::int64_t lowest,
                                        std::int64_t highest);
std::optional<std::int16_t> ReadBoolean(const PropertyStore& store, const std::string& name,
                                        bool defaultValue);  // -1 true, 0 false
// The stored font as a new object, or `defaultFont` itself when none is stored.
std::optional<FontRef> ReadFont(const PropertyStore& store, const std::string& name,
                                const FontRef& defaultFont);

// Typed writings: the value is left out when it equals the default.
void WriteInteger(PropertyStore& store, const std::string& name, std::int64_t value,
                  const std::string& defaultText);
void WriteBoolean(PropertyStore& store, const std::string& name, bool value, bool defaultValue);
void WriteFont(PropertyStore& store, const std::string& name, const FontRef& font,
               const FontRef& defaultFont);

// Whole decimal text, with an optional sign and nothing else.
std::optional<std::int64_t> ParseInteger(const std::string& text);
