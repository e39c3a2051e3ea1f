#include "switches.h"

#include <gtest/gtest.h>

namespace {

TEST(SwitchLetter, IsTheSecondCharacterUpperCased) {
  struct Case { const char* arguments; const char* letter; };
  const Case cases[] = {
      {"/s", "S"}, {"/S", "S"}, {"-s", "S"}, {"xs", "S"}, {"/c", "C"}, {"/c:1234", "C"},
      {"/p 1234", "P"}, {"/a", "A"}, {"", ""}, {"s", ""}, {"/", ""}, {"/\x83\x41", "\x83"},
  };
  for (const Case& c : cases) EXPECT_EQ(SwitchLetter(c.arguments), c.letter) << c.arguments;
}

TEST(PreviewParentHandle, ReadsTheNumberFromTheFourthCharacter) {
  struct Case { const char* arguments; std::int32_t handle; };
  const Case cases[] = {
      {"/p 1234", 1234},        {"/p:1234", 1234},       {"/P 1234", 1234},
      {"/p", 0},                {"/p ", 0},              {"/p abc", 0},
      {"/p 12ab", 12},          {"/p 1 2\t3\n4", 1234},  {"/p  56", 56},
      {"/p 12.5", 12},          {"/p 13.5", 14},         {"/p 12.6", 13},
      {"/p -2.5", -2},          {"/p 1e3", 1000},        {"/p 2147483647", 2147483647},
      {"/p 2147483648", 0},     {"/p 99999999999999999999", 0},
      {"/p -2147483648", INT32_MIN},                     {"/p 1e999", 0},
      {"/p .5", 0},             {"/p 1.", 1},            {"/p +7", 7},
  };
  for (const Case& c : cases) EXPECT_EQ(PreviewParentHandle(c.arguments), c.handle) << c.arguments;
}

TEST(ModeFor, FollowsTheSwitchTable) {
  struct Case { const char* arguments; SaverMode mode; };
  const Case cases[] = {
      {"/s", SaverMode::RunHidingPointer}, {"/S", SaverMode::RunHidingPointer},
      {"-s", SaverMode::RunHidingPointer}, {"xs", SaverMode::RunHidingPointer},
      {"", SaverMode::Run},                {"s", SaverMode::Refuse},
      {"/a", SaverMode::Refuse},           {"/a 1234", SaverMode::Refuse},
      {"/c", SaverMode::Configure},        {"/c:1234", SaverMode::Configure},
      {"/p 1234", SaverMode::Preview},     {"/p", SaverMode::Preview},
      {" ", SaverMode::Refuse},            {"/x", SaverMode::Refuse},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(static_cast<int>(ModeFor(c.arguments)), static_cast<int>(c.mode)) << c.arguments;
  }
}

TEST(PreviewParentHandle, SurvivesHostileArguments) {
  EXPECT_EQ(PreviewParentHandle(std::string(100000, '9')), 0);
  EXPECT_EQ(PreviewParentHandle("/p " + std::string(5000, '0') + "42"), 42);
  EXPECT_EQ(PreviewParentHandle(std::string("/p \xFF\xFE\0" "12", 8)), 0);
  EXPECT_EQ(SwitchLetter(std::string(100000, 'x')), "X");
}

}  // namespace
