// Which mark is selected and which extra control is usable for a music
// kind: the same rule on load and on every selection.
#pragma once

#include <cstdint>

struct BgmKindView {
  int SelectedMark;        // the k of Img_BGM(k) showing the selected mark; -1 for none
  bool RepeatEnabled;      // BGM_Repeat, for the audio CD
  bool FileButtonEnabled;  // Cmd_BGM, for the music file
};

// Kinds outside 0 to 2 select no mark and leave both controls disabled.
BgmKindView ViewOfBgmKind(std::int16_t kind);
