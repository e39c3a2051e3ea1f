// The button's states under mouse, focus and hover-poll input, and when it
// raises Click.
#include <gtest/gtest.h>

#include <memory>

#include "command_input.h"
#include "recording_site.h"

namespace {

constexpr WindowId OwnWindow = 0x100;
constexpr WindowId ContainerWindow = 0x200;
constexpr WindowId OtherWindow = 0x300;

enum class Input {
  Move,
  PollElsewhere,
  PollOverContainer,
  PollOverButton,
  FocusGained,
  FocusLost,
  LeftPress,
  LeftRelease,
  RightPress,
  RightRelease,
  MiddlePress,
  MiddleRelease,
};

const char* NameOf(Input input) {
  static const char* const names[] = {
      "move",         "poll elsewhere", "poll over container", "poll over button",
      "focus gained", "focus lost",     "left press",          "left release",
      "right press",  "right release",  "middle press",        "middle release"};
  return names[static_cast<int>(input)];
}

void Apply(Command& c, Input input) {
  switch (input) {
    case Input::Move:
      MouseMove(c);
      break;
    case Input::PollElsewhere:
      HoverPoll(c, OtherWindow, OwnWindow, ContainerWindow);
      break;
    case Input::PollOverContainer:
      HoverPoll(c, ContainerWindow, OwnWindow, ContainerWindow);
      break;
    case Input::PollOverButton:
      HoverPoll(c, OwnWindow, OwnWindow, ContainerWindow);
      break;
    case Input::FocusGained:
      GotFocus(c);
      break;
    case Input::FocusLost:
      LostFocus(c);
      break;
    case Input::LeftPress:
      MouseDown(c, LeftButton);
      break;
    case Input::LeftRelease:
      MouseUp(c, LeftButton);
      break;
    case Input::RightPress:
      MouseDown(c, RightButton);
      break;
    case Input::RightRelease:
      MouseUp(c, RightButton);
      break;
    case Input::MiddlePress:
      MouseDown(c, MiddleButton);
      break;
    case Input::MiddleRelease:
      MouseUp(c, MiddleButton);
      break;
  }
}

using P = StatePicture;
constexpr std::optional<StatePicture> None = std::nullopt;

struct Transition {
  int from;
  Input input;
  int to;
  std::optional<StatePicture> picture;  // None: nothing repainted
  bool click;
};

// Every state by every input, with no left press pending.
const Transition Transitions[] = {
    {0, Input::Move, 0, None, false},
    {0, Input::PollElsewhere, 0, None, false},
    {0, Input::PollOverContainer, 0, None, false},
    {0, Input::PollOverButton, 0, None, false},
    {0, Input::FocusGained, 3, P::Selected, false},
    {0, Input::FocusLost, 1, P::Normal, false},
    {0, Input::LeftPress, 0, P::Pressed, false},
    {0, Input::LeftRelease, 0, None, true},
    {0, Input::RightPress, 0, None, false},
    {0, Input::RightRelease, 0, None, true},
    {0, Input::MiddlePress, 0, None, false},
    {0, Input::MiddleRelease, 0, None, true},

    {1, Input::Move, 2, P::HighLight, false},
    {1, Input::PollElsewhere, 1, None, false},
    {1, Input::PollOverContainer, 1, None, false},
    {1, Input::PollOverButton, 1, None, false},
    {1, Input::FocusGained, 3, P::Selected, false},
    {1, Input::FocusLost, 1, None, false},
    {1, Input::LeftPress, 1, P::Pressed, false},
    {1, Input::LeftRelease, 1, None, true},
    {1, Input::RightPress, 1, None, false},
    {1, Input::RightRelease, 1, None, true},
    {1, Input::MiddlePress, 1, None, false},
    {1, Input::MiddleRelease, 1, None, true},

    {2, Input::Move, 2, None, false},
    {2, Input::PollElsewhere, 1, P::Normal, false},
    {2, Input::PollOverContainer, 1, P::Normal, false},
    {2, Input::PollOverButton, 2, None, false},
    {2, Input::FocusGained, 4, P::Pressed, false},
    {2, Input::FocusLost, 1, P::Normal, false},
    {2, Input::LeftPress, 2, P::Pressed, false},
    {2, Input::LeftRelease, 2, P::Normal, true},
    {2, Input::RightPress, 2, None, false},
    {2, Input::RightRelease, 2, None, true},
    {2, Input::MiddlePress, 2, None, false},
    {2, Input::MiddleRelease, 2, None, true},

    {3, Input::Move, 4, P::HighLightSelect, false},
    {3, Input::PollElsewhere, 3, None, false},
    {3, Input::PollOverContainer, 3, None, false},
    {3, Input::PollOverButton, 3, None, false},
    {3, Input::FocusGained, 3, P::Selected, false},
    {3, Input::FocusLost, 1, P::Normal, false},
    {3, Input::LeftPress, 3, P::Pressed, false},
    {3, Input::LeftRelease, 3, None, false},
    {3, Input::RightPress, 3, None, false},
    {3, Input::RightRelease, 3, None, false},
    {3, Input::MiddlePress, 3, None, false},
    {3, Input::MiddleRelease, 3, None, false},

    {4, Input::Move, 4, None, false},
    {4, Input::PollElsewhere, 3, P::Selected, false},
    {4, Input::PollOverContainer, 3, P::Selected, false},
    {4, Input::PollOverButton, 4, None, false},
    {4, Input::FocusGained, 3, P::Selected, false},
    {4, Input::FocusLost, 1, P::Normal, false},
    {4, Input::LeftPress, 4, P::Pressed, false},
    {4, Input::LeftRelease, 4, P::HighLightSelect, true},
    {4, Input::RightPress, 4, None, false},
    {4, Input::RightRelease, 4, None, true},
    {4, Input::MiddlePress, 4, None, false},
    {4, Input::MiddleRelease, 4, None, true},
};

TEST(CommandTransitions, EveryStateByEveryInput) {
  for (const Transition& t : Transitions) {
    CommandOnSite button;
    button.Control.ButtonState = static_cast<std::uint8_t>(t.from);
    Apply(button.Control, t.input);

    const std::string where = std::to_string(t.from) + ", " + NameOf(t.input);
    EXPECT_EQ(button.Control.ButtonState, t.to) << where;
    EXPECT_EQ(button.Site.Repaints(), t.picture ? 1 : 0) << where;
    EXPECT_EQ(button.Site.LastPicture(), t.picture) << where;
    EXPECT_EQ(button.Clicks, t.click ? 1 : 0) << where;
  }
}

TEST(CommandTransitions, OnlyTheLeftButtonIsHeldAsPending) {
  CommandOnSite button;
  button.Control.ButtonState = 2;
  MouseDown(button.Control, RightButton);
  EXPECT_EQ(button.Control.LeftButtonDown, BoolFalse);
  MouseDown(button.Control, LeftButton);
  EXPECT_EQ(button.Control.LeftButtonDown, BoolTrue);
  MouseUp(button.Control, MiddleButton);
  EXPECT_EQ(button.Control.LeftButtonDown, BoolTrue);
  MouseUp(button.Control, LeftButton);
  EXPECT_EQ(button.Control.LeftButtonDown, BoolFalse);
}

TEST(CommandTransitions, FocusedButtonWithALeftPressPendingDoesNotTakeTheHoverLook) {
  CommandOnSite button;
  button.Control.ButtonState = 3;
  button.Control.LeftButtonDown = BoolTrue;
  MouseMove(button.Control);
  EXPECT_EQ(button.Control.ButtonState, 3);
  EXPECT_EQ(button.Site.Repaints(), 0);
}

TEST(CommandTransitions, DisabledButtonIgnoresEveryInput) {
  for (int state = 0; state <= 4; ++state) {
    for (int i = 0; i <= static_cast<int>(Input::MiddleRelease); ++i) {
      CommandOnSite button;
      button.Control.Enabled = BoolFalse;
      button.Control.ButtonState = static_cast<std::uint8_t>(state);
      Apply(button.Control, static_cast<Input>(i));
      const std::string where = std::to_string(state) + ", " + NameOf(static_cast<Input>(i));
      EXPECT_EQ(button.Control.ButtonState, state) << where;
      EXPECT_EQ(button.Control.LeftButtonDown, BoolFalse) << where;
      EXPECT_EQ(button.Site.Repaints(), 0) << where;
      EXPECT_EQ(button.Clicks, 0) << where;
    }
  }
}

// Sequences of input as a user makes them, with the state and face after each step.
struct Step {
  Input input;
  int state;
  std::optional<StatePicture> face;  // the face shown after the step
  int clicks;                        // clicks so far
};

struct Sequence {
  const char* name;
  int start;
  std::vector<Step> steps;
};

TEST(CommandTransitions, UserSequences) {
  const Sequence sequences[] = {
      {"a click on a button without the focus",
       1,
       {{Input::Move, 2, P::HighLight, 0},
        {Input::LeftPress, 2, P::Pressed, 0},
        {Input::FocusGained, 4, P::Pressed, 0},
        {Input::LeftRelease, 4, P::HighLightSelect, 1},
        {Input::PollElsewhere, 3, P::Selected, 1},
        {Input::FocusLost, 1, P::Normal, 1}}},
      {"focus gained before the press is noticed",
       2,
       {{Input::FocusGained, 4, P::Pressed, 0},
        {Input::LeftPress, 4, P::Pressed, 0},
        {Input::LeftRelease, 4, P::HighLightSelect, 1}}},
      {"press, drag off and release before the next poll tick",
       4,
       {{Input::LeftPress, 4, P::Pressed, 0},
        {Input::Move, 4, P::Pressed, 0},
        {Input::LeftRelease, 4, P::HighLightSelect, 1}}},
      {"press, drag off and release after a poll tick",
       4,
       {{Input::LeftPress, 4, P::Pressed, 0},
        {Input::PollElsewhere, 3, P::Selected, 0},
        {Input::Move, 3, P::Selected, 0},
        {Input::LeftRelease, 3, P::Selected, 0}}},
      {"press and release with no movement first",
       1,
       {{Input::LeftPress, 1, P::Pressed, 0},
        {Input::FocusGained, 3, P::Selected, 0},
        {Input::LeftRelease, 3, P::Selected, 0},
        {Input::Move, 4, P::HighLightSelect, 0},
        {Input::LeftPress, 4, P::Pressed, 0},
        {Input::LeftRelease, 4, P::HighLightSelect, 1}}},
      {"focus by the tab order while the pointer rests on the button",
       2,
       {{Input::FocusGained, 4, P::Pressed, 0},
        {Input::PollOverButton, 4, P::Pressed, 0},
        {Input::PollElsewhere, 3, P::Selected, 0}}},
      {"focus lost while hovered",
       4,
       {{Input::FocusLost, 1, P::Normal, 0}, {Input::Move, 2, P::HighLight, 0}}},
      {"left release on a hovered button without the focus",
       2,
       {{Input::LeftPress, 2, P::Pressed, 0},
        {Input::LeftRelease, 2, P::Normal, 1},
        {Input::Move, 2, P::Normal, 1},
        {Input::PollElsewhere, 1, P::Normal, 1},
        {Input::Move, 2, P::HighLight, 1}}},
      {"right and middle releases over a hovered button",
       4,
       {{Input::RightPress, 4, None, 0},
        {Input::RightRelease, 4, None, 1},
        {Input::MiddleRelease, 4, None, 2}}},
  };
  for (const Sequence& sequence : sequences) {
    CommandOnSite button;
    button.Control.ButtonState = static_cast<std::uint8_t>(sequence.start);
    for (size_t i = 0; i < sequence.steps.size(); ++i) {
      const Step& step = sequence.steps[i];
      Apply(button.Control, step.input);
      const std::string where = std::string(sequence.name) + ", step " + std::to_string(i + 1);
      EXPECT_EQ(button.Control.ButtonState, step.state) << where;
      EXPECT_EQ(button.Site.LastPicture(), step.face) << where;
      EXPECT_EQ(button.Clicks, step.clicks) << where;
    }
  }
}

TEST(CommandTransitions, GradientDirectionFollowsTheStateOfEachRepaint) {
  CommandOnSite button;
  button.Control.ButtonState = 1;
  const struct {
    Input input;
    bool reversed;
  } steps[] = {
      {Input::Move, true},            // 2: lavender on top
      {Input::FocusGained, true},     // 4 keeps the direction of the last repaint
      {Input::PollElsewhere, false},  // 3
      {Input::Move, false},           // 4 keeps it again
      {Input::FocusLost, false},      // 1
  };
  for (const auto& step : steps) {
    Apply(button.Control, step.input);
    EXPECT_EQ(button.Site.LastGradientReversed(), step.reversed) << NameOf(step.input);
    EXPECT_EQ(button.Control.GradientReversed, step.reversed ? BoolTrue : BoolFalse);
  }
}

TEST(CommandTransitions, PollRepaintsOnlyWhenTheStateChanges) {
  CommandOnSite button;
  Initialize(button.Control);
  EXPECT_TRUE(button.Site.TimerEnabled);
  EXPECT_EQ(button.Site.TimerInterval, 100);
  EXPECT_EQ(button.Site.Repaints(), 0);  // Initialize paints nothing

  for (int tick = 0; tick < 50; ++tick) Apply(button.Control, Input::PollElsewhere);
  EXPECT_EQ(button.Site.Repaints(), 0);

  MouseMove(button.Control);
  button.Site.Forget();
  for (int tick = 0; tick < 50; ++tick) Apply(button.Control, Input::PollOverButton);
  EXPECT_EQ(button.Site.Repaints(), 0);
  for (int tick = 0; tick < 50; ++tick) Apply(button.Control, Input::PollElsewhere);
  EXPECT_EQ(button.Site.Repaints(), 1);
}

TEST(CommandTransitions, ReleaseTouchesNothingAfterAClickHandlerDestroysTheButton) {
  RecordingSite site;
  auto* button = new Command;
  button->Site = &site;
  button->Enabled = BoolTrue;
  button->ButtonState = 4;
  int clicks = 0;
  button->Click = [button, &clicks] {
    delete button;  // as a dialog does when it unloads itself
    ++clicks;
  };
  MouseUp(*button, LeftButton);  // the sanitizer reports any later access
  EXPECT_EQ(clicks, 1);
}

}  // namespace
