// The saver started as Windows would, but through a Unix shell, so that its
// Unix environment (the sound server it finds, for one) and Wine's trace
// output (its standard error) are the test's to choose: Wine passes neither
// on from a Windows parent.
#pragma once

#include <windows.h>

#include <string>

// The Unix path of a Windows path, from Wine itself.
std::string UnixPathOf(const std::string& windowsPath);

class TracedSaver {
 public:
  // Starts `saver` with `arguments`, Wine's trace `channels` (a WINEDEBUG
  // value) written to `traceFile`, and `environment` ("NAME=value ...")
  // added to its Unix environment.
  TracedSaver(const std::string& saver, const std::string& arguments,
              const std::string& traceFile, const std::string& channels,
              const std::string& environment = "");
  ~TracedSaver();
  TracedSaver(const TracedSaver&) = delete;
  TracedSaver& operator=(const TracedSaver&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD id() const { return id_; }
  bool WaitForEnd(DWORD milliseconds) const;

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};
