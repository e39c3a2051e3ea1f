// The gradient button's reactions to the mouse, the keyboard focus and the
// hover poll. Every handler does nothing while the button is disabled.
#pragma once

#include <cstdint>

#include "command.h"

// `button` is LeftButton, RightButton or MiddleButton.
void MouseDown(Command& c, int button);
void MouseMove(Command& c);
// Raises `Click` last: the host may destroy the control in its handler.
void MouseUp(Command& c, int button);
void GotFocus(Command& c);
void LostFocus(Command& c);

// Identifies a window for the hover poll.
using WindowId = std::uintptr_t;

// One tick of `TmrMouse`: `pointerWindow` is the window under the pointer;
// any window but the control's own counts as the pointer having left.
void HoverPoll(Command& c, WindowId pointerWindow, WindowId ownWindow, WindowId containerWindow);
void LeaveButton(Command& c);
