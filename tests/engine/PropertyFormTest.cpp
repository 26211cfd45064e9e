// The property forms, the script escaper and the keyword helpers: the exact
// text every generator writes a property with.
#include <gtest/gtest.h>

#include <cstdint>

#include "core/KesProp.h"
#include "core/Keywords.h"
#include "groups/button/PropAdvanced.h"

TEST(PropertyForm, WritesKeywordSeparatorValueAndBlank) {
  EXPECT_EQ(KesProp::FormatInt("Width", 100, -1), "Width=100 ");
  EXPECT_EQ(KesProp::FormatInt(Tok("Width", 1), 100, -1), "5 100 ");
  EXPECT_EQ(KesProp::FormatInt("X", -7, 0), "X=-7 ");
  // Red 128, green 64, blue 255: red is the lowest byte.
  EXPECT_EQ(KesProp::FormatColor("Color", 0xFF4080, 0), "Color=0x8040FF ");
  EXPECT_EQ(KesProp::FormatColor("Color", 0x0000FF, 0), "Color=0xFF0000 ");
  EXPECT_EQ(KesProp::FormatBool("Show", 1, 0, 1), "Show True ;");
  EXPECT_EQ(KesProp::FormatBool("Show", 0, 1), "Show=False ");
  EXPECT_EQ(KesProp::FormatBool("Show", 5, 0), "Show=True ");
  EXPECT_EQ(KesProp::FormatString("Mode", "Check", ""), "Mode=Check ");
  EXPECT_EQ(KesProp::FormatQuoted("Tip", "hi", ""), "Tip='hi' ");
  EXPECT_EQ(KesProp::FormatInt("Cursor", 12, -1, 1), "Cursor 12 ;");
  EXPECT_EQ(KesProp::FormatInt("6", 12, -1, 1), "6 12 ;");
}

TEST(PropertyForm, NumericKeywordTakesBlankSeparator) {
  EXPECT_EQ(KesProp::FormatInt("26", 0, -1), "26 0 ");
  EXPECT_EQ(KesProp::FormatString(Tok("BorderStyle", 1), Tok("None", 1), ""), "26 0 ");
  EXPECT_EQ(KesProp::FormatBool(Tok("Show", 1), 0, 1), "7 False ");
}

TEST(PropertyForm, ValueEqualToDefaultWritesNothing) {
  EXPECT_EQ(KesProp::FormatInt("Width", 100, 100), "");
  EXPECT_EQ(KesProp::FormatBool("Show", 1, 1, 1), "");
  EXPECT_EQ(KesProp::FormatColor("Color", 0xC0C0C0, 0xC0C0C0), "");
  EXPECT_EQ(KesProp::FormatString("Tip", "", ""), "");
  EXPECT_EQ(KesProp::FormatQuoted("Text", "Abc", "Abc"), "");
  // Strings compare with letter case.
  EXPECT_EQ(KesProp::FormatQuoted("Text", "abc", "Abc"), "Text='abc' ");
  // Colours compare as 32-bit values, also in the unused top byte.
  EXPECT_EQ(KesProp::FormatColor("Color", 0x01C0C0C0u, 0xC0C0C0), "Color=0xC0C0C0 ");
}

TEST(PropertyForm, EscapesLineBreaksQuotesAndTheBackslashesTheReaderWouldMisread) {
  EXPECT_EQ(KesProp::FormatString("Text", "a\r\nb", ""), "Text=a\\nb ");
  EXPECT_EQ(KesProp::FormatQuoted("Text", "a\r\nb", ""), "Text='a\\nb' ");
  EXPECT_EQ(KesProp::FormatQuoted("Text", "it's", ""), "Text='it\\'s' ");
  EXPECT_EQ(KesProp::EscapeScript("say \"hi\""), "say \\x22hi\\x22");
  EXPECT_EQ(KesProp::EscapeScript("C:\\art\\a.gif"), "C:\\art\\a.gif");
  EXPECT_EQ(KesProp::EscapeScript("\r\r\n\n"), "\\n\\n");
  EXPECT_EQ(KesProp::EscapeScript(std::string("a\0b", 3)), std::string("a\0b", 3));
  // A backslash whose next written character is n ' x u, or the closing
  // quote, is written \x5C (a dropped carriage return writes nothing); one
  // followed by an escape, another backslash or anything else stays.
  const struct {
    const char* text;
    const char* written;
  } kBackslashes[] = {
      {"Verdana\\", "Verdana\\x5C"},
      {"C:\\new", "C:\\x5Cnew"},
      {"\\x22\\u", "\\x5Cx22\\x5Cu"},
      {"a\\\r\rn", "a\\x5Cn"},
      {"a\\\r", "a\\x5C"},
      {"\\\\n", "\\\\x5Cn"},
      {"\\\n\\'\\\"", "\\\\n\\\\'\\\\x22"},
      {"\\\\server\\share", "\\\\server\\share"},
  };
  for (const auto& row : kBackslashes) EXPECT_EQ(KesProp::EscapeScript(row.text), row.written);
  // Before another character than the closing quote, and in a word, which
  // the reader takes as it stands.
  std::string leave;
  KesProp::AddEscaped(leave, "Menu\\", '.');
  EXPECT_EQ(leave, "Menu\\");
  EXPECT_EQ(KesProp::FormatString("Mode", "a\\", ""), "Mode=a\\ ");
  // An action line the Advanced page inserts quotes the button's name so.
  EXPECT_EQ(InsertActionLine(2, "O'Neil\\"), "StateSet 'O\\'Neil\\x5C' 0;\r\n");
}

TEST(PropertyForm, AppendingFormsAddToTheTextThatIsThere) {
  std::string out = "Button 'b' ";
  KesProp::AddInt(out, TokView("Width", 1), 100, -1);
  KesProp::AddColor(out, "Color", 0xFF4080, 0);
  KesProp::AddQuoted(out, "Tip", "it's\r\n\"x\"", "");
  KesProp::AddInt(out, "X", 5, 5);
  KesProp::AddBool(out, "Show", 0, 1, 1);
  KesProp::AddString(out, "Mode", "", "");
  EXPECT_EQ(out, "Button 'b' 5 100 Color=0x8040FF Tip='it\\'s\\n\\x22x\\x22' Show False ;");
}

TEST(PropertyForm, KeyedFormsWriteTheTokenOnlyForChangedValues) {
  std::string out;
  KesProp::AddInt(out, PropKey{"Width", 1}, 100, 100);
  KesProp::AddColor(out, PropKey{"Color", 1}, 7, 7);
  KesProp::AddQuoted(out, PropKey{"Tip", 1}, "a", "a");
  EXPECT_EQ(out, "");
  KesProp::AddInt(out, PropKey{"width", 1}, 100, -1);
  KesProp::AddInt(out, PropKey{"Width", 0}, 100, -1);
  KesProp::AddBool(out, PropKey{"Show", 0}, 0, 1, 1);
  KesProp::AddString(out, PropKey{"NoSuchWord", 1}, "v", "");
  KesProp::AddColor(out, PropKey{"Color", 0}, 0xFF4080, 0);
  KesProp::AddQuoted(out, PropKey{"Tip", 0}, "it's", "");
  std::string plain;
  KesProp::AddInt(plain, TokView("width", 1), 100, -1);
  KesProp::AddInt(plain, "Width", 100, -1);
  KesProp::AddBool(plain, "Show", 0, 1, 1);
  KesProp::AddString(plain, "NoSuchWord", "v", "");
  KesProp::AddColor(plain, "Color", 0xFF4080, 0);
  KesProp::AddQuoted(plain, "Tip", "it's", "");
  EXPECT_EQ(out, plain);
}

TEST(PropertyForm, NumbersAtTheEndsOfTheirRange) {
  EXPECT_EQ(KesProp::FormatInt("X", INT32_MIN, 0), "X=-2147483648 ");
  EXPECT_EQ(KesProp::FormatInt("X", INT32_MAX, 0), "X=2147483647 ");
  EXPECT_EQ(KesProp::FormatInt("X", 0, 1), "X=0 ");
  EXPECT_EQ(KesProp::FormatInt("X", -10, 1), "X=-10 ");
  std::string d;
  AppendDecimal(d, INT64_MIN);
  d += ' ';
  AppendDecimal(d, 1000000);
  EXPECT_EQ(d, "-9223372036854775808 1000000");
  EXPECT_EQ(ColorHex(0xFFFFFFFFu), "0xFFFFFF");
  EXPECT_EQ(ColorHex(0x0A0B0Cu), "0x0C0B0A");
}

TEST(Keyword, TokensIgnoreCaseOnlyWhenTokenizing) {
  EXPECT_EQ(Tok("set", 1), "7");
  EXPECT_EQ(Tok("SET", 1), "7");
  EXPECT_EQ(Tok("Sets", 1), "Sets");
  EXPECT_EQ(Tok("Set", 0), "Set");
  EXPECT_EQ(Tok("", 1), "");
  EXPECT_EQ(Tok("Button 1", 1), "Button 1");
  // The west-resize cursor's word has no "Cursor" suffix.
  EXPECT_EQ(Tok("W_Resize", 1), "10");
  EXPECT_EQ(Tok("W_ResizeCursor", 1), "W_ResizeCursor");
}

TEST(Keyword, ViewLookupAgreesWithTok) {
  for (const char* w : {"Set", "set", "SETS", "", "Button 1", "W_Resize", "JavaScript", "Radio",
                        "radiO", "Zebra", "1", "_x", "Tip", "TipX"})
    for (int t : {0, 1}) EXPECT_EQ(std::string(TokView(w, t)), Tok(w, t)) << w << " " << t;
}

TEST(Keyword, ReplaceCharsMakesOneLineOfTheSameLength) {
  EXPECT_EQ(ReplaceChars("A;\r\nB;\tC;\fD", kLineBreakChars, ' '), "A;  B; C; D");
  EXPECT_EQ(ReplaceChars("", kLineBreakChars, ' '), "");
  EXPECT_EQ(ReplaceChars("a-b-c", "-", '+'), "a+b+c");
}

TEST(AddressTest, DecidesByDrivePrefixAndSchemeSeparator) {
  EXPECT_TRUE(IsAddress("http://www.example.com/a.gif"));
  EXPECT_TRUE(IsAddress("file:///C:/a.gif"));
  EXPECT_FALSE(IsAddress("C:\\art\\a.gif"));
  EXPECT_FALSE(IsAddress("art/a.gif"));
  EXPECT_FALSE(IsAddress("/home/u/a.gif"));
  EXPECT_FALSE(IsAddress(""));
  // A path that starts with the current drive's root in lower case is a file
  // even when it holds "://"; any other prefix leaves it an address.
  EXPECT_FALSE(IsAddress("c:\\odd://name.gif", "c:\\"));
  EXPECT_TRUE(IsAddress("C:\\odd://name.gif", "c:\\"));
  EXPECT_TRUE(IsAddress("c:\\odd://name.gif"));
}

TEST(AddressTest, FileNameDropsDriveAndBothKindsOfFolders) {
  EXPECT_EQ(FileNameOf("C:\\art\\a.gif"), "a.gif");
  EXPECT_EQ(FileNameOf("/home/u/art/b.jpg"), "b.jpg");
  EXPECT_EQ(FileNameOf("art/sub\\c.gif"), "c.gif");
  EXPECT_EQ(FileNameOf("art\\sub/d.gif"), "d.gif");
  EXPECT_EQ(FileNameOf("X:e.gif"), "e.gif");
  EXPECT_EQ(FileNameOf("plain.gif"), "plain.gif");
  EXPECT_EQ(FileNameOf("dir/"), "");
  EXPECT_EQ(FileNameOf(""), "");
  EXPECT_TRUE(IsAbsolutePath("/a"));
  EXPECT_TRUE(IsAbsolutePath("\\a"));
  EXPECT_TRUE(IsAbsolutePath("D:a"));
  EXPECT_FALSE(IsAbsolutePath("a/b"));
  EXPECT_FALSE(IsAbsolutePath(""));
}

// Keywords that differ in one letter, in any case, find their own token;
// words of the same length and letters that are not keywords stay words.
TEST(Keywords, LookUpIgnoresCaseAndTellsNeighboursApart) {
  const std::pair<const char*, const char*> kPairs[] = {
      {"TextAlignX", "15"},
      {"textaligny", "16"},
      {"TEXTOFFSETX", "17"},
      {"TextOffsetY", "18"},
      {"ImageAlignX", "22"},
      {"imagealignY", "23"},
      {"ImageOffsetX", "24"},
      {"ImageOffsetY", "25"},
      {"BorderTop", "28"},
      {"bordermid", "29"},
      {"BorderBot", "30"},
      {"BorderStyle", "26"},
      {"BorderSmooth", "27"},
      {"BorderThick", "31"},
      {"N_ResizeCursor", "8"},
      {"NE_ResizeCursor", "7"},
      {"nw_resizecursor", "6"},
      {"S_ResizeCursor", "9"},
      {"SE_ResizeCursor", "5"},
      {"SW_ResizeCursor", "4"},
      {"E_ResizeCursor", "11"},
      {"W_Resize", "10"},
      {"X", "3"},
      {"y", "4"},
      {"Up", "200"},
      {"over", "201"},
      {"DOWN", "202"},
      {"All", "203"},
      {"Set", "7"},
      {"Status", "0"},
      {"State", "0"},
      {"StateSet", "104"},
      {"Text", "11"},
      {"TextColor", "12"},
      {"Transparent", "1"},
      {"Radio", "2"},
      {"JavaScript", "1"},
      {"VelkoScript", "0"},
      {"Internet", "1"},
  };
  for (const auto& [word, token] : kPairs) {
    EXPECT_EQ(TokView(word, 1), token) << word;
    EXPECT_EQ(TokView(word, 0), word) << word;
  }
  for (const char* word : {"BorderXyz", "TextAlignZ", "Widths", "Z", "", "N_Resize", "Ups",
                           "\xC4rger", "Text ", " Text"})
    EXPECT_EQ(TokView(word, 1), word) << word;
}
