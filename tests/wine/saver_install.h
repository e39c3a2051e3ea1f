// A copy of the saver installed in a folder of its own, as a user would
// have it, for the tests that run the real programs.
#pragma once

#include <string>

class SaverInstall {
 public:
  // Copies Ondira.scr (and Ondira.dll when `withEffect`) from beside this
  // test program into a new folder named `name` in the temporary folder.
  SaverInstall(const std::string& name, bool withEffect);
  ~SaverInstall();
  const std::string& folder() const { return folder_; }
  std::string saver() const { return folder_ + "\\Ondira.scr"; }
  std::string settingsFile() const { return folder_ + "\\Ondira.ini"; }

 private:
  std::string folder_;
};
