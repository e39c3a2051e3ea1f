// The argument string of the process's command line, free of any platform.
#pragma once

#include <string>

// A full command line without the program's path (quoted or not) and the
// blanks after it.
std::string ArgumentsOfCommandLine(const std::string& commandLine);
