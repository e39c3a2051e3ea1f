// The gradient button "Ondira.Command": its fields, its constituent parts,
// its public members and its stored properties. Free of any platform: the
// hosting window is reached through `CommandSite` and two callbacks.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "command_site.h"
#include "property_store.h"

// 16-bit booleans as the control keeps them.
constexpr std::int16_t BoolTrue = -1;
constexpr std::int16_t BoolFalse = 0;

// Mouse buttons as mouse events carry them.
constexpr int LeftButton = 1;
constexpr int RightButton = 2;
constexpr int MiddleButton = 4;

// `LblMsg`: the windowless caption label laid over the face. Twips.
struct CaptionLabel {
  std::string Caption = "Command";  // UTF-8
  FontRef Font;
  std::uint32_t ForeColor = 0;  // 0x00BBGGRR
  bool Enabled = true;
  double Left = 0;
  double Top = 90;
  double Width = 1635;
  double Height = 195;
};

// `TmrMouse`: the hover poll.
struct MouseTimer {
  bool Enabled = false;
  int Interval = 100;
};

struct Command {
  std::uint8_t ButtonState =
      0;  // 0 not initialised, 1 Normal, 2 HighLight, 3 Selected, 4 HighLightSelect
  std::int16_t Enabled = BoolFalse;
  std::uint8_t FirstRun = 0;
  std::int16_t LeftButtonDown = BoolFalse;
  std::int16_t GradientReversed = BoolFalse;

  CaptionLabel LblMsg;
  MouseTimer TmrMouse;
  std::int16_t BackStyle = 1;  // the surface's background: 1 opaque, 0 transparent

  // The size of the last repaint, twips; kept when a new size does not fit.
  std::int16_t FaceWidth = 0;
  std::int16_t FaceHeight = 0;

  CommandSite* Site = nullptr;
  // Tells the host that the property of this name has changed.
  std::function<void(const std::string& name)> PropertyChanged;
  // The event `Click`. The host may destroy the control inside it.
  std::function<void()> Click;
};

// Public members, in declaration order.
void Initialize(Command& c);
std::uint8_t ReadVisible(Command& c);
void WriteVisible(Command& c, std::uint8_t value);
std::uint32_t ReadFontColour(Command& c);
void WriteFontColour(Command& c, std::uint32_t value);
std::int16_t ReadEnabled(Command& c);
void WriteEnabled(Command& c, std::int16_t value);
std::string ReadCaption(const Command& c);
void WriteCaption(Command& c, const std::string& value);
FontRef ReadFont(const Command& c);
void WriteFont(Command& c, const FontRef& value);

// Run when the control is resized and by every use of `Enabled`.
void ShowEnabledState(Command& c);
void RefreshButton(Command& c);

// The stored properties, read when the host loads the window and written
// when it saves it; `ambientFont` is the container's font.
void ReadProperties(Command& c, const PropertyStore& store, const FontRef& ambientFont);
void WriteProperties(Command& c, PropertyStore& store, const FontRef& ambientFont);
