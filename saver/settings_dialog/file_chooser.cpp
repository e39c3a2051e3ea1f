#include "file_chooser.h"

#include <commdlg.h>

#include <cstddef>

#include "application.h"
#include "text.h"

namespace {

// The record in its first, 76-byte form: up to and with lpTemplateName,
// whatever later fields the headers declare.
constexpr DWORD RecordSize = 76;
static_assert(offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR) == RecordSize,
              "the 76-byte OPENFILENAME");

constexpr DWORD BufferSize = 255;

// One description and pattern pair, each ended by a NUL, the list by a second NUL.
std::string Filter() {
  std::string filter = AnsiFromUtf8("BGMﾌｧｲﾙ (MP3 WAV)");
  filter += '\0';
  filter += "*.MP3;*.WAV";
  filter += '\0';
  filter += '\0';
  return filter;
}

}  // namespace

std::optional<std::string> ChooseBgmFile(HWND owner) {
  const std::string filter = Filter();
  const std::string title = AnsiFromUtf8("ﾌｧｲﾙを開く");
  char file[BufferSize] = {};
  char fileTitle[BufferSize] = {};

  OPENFILENAMEA record = {};
  record.lStructSize = RecordSize;
  record.hwndOwner = owner;
  record.hInstance = App::Instance();
  record.lpstrFilter = filter.c_str();
  record.lpstrCustomFilter = nullptr;
  record.nMaxCustFilter = 0;
  record.nFilterIndex = 0;
  record.lpstrFile = file;
  record.nMaxFile = BufferSize;
  record.lpstrFileTitle = fileTitle;
  record.nMaxFileTitle = BufferSize;
  record.lpstrInitialDir = nullptr;
  record.lpstrTitle = title.c_str();
  record.Flags = 0;
  record.nFileOffset = 0;
  record.nFileExtension = 0;
  record.lpstrDefExt = nullptr;
  record.lCustData = 0;
  record.lpfnHook = nullptr;
  record.lpTemplateName = nullptr;
  if (GetOpenFileNameA(&record) == 0) return std::nullopt;
  file[BufferSize - 1] = '\0';
  return std::string(file);
}
