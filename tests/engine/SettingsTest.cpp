// The "Options" values: read with their defaults, written back in order;
// a settings file of an earlier version read and written back.
#include <gtest/gtest.h>

#include "core/HeadlessPlatform.h"
#include "core/KesApp.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

TEST(Settings, FirstRunDefaults) {
  TestPlatform platform;
  KesApp app(platform);
  app.ReadSettings();
  const AppSettings& s = app.settings();
  EXPECT_EQ(s.browserPath, "");
  EXPECT_EQ(s.browserLocal, 0);
  EXPECT_EQ(s.browserClassPath, 0);
  EXPECT_EQ(s.nonJavaMessage, "Your browser is not Java capable or Java has been disabled.");
  EXPECT_EQ(s.days[0], "Sunday");
  EXPECT_EQ(s.days[6], "Saturday");
  EXPECT_EQ(s.months[0], "January");
  EXPECT_EQ(s.months[11], "December");
  EXPECT_EQ(s.meridiem[0], "AM");
  EXPECT_EQ(s.meridiem[1], "PM");
}

TEST(Settings, StoredValuesAreRead) {
  TestPlatform platform;
  platform.profile = {{"Options/Browser", "/usr/bin/firefox"},
                      {"Options/BrowserLocal", "1"},
                      {"Options/BrowserClassPath", "1"},
                      {"Options/NonJavaMessage", ""},
                      {"Options/Day1", "Dimanche"},
                      {"Options/Day7", "Samedi"},
                      {"Options/Month12", u8"Décembre"},
                      {"Options/Meridiem2", "pm"},
                      {"Options/Day8", "ignored"}};
  KesApp app(platform);
  app.ReadSettings();
  const AppSettings& s = app.settings();
  EXPECT_EQ(s.browserPath, "/usr/bin/firefox");
  EXPECT_EQ(s.browserLocal, 1);
  EXPECT_EQ(s.browserClassPath, 1);
  EXPECT_EQ(s.nonJavaMessage, "");
  EXPECT_EQ(s.days[0], "Dimanche");
  EXPECT_EQ(s.days[1], "Monday");
  EXPECT_EQ(s.days[6], "Samedi");
  EXPECT_EQ(s.months[11], u8"Décembre");
  EXPECT_EQ(s.meridiem[1], "pm");
}

TEST(Settings, EveryValueIsWrittenBackInOrder) {
  TestPlatform platform;
  KesApp app(platform);
  app.ReadSettings();
  app.settings().days[2] = "Mardi";
  app.settings().browserLocal = 1;
  app.WriteSettings();
  std::vector<std::string> expected = {"Options/NonJavaMessage"};
  for (int i = 1; i <= 7; ++i) expected.push_back("Options/Day" + std::to_string(i));
  for (int i = 1; i <= 12; ++i) expected.push_back("Options/Month" + std::to_string(i));
  expected.push_back("Options/Meridiem1");
  expected.push_back("Options/Meridiem2");
  expected.push_back("Options/Browser");
  expected.push_back("Options/BrowserLocal");
  expected.push_back("Options/BrowserClassPath");
  expected.push_back("Settings/Html5Runtime");
  expected.push_back("Settings/PageLanguage");
  EXPECT_EQ(platform.writes, expected);
  // Pages carry the runtime unless the user said otherwise.
  EXPECT_EQ(platform.profile["Settings/Html5Runtime"], "1");
  EXPECT_EQ(platform.profile["Options/Day3"], "Mardi");
  EXPECT_EQ(platform.profile["Options/Day1"], "Sunday");
  EXPECT_EQ(platform.profile["Options/BrowserLocal"], "1");

  // Read back by the next run.
  KesApp next(platform);
  next.ReadSettings();
  EXPECT_EQ(next.settings().days[2], "Mardi");
  EXPECT_EQ(next.settings().browserLocal, 1);
}

TEST(Settings, RuntimeSwitchTakesOnlyOne) {
  TestPlatform platform;
  // Only 1 is on, and an unreadable value is the default, on.
  const struct {
    const char* stored;
    int on;
  } cases[] = {{"1", 1}, {"0", 0}, {"2", 0}, {"-1", 0}, {"yes", 1}};
  for (const auto& c : cases) {
    platform.profile["Settings/Html5Runtime"] = c.stored;
    KesApp app(platform);
    app.ReadSettings();
    EXPECT_EQ(app.settings().html5Runtime, c.on) << c.stored;
  }
}

// A settings file as the editor of earlier versions wrote it (through Qt's
// settings class) reads the same through the one store, and what the store
// writes back reads the same again.
TEST(Settings, TheEarlierEditorsFileReadsTheSameAndWritesBack) {
  TempDir t;
  const std::string file = t / "VelkoButton.conf";
  WriteBytes(file, ReadBytes(VB_SOURCE_DIR "/tests/data/settings-previous-build.conf"));
  const std::vector<std::pair<std::string, std::string>> others = {
      {"Settings/WindowPos", "0,1,-1,-1,-1,-1,10,20,910,720"},
      {"Recent File List/File1", u8"/home/user/Menü/demo.but"},
      {"Recent File List/File2", "C:\\Projects\\old, new.but"},
      {"Recent File List/File3", ""},
      {"Toolbars/State", "AAAA/wAAAAD9AQI="},
      {"Toolbars/Bar0Commands", "40128,40129,0,40130,40131"},
      {"Toolbars/Bar1Name", "Mein Projekt; eigene Leiste"},
      {"Toolbars/BarCount", "2"},
      {"Toolbars/ShowTooltips", "0"}};
  const auto check = [&](const char* when) {
    HeadlessPlatform platform(file);
    KesApp app(platform);
    app.ReadSettings();
    const AppSettings& s = app.settings();
    EXPECT_EQ(s.nonJavaMessage, "Kein Java? \"Schade\", sagt der Browser; 100% @home") << when;
    EXPECT_EQ(s.days[6], "Samstag") << when;
    EXPECT_EQ(s.months[2], u8"März") << when;
    EXPECT_EQ(s.meridiem[1], u8"@nachm., spät") << when;
    EXPECT_EQ(s.browserPath, "\"/opt/My Browser/browser\" --new-window %u") << when;
    EXPECT_EQ(s.browserLocal, 1) << when;
    EXPECT_EQ(s.html5Runtime, 0) << when;
    for (const auto& [key, value] : others) {
      const std::size_t slash = key.find('/');
      EXPECT_EQ(platform.GetProfileString(key.substr(0, slash), key.substr(slash + 1), "-"), value)
          << key << " " << when;
    }
    return platform.GetProfileInt("Toolbars", "LargeButtons", -1);
  };
  EXPECT_EQ(check("as written by the earlier editor"), 1);
  {
    HeadlessPlatform platform(file);
    KesApp app(platform);
    app.ReadSettings();
    app.WriteSettings();
    for (const auto& [key, value] : others) {
      const std::size_t slash = key.find('/');
      platform.WriteProfileString(key.substr(0, slash), key.substr(slash + 1), value);
    }
  }
  EXPECT_EQ(check("as written back by the store"), 1);
}
