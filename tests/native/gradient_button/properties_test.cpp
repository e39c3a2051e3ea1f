// The button's properties, its first-run defaults and its stored values.
#include <gtest/gtest.h>

#include "command_input.h"
#include "recording_site.h"

namespace {

FontRef AmbientFont() {
  auto font = std::make_shared<FontObject>();
  font->FaceName = "ＭＳ Ｐゴシック";
  font->Size = 9;
  font->Charset = 128;
  return font;
}

// Saves `c` and loads a new button from what was saved.
struct Reloaded {
  PropertyStore store;
  CommandOnSite button;
};

std::unique_ptr<Reloaded> SaveAndReload(Command& c, const FontRef& ambient) {
  PropertyStore saved;
  WriteProperties(c, saved, ambient);
  auto reloaded = std::make_unique<Reloaded>();
  reloaded->store = PropertyStore::Load(saved.Save());
  reloaded->button.Control = Command();
  reloaded->button.Control.Site = &reloaded->button.Site;
  ReadProperties(reloaded->button.Control, reloaded->store, ambient);
  return reloaded;
}

TEST(CommandProperties, NewControlTurnsEnabledOnItsFirstRead) {
  RecordingSite site;
  Command c;
  c.Site = &site;
  EXPECT_EQ(c.Enabled, BoolFalse);
  EXPECT_EQ(c.FirstRun, 0);

  EXPECT_EQ(ReadEnabled(c), BoolTrue);
  EXPECT_EQ(c.FirstRun, 1);
  EXPECT_EQ(site.Repaints(), 1);  // only the enabled look; the refresh did nothing
  EXPECT_EQ(site.LastPicture(), StatePicture::Normal);
  EXPECT_TRUE(c.LblMsg.Enabled);

  // FirstRun and Enabled now equal their writing defaults: neither is stored.
  PropertyStore store;
  WriteProperties(c, store, nullptr);
  EXPECT_FALSE(store.Contains("FirstRun"));
  EXPECT_FALSE(store.Contains("Enabled"));
}

TEST(CommandProperties, EmptyStoreLoadsAnEnabledOpaqueButtonWithTheAmbientFont) {
  CommandOnSite button;
  button.Control = Command();
  button.Control.Site = &button.Site;
  const FontRef ambient = AmbientFont();
  ReadProperties(button.Control, PropertyStore(), ambient);
  EXPECT_EQ(button.Control.Enabled, BoolTrue);
  EXPECT_EQ(button.Control.FirstRun, 1);
  EXPECT_EQ(ReadCaption(button.Control), "Command1");
  EXPECT_EQ(ReadFont(button.Control), ambient);  // the very object, shared
  EXPECT_EQ(button.Control.LblMsg.ForeColor, 0u);
  EXPECT_EQ(button.Control.BackStyle, 1);
  EXPECT_EQ(button.Site.LastPicture(), StatePicture::Normal);
}

TEST(CommandProperties, CaptionSurvivesSaveAndReloadExceptTheDesignDefault) {
  const struct {
    const char* caption;
    const char* reloaded;
  } cases[] = {
      {"Command", "Command1"},  {"設定", "設定"},           {"", ""},
      {"Command1", "Command1"}, {"a=b\nc\\d", "a=b\nc\\d"},
  };
  for (const auto& c : cases) {
    CommandOnSite button;
    WriteCaption(button.Control, c.caption);
    EXPECT_EQ(ReadCaption(SaveAndReload(button.Control, AmbientFont())->button.Control),
              c.reloaded);
  }
}

TEST(CommandProperties, VisibleReadsBack255WhenOpaqueAndStoresOneOrZero) {
  const struct {
    std::uint8_t written;
    std::uint8_t read;
    std::int16_t backStyle;
  } cases[] = {{1, 255, 1}, {2, 255, 1}, {255, 255, 1}, {0, 0, 0}};
  for (const auto& c : cases) {
    CommandOnSite button;
    WriteVisible(button.Control, c.written);
    EXPECT_EQ(button.Control.BackStyle, c.backStyle) << int(c.written);
    EXPECT_EQ(ReadVisible(button.Control), c.read) << int(c.written);
    EXPECT_EQ(button.Changes, std::vector<std::string>{"Visible"});

    PropertyStore store;
    WriteProperties(button.Control, store, nullptr);
    EXPECT_EQ(store.ReadProperty("Visible", "1"), c.backStyle == 1 ? "1" : "0");
    EXPECT_EQ(SaveAndReload(button.Control, nullptr)->button.Control.BackStyle, c.backStyle);
  }
}

TEST(CommandProperties, EveryStoredPropertySurvivesSaveAndReload) {
  CommandOnSite button;
  auto font = std::make_shared<FontObject>();
  font->FaceName = "IPAGothic";
  font->Size = 10.5;
  font->Weight = 700;
  font->Italic = true;
  font->Underline = true;
  font->Strikethrough = true;
  font->Charset = 128;
  WriteEnabled(button.Control, BoolFalse);
  WriteCaption(button.Control, "その他の作品");
  WriteFont(button.Control, font);
  WriteFontColour(button.Control, 0x00C08040);
  WriteVisible(button.Control, 0);

  const auto reloaded = SaveAndReload(button.Control, AmbientFont());
  const Command& c = reloaded->button.Control;
  EXPECT_EQ(c.Enabled, BoolFalse);
  EXPECT_EQ(c.FirstRun, 1);
  EXPECT_EQ(c.LblMsg.Caption, "その他の作品");
  ASSERT_TRUE(c.LblMsg.Font);
  EXPECT_EQ(*c.LblMsg.Font, *font);
  EXPECT_NE(c.LblMsg.Font, font);  // a new object, equal in value
  EXPECT_EQ(c.LblMsg.ForeColor, 0x00C08040u);
  EXPECT_EQ(c.BackStyle, 0);
}

TEST(CommandProperties, WritesInOrderAndLeavesOutTheDefaults) {
  CommandOnSite button;
  const FontRef ambient = AmbientFont();
  button.Control.LblMsg.Font = ambient;
  WriteCaption(button.Control, "設定");
  PropertyStore store;
  WriteProperties(button.Control, store, ambient);
  EXPECT_EQ(store.Save(), "Caption=設定\n");

  // An equal font, even as another object, counts as the ambient font.
  button.Control.LblMsg.Font = std::make_shared<FontObject>(*ambient);
  WriteEnabled(button.Control, BoolFalse);
  button.Control.FirstRun = 0;
  WriteFontColour(button.Control, 255);
  WriteVisible(button.Control, 0);
  PropertyStore all;
  WriteProperties(button.Control, all, ambient);
  EXPECT_EQ(all.Save(), "Enabled=0\nCaption=設定\nFirstRun=0\nFontColour=255\nVisible=0\n");
}

TEST(CommandProperties, AStoredValueOfTheWrongTypeLeavesItsTargetAndTheRestIsRead) {
  CommandOnSite button;
  button.Control.Enabled = BoolFalse;
  button.Control.FirstRun = 7;
  button.Control.LblMsg.ForeColor = 0x123456;
  button.Control.BackStyle = 0;
  const PropertyStore store = PropertyStore::Load(
      "Enabled=yes\nCaption=OK\nFont=broken\nFirstRun=300\nFontColour=red\nVisible=5\n");
  const FontRef before = button.Control.LblMsg.Font = AmbientFont();
  ReadProperties(button.Control, store, nullptr);
  EXPECT_EQ(button.Control.Enabled, BoolFalse);
  EXPECT_EQ(button.Control.LblMsg.Caption, "OK");
  EXPECT_EQ(button.Control.LblMsg.Font, before);
  EXPECT_EQ(button.Control.FirstRun, 7);
  EXPECT_EQ(button.Control.LblMsg.ForeColor, 0x123456u);
  EXPECT_EQ(button.Control.BackStyle, 0);
}

TEST(CommandProperties, FirstRunZeroMakesEachRefreshBlackenTheCaption) {
  CommandOnSite button;
  ReadProperties(button.Control, PropertyStore::Load("FirstRun=0\nFontColour=255\n"), nullptr);
  EXPECT_EQ(button.Control.LblMsg.ForeColor, 0u);
}

TEST(CommandProperties, ReadsThatRepaintShowNormalAndKeepTheState) {
  const struct {
    const char* name;
    void (*read)(Command&);
  } reads[] = {
      {"Visible", [](Command& c) { ReadVisible(c); }},
      {"FontColour", [](Command& c) { ReadFontColour(c); }},
      {"Enabled", [](Command& c) { ReadEnabled(c); }},
  };
  for (const auto& read : reads) {
    for (std::uint8_t state : {2, 3, 4}) {
      CommandOnSite button;
      button.Control.ButtonState = state;
      read.read(button.Control);
      EXPECT_EQ(button.Site.LastPicture(), StatePicture::Normal) << read.name << int(state);
      EXPECT_EQ(button.Control.ButtonState, state) << read.name;
    }
  }
}

TEST(CommandProperties, DisabledButtonKeepsItsDisableFrameThroughVisibleAndFontColour) {
  CommandOnSite button;
  WriteEnabled(button.Control, BoolFalse);
  EXPECT_EQ(button.Site.LastPicture(), StatePicture::Disable);
  EXPECT_FALSE(button.Control.LblMsg.Enabled);
  button.Site.Forget();

  ReadVisible(button.Control);
  WriteVisible(button.Control, 1);
  ReadFontColour(button.Control);
  WriteFontColour(button.Control, 0xFF);
  EXPECT_EQ(button.Site.Repaints(), 0);
  EXPECT_FALSE(button.Control.LblMsg.Enabled);

  EXPECT_EQ(ReadEnabled(button.Control), BoolFalse);
  EXPECT_EQ(button.Site.LastPicture(), StatePicture::Disable);
}

TEST(CommandProperties, WritesReportTheirPropertyAndCaptionAndFontLeaveTheFace) {
  CommandOnSite button;
  const FontRef font = AmbientFont();
  WriteCaption(button.Control, "ｷｬﾝｾﾙ");
  WriteFont(button.Control, font);
  EXPECT_EQ(button.Site.Repaints(), 0);
  EXPECT_EQ(ReadFont(button.Control), font);  // held by reference

  WriteFontColour(button.Control, 0xFF0000);
  WriteEnabled(button.Control, 1);
  WriteVisible(button.Control, 9);
  EXPECT_EQ(button.Changes,
            (std::vector<std::string>{"Caption", "Font", "FontColour", "Enabled", "Visible"}));
  EXPECT_EQ(button.Control.Enabled, BoolTrue);  // any non-zero value is true
  EXPECT_EQ(ReadFontColour(button.Control), 0xFF0000u);
}

TEST(CommandProperties, InitializeStartsTheHoverPollAndPaintsNothing) {
  CommandOnSite button;
  Initialize(button.Control);
  EXPECT_EQ(button.Control.ButtonState, 1);
  EXPECT_TRUE(button.Control.TmrMouse.Enabled);
  EXPECT_EQ(button.Control.TmrMouse.Interval, 100);
  EXPECT_TRUE(button.Site.TimerEnabled);
  EXPECT_EQ(button.Site.Repaints(), 0);
}

}  // namespace
