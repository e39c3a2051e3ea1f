#include "command_input.h"

#include "draw_button.h"

void MouseDown(Command& c, int button) {
  if (c.Enabled == 0) return;
  if (button == LeftButton) {
    c.LeftButtonDown = BoolTrue;
    DrawButton(c, StatePicture::Pressed);
  }
}

void MouseMove(Command& c) {
  if (c.Enabled == 0) return;
  if (c.ButtonState == 1) {
    c.ButtonState = 2;
    DrawButton(c, StatePicture::HighLight);
  } else if (c.ButtonState == 3 && c.LeftButtonDown == 0) {
    c.ButtonState = 4;
    DrawButton(c, StatePicture::HighLightSelect);
  }
}

void MouseUp(Command& c, int button) {
  if (c.Enabled == 0) return;
  if (button == LeftButton) {
    c.LeftButtonDown = BoolFalse;
    if (c.ButtonState == 2) {
      DrawButton(c, StatePicture::Normal);
    } else if (c.ButtonState == 4) {
      DrawButton(c, StatePicture::HighLightSelect);
    }
  }
  if (c.ButtonState != 3 && c.Enabled != 0 && c.Click) {
    // The handler may destroy `c`, and the callback with it: call a copy,
    // and touch nothing afterwards.
    const auto click = c.Click;
    click();
  }
}

void GotFocus(Command& c) {
  if (c.Enabled == 0) return;
  if (c.ButtonState == 2) {
    c.ButtonState = 4;
    DrawButton(c, StatePicture::Pressed);
  } else {
    c.ButtonState = 3;
    DrawButton(c, StatePicture::Selected);
  }
}

void LostFocus(Command& c) {
  if (c.Enabled == 0) return;
  if (c.ButtonState != 1) {
    c.ButtonState = 1;
    DrawButton(c, StatePicture::Normal);
  }
}

void HoverPoll(Command& c, WindowId pointerWindow, WindowId ownWindow, WindowId containerWindow) {
  if (c.Enabled == 0) return;
  if (pointerWindow == containerWindow || pointerWindow != ownWindow) LeaveButton(c);
}

void LeaveButton(Command& c) {
  if (c.ButtonState == 2) {
    c.ButtonState = 1;
    DrawButton(c, StatePicture::Normal);
  } else if (c.ButtonState == 4) {
    c.ButtonState = 3;
    DrawButton(c, StatePicture::Selected);
  }
}
