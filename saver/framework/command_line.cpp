#include "command_line.h"

std::string ArgumentsOfCommandLine(const std::string& commandLine) {
  std::size_t at = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    const std::size_t close = commandLine.find('"', 1);
    at = close == std::string::npos ? commandLine.size() : close + 1;
  } else {
    while (at < commandLine.size() && commandLine[at] != ' ' && commandLine[at] != '\t') ++at;
  }
  while (at < commandLine.size() && (commandLine[at] == ' ' || commandLine[at] == '\t')) ++at;
  return commandLine.substr(at);
}
