#include "command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(ArgumentsOfCommandLine, DropsTheProgramPathAndTheBlanksAfterIt) {
  struct Case { const char* commandLine; const char* arguments; };
  const Case cases[] = {
      {"\"C:\\Program Files\\Ondira\\Ondira.scr\" /p 1234", "/p 1234"},
      {"C:\\WINDOWS\\ONDIRA~1.SCR /s", "/s"},
      {"C:\\WINDOWS\\ONDIRA~1.SCR", ""},
      {"\"C:\\x\\Ondira.scr\"", ""},
      {"Ondira.scr   /c:66", "/c:66"},
      {"\"unterminated /s", ""},
      {"", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ArgumentsOfCommandLine(c.commandLine), c.arguments);
}

}  // namespace
