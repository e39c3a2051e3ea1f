#include "ondira_p.h"

#include <windows.h>
#include <shellapi.h>

#include <functional>

#include "application.h"
#include "apply_settings.h"
#include "bgm_kind_view.h"
#include "bgm_settings.h"
#include "combo_box.h"
#include "command_window.h"
#include "control_group.h"
#include "dialog_layout.h"
#include "file_chooser.h"
#include "font.h"
#include "form.h"
#include "gradient_on.h"
#include "ondira_b.h"
#include "picture_box.h"
#include "repeat_track.h"
#include "resources.h"
#include "set_command_buttons.h"
#include "settings_rules.h"
#include "text.h"
#include "windowless.h"
#include "zoom.h"

namespace Ondira_P {

namespace {

const char HomePage[] = "https://ondira.example/";
// About as wide as the designed label: it ends well left of Cmd_Etc.
const char CreditLine[] = "Designed by ODR Ver.1.0.0";

const COLORREF Black = RGB(0, 0, 0);
const COLORREF White = RGB(255, 255, 255);

// Every label's and button's font: "ＭＳ Ｐゴシック" 9.75 pt, Shift-JIS.
FontRef DialogFont() {
  auto font = std::make_shared<FontObject>();
  font->FaceName = "ＭＳ Ｐゴシック";
  font->Size = 9.75;
  font->Weight = 400;
  font->Charset = SHIFTJIS_CHARSET;
  return font;
}

class SettingsFileWriter : public SettingsWriter {
 public:
  void WriteValue(const std::string& key, const std::string& value) override {
    Ondira_B::WriteIniValue(SettingsKeys::Section, key, value, Ondira_B::SettingsFilePath());
  }
};

class SettingsDialog : public Form {
 public:
  SettingsDialog()
      : Form("<Ondira>", BorderStyle::FixedSingle, RGB(192, 192, 192)),
        font_(DialogFont()),
        gdiFont_(CreateFontOf(*font_)),
        Pic_C(RGB(224, 224, 224)) {
    SetClientSize(PixelsFromTwips(DialogLayout::ClientWidth, App::TwipsPerPixelX()),
                  PixelsFromTwips(DialogLayout::ClientHeight, App::TwipsPerPixelY()));
  }
  ~SettingsDialog() override { DeleteObject(gdiFont_); }

 protected:
  void OnLoad() override {
    CreateControls();
    PlaceWindow();
    SetCommandButtons(Handle(), true, true);
    ShowBgmKind(Ondira_BGM::BgmKind);
    BGM_Repeat.SetText(FormatRepeat(Ondira_BGM::BgmRepeat));
    for (int track = 0; track <= RepeatListLast; ++track) {
      BGM_Repeat.AddItem(FormatRepeat(static_cast<std::int16_t>(track)));
    }
    lbl_Fname.caption = Utf8FromAnsi(Ondira_BGM::BgmFile);
    POINT pointer = {0, 0};
    if (!GetCursorPos(&pointer)) pointer = {0, 0};
    Ondira_B::OpenCursorX = static_cast<std::int16_t>(pointer.x);
    Ondira_B::OpenCursorY = static_cast<std::int16_t>(pointer.y);
    Ondira_B::ZoomFromPoint(Handle());
    App::SetMousePointer(App::MousePointer::Default);
  }

  // The gradients of the window and of the panel, each from its own size.
  // The first resize comes when the window is first shown, after load.
  void OnResize() override {
    PaintGradientOn(*this);
    if (Pic_C.Handle() == nullptr) return;
    PaintGradientOn(Pic_C);
    Pic_C.Refresh();
  }

  void OnUnload() override { Ondira_B::ZoomToPoint(Handle()); }

  LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_ACTIVATE) {
      KeepFocus(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    }
    return Form::OnOtherMessage(message, wParam, lParam);
  }

 private:
  PixelBox Pixels(const TwipsBox& box) const {
    return PixelsFromTwips(box, App::TwipsPerPixelX(), App::TwipsPerPixelY());
  }

  // The controls as the window is designed, in tab order within each parent.
  void CreateControls() {
    HWND window = Handle();
    SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_CLIPCHILDREN);
    SetIcon(LoadIconA(App::Instance(), MAKEINTRESOURCEA(IDI_ONDIRA)));

    Img_Ra(0).picture = Picture::FromResource(IDB_MARK_OFF);
    Img_Ra(1).picture = Picture::FromResource(IDB_MARK_ON);
    PlaceOnWindow(Img_Ra(0), DialogLayout::Img_Ra_0);
    PlaceOnWindow(Img_Ra(1), DialogLayout::Img_Ra_1);
    MakeLabel(lbl(7), DialogLayout::lbl_7, CreditLine, White, true);
    AddControl(lbl(7));

    const PixelBox panel = Pixels(DialogLayout::Pic_C);
    Pic_C.border = true;
    Pic_C.Create(window, panel.Left, panel.Top, panel.Width, panel.Height);
    HWND inside = Pic_C.Handle();
    PlaceInPanel(Shape3, DialogLayout::Shape3);
    Shape3.borderColour = Black;
    MakeLabel(lbl(15), DialogLayout::lbl_15, "BGM", Black, false);
    lbl(15).alignment = Label::Alignment::Centre;
    Pic_C.AddControl(lbl(15));
    MakeOption(1, DialogLayout::Img_BGM_1, DialogLayout::lbl_BGM_1, "音楽CD");
    MakeLabel(lbl(14), DialogLayout::lbl_14, "曲目をﾘﾋﾟｰﾄ", Black, true);
    Pic_C.AddControl(lbl(14));
    MakeOption(0, DialogLayout::Img_BGM_0, DialogLayout::lbl_BGM_0, "無し");
    MakeOption(2, DialogLayout::Img_BGM_2, DialogLayout::lbl_BGM_2, "MP3、WAV");
    MakeLabel(lbl_Fname, DialogLayout::lbl_Fname, "", Black, false);
    lbl_Fname.border = true;
    lbl_Fname.wordWrap = true;
    Pic_C.AddControl(lbl_Fname);

    const PixelBox combo = Pixels(DialogLayout::BGM_Repeat);
    BGM_Repeat.Create(inside, combo.Left, combo.Top, combo.Width, combo.Height, gdiFont_);
    Cmd_BGM = MakeButton(inside, DialogLayout::Cmd_BGM, "...", [this] { Cmd_BGM_Click(); });
    Cmd_Set = MakeButton(window, DialogLayout::Cmd_Set, "設定", [this] { Cmd_Set_Click(); });
    Cmd_Can = MakeButton(window, DialogLayout::Cmd_Can, "ｷｬﾝｾﾙ", [this] { Cmd_Can_Click(); });
    Cmd_Etc = MakeButton(window, DialogLayout::Cmd_Etc, "その他の作品", [this] { Cmd_Etc_Click(); });
  }

  void PlaceOnWindow(WindowlessControl& control, const TwipsBox& box) {
    const PixelBox at = Pixels(box);
    control.SetBounds(at.Left, at.Top, at.Width, at.Height);
    AddControl(control);
  }

  void PlaceInPanel(WindowlessControl& control, const TwipsBox& box) {
    const PixelBox at = Pixels(box);
    control.SetBounds(at.Left, at.Top, at.Width, at.Height);
    Pic_C.AddControl(control);
  }

  // A label with a transparent background; `fitText` sizes it to its caption.
  void MakeLabel(Label& label, const TwipsBox& box, const char* caption, COLORREF colour,
                 bool fitText) {
    const PixelBox at = Pixels(box);
    label.SetBounds(at.Left, at.Top, at.Width, at.Height);
    label.caption = caption;
    label.font = gdiFont_;
    label.textColour = colour;
    if (fitText) {
      HDC screen = GetDC(nullptr);
      label.SizeToCaption(screen);
      ReleaseDC(nullptr, screen);
    }
  }

  // The mark and the caption of option k; a press of any button on either selects it.
  void MakeOption(int k, const TwipsBox& mark, const TwipsBox& caption, const char* text) {
    PlaceInPanel(Img_BGM(k), mark);
    MakeLabel(lbl_BGM(k), caption, text, Black, true);
    Pic_C.AddControl(lbl_BGM(k));
    const auto select = [this, k](int, int, int, int) { SelectBgmKind(k); };
    Img_BGM(k).onMouseDown = select;
    lbl_BGM(k).onMouseDown = select;
  }

  // A gradient button with only its caption and font stored, as designed.
  HWND MakeButton(HWND parent, const TwipsBox& box, const char* caption,
                  std::function<void()> click) {
    PropertyStore stored;
    stored.WriteProperty("Caption", caption, "Command");
    WriteFont(stored, "Font", font_, nullptr);
    const PixelBox at = Pixels(box);
    CommandWindowOptions options;
    options.Parent = parent;
    options.Left = at.Left;
    options.Top = at.Top;
    options.Width = at.Width;
    options.Height = at.Height;
    options.StoredProperties = &stored;
    options.AmbientFont = font_;
    options.Click = std::move(click);
    return CreateCommandWindow(options);
  }

  // Centred across the screen, a third of the free height down, in twips.
  void PlaceWindow() {
    RECT outer = {};
    if (!GetWindowRect(Handle(), &outer)) return;
    const int twipsX = App::TwipsPerPixelX();
    const int twipsY = App::TwipsPerPixelY();
    const TwipsPosition at =
        PlaceDialog(App::ScreenWidthTwips(), App::ScreenHeightTwips(),
                    (outer.right - outer.left) * twipsX, (outer.bottom - outer.top) * twipsY);
    SetWindowPos(Handle(), nullptr, PixelsFromTwips(at.Left, twipsX),
                 PixelsFromTwips(at.Top, twipsY), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  void SetFileButtonEnabled(bool enabled) {
    if (Command* button = CommandOf(Cmd_BGM)) WriteEnabled(*button, enabled ? BoolTrue : BoolFalse);
  }

  // The marks and the extra controls for `kind`, on load and on every selection.
  void ShowBgmKind(std::int16_t kind) {
    SetFileButtonEnabled(false);
    BGM_Repeat.SetEnabled(false);
    for (int k = 0; k <= 2; ++k) Img_BGM(k).picture = Img_Ra(0).picture;
    const BgmKindView view = ViewOfBgmKind(kind);
    if (view.SelectedMark >= 0) Img_BGM(view.SelectedMark).picture = Img_Ra(1).picture;
    if (view.RepeatEnabled) BGM_Repeat.SetEnabled(true);
    if (view.FileButtonEnabled) SetFileButtonEnabled(true);
    Pic_C.Refresh();
  }

  void SelectBgmKind(int k) {
    Ondira_BGM::BgmKind = static_cast<std::int16_t>(k);
    ShowBgmKind(Ondira_BGM::BgmKind);
  }

  void Cmd_BGM_Click() {
    if (const std::optional<std::string> chosen = ChooseBgmFile(Handle())) {
      Ondira_BGM::BgmFile = *chosen;
      lbl_Fname.caption = Utf8FromAnsi(Ondira_BGM::BgmFile);
      Pic_C.Refresh();
    }
  }

  void Cmd_Set_Click() {
    SettingsFileWriter settingsFile;
    ApplySettings(settingsFile, BGM_Repeat.Text());
    Unload();
  }

  void Cmd_Can_Click() { Unload(); }

  void Cmd_Etc_Click() {
    App::SetMousePointer(App::MousePointer::Hourglass);
    ShellExecuteA(Handle(), "open", HomePage, "", "", SW_SHOWNORMAL);
    App::SetMousePointer(App::MousePointer::Default);
  }

  // The control that had the focus gets it back when the window is
  // activated again; at first the panel has it, the first in tab order.
  void KeepFocus(bool activated) {
    if (!activated) {
      HWND focus = GetFocus();
      if (focus != nullptr && IsChild(Handle(), focus)) lastFocus_ = focus;
      return;
    }
    HWND target = lastFocus_;
    if (target == nullptr || !IsWindow(target) || !IsWindowEnabled(target)) target = Pic_C.Handle();
    if (target != nullptr) SetFocus(target);
  }

  FontRef font_;
  HFONT gdiFont_;
  // Pic_C(0), the one element of its group.
  PictureBox Pic_C;
  ControlGroup<Label> lbl;
  ControlGroup<Label> lbl_BGM;
  ControlGroup<Image> Img_BGM;
  ControlGroup<Image> Img_Ra;
  Shape Shape3;
  Label lbl_Fname;
  ComboBox BGM_Repeat;
  HWND Cmd_BGM = nullptr;
  HWND Cmd_Set = nullptr;
  HWND Cmd_Can = nullptr;
  HWND Cmd_Etc = nullptr;
  HWND lastFocus_ = nullptr;
};

}  // namespace

void ShowModal() {
  SettingsDialog dialog;
  dialog.ShowModal();
}

}  // namespace Ondira_P
