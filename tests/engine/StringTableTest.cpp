#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/StringTable.h"

TEST(StringTable, EntriesCarryTheirExactTexts) {
  EXPECT_EQ(LoadString(40128), "Create a new button\nNew Button\nbuttonnew");
  EXPECT_EQ(LoadString(2604), "The name of the button\nButton Name\nbuttonname");
  // A spin control shares the entry of its edit box.
  EXPECT_EQ(LoadString(3412), "Horizontal offset\nHorizontal Offset\ntextoffsetx");
  EXPECT_EQ(LoadString(1902), "Test (play) the selected audio file\nTest Audio\naudiotest");
  EXPECT_EQ(LoadString(3004),
            "Display the button at the specified vertical  offset\nVertical Offset\nstateoffsety");
  EXPECT_EQ(LoadString(15015), "Preview the project\nPreview/Reload\ngeneratepreview");
  EXPECT_EQ(LoadString(57345), "For Help, press F1");
  EXPECT_EQ(LoadString(1804), "Post meridiem text\nPost Meridiem\nconfigtextpm");
  EXPECT_EQ(LoadString(3112),
            "The name used to identify the project from other Velko based products\n"
            "Project Identifier\nprojectprojectidentifier");
}

TEST(StringTable, MissingIdsAreEmpty) {
  EXPECT_EQ(LoadString(0), "");
  EXPECT_EQ(LoadString(-1), "");
  EXPECT_EQ(LoadString(99999), "");
  // The external browser page carries no help.
  EXPECT_EQ(LoadString(3901), "");
}

TEST(StringTable, EveryCommandPageAndControlIsPresent) {
  const int ids[] = {57600, 57601, 57603, 57604, 57616, 57665, 40128, 40129, 40130, 40131,
                     40132, 15008, 15007, 40142, 15009, 15015, 15006, 15013, 15014, 15010,
                     15011, 15012, 15003, 15001, 57664, 57634, 57635, 57637, 57643, 1600,
                     1601,  1602,  1603,  1700,  3300,  3301,  3302,  1300,  10011, 10015,
                     2600,  2700,  2800,  3800,  3000,  2500,  2100,  2200,  3400,  2300,
                     2400,  1900,  3100,  3200,  3500,  3600,  1800,  3700,  2110,  2705};
  for (int id : ids) EXPECT_FALSE(LoadString(id).empty()) << id;
  std::vector<int> all = StringIds();
  EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
  EXPECT_EQ(std::set<int>(all.begin(), all.end()).size(), all.size());
}

TEST(StringTable, SplitsIntoFourFields) {
  HelpString h = SplitHelpString("a\nb\nc\nd");
  EXPECT_EQ(h.prompt, "a");
  EXPECT_EQ(h.tooltip, "b");
  EXPECT_EQ(h.topic, "c");
  EXPECT_EQ(h.anchor, "d");
  h = SplitHelpString("Prompt only\nTip");
  EXPECT_EQ(h.tooltip, "Tip");
  EXPECT_EQ(h.topic, "");
  EXPECT_EQ(h.anchor, "");
  h = SplitHelpString("");
  EXPECT_EQ(h.prompt, "");
  std::vector<std::string> topics = HelpTopics();
  EXPECT_EQ(std::set<std::string>(topics.begin(), topics.end()).size(), topics.size());
  EXPECT_NE(std::find(topics.begin(), topics.end(), "buttonnew"), topics.end());
}
