#include "command.h"

#include "draw_button.h"

namespace {

void ReportChange(Command& c, const char* name) {
  if (c.PropertyChanged) c.PropertyChanged(name);
}

}  // namespace

void Initialize(Command& c) {
  c.ButtonState = 1;
  c.TmrMouse.Interval = 100;
  c.TmrMouse.Enabled = true;
  if (c.Site != nullptr) c.Site->ApplyMouseTimer(c.TmrMouse.Enabled, c.TmrMouse.Interval);
}

std::uint8_t ReadVisible(Command& c) {
  if (c.BackStyle == 0) return 0;
  RefreshButton(c);
  return 255;
}

void WriteVisible(Command& c, std::uint8_t value) {
  if (value == 0) {
    c.BackStyle = 0;
  } else {
    c.BackStyle = 1;
    RefreshButton(c);
  }
  ReportChange(c, "Visible");
}

std::uint32_t ReadFontColour(Command& c) {
  const std::uint32_t colour = c.LblMsg.ForeColor;
  RefreshButton(c);
  return colour;
}

void WriteFontColour(Command& c, std::uint32_t value) {
  c.LblMsg.ForeColor = value;
  RefreshButton(c);
  ReportChange(c, "FontColour");
}

std::int16_t ReadEnabled(Command& c) {
  if (c.FirstRun == 0) {
    RefreshButton(c);
    c.FirstRun = 1;
    c.Enabled = BoolTrue;
  }
  const std::int16_t enabled = c.Enabled;
  ShowEnabledState(c);
  return enabled;
}

void WriteEnabled(Command& c, std::int16_t value) {
  c.Enabled = value != 0 ? BoolTrue : BoolFalse;
  ReportChange(c, "Enabled");
  ShowEnabledState(c);
}

std::string ReadCaption(const Command& c) { return c.LblMsg.Caption; }

void WriteCaption(Command& c, const std::string& value) {
  c.LblMsg.Caption = value;
  ReportChange(c, "Caption");
}

FontRef ReadFont(const Command& c) { return c.LblMsg.Font; }

void WriteFont(Command& c, const FontRef& value) {
  if (value) c.LblMsg.Font = value;  // a label always has a font
  ReportChange(c, "Font");
}

void ShowEnabledState(Command& c) {
  if (c.Enabled != 0) {
    DrawButton(c, StatePicture::Normal);
    c.LblMsg.Enabled = true;
  } else {
    DrawButton(c, StatePicture::Disable);
    c.LblMsg.Enabled = false;
  }
}

void RefreshButton(Command& c) {
  if (c.Enabled == 0) return;
  c.LblMsg.Enabled = true;
  if (c.FirstRun == 0) c.LblMsg.ForeColor = 0;
  DrawButton(c, StatePicture::Normal);
}

void ReadProperties(Command& c, const PropertyStore& store, const FontRef& ambientFont) {
  // A value that is not of its key's type leaves its target as it was.
  if (auto enabled = ReadBoolean(store, "Enabled", true)) c.Enabled = *enabled;
  c.LblMsg.Caption = store.ReadProperty("Caption", "Command1");
  if (auto font = ReadFont(store, "Font", ambientFont); font && *font) c.LblMsg.Font = *font;
  if (auto firstRun = ReadInteger(store, "FirstRun", "1", 0, 255)) {
    c.FirstRun = static_cast<std::uint8_t>(*firstRun);
  }
  if (auto colour = ReadInteger(store, "FontColour", "0", INT32_MIN, UINT32_MAX)) {
    c.LblMsg.ForeColor = static_cast<std::uint32_t>(*colour);
  }
  if (auto style = ReadInteger(store, "Visible", "1", 0, 1)) {
    c.BackStyle = static_cast<std::int16_t>(*style);
  }
  RefreshButton(c);
}

void WriteProperties(Command& c, PropertyStore& store, const FontRef& ambientFont) {
  WriteBoolean(store, "Enabled", c.Enabled != 0, true);
  store.WriteProperty("Caption", c.LblMsg.Caption, "Command");
  WriteInteger(store, "FirstRun", c.FirstRun, "1");
  WriteFont(store, "Font", c.LblMsg.Font, ambientFont);
  WriteInteger(store, "FontColour", c.LblMsg.ForeColor, "0");
  WriteInteger(store, "Visible", c.BackStyle, "1");
  RefreshButton(c);
}
