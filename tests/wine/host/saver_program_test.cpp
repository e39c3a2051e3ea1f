// The real saver and effect programs, installed in a folder whose name has
// a space, started with the screen-saver switches as Windows starts them.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <sstream>

#include "saver_install.h"
#include "traced_saver.h"
#include "wine_test_support.h"

using namespace wine_test;

namespace {

const DWORD EndsAtOnceMs = 3000;

// The missing-effect message in the system code page.
std::string ExpectedMessageBytes() { return AnsiFromUtf8("Ondira.dllが同じﾌｫﾙﾀﾞに見つかりません！"); }

std::string HandleText(HWND window) {
  return std::to_string(static_cast<long long>(reinterpret_cast<INT_PTR>(window)));
}

// A hidden top-level window with the given caption, standing for another
// instance of the saver.
class MarkerWindow {
 public:
  explicit MarkerWindow(const char* caption) {
    window_ = CreateWindowExA(0, "STATIC", caption, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
  }
  ~MarkerWindow() { DestroyWindow(window_); }

 private:
  HWND window_;
};

// A plain window standing for the Display Properties monitor.
HWND MakeMonitor(int width, int height) {
  return CreateWindowExA(0, "STATIC", "monitor", WS_POPUP | WS_VISIBLE, 300, 200, width, height,
                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

class SaverProgram : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { install = new SaverInstall("Ondira Saver", true); }
  static void TearDownTestSuite() {
    delete install;
    install = nullptr;
  }
  static SaverInstall* install;
};
SaverInstall* SaverProgram::install = nullptr;

// What the Display Properties list reads from the file: the name, the
// version and the icon.
TEST_F(SaverProgram, CarriesItsNameVersionAndIcon) {
  HMODULE saver = LoadLibraryExA(install->saver().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(saver, nullptr);
  char name[64] = {};
  LoadStringA(saver, 1, name, sizeof name);
  EXPECT_STREQ(name, "Ondira");
  EXPECT_NE(FindResourceA(saver, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(16)), nullptr)  // RT_VERSION
      << "no version resource";
  EXPECT_NE(FindResourceA(saver, MAKEINTRESOURCEA(100), MAKEINTRESOURCEA(14)), nullptr)  // RT_GROUP_ICON
      << "no icon";
  FreeLibrary(saver);
}

// --- the full-screen run -------------------------------------------------

class RunSwitch : public SaverProgram, public ::testing::WithParamInterface<const char*> {};

TEST_P(RunSwitch, RunsTheEffectAndEndsSoonAfterIt) {
  RunningProgram saver(install->saver(), GetParam());
  ASSERT_TRUE(saver.started());
  HWND marker = nullptr, effect = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (marker = FindWindowOf(saver.id(), nullptr, "Ondira_Main")); },
                      5000));
  EXPECT_FALSE(IsWindowVisible(marker));
  ASSERT_TRUE(WaitFor([&] { return (effect = FindWindowA("OpenGL", nullptr)) != nullptr; }, 10000));
  DWORD effectProcess = 0;
  GetWindowThreadProcessId(effect, &effectProcess);
  EXPECT_NE(effectProcess, saver.id());
  // No window of the saver may carry the effect's presence title.
  EXPECT_EQ(FindWindowOf(saver.id(), nullptr, "Ondira"), nullptr);

  // The run goes on past several presence checks.
  EXPECT_FALSE(saver.WaitForEnd(1200));
  PumpMessages(300);
  const DWORD keyPressed = GetTickCount();
  PressKey(VK_SPACE);
  ASSERT_TRUE(WaitFor([] { return FindWindowA(nullptr, "Ondira") == nullptr; }, 10000));
  const DWORD effectGone = GetTickCount();
  ASSERT_TRUE(saver.WaitForEnd(EndsAtOnceMs));
  const DWORD saverGone = GetTickCount();
  std::printf("stop: effect gone %lu ms after the key, saver gone %lu ms after the effect\n",
              static_cast<unsigned long>(effectGone - keyPressed),
              static_cast<unsigned long>(saverGone - effectGone));
  EXPECT_EQ(saver.ExitCode(), 0u);
  EXPECT_TRUE(TopLevelWindowsOf(saver.id()).empty());
}

INSTANTIATE_TEST_SUITE_P(Switches, RunSwitch, ::testing::Values("/s", "/S", "-s", "xs", ""),
                         [](const ::testing::TestParamInfo<const char*>& info) {
                           std::string name;
                           for (const char* p = info.param; *p; ++p) {
                             if (isalnum(static_cast<unsigned char>(*p))) name += *p;
                           }
                           return "Index" + std::to_string(info.index) + "_" + name;
                         });

// The pointer calls the saver's own process made, in order ("0" hides, "1"
// shows), from a "+pid,+cursor" trace whose lines start "<pid>:<tid>:".
std::vector<std::string> PointerCallsIn(const std::string& traceFile, DWORD processId) {
  char prefix[16];
  std::snprintf(prefix, sizeof prefix, "%04lx:", static_cast<unsigned long>(processId));
  std::ifstream in(traceFile, std::ios::binary);
  std::vector<std::string> calls;
  const std::string marker = "NtUserShowCursor ";
  for (std::string line; std::getline(in, line);) {
    const size_t at = line.find(marker);
    if (line.compare(0, std::strlen(prefix), prefix) == 0 && at != std::string::npos) {
      calls.push_back(line.substr(at + marker.size(), 1));
    }
  }
  return calls;
}

TEST_F(SaverProgram, OnlyTheRunSwitchHidesAndShowsThePointer) {
  struct Case { const char* arguments; std::vector<std::string> calls; };
  const Case cases[] = {{"/s", {"0", "1"}}, {"-S", {"0", "1"}}, {"", {}}};
  const std::string trace = install->folder() + "\\cursor-trace.txt";
  for (const Case& c : cases) {
    {
      TracedSaver saver(install->saver(), c.arguments, trace, "+pid,+cursor");
      ASSERT_TRUE(saver.started());
      ASSERT_TRUE(WaitFor([] { return FindWindowA("OpenGL", nullptr) != nullptr; }, 10000));
      PumpMessages(700);
      PressKey(VK_SPACE);
      ASSERT_TRUE(saver.WaitForEnd(10000));
      EXPECT_EQ(PointerCallsIn(trace, saver.id()), c.calls) << "'" << c.arguments << "'";
    }
    DeleteFileA(trace.c_str());
  }
}

// --- refusals ------------------------------------------------------------

void ExpectEndsWithoutStartingAnything(const std::string& saverPath, const std::string& arguments) {
  RunningProgram saver(saverPath, arguments);
  ASSERT_TRUE(saver.started());
  bool effectSeen = false, runSeen = false;
  const bool ended = WaitFor(
      [&] {
        effectSeen |= FindWindowA(nullptr, "Ondira") != nullptr;
        runSeen |= FindWindowOf(saver.id(), nullptr, "Ondira_Main") != nullptr;
        return saver.HasEnded();
      },
      EndsAtOnceMs);
  EXPECT_TRUE(ended) << "'" << arguments << "' kept running";
  EXPECT_FALSE(effectSeen) << arguments;
  EXPECT_FALSE(runSeen) << arguments;
  EXPECT_EQ(FindWindowA("#32770", "Ondira (ScreenSaver)"), nullptr) << arguments;
}

TEST_F(SaverProgram, UnsupportedSwitchesEndWithoutStartingAnything) {
  for (const char* arguments : {"/a", "s", "/x", "/a 1234"}) {
    ExpectEndsWithoutStartingAnything(install->saver(), arguments);
  }
  EXPECT_EQ(GetFileAttributesA(install->settingsFile().c_str()), INVALID_FILE_ATTRIBUTES)
      << "reading the settings created the file";
}

TEST_F(SaverProgram, AnotherInstanceMakesEveryStartEndAtOnce) {
  HWND monitor = MakeMonitor(152, 112);
  for (const char* caption : {"Ondira_Main", "<Ondira>"}) {
    MarkerWindow marker(caption);
    for (const std::string& arguments :
         {std::string("/s"), std::string(""), std::string("/c"), std::string("/a"),
          "/p " + HandleText(monitor)}) {
      ExpectEndsWithoutStartingAnything(install->saver(), arguments);
      EXPECT_EQ(FindWindowExA(monitor, nullptr, nullptr, "Preview Window"), nullptr);
    }
  }
  DestroyWindow(monitor);
}

TEST_F(SaverProgram, HostileCommandLinesNeverHangOrCrash) {
  const std::string lines[] = {std::string(30000, 'x'), "/" + std::string(5000, 's'),
                               "/p " + std::string(3000, '9'), "\x83\x41\x83\x42", " "};
  for (const std::string& arguments : lines) {
    RunningProgram saver(install->saver(), arguments);
    if (saver.WaitForEnd(EndsAtOnceMs)) {
      EXPECT_EQ(saver.ExitCode(), 0u);
      continue;
    }
    // "/sss..." is a run: it ends with its effect.
    ASSERT_TRUE(WaitFor([] { return FindWindowA("OpenGL", nullptr) != nullptr; }, 10000));
    PumpMessages(500);
    PressKey(VK_SPACE);
    EXPECT_TRUE(saver.WaitForEnd(10000));
  }
}

TEST_F(SaverProgram, HostileSettingsStillRunAndAreLeftUntouched) {
  std::string garbage;
  for (int i = 0; i < 100000; ++i) garbage += static_cast<char>((i * 131) & 0xFF);
  WriteFileBytes(install->settingsFile(), garbage);
  {
    RunningProgram saver(install->saver(), "/s");
    ASSERT_TRUE(WaitFor([] { return FindWindowA("OpenGL", nullptr) != nullptr; }, 10000));
    PumpMessages(500);
    PressKey(VK_SPACE);
    EXPECT_TRUE(saver.WaitForEnd(10000));
  }
  EXPECT_EQ(ReadFileBytes(install->settingsFile()), garbage);
  DeleteFileA(install->settingsFile().c_str());
}

// --- the missing effect program -------------------------------------------

TEST(SaverWithoutEffect, ShowsTheMessageForEverySwitchButThePreview) {
  SaverInstall bare("Ondira Bare", false);
  for (const char* arguments : {"/s", "/c", "", "/a"}) {
    RunningProgram saver(bare.saver(), arguments);
    HWND box = nullptr;
    ASSERT_TRUE(WaitFor([&] { return (box = FindWindowOf(saver.id(), "#32770",
                                                          "Ondira (ScreenSaver)")); },
                        5000))
        << "no message for '" << arguments << "'";
    char text[256] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_EQ(std::string(text), ExpectedMessageBytes());
    HWND icon = GetDlgItem(box, 1088);
    EXPECT_TRUE(icon == nullptr || !IsWindowVisible(icon) ||
                SendMessageA(icon, STM_GETICON, 0, 0) == 0)
        << "the message shows an icon";
    EXPECT_FALSE(saver.WaitForEnd(300)) << "ended before the message was closed";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(saver.WaitForEnd(EndsAtOnceMs));
    EXPECT_EQ(FindWindowA(nullptr, "Ondira"), nullptr);
  }

  HWND monitor = MakeMonitor(152, 112);
  RunningProgram preview(bare.saver(), "/p " + HandleText(monitor));
  EXPECT_TRUE(WaitFor([&] { return FindWindowExA(monitor, nullptr, nullptr, "Preview Window"); },
                      5000));
  EXPECT_EQ(FindWindowOf(preview.id(), "#32770", nullptr), nullptr);
  DestroyWindow(monitor);
  EXPECT_TRUE(preview.WaitForEnd(EndsAtOnceMs));
}

TEST(SaverWithoutEffect, AFolderNamedLikeTheEffectCountsAsMissing) {
  SaverInstall bare("Ondira Folder", false);
  CreateDirectoryA((bare.folder() + "\\Ondira.dll").c_str(), nullptr);
  RunningProgram saver(bare.saver(), "/s");
  HWND box = nullptr;
  ASSERT_TRUE(WaitFor([&] { return (box = FindWindowOf(saver.id(), "#32770", nullptr)); }, 5000));
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_TRUE(saver.WaitForEnd(EndsAtOnceMs));
}

// --- the preview -----------------------------------------------------------

TEST_F(SaverProgram, PreviewFillsItsParentAndEndsWithIt) {
  for (const char* form : {"/p ", "/p:"}) {
    HWND monitor = MakeMonitor(152, 112);
    RunningProgram saver(install->saver(), form + HandleText(monitor));
    HWND preview = nullptr;
    ASSERT_TRUE(WaitFor(
        [&] { return (preview = FindWindowExA(monitor, nullptr, nullptr, "Preview Window")); },
        5000));
    DWORD owner = 0;
    GetWindowThreadProcessId(preview, &owner);
    EXPECT_EQ(owner, saver.id());
    EXPECT_EQ(GetParent(preview), monitor);
    EXPECT_TRUE(GetWindowLongA(preview, GWL_STYLE) & WS_CHILD);
    // The window is made a child first and sized after: wait for its size.
    RECT rect = {};
    WaitFor([&] {
      GetWindowRect(preview, &rect);
      return rect.right - rect.left == 152;
    }, 3000);
    EXPECT_EQ(rect.left, 300);
    EXPECT_EQ(rect.top, 200);
    EXPECT_EQ(rect.right - rect.left, 152);
    EXPECT_EQ(rect.bottom - rect.top, 112);
    // No instance marker: a second preview may run beside the first.
    EXPECT_EQ(FindWindowA(nullptr, "Ondira_Main"), nullptr);
    EXPECT_FALSE(saver.WaitForEnd(1000));

    DestroyWindow(monitor);
    EXPECT_TRUE(saver.WaitForEnd(EndsAtOnceMs)) << "the preview outlived its parent";
  }
}

TEST_F(SaverProgram, PreviewWithoutAParentEndsAtOnce) {
  HWND gone = MakeMonitor(10, 10);
  DestroyWindow(gone);
  for (const std::string& arguments : {std::string("/p"), std::string("/p 0"),
                                       std::string("/p abc"), "/p " + HandleText(gone)}) {
    RunningProgram saver(install->saver(), arguments);
    EXPECT_TRUE(saver.WaitForEnd(EndsAtOnceMs)) << arguments;
    EXPECT_EQ(FindWindowA(nullptr, "Preview Window"), nullptr);
  }
}

}  // namespace
