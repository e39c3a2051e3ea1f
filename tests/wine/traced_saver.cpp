#include "traced_saver.h"

#include <tlhelp32.h>

#include <set>
#include <vector>

#include "wine_test_support.h"

// The Unix path of a Windows path, from Wine itself.
std::string UnixPathOf(const std::string& windowsPath) {
  using UnixName = char*(CDECL*)(const wchar_t*);
  auto unixName = reinterpret_cast<UnixName>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (unixName == nullptr) return "";
  wchar_t wide[MAX_PATH] = {};
  MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH);
  char* name = unixName(wide);
  std::string path = name != nullptr ? name : "";
  HeapFree(GetProcessHeap(), 0, name);
  return path;
}

namespace {

std::set<DWORD> SaverProcesses() {
  std::set<DWORD> ids;
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  PROCESSENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
    if (lstrcmpiA(entry.szExeFile, "Ondira.scr") == 0) ids.insert(entry.th32ProcessID);
  }
  CloseHandle(snapshot);
  return ids;
}

}  // namespace

TracedSaver::TracedSaver(const std::string& saver, const std::string& arguments,
                         const std::string& traceFile, const std::string& channels,
                         const std::string& environment) {
  const std::set<DWORD> before = SaverProcesses();
  std::string command = "/bin/sh -c \"" + environment + " WINEDEBUG=" + channels +
                        " exec wine '" + UnixPathOf(saver) + "' " + arguments + " 2>'" +
                        UnixPathOf(traceFile) + "'\"";
  std::vector<char> line(command.begin(), command.end());
  line.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION shell = {};
  if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &shell)) {
    return;
  }
  CloseHandle(shell.hThread);
  CloseHandle(shell.hProcess);
  wine_test::WaitFor([&] {
    for (DWORD id : SaverProcesses()) {
      if (before.count(id) == 0 && process_ == nullptr) {
        process_ = OpenProcess(SYNCHRONIZE, FALSE, id);
        id_ = id;
      }
    }
    return process_ != nullptr;
  }, 10000);
}

TracedSaver::~TracedSaver() {
  if (process_ != nullptr) CloseHandle(process_);
}

bool TracedSaver::WaitForEnd(DWORD milliseconds) const {
  return process_ != nullptr && WaitForSingleObject(process_, milliseconds) == WAIT_OBJECT_0;
}
