#include "bgm_kind_view.h"

BgmKindView ViewOfBgmKind(std::int16_t kind) {
  BgmKindView view = {-1, false, false};
  if (kind >= 0 && kind <= 2) view.SelectedMark = kind;
  view.RepeatEnabled = kind == 1;
  view.FileButtonEnabled = kind == 2;
  return view;
}
