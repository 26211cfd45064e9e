// The "Options" values: read with their defaults, written back in order.
#include <gtest/gtest.h>

#include "core/KesApp.h"
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
                      {"Options/Month12",
                       "D\xE9"
                       "cembre"},
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
  EXPECT_EQ(s.months[11],
            "D\xE9"
            "cembre");
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
