#include "saver_install.h"

#include <windows.h>

#include "wine_test_support.h"

SaverInstall::SaverInstall(const std::string& name, bool withEffect) {
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  folder_ = std::string(temp) + name + " " + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder_.c_str(), nullptr);
  const std::string from = wine_test::ThisProgramDirectory();
  CopyFileA((from + "\\Ondira.scr").c_str(), saver().c_str(), FALSE);
  if (withEffect) CopyFileA((from + "\\Ondira.dll").c_str(), (folder_ + "\\Ondira.dll").c_str(), FALSE);
}

SaverInstall::~SaverInstall() {
  for (const char* file : {"\\Ondira.scr", "\\Ondira.dll", "\\Ondira.ini"}) {
    DeleteFileA((folder_ + file).c_str());
  }
  RemoveDirectoryA((folder_ + "\\Ondira.dll").c_str());
  RemoveDirectoryA((folder_ + "\\Ondira.ini").c_str());
  RemoveDirectoryA(folder_.c_str());
}
