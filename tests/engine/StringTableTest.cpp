#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/StringTable.h"

TEST(StringTable, MissingIdsAreEmpty) {
  EXPECT_EQ(LoadString(0), "");
  EXPECT_EQ(LoadString(-1), "");
  EXPECT_EQ(LoadString(99999), "");
  // The external browser page carries no help.
  EXPECT_EQ(LoadString(3901), "");
}

// Looked up by binary search: sorted, each id once.
TEST(StringTable, IdsAreSortedAndUnique) {
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
