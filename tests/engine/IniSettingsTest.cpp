// The settings store on hand-written files: every form the editor's settings
// files take, broken files, and writes that keep every other key.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/IniEscape.h"
#include "core/IniSettings.h"
#include "core/os/Os.h"

namespace {

class IniStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = os::MakeTempFolder("vb-ini-");
    ASSERT_FALSE(dir_.empty());
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

  std::string Path(const std::string& name) const { return dir_ + "/" + name; }
  void Put(const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(std::filesystem::path(Path(name)).parent_path());
    std::ofstream(Path(name), std::ios::binary) << bytes;
  }
  std::string Get(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }
  ini::Store StoreOf(const std::string& text) {
    Put("app.conf", text);
    return ini::Store({Path("app.conf")});
  }

  std::string dir_;
};

TEST_F(IniStoreTest, ReadsTextAsTheEditorReadsIt) {
  ini::Store s = StoreOf(
      "; a comment\n"
      "top=in general\n"
      "[Options]\n"
      "Plain=  Sunday  \n"
      "Quoted=\"  spaced; = \"\n"
      "Escapes=a\\tb\\nc\\\\d\\\"e\\x41\\101\\q\n"
      "Utf8=D\xC3\xA9"
      "cembre \xE2\x82\xAC \xE6\x97\xA5\n"
      "Bad=a\xFF"
      "b\n"
      "List=No Java,  sorry ,x\n"
      "QuotedComma=\"No Java, sorry\"\n"
      "At=@@home\n"
      "AtList=@@a, b\n"
      "Tail=value ; comment\n"
      "Cont=one\\\ntwo\n"
      "Empty=\n"
      "Str=@String(kept)\n"
      "Bytes=@ByteArray(D\\xc3\\xa9j\\xe0)\n"
      "Rect=@Rect(1 2 3 4)\n"
      "Odd=@Rect(1 2)\n"
      "Inv=@Invalid()\n"
      "Var=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x3)\n"
      "Mixed=@Rect(1 2 3 4), x\n"
      "My%20Key=spaced key\n"
      "sub\\key=slash\n"
      "%U00E9t%E9=accents\n"
      "[Other%20Section]\n"
      "k=other\n");
  EXPECT_EQ(s.GetString("", "top", "-"), "in general");
  EXPECT_EQ(s.GetString("General", "top", "-"), "-");  // [General] is the top level
  EXPECT_EQ(s.GetString("Options", "Plain", "-"), "Sunday");
  EXPECT_EQ(s.GetString("Options", "Quoted", "-"), "  spaced; = ");
  EXPECT_EQ(s.GetString("Options", "Escapes", "-"), "a\tb\nc\\d\"eAA");
  EXPECT_EQ(s.GetString("Options", "Utf8", "-"), u8"Décembre € 日");
  EXPECT_EQ(s.GetString("Options", "Bad", "-"), u8"a\uFFFDb");
  EXPECT_EQ(s.GetString("Options", "List", "-"), "No Java, sorry, x");
  EXPECT_EQ(s.GetString("Options", "QuotedComma", "-"), "No Java, sorry");
  EXPECT_EQ(s.GetString("Options", "At", "-"), "@home");
  EXPECT_EQ(s.GetString("Options", "AtList", "-"), "@a, b");
  EXPECT_EQ(s.GetString("Options", "Tail", "-"), "value");
  EXPECT_EQ(s.GetString("Options", "Cont", "-"), "onetwo");
  EXPECT_EQ(s.GetString("Options", "Empty", "-"), "");
  EXPECT_EQ(s.GetString("Options", "Str", "-"), "kept");
  EXPECT_EQ(s.GetString("Options", "Bytes", "-"), u8"Déj\uFFFD");  // bytes read as UTF-8
  EXPECT_EQ(s.GetString("Options", "Rect", "-"), "-");
  EXPECT_EQ(s.GetString("Options", "Odd", "-"), "-");  // another program's typed value
  EXPECT_EQ(s.GetString("Options", "Inv", "-"), "-");
  EXPECT_EQ(s.GetString("Options", "Var", "-"), "-");
  EXPECT_EQ(s.GetString("Options", "Mixed", "-"), "-");
  EXPECT_EQ(s.GetString("Options", "My Key", "-"), "spaced key");
  EXPECT_EQ(s.GetString("Options/sub", "key", "-"), "slash");
  EXPECT_EQ(s.GetString("Options", u8"été", "-"), "accents");
  EXPECT_EQ(s.GetString("Other Section", "k", "-"), "other");
  EXPECT_EQ(s.GetString("options", "Plain", "-"), "-");  // names are case-sensitive
  EXPECT_EQ(s.GetString("Options", "Missing", "dflt"), "dflt");
}

TEST_F(IniStoreTest, ReadsWholeNumbersOnly) {
  ini::Store s = StoreOf(
      "[N]\na=42\nb= -7 \nc=\" 12\"\nd=+3\ne=0x10\nf=1.5\ng=\nh=99999999999\ni=1,2\n"
      "j=-2147483648\nk=@ByteArray(5)\nl=@Rect(1 2 3 4)\n");
  EXPECT_EQ(s.GetInt("N", "a", 0), 42);
  EXPECT_EQ(s.GetInt("N", "b", 0), -7);
  EXPECT_EQ(s.GetInt("N", "c", 0), 12);
  EXPECT_EQ(s.GetInt("N", "d", 0), 3);
  EXPECT_EQ(s.GetInt("N", "e", 9), 9);
  EXPECT_EQ(s.GetInt("N", "f", 9), 9);
  EXPECT_EQ(s.GetInt("N", "g", 9), 9);
  EXPECT_EQ(s.GetInt("N", "h", 9), 9);
  EXPECT_EQ(s.GetInt("N", "i", 9), 9);
  EXPECT_EQ(s.GetInt("N", "j", 0), -2147483647 - 1);
  EXPECT_EQ(s.GetInt("N", "k", 0), 5);
  EXPECT_EQ(s.GetInt("N", "l", 9), 9);
  EXPECT_EQ(s.GetInt("N", "missing", 9), 9);
}

TEST_F(IniStoreTest, SectionRulesAndRepeatedKeys) {
  ini::Store s = StoreOf(
      "\xEF\xBB\xBF"
      "[general]\nA=1\n[%General]\nB=2\n[S]\nk=first\n[T]\nx=1\n[S]\nk=second\n  [ U ]  \nv=u\n"
      "[broken\nw=3\nnoequals\n");
  EXPECT_EQ(s.GetInt("", "A", 0), 1);
  EXPECT_EQ(s.GetInt("General", "B", 0), 2);
  EXPECT_EQ(s.GetString("S", "k", ""), "second");
  EXPECT_EQ(s.GetString("U", "v", ""), "u");
  EXPECT_EQ(s.GetInt("broken", "w", 0), 3);
}

TEST_F(IniStoreTest, FallsBackToTheOrganisationAndSystemFiles) {
#ifdef _WIN32
  GTEST_SKIP() << "the folders named by XDG variables are the POSIX systems' (%APPDATA% is "
                  "OsLayer.TheUsersFoldersComeFromTheEnvironment's)";
#endif
  Put("user/Velko/VelkoButton.conf", "[Options]\nDay1=user\n");
  Put("user/Velko.conf", "[Options]\nDay1=org\nDay2=org\n");
  Put("sys1/Velko/VelkoButton.conf", "[Options]\nDay3=sys1\n");
  Put("sys2/Velko/VelkoButton.conf", "[Options]\nDay3=sys2\nDay4=sys2\n");
  Put("sys1/Velko.conf", "[Options]\nDay4=sysorg\nDay5=sysorg\n");
  // The environment is put back whatever happens.
  struct Saved {
    const char* name;
    std::string value;
    bool set;
  } saved[] = {{"XDG_CONFIG_HOME", "", false}, {"XDG_CONFIG_DIRS", "", false}, {"HOME", "", false}};
  for (Saved& v : saved)
    if (const char* e = std::getenv(v.name)) v.value = e, v.set = true;
  struct Restore {
    Saved* begin;
    Saved* end;
    ~Restore() {
      for (Saved* v = begin; v != end; ++v)
        v->set ? os::SetEnv(v->name, v->value) : os::UnsetEnv(v->name);
    }
  } restore{std::begin(saved), std::end(saved)};
  os::SetEnv("XDG_CONFIG_HOME", Path("user"));
  os::SetEnv("XDG_CONFIG_DIRS", Path("sys1") + "::" + Path("sys2"));
  ini::Store s = ini::Store::ForUser("Velko", "VelkoButton");
  os::UnsetEnv("XDG_CONFIG_DIRS");
  os::UnsetEnv("XDG_CONFIG_HOME");
  EXPECT_EQ(s.files().front(), Path("user") + "/Velko/VelkoButton.conf");
  EXPECT_EQ(s.GetString("Options", "Day1", ""), "user");
  EXPECT_EQ(s.GetString("Options", "Day2", ""), "org");
  EXPECT_EQ(s.GetString("Options", "Day3", ""), "sys1");
  EXPECT_EQ(s.GetString("Options", "Day4", ""), "sys2");  // every app file before any org file
  EXPECT_EQ(s.GetString("Options", "Day5", ""), "sysorg");

  os::SetEnv("HOME", Path("home"));
  ini::Store home = ini::Store::ForUser("Velko", "VelkoButton");
  EXPECT_EQ(home.files().front(), Path("home") + "/.config/Velko/VelkoButton.conf");
  EXPECT_EQ(home.files()[2], "/etc/xdg/Velko/VelkoButton.conf");
  EXPECT_EQ(home.files()[3], "/etc/xdg/Velko.conf");
}

TEST_F(IniStoreTest, BrokenFilesReadAsWhatCanBeMadeOut) {
  const std::string cases[] = {
      "",
      "[",
      "[]",
      "=",
      "\"",
      "a=\"unterminated\nb=2\n",
      "a=\\",
      "a=\\x",
      "a=\\x1234567890abcdef",
      "a=\\777777777",
      "a=\xC3",
      "%",
      "%U12",
      "[%U]\n%ZZ=1",
      std::string("a=b\0c\nd=e", 9),
      ";;;;\n;\n\r\n\n\r",
      "a=,,,,\n",
      "a=@\nb=@@\nc=@)\nd=@Rect()\ne=@Rect( )\nf=@ByteArray()\ng=@Rect)1 2 3(4)\n",
  };
  for (const std::string& c : cases) {
    const ini::Document doc = ini::Document::Parse(c);
    const ini::Document again = ini::Document::Parse(doc.Serialize());
    EXPECT_EQ(again.Keys().size(), doc.Keys().size()) << c;
  }
  // A lone "[" opens a section without a name; its keys are written back at
  // the top level, as the editor writes them.
  EXPECT_EQ(ini::Document::Parse("[\nk=1\n[General]\nt=2\n").Serialize(), "[General]\nk=1\nt=2\n");
  ini::Store s = StoreOf("a=\"unterminated\nb=2\n");
  EXPECT_EQ(s.GetString("", "a", "-"), "unterminated\nb=2\n");
  EXPECT_EQ(s.GetInt("", "b", 7), 7);

  // A folder, or nothing at all, reads as empty.
  std::filesystem::create_directories(Path("dir.conf"));
  EXPECT_EQ(ini::Store({Path("dir.conf"), Path("none.conf")}).GetString("a", "b", "d"), "d");
}

TEST_F(IniStoreTest, WritesOneKeyAndKeepsEveryOther) {
  Put("app.conf",
      "; dropped, as the editor drops comments\n"
      "[Settings]\n"
      "WindowPos=1 2 3 4\n"
      "\n"
      "[Options]\n"
      "Day2=a,b\n"
      "Day1=x\n"
      "geometry=@ByteArray(\\x1\\xd9\\xd0\\xcb\\0\\x3)\n"
      "Rect=@Rect(1 2 3 4)\n"
      "[General]\n"
      "top=1\n");
  ini::Store s({Path("app.conf")});
  ASSERT_TRUE(s.WriteString("Options", "Day1", "Dimanche"));
  ASSERT_TRUE(s.WriteString("Options", "Month3", u8"März; \"1\", @x"));
  ASSERT_TRUE(s.WriteInt("New Section", "Count/Sub", -5));
  EXPECT_EQ(Get("app.conf"),
            "[General]\n"
            "top=1\n"
            "\n"
            "[New%20Section]\n"
            "Count\\Sub=-5\n"
            "\n"
            "[Options]\n"
            "Day1=Dimanche\n"
            "Day2=a, b\n"
            "Month3=\"M\xC3\xA4rz; \\\"1\\\", @x\"\n"
            "Rect=@Rect(1 2 3 4)\n"
            "geometry=@ByteArray(\\x1\\xd9\\xd0\\xcb\\0\\x3)\n"
            "\n"
            "[Settings]\n"
            "WindowPos=1 2 3 4\n");
  EXPECT_EQ(s.GetString("Options", "Month3", ""), u8"März; \"1\", @x");
  EXPECT_EQ(s.GetInt("New Section/Count", "Sub", 0), -5);
}

TEST_F(IniStoreTest, WrittenTextReadsBackTheSame) {
  const std::string values[] = {"plain",
                                "",
                                "  lead and trail  ",
                                "a,b",
                                "semi;colon",
                                "eq=uals",
                                "\"quoted\"",
                                "back\\slash",
                                "@at",
                                "@@double",
                                "@ByteArray(x)",
                                "line\nbreak\ttab\rret",
                                "\x01\x1f"
                                "1a",
                                u8"Größe € ÿ Хлеб 🍞",
                                "trailing \\",
                                "#hash [x] %41"};
  ini::Store s({Path("sub/dir/app.conf")});  // the folders are made
  int n = 0;
  for (const std::string& v : values) {
    const std::string key = "K " + std::to_string(++n);
    ASSERT_TRUE(s.WriteString("Sec/tion", key, v)) << v;
    EXPECT_EQ(s.GetString("Sec/tion", key, "-"), v);
  }
  n = 0;
  ini::Store again({Path("sub/dir/app.conf")});
  for (const std::string& v : values)
    EXPECT_EQ(again.GetString("Sec/tion", "K " + std::to_string(++n), "-"), v);
}

TEST_F(IniStoreTest, NeverWritesUnderAnotherWritersLock) {
  Put("app.conf", "[A]\nk=old\n");
  ini::Store s({Path("app.conf")});
  s.lockWait = std::chrono::milliseconds(100);
  // Another writer holds the lock: nothing is written until it lets go.
  os::File held = os::Open(Path("app.conf.lock"), os::kReadWrite | os::kCreate);
  ASSERT_TRUE(held.valid());
  ASSERT_TRUE(os::TryLock(held.native()));
  EXPECT_FALSE(s.WriteString("A", "k", "new"));
  EXPECT_EQ(Get("app.conf"), "[A]\nk=old\n");
  held.Close();
  EXPECT_TRUE(s.WriteString("A", "k", "new"));
  EXPECT_EQ(s.GetString("A", "k", ""), "new");
  // The writer removes the lock file as it lets go.
  EXPECT_EQ(os::KindOf(Path("app.conf.lock")), os::Kind::None);

  // An unreadable file is never replaced.
  Put("app.conf", "[A]\nk=kept\n");
  os::SetMode(Path("app.conf"), 0200);
  if (!std::ifstream(Path("app.conf"))) {
    EXPECT_FALSE(s.WriteString("A", "k", "lost"));
    os::SetMode(Path("app.conf"), 0600);
    EXPECT_EQ(Get("app.conf"), "[A]\nk=kept\n");
  }
}

// A value part decodes to exactly this text, or these elements: blanks,
// quotes, commas, every escape, and the malformed ones (a backslash or "\x"
// at the end, unknown escapes, digits past 16 bits, UTF-8 cut by an escape).
TEST(IniValues, DecodeExactly) {
  const struct {
    std::string bytes;
    std::vector<std::u16string> decoded;  // one text, or the elements of a list
  } cases[] = {
      {"", {u""}},
      {" \t plain  text \t ", {u"plain  text"}},
      {"a\\tb\\nc\\\\d\\\"e\\?\\'\\a\\b\\f\\v\\r", {u"a\tb\nc\\d\"e?'\a\b\f\v\r"}},
      {"ab  \\", {u"ab  "}},   // a backslash at the end: blanks before it stay
      {"ab  \\x", {u"ab  "}},  // so with "\x" at the end
      {"a \\xg\\x41\\x", {u"a gA"}},
      {"\\x1F600 \\XFF", {u"\xF600 FF"}},  // past 16 bits; an unknown escape
      {"\\101\\1012\\0\\8\\q9", {u"A\u020A" + std::u16string(1, u'\0') + u"9"}},
      {"\\777777 ", {u"\xFFFF"}},
      {"a \\t \\ ", {u"a \t "}},  // blanks an escape ends stay
      {"a\\\nb\\\r\nc\\\n\rd\\\n\ne", {u"abcd\ne"}},
      {"\"  x  \"  ", {u"  x  "}},
      {"a \"b \" c ", {u"a b c "}},  // quoted anywhere: no blanks cut
      {"\"open  ", {u"open  "}},
      {"\"x,y\";z=", {u"x,y;z="}},
      {std::string("a\0b", 3), {std::u16string(u"a\0b", 3)}},
      {"D\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", {u"D\u00E9 \u20AC \U0001F600"}},
      {"\xFF\xC0\x80\xED\xA0\x80", {u"\xFFFD\xFFFD\xFFFD\xFFFD\xFFFD\xFFFD"}},
      {"x\xC3", {u"x"}},               // a sequence cut by the end is dropped
      {"\xC3\\n\xA9", {u"\n\u00E9"}},  // ... and one cut by an escape goes on after it
      {"\\\xC3\xA9", {u"\xFFFD"}},     // an escape of a lead byte drops it
      {"a , b\t,c ", {u"a", u"b", u"c"}},
      {",", {u"", u""}},
      {" \"a \" , \\t, \"", {u"a ", u"\t", u""}},
      {"\xC3,\xA9", {u"", u"\u00E9"}},
  };
  for (const auto& c : cases) {
    std::u16string text;
    std::vector<std::u16string> list = {u"before"};
    const bool isList = ini::UnescapeValue(c.bytes, text, list);
    EXPECT_EQ(isList, c.decoded.size() > 1) << c.bytes;
    EXPECT_EQ(isList ? list : std::vector<std::u16string>{text}, c.decoded) << c.bytes;
  }
}

// Any text, written and read again, is the same text: as a value part, and
// as a whole value (with "@" and NUL in it).
TEST(IniValues, EscapedTextReadsBack) {
  // Characters escaping treats apart, a surrogate pair and NUL.
  std::vector<std::u16string> pieces = {u"@@", u"\U0001F600", std::u16string(1, u'\0')};
  for (char16_t c : std::u16string_view(u" \t,;=\"\\@a1fgx\n\r\a\x1F\x7F\u00E9\u20AC"))
    pieces.emplace_back(1, c);
  const std::u16string prefixes[] = {u"", u"@ByteArray(", u"@Variant(", u"@String("};
  std::mt19937 random(36);
  for (int n = 0; n < 20000; ++n) {
    std::u16string text = prefixes[random() % std::size(prefixes)];
    for (int k = random() % 10; k > 0; --k) text += pieces[random() % pieces.size()];
    std::string written;
    ini::EscapeValue(text, written);
    std::u16string read;
    std::vector<std::u16string> list;
    EXPECT_FALSE(ini::UnescapeValue(written, read, list)) << written;
    EXPECT_EQ(read, text) << written;
    std::u16string whole;
    EXPECT_TRUE(ini::ValueText(ini::ParseValue(ini::FormatValue(ini::Value::Text(text))), whole));
    EXPECT_EQ(whole, text) << written;
  }
}

}  // namespace
