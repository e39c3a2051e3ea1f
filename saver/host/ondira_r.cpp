#include "ondira_r.h"

#include <windows.h>

#include <memory>

#include "application.h"
#include "form.h"
#include "preview_geometry.h"
#include "resources.h"
#include "timer.h"
#include "windowless.h"

namespace Ondira_R {

namespace {

class PreviewWindow : public Form {
 public:
  explicit PreviewWindow(HWND parent)
      : Form("Preview Window", BorderStyle::None, RGB(0, 0, 0)),
        parent_(parent),
        parentWatch_(*this, 500, [this] { EndWhenParentHasGone(); }) {
    Img_Prev.picture = Picture::FromResource(IDB_PREVIEW);
    AddControl(Img_Prev);
  }

  // Places the window over the parent's whole area, in twips as the
  // layout is kept, and the picture over the whole window.
  void FitInto(const PreviewSize& size) {
    HWND window = Handle();
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    // A child cannot be a popup as well.
    SetWindowLongA(window, GWL_STYLE, (style | WS_CHILD) & ~static_cast<LONG>(WS_POPUP));
    SetParent(window, parent_);
    const int width = size.widthTwips / App::TwipsPerPixelX();
    const int height = size.heightTwips / App::TwipsPerPixelY();
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    Img_Prev.SetBounds(0, 0, width, height);
    parentWatch_.SetEnabled(true);
  }

 private:
  LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    // Destroyed with its parent: the preview is over.
    if (message == WM_DESTROY) App::TerminateAtOnce();
    return Form::OnOtherMessage(message, wParam, lParam);
  }

  void EndWhenParentHasGone() {
    if (!IsWindow(parent_)) App::TerminateAtOnce();
  }

  HWND parent_;
  Image Img_Prev;
  Timer parentWatch_;
};

}  // namespace

void ShowPreview(std::int32_t parent) {
  HWND parentWindow = reinterpret_cast<HWND>(static_cast<INT_PTR>(parent));
  RECT outer = {0, 0, 0, 0};
  if (parent == 0 || !GetWindowRect(parentWindow, &outer)) App::TerminateAtOnce();

  const PreviewSize size =
      PreviewSizeInTwips(outer.left, outer.top, outer.right, outer.bottom, App::TwipsPerPixelX(),
                         App::TwipsPerPixelY());
  static std::unique_ptr<PreviewWindow> window;
  window = std::make_unique<PreviewWindow>(parentWindow);
  window->Load();
  window->FitInto(size);
  window->Show();
}

}  // namespace Ondira_R
