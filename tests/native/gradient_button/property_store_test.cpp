// Named property values with defaults, and their text form.
#include "property_store.h"

#include <gtest/gtest.h>

namespace {

TEST(PropertyStore, AbsentNamesReadAsTheirDefault) {
  PropertyStore store;
  store.WriteProperty("Caption", "設定", "Command");
  EXPECT_EQ(store.ReadProperty("Caption", "Command1"), "設定");
  EXPECT_EQ(store.ReadProperty("Other", "fallback"), "fallback");
}

TEST(PropertyStore, AValueEqualToItsWriteDefaultIsLeftOut) {
  PropertyStore store;
  store.WriteProperty("Caption", "Command", "Command");
  EXPECT_FALSE(store.Contains("Caption"));
  store.WriteProperty("Caption", "OK", "Command");
  store.WriteProperty("Caption", "Command", "Command");  // removes the earlier value
  EXPECT_FALSE(store.Contains("Caption"));

  WriteInteger(store, "FirstRun", 1, "1");
  WriteBoolean(store, "Enabled", true, true);
  EXPECT_EQ(store.Save(), "");
  WriteInteger(store, "FirstRun", 0, "1");
  WriteBoolean(store, "Enabled", false, true);
  EXPECT_EQ(store.Save(), "FirstRun=0\nEnabled=0\n");
}

TEST(PropertyStore, TextFormRoundTripsEveryCharacter) {
  PropertyStore store;
  const std::string awkward = "a=b\\n\nc\r\nd;e\\";
  store.WriteProperty("Caption", awkward, "");
  store.WriteProperty("Empty", "", "x");
  store.WriteProperty("Caption2", "ｷｬﾝｾﾙ", "");
  const PropertyStore loaded = PropertyStore::Load(store.Save());
  EXPECT_EQ(loaded.ReadProperty("Caption", "?"), awkward);
  EXPECT_EQ(loaded.ReadProperty("Empty", "?"), "");
  EXPECT_EQ(loaded.ReadProperty("Caption2", "?"), "ｷｬﾝｾﾙ");
  EXPECT_EQ(loaded.Save(), store.Save());
}

TEST(PropertyStore, LoadSkipsLinesThatHoldNoValueAndAcceptsCrLf) {
  const PropertyStore loaded = PropertyStore::Load("junk\r\n=nameless\r\nVisible=0\r\n\r\n");
  EXPECT_EQ(loaded.Save(), "Visible=0\n");
}

TEST(PropertyStore, TypedReadingsConvertTextDefaultsAndRefuseOtherText) {
  PropertyStore store = PropertyStore::Load("Big=300\nWord=abc\nNegative=-5\nTrue=-1\nOne=1\n");
  EXPECT_EQ(ReadInteger(store, "Absent", "1", 0, 255), 1);
  EXPECT_EQ(ReadInteger(store, "Big", "1", 0, 255), std::nullopt);
  EXPECT_EQ(ReadInteger(store, "Big", "1", 0, 1000), 300);
  EXPECT_EQ(ReadInteger(store, "Word", "1", 0, 255), std::nullopt);
  EXPECT_EQ(ReadInteger(store, "Negative", "0", -10, 10), -5);
  EXPECT_EQ(ReadBoolean(store, "True", false), -1);
  EXPECT_EQ(ReadBoolean(store, "One", false), -1);
  EXPECT_EQ(ReadBoolean(store, "Absent", true), -1);
  EXPECT_EQ(ReadBoolean(store, "Absent", false), 0);
  EXPECT_EQ(ReadBoolean(store, "Word", true), std::nullopt);
}

TEST(PropertyStore, FontsRoundTripAndAnAbsentFontIsTheDefaultObjectItself) {
  auto font = std::make_shared<FontObject>();
  font->FaceName = "Odd;Face ＭＳ ゴシック";
  font->Size = 8.25;
  font->Weight = 700;
  font->Italic = true;
  font->Strikethrough = true;
  font->Charset = 128;
  auto ambient = std::make_shared<FontObject>();

  PropertyStore store;
  WriteFont(store, "Font", font, ambient);
  const PropertyStore loaded = PropertyStore::Load(store.Save());
  const std::optional<FontRef> read = ReadFont(loaded, "Font", ambient);
  ASSERT_TRUE(read && *read);
  EXPECT_EQ(**read, *font);

  PropertyStore empty;
  WriteFont(empty, "Font", std::make_shared<FontObject>(*ambient), ambient);
  EXPECT_FALSE(empty.Contains("Font"));
  EXPECT_EQ(ReadFont(empty, "Font", ambient), ambient);

  EXPECT_EQ(ReadFont(PropertyStore::Load("Font=9;400;0;0;0\n"), "Font", ambient), std::nullopt);
  EXPECT_EQ(ReadFont(PropertyStore::Load("Font=9;400;2;0;0;0;X\n"), "Font", ambient), std::nullopt);
}

}  // namespace
