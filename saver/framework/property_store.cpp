#include "property_store.h"

#include <algorithm>
#include <locale>
#include <sstream>

bool operator==(const FontObject& a, const FontObject& b) {
  return a.FaceName == b.FaceName && a.Size == b.Size && a.Weight == b.Weight &&
         a.Italic == b.Italic && a.Underline == b.Underline && a.Strikethrough == b.Strikethrough &&
         a.Charset == b.Charset;
}

namespace {

std::string SizeToText(double size) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text.precision(15);
  text << size;
  return text.str();
}

std::optional<double> SizeFromText(const std::string& text) {
  std::istringstream input(text);
  input.imbue(std::locale::classic());
  double size = 0;
  if (!(input >> size) || !input.eof() || size <= 0) return std::nullopt;
  return size;
}

std::string EscapeValue(const std::string& value) {
  std::string escaped;
  for (char ch : value) {
    if (ch == '\\') {
      escaped += "\\\\";
    } else if (ch == '\n') {
      escaped += "\\n";
    } else if (ch == '\r') {
      escaped += "\\r";
    } else {
      escaped += ch;
    }
  }
  return escaped;
}

std::string UnescapeValue(const std::string& escaped) {
  std::string value;
  for (size_t i = 0; i < escaped.size(); ++i) {
    if (escaped[i] != '\\' || i + 1 == escaped.size()) {
      value += escaped[i];
      continue;
    }
    const char next = escaped[++i];
    value += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
  }
  return value;
}

}  // namespace

std::string FontToText(const FontObject& font) {
  return SizeToText(font.Size) + ";" + std::to_string(font.Weight) + ";" +
         (font.Italic ? "1" : "0") + ";" + (font.Underline ? "1" : "0") + ";" +
         (font.Strikethrough ? "1" : "0") + ";" + std::to_string(font.Charset) + ";" +
         font.FaceName;
}

std::optional<FontObject> FontFromText(const std::string& text) {
  // Six numbers, then the face name, which may itself hold any character.
  std::vector<std::string> fields;
  size_t start = 0;
  while (fields.size() < 6) {
    const size_t end = text.find(';', start);
    if (end == std::string::npos) return std::nullopt;
    fields.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  FontObject font;
  font.FaceName = text.substr(start);
  const std::optional<double> size = SizeFromText(fields[0]);
  const std::optional<std::int64_t> weight = ParseInteger(fields[1]);
  const std::optional<std::int64_t> charset = ParseInteger(fields[5]);
  if (!size || !weight || *weight < 0 || *weight > 1000 || !charset || *charset < 0 ||
      *charset > 255) {
    return std::nullopt;
  }
  bool* flags[] = {&font.Italic, &font.Underline, &font.Strikethrough};
  for (int i = 0; i < 3; ++i) {
    const std::string& flag = fields[2 + i];
    if (flag != "0" && flag != "1") return std::nullopt;
    *flags[i] = flag == "1";
  }
  font.Size = *size;
  font.Weight = static_cast<int>(*weight);
  font.Charset = static_cast<int>(*charset);
  return font;
}

std::string PropertyStore::ReadProperty(const std::string& name,
                                        const std::string& defaultText) const {
  for (const auto& value : values_) {
    if (value.first == name) return value.second;
  }
  return defaultText;
}

void PropertyStore::WriteProperty(const std::string& name, const std::string& valueText,
                                  const std::string& defaultText) {
  auto found = std::find_if(values_.begin(), values_.end(),
                            [&](const auto& value) { return value.first == name; });
  if (valueText == defaultText) {
    if (found != values_.end()) values_.erase(found);
  } else if (found != values_.end()) {
    found->second = valueText;
  } else {
    values_.emplace_back(name, valueText);
  }
}

bool PropertyStore::Contains(const std::string& name) const {
  return std::any_of(values_.begin(), values_.end(),
                     [&](const auto& value) { return value.first == name; });
}

std::string PropertyStore::Save() const {
  std::string text;
  for (const auto& value : values_) text += value.first + "=" + EscapeValue(value.second) + "\n";
  return text;
}

PropertyStore PropertyStore::Load(const std::string& text) {
  PropertyStore store;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const size_t equals = line.find('=');
    if (equals == std::string::npos || equals == 0) continue;
    const std::string name = line.substr(0, equals);
    const std::string value = UnescapeValue(line.substr(equals + 1));
    auto found = std::find_if(store.values_.begin(), store.values_.end(),
                              [&](const auto& entry) { return entry.first == name; });
    if (found != store.values_.end()) {
      found->second = value;
    } else {
      store.values_.emplace_back(name, value);
    }
  }
  return store;
}

std::optional<std::int64_t> ParseInteger(const std::string& text) {
  size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
  if (i == text.size() || text.size() - i > 18) return std::nullopt;
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

std::optional<std::int64_t> ReadInteger(const PropertyStore& store, const std::string& name,
                                        const std::string& defaultText, std::int64_t lowest,
                                        std::int64_t highest) {
  const std::optional<std::int64_t> value = ParseInteger(store.ReadProperty(name, defaultText));
  if (!value || *value < lowest || *value > highest) return std::nullopt;
  return value;
}

std::optional<std::int16_t> ReadBoolean(const PropertyStore& store, const std::string& name,
                                        bool defaultValue) {
  const std::optional<std::int64_t> value =
      ReadInteger(store, name, defaultValue ? "-1" : "0", -32768, 32767);
  if (!value) return std::nullopt;
  return static_cast<std::int16_t>(*value != 0 ? -1 : 0);
}

std::optional<FontRef> ReadFont(const PropertyStore& store, const std::string& name,
                                const FontRef& defaultFont) {
  if (!store.Contains(name)) return defaultFont;
  const std::optional<FontObject> font = FontFromText(store.ReadProperty(name, ""));
  if (!font) return std::nullopt;
  return std::make_shared<FontObject>(*font);
}

void WriteInteger(PropertyStore& store, const std::string& name, std::int64_t value,
                  const std::string& defaultText) {
  const std::optional<std::int64_t> defaultValue = ParseInteger(defaultText);
  const std::string text = std::to_string(value);
  store.WriteProperty(name, text, defaultValue && *defaultValue == value ? text : "");
}

void WriteBoolean(PropertyStore& store, const std::string& name, bool value, bool defaultValue) {
  const std::string text = value ? "-1" : "0";
  store.WriteProperty(name, text, value == defaultValue ? text : "");
}

void WriteFont(PropertyStore& store, const std::string& name, const FontRef& font,
               const FontRef& defaultFont) {
  const bool same = font == defaultFont || (font && defaultFont && *font == *defaultFont);
  if (!font || same) {
    store.WriteProperty(name, "", "");  // left out
    return;
  }
  store.WriteProperty(name, FontToText(*font), defaultFont ? FontToText(*defaultFont) : "");
}
