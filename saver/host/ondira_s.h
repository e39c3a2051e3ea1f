// The full-screen run: a hidden window captioned "Ondira_Main" that starts
// the effect program, keeps the music going and ends the saver once the
// effect's presence window has gone.
#pragma once

namespace Ondira_S {

// Creates the run window, which starts the run from its load handler.
void LoadRunWindow();

}  // namespace Ondira_S
