// The settings dialog "<Ondira>": the music source, the CD track to repeat
// and the music file, saved by its apply button.
#pragma once

namespace Ondira_P {

// Creates the dialog over the loaded settings values, shows it modally with
// no owner window and returns once it has been unloaded.
void ShowModal();

}  // namespace Ondira_P
