// The real saver started with the configure switch: the dialog's window and
// layout, choosing the music source with the mouse, the file chooser, and
// what apply, cancel and the close box leave in the settings file.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "dialog_driver.h"

using namespace wine_test;

namespace {

const DWORD EndsAtOnceMs = 3000;

// The edit text of a combo box in another process: asked of the control
// itself, since GetWindowText reads only a window's own caption there.
std::string ComboText(HWND combo) {
  char text[64] = {};
  SendMessageA(combo, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return text;
}

class SettingsDialog : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { install = new SaverInstall("Ondira Dialog", true); }
  static void TearDownTestSuite() {
    DeleteFileA(MusicFolder().append("\\").append(MusicName()).c_str());
    RemoveDirectoryA(MusicFolder().c_str());
    delete install;
    install = nullptr;
  }
  void SetUp() override {
    ASSERT_EQ(GetACP(), 932u) << "the tests run in the Japanese code page";
    SetFileAttributesA(settings().c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(settings().c_str());
  }
  void TearDown() override {
    SetFileAttributesA(settings().c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(settings().c_str());
  }
  static std::string settings() { return install->settingsFile(); }
  // A music file that exists, in a folder with a Japanese name.
  static std::string MusicFolder() { return install->folder() + "\\" + AnsiFromUtf8("音楽"); }
  static std::string MusicName() { return AnsiFromUtf8("曲 1.mp3"); }
  static std::string MusicFile() {
    CreateDirectoryA(MusicFolder().c_str(), nullptr);
    const std::string file = MusicFolder() + "\\" + MusicName();
    WriteFileBytes(file, "ID3");
    return file;
  }
  static SaverInstall* install;
};
SaverInstall* SettingsDialog::install = nullptr;

// --- the window --------------------------------------------------------------

class ConfigureSwitch : public SettingsDialog, public ::testing::WithParamInterface<const char*> {};

TEST_P(ConfigureSwitch, ShowsTheDialogWithNoOwnerCentredAThirdDown) {
  DialogUnderTest dialog(*install, GetParam());
  ASSERT_TRUE(dialog.shown());
  std::printf("dialog: %s to painted %lu ms\n", GetParam(),
              static_cast<unsigned long>(dialog.millisecondsToPainted()));
  HWND window = dialog.window();
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
  EXPECT_EQ(GetParent(window), nullptr);

  const LONG style = GetWindowLongA(window, GWL_STYLE);
  EXPECT_TRUE((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU));
  EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD));

  ASSERT_EQ(GetDeviceCaps(GetDC(nullptr), LOGPIXELSX), 96) << "the layout is checked at 96 DPI";
  RECT client = {};
  GetClientRect(window, &client);
  EXPECT_EQ(client.right, Laid::ClientWidth);
  EXPECT_EQ(client.bottom, Laid::ClientHeight);
  // (screen - window) div 2 and div 3, in twips at 15 per pixel.
  RECT outer = {};
  GetWindowRect(window, &outer);
  const int width = (outer.right - outer.left) * 15, height = (outer.bottom - outer.top) * 15;
  const int left = (GetSystemMetrics(SM_CXSCREEN) * 15 - width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) * 15 - height) / 3;
  EXPECT_EQ(outer.left, (left + 7) / 15);
  EXPECT_EQ(outer.top, (top + 7) / 15);

  // The controls where the layout puts them.
  ASSERT_NE(dialog.panel(), nullptr);
  RECT panel = {};
  GetWindowRect(dialog.panel(), &panel);
  const POINT origin = DialogUnderTest::OnScreen(window, 0, 0);
  EXPECT_EQ(panel.left - origin.x, Laid::Panel.left);
  EXPECT_EQ(panel.top - origin.y, Laid::Panel.top);
  EXPECT_EQ(panel.right - origin.x, Laid::Panel.right);
  EXPECT_EQ(panel.bottom - origin.y, Laid::Panel.bottom);
  struct Placed {
    HWND control;
    POINT at;
    int width, height;
  };
  for (const Placed& p : {Placed{dialog.cmdSet(), Laid::Cmd_Set, 73, 25},
                          Placed{dialog.cmdCan(), Laid::Cmd_Can, 69, 25},
                          Placed{dialog.cmdEtc(), Laid::Cmd_Etc, 125, 25},
                          Placed{dialog.cmdBgm(), Laid::Cmd_BGM, 29, 21},
                          Placed{dialog.combo(), Laid::Combo, 41, 0}}) {
    ASSERT_NE(p.control, nullptr);
    RECT rect = {};
    GetWindowRect(p.control, &rect);
    const POINT parent = DialogUnderTest::OnScreen(GetParent(p.control), 0, 0);
    EXPECT_EQ(rect.left - parent.x, p.at.x);
    EXPECT_EQ(rect.top - parent.y, p.at.y);
    EXPECT_EQ(rect.right - rect.left, p.width);
    if (p.height > 0) {
      EXPECT_EQ(rect.bottom - rect.top, p.height);
    }
  }

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(dialog.WaitForEnd(EndsAtOnceMs));
  EXPECT_EQ(GetFileAttributesA(settings().c_str()), INVALID_FILE_ATTRIBUTES);
}

INSTANTIATE_TEST_SUITE_P(Switches, ConfigureSwitch, ::testing::Values("/c", "/c:1234"),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           return info.index == 0 ? std::string("c") : std::string("c1234");
                         });

TEST_F(SettingsDialog, ASecondStartWhileItIsOpenEndsAtOnce) {
  DialogUnderTest dialog(*install);
  ASSERT_TRUE(dialog.shown());
  for (const char* arguments : {"/c", "/s", ""}) {
    RunningProgram second(install->saver(), arguments);
    EXPECT_TRUE(second.WaitForEnd(EndsAtOnceMs)) << arguments;
    EXPECT_EQ(FindWindowA("OpenGL", nullptr), nullptr);
  }
  EXPECT_FALSE(dialog.program().HasEnded());
  EXPECT_EQ(FindWindowExA(nullptr, dialog.window(), nullptr, "<Ondira>"), nullptr)
      << "a second dialog";
  dialog.ClickButton(dialog.cmdCan());
  EXPECT_TRUE(dialog.WaitForEnd(EndsAtOnceMs));
}

// --- the loaded settings -------------------------------------------------------

TEST_F(SettingsDialog, EachLoadedKindShowsItsMarkAndItsExtraControl) {
  const std::string music = MusicFile();
  struct Case {
    const char* kind;
    const char* repeat;
    int mark;
    bool combo, file;
    const char* comboText;
  };
  const Case cases[] = {
      {"0", "", 0, false, false, ""},
      {"1", "45", 1, true, false, "45"},
      {"2", "3", 2, false, true, "3"},
      {"5", "-2", -1, false, false, "-2"},
      {"-1", "0", -1, false, false, ""},
  };
  CreateDirectoryA((ThisProgramDirectory() + "\\screenshots").c_str(), nullptr);
  for (const Case& c : cases) {
    WriteFileBytes(settings(), SettingsBytes(c.kind, c.repeat, music));
    DialogUnderTest dialog(*install);
    ASSERT_TRUE(dialog.shown()) << c.kind;
    EXPECT_EQ(dialog.SelectedMark(), c.mark) << c.kind;
    EXPECT_EQ(IsWindowEnabled(dialog.combo()) != FALSE, c.combo) << c.kind;
    EXPECT_EQ(dialog.FileButtonLooksEnabled(), c.file) << c.kind;
    EXPECT_EQ(ComboText(dialog.combo()), c.comboText) << c.kind;
    EXPECT_EQ(SendMessageA(dialog.combo(), CB_GETCOUNT, 0, 0), 31);
    EXPECT_EQ(SendMessageA(dialog.combo(), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_TRUE(dialog.FileBoxHasText()) << "the loaded file is shown whatever the kind";

    // Probes of the picture: the gradient's dark top row on the window and
    // on the panel, the panel's sunken frame (grey, not the gradient's
    // blue-tinted rows), the title's black frame.
    HWND window = dialog.window(), panel = dialog.panel();
    for (int x : {0, 100, 478}) EXPECT_TRUE(Near(dialog.PixelAt(window, x, 0), 0, 0, 30)) << x;
    EXPECT_TRUE(Near(dialog.PixelAt(window, 478, 251), 3, 3, 33));  // the last row inside
    for (int x : {0, 200, 448}) EXPECT_TRUE(Near(dialog.PixelAt(panel, x, 0), 0, 0, 30)) << x;
    for (int edge : {Laid::Panel.top, Laid::Panel.top + 1, Laid::Panel.bottom - 1}) {
      const unsigned frame = dialog.PixelAt(window, 200, edge);
      EXPECT_TRUE(Red(frame) == Green(frame) && Green(frame) == Blue(frame))
          << "row " << edge << " is " << std::hex << frame;
    }
    EXPECT_TRUE(Near(dialog.PixelAt(panel, 60, 20), 0, 0, 0));

    const Picture screen = CopyScreen();
    RECT outer = {};
    GetWindowRect(window, &outer);
    SaveBitmap(screen, outer,
               ThisProgramDirectory() + "\\screenshots\\settings_dialog_kind" + c.kind + ".bmp");
    dialog.ClickButton(dialog.cmdCan());
    EXPECT_TRUE(dialog.WaitForEnd(EndsAtOnceMs));
  }
}

// The window that has the keyboard focus in the dialog's thread.
HWND FocusOf(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

TEST_F(SettingsDialog, TheTabKeyVisitsTheControlsInTheirOrder) {
  WriteFileBytes(settings(), SettingsBytes("1", "", ""));
  DialogUnderTest dialog(*install);
  ASSERT_TRUE(dialog.shown());
  dialog.Click(dialog.window(), 300, 240);  // on the gradient: activates, takes no focus
  EXPECT_EQ(FocusOf(dialog.window()), dialog.panel()) << "the panel is first in the tab order";
  // The combo's edit field, the four buttons (a disabled one takes the focus
  // too), then round again.
  const HWND order[] = {dialog.combo(), dialog.cmdBgm(), dialog.cmdSet(), dialog.cmdCan(),
                        dialog.cmdEtc(), dialog.combo()};
  for (HWND expected : order) {
    PressKey(VK_TAB);
    PumpMessages(150);
    HWND focus = FocusOf(dialog.window());
    if (focus != nullptr && GetParent(focus) == dialog.combo()) focus = dialog.combo();
    EXPECT_EQ(focus, expected);
  }
  dialog.ClickButton(dialog.cmdCan());
  EXPECT_TRUE(dialog.WaitForEnd(EndsAtOnceMs));
}

// --- choosing the music source -------------------------------------------------

TEST_F(SettingsDialog, ACaptionOrAMarkSelectsItsKindWithEitherButton) {
  DialogUnderTest dialog(*install);
  ASSERT_TRUE(dialog.shown());
  ASSERT_EQ(dialog.SelectedMark(), 0);
  struct Step {
    int kind;
    bool onMark;
    MouseButton button;
  };
  const Step steps[] = {
      {1, false, MouseButton::Left}, {2, false, MouseButton::Right},
      {0, true, MouseButton::Left},  {1, true, MouseButton::Right},
      {0, false, MouseButton::Right}, {2, true, MouseButton::Left},
      {2, false, MouseButton::Left},  // the selected one again: nothing changes
      {1, false, MouseButton::Left}, {0, true, MouseButton::Right},
  };
  for (const Step& step : steps) {
    if (step.onMark) {
      dialog.ClickMark(step.kind, step.button);
    } else {
      dialog.ClickCaption(step.kind, step.button);
    }
    const std::string what = std::string(step.onMark ? "mark " : "caption ") +
                             std::to_string(step.kind) +
                             (step.button == MouseButton::Left ? " left" : " right");
    WaitFor(
        [&] {
          return dialog.SelectedMark() == step.kind &&
                 (IsWindowEnabled(dialog.combo()) != FALSE) == (step.kind == 1) &&
                 dialog.FileButtonLooksEnabled() == (step.kind == 2);
        },
        2000);
    EXPECT_EQ(dialog.SelectedMark(), step.kind) << what;
    EXPECT_EQ(IsWindowEnabled(dialog.combo()) != FALSE, step.kind == 1) << what;
    EXPECT_EQ(dialog.FileButtonLooksEnabled(), step.kind == 2) << what;
  }
  dialog.ClickButton(dialog.cmdCan());
  EXPECT_TRUE(dialog.WaitForEnd(EndsAtOnceMs));
  EXPECT_EQ(GetFileAttributesA(settings().c_str()), INVALID_FILE_ATTRIBUTES);
}

// The open-file dialog of the saver's process, found by its title.
HWND OpenFileDialogOf(DWORD processId) {
  const std::string title = AnsiFromUtf8("ﾌｧｲﾙを開く");
  for (HWND window : TopLevelWindowsOf(processId)) {
    char caption[64] = {};
    GetWindowTextA(window, caption, sizeof caption);
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (title == caption && std::string(name) == "#32770" && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

// Types `path` into the open-file dialog's name field and presses its OK button.
void ChooseInOpenFileDialog(HWND chooser, const std::string& path) {
  HWND name = GetDlgItem(chooser, 0x480);  // edt1
  if (name == nullptr) name = GetDlgItem(chooser, 0x47C);  // cmb13
  ASSERT_NE(name, nullptr);
  SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageA(chooser, WM_COMMAND, IDOK, 0);
}

TEST_F(SettingsDialog, TheFileChooserShowsTheChosenFileAndCancelKeepsIt) {
  const std::string music = MusicFile();
  DialogUnderTest dialog(*install);
  ASSERT_TRUE(dialog.shown());
  EXPECT_FALSE(dialog.FileBoxHasText());
  dialog.ClickCaption(2);
  ASSERT_TRUE(WaitFor([&] { return dialog.FileButtonLooksEnabled(); }, 2000));

  dialog.ClickButton(dialog.cmdBgm());
  HWND chooser = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (chooser = OpenFileDialogOf(dialog.program().id())); }, 5000));
  EXPECT_EQ(GetWindow(chooser, GW_OWNER), dialog.window()) << "modal to the settings dialog";
  EXPECT_FALSE(IsWindowEnabled(dialog.window()));
  HWND types = GetDlgItem(chooser, 0x470);  // cmb1, the file types
  ASSERT_NE(types, nullptr);
  EXPECT_EQ(SendMessageA(types, CB_GETCOUNT, 0, 0), 1);
  wchar_t filter[64] = {};
  SendMessageW(types, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(filter));
  EXPECT_EQ(std::wstring(filter), L"BGM\xFF8C\xFF67\xFF72\xFF99 (MP3 WAV)");  // BGMﾌｧｲﾙ
  CreateDirectoryA((ThisProgramDirectory() + "\\screenshots").c_str(), nullptr);
  PumpMessages(300);
  RECT outer = {};
  GetWindowRect(chooser, &outer);
  SaveBitmap(CopyScreen(), outer,
             ThisProgramDirectory() + "\\screenshots\\settings_dialog_file_chooser.bmp");
  ChooseInOpenFileDialog(chooser, music);
  ASSERT_TRUE(WaitFor([&] { return OpenFileDialogOf(dialog.program().id()) == nullptr; }, 5000));
  EXPECT_TRUE(WaitFor([&] { return dialog.FileBoxHasText(); }, 2000));
  GetWindowRect(dialog.window(), &outer);
  SaveBitmap(CopyScreen(), outer,
             ThisProgramDirectory() + "\\screenshots\\settings_dialog_chosen_file.bmp");

  // Cancelling the chooser keeps the path.
  dialog.ClickButton(dialog.cmdBgm());
  ASSERT_TRUE(WaitFor([&] { return (chooser = OpenFileDialogOf(dialog.program().id())); }, 5000));
  PostMessageA(chooser, WM_COMMAND, IDCANCEL, 0);
  ASSERT_TRUE(WaitFor([&] { return OpenFileDialogOf(dialog.program().id()) == nullptr; }, 5000));
  PumpMessages(300);
  EXPECT_TRUE(dialog.FileBoxHasText());

  // Another kind keeps the file for apply.
  dialog.ClickMark(1);
  dialog.ClickButton(dialog.cmdSet());
  ASSERT_TRUE(dialog.WaitForEnd(EndsAtOnceMs));
  EXPECT_EQ(ReadFileBytes(settings()), SettingsBytes("1", "0", music));
}

// --- apply --------------------------------------------------------------------

TEST_F(SettingsDialog, ApplyWritesTheWholeFileForEachKind) {
  const std::string music = MusicFile();
  {
    DialogUnderTest dialog(*install);  // no settings file: kind 0, nothing else
    ASSERT_TRUE(dialog.shown());
    dialog.ClickButton(dialog.cmdSet());
    ASSERT_TRUE(dialog.WaitForEnd(EndsAtOnceMs));
    EXPECT_EQ(ReadFileBytes(settings()), SettingsBytes("0", "0", ""));
  }
  {
    DeleteFileA(settings().c_str());
    DialogUnderTest dialog(*install);
    ASSERT_TRUE(dialog.shown());
    dialog.ClickCaption(1);
    dialog.TypeIntoCombo("12");
    dialog.ClickButton(dialog.cmdSet());
    ASSERT_TRUE(dialog.WaitForEnd(EndsAtOnceMs));
    EXPECT_EQ(ReadFileBytes(settings()), SettingsBytes("1", "12", ""));
  }
  {
    DeleteFileA(settings().c_str());
    DialogUnderTest dialog(*install);
    ASSERT_TRUE(dialog.shown());
    dialog.ClickMark(1, MouseButton::Right);
    dialog.PickFromList(3);
    EXPECT_EQ(ComboText(dialog.combo()), "3");
    dialog.ClickButton(dialog.cmdSet());
    ASSERT_TRUE(dialog.WaitForEnd(EndsAtOnceMs));
    EXPECT_EQ(ReadFileBytes(settings()), SettingsBytes("1", "3", ""));
  }
  {
    // Kind 2 with a chosen file; the earlier track stays in the combo and is written.
    DialogUnderTest dialog(*install);
    ASSERT_TRUE(dialog.shown());
    dialog.ClickCaption(2);
    dialog.ClickButton(dialog.cmdBgm());
    HWND chooser = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (chooser = OpenFileDialogOf(dialog.program().id())); }, 5000));
    ChooseInOpenFileDialog(chooser, music);
    ASSERT_TRUE(WaitFor([&] { return OpenFileDialogOf(dialog.program().id()) == nullptr; }, 5000));
    PumpMessages(200);
    dialog.ClickButton(dialog.cmdSet());
    ASSERT_TRUE(dialog.WaitForEnd(EndsAtOnceMs));
    EXPECT_EQ(ReadFileBytes(settings()), SettingsBytes("2", "3", music));
  }
}

TEST_F(SettingsDialog, ApplyWritesZeroForATrackThatIsNoNumberOrOutOfRange) {
  struct Case {
    const char* typed;
    const char* written;
  };
  for (const Case& c : {Case{"99999", "0"}, Case{"abc", "0"}, Case{"2.5", "2"},
                        Case{"-40000", "0"}}) {
    DeleteFileA(settings().c_str());
    DialogUnderTest dialog(*install);
    ASSERT_TRUE(dialog.shown());
    dialog.ClickCaption(1);
    dialog.TypeIntoCombo(c.typed);
    dialog.ClickButton(dialog.cmdSet());
    ASSERT_TRUE(dialog.WaitForEnd(EndsAtOnceMs)) << c.typed;
    EXPECT_EQ(dialog.program().ExitCode(), 0u) << c.typed;
    EXPECT_EQ(ReadFileBytes(settings()), SettingsBytes("1", c.written, "")) << c.typed;
  }
}

// A settings file that cannot be written: apply closes the dialog as usual
// and the old file stays as it was. Held open without sharing by another
// process, the file cannot be written by anyone, under Wine as root too.
TEST_F(SettingsDialog, ApplyToASettingsFileThatCannotBeWrittenClosesAndLeavesItIntact) {
  const std::string before = SettingsBytes("0", "7", "");
  WriteFileBytes(settings(), before);
  HANDLE held = CreateFileA(settings().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  DialogUnderTest dialog(*install);
  ASSERT_TRUE(dialog.shown());
  dialog.ClickCaption(1);
  dialog.TypeIntoCombo("9");
  dialog.ClickButton(dialog.cmdSet());
  EXPECT_TRUE(dialog.WaitForEnd(EndsAtOnceMs));
  EXPECT_EQ(dialog.program().ExitCode(), 0u);
  CloseHandle(held);
  EXPECT_EQ(ReadFileBytes(settings()), before);
}

// The same with the file marked read-only, where the mark stops writes (not
// for a process running as root under Wine, where it is only the file's mode).
TEST_F(SettingsDialog, ApplyToAReadOnlySettingsFileClosesAndLeavesItIntact) {
  const std::string before = SettingsBytes("0", "7", "");
  WriteFileBytes(settings(), before);
  ASSERT_TRUE(SetFileAttributesA(settings().c_str(), FILE_ATTRIBUTE_READONLY));
  HANDLE probe = CreateFileA(settings().c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    CloseHandle(probe);
    GTEST_SKIP() << "a read-only file can still be written here";
  }
  DialogUnderTest dialog(*install);
  ASSERT_TRUE(dialog.shown());
  dialog.ClickCaption(1);
  dialog.ClickButton(dialog.cmdSet());
  EXPECT_TRUE(dialog.WaitForEnd(EndsAtOnceMs));
  EXPECT_EQ(ReadFileBytes(settings()), before);
}

// --- cancel, the close box, the home page ----------------------------------------

TEST_F(SettingsDialog, CancelAndTheCloseBoxWriteNothingAndEnd) {
  const std::string before = SettingsBytes("1", "5", "");
  for (bool closeBox : {false, true}) {
    for (bool existing : {false, true}) {
      DeleteFileA(settings().c_str());
      if (existing) WriteFileBytes(settings(), before);
      DialogUnderTest dialog(*install);
      ASSERT_TRUE(dialog.shown());
      dialog.ClickCaption(2);
      if (closeBox) {
        dialog.ClickCloseBox();
      } else {
        dialog.ClickButton(dialog.cmdCan());
      }
      EXPECT_TRUE(dialog.WaitForEnd(EndsAtOnceMs)) << (closeBox ? "close box" : "cancel");
      if (existing) {
        EXPECT_EQ(ReadFileBytes(settings()), before);
      } else {
        EXPECT_EQ(GetFileAttributesA(settings().c_str()), INVALID_FILE_ATTRIBUTES);
      }
    }
  }
}

TEST_F(SettingsDialog, TheHomePageButtonLeavesTheDialogOpenAndUnchanged) {
  DialogUnderTest dialog(*install);
  ASSERT_TRUE(dialog.shown());
  dialog.ClickCaption(1);
  dialog.TypeIntoCombo("8");
  for (int press = 0; press < 2; ++press) {
    dialog.ClickButton(dialog.cmdEtc());
    PumpMessages(500);
    EXPECT_FALSE(dialog.program().HasEnded());
    EXPECT_EQ(dialog.SelectedMark(), 1);
  }
  dialog.ClickButton(dialog.cmdSet());
  ASSERT_TRUE(dialog.WaitForEnd(EndsAtOnceMs));
  EXPECT_EQ(ReadFileBytes(settings()), SettingsBytes("1", "8", ""));
}

}  // namespace
