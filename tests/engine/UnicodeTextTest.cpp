// Text in any language: the project file stores what Windows-1252 holds in
// its bytes and anything else as UTF-8 behind the UTF-8 mark; the page stays
// 8-bit, with character references in its HTML and \u{HEX} in its script.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/Archive.h"
#include "core/Win1252.h"
#include "support/EngineFixture.h"

namespace {

const char kMark[] = "\xEF\xBB\xBF";

// 8-bit text read back: Windows-1252 bytes, and each escape `open` HEX
// `close` as its character (a character reference, or \u{HEX} in a script).
std::string Read(const std::string& bytes, const std::string& open, char close) {
  std::string text;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const std::size_t end =
        bytes.compare(i, open.size(), open) == 0 ? bytes.find(close, i) : std::string::npos;
    const std::size_t hex = i + open.size();
    if (end != std::string::npos) {
      utf8::Append(text,
                   static_cast<char32_t>(std::stoul(bytes.substr(hex, end - hex), nullptr, 16)));
      i = end;
    } else {
      utf8::Append(text, win1252::ToUnicode(static_cast<unsigned char>(bytes[i])));
    }
  }
  return text;
}

// The script of a page's Script parameters.
std::string ScriptOf(const std::string& page) {
  std::string script;
  for (std::size_t at = page.find("NAME=Script"); at != std::string::npos;
       at = page.find("NAME=Script", at + 1)) {
    const std::size_t from = page.find("VALUE=\"+", at) + 8;
    script += page.substr(from, page.find("+\">", from) - from);
  }
  return script;
}

class UnicodeText : public NewProject {
 protected:
  UnicodeText() { app.settings().html5Runtime = 1; }

  std::string Save() {
    Archive ar;
    doc.Serialize(ar);
    return ar.TakeBytes();
  }
};

struct Language {
  const char* name;
  const char* text;
};
const Language kLanguages[] = {
    {"Czech", u8"Koláče"},
    {"Polish", u8"Żółw i chleb"},
    {"Russian", u8"Хлеб"},
    {"Greek", u8"Ψωμί"},
    {"Turkish", u8"Ekmek ığdır"},
    {"Japanese", u8"パン"},
    {"Chinese", u8"面包"},
    {"Korean", u8"빵"},
    {"Arabic", u8"خبز"},
    {"Hebrew", u8"לחם"},
    {"Hindi", u8"रोटी"},
    {"emoji", u8"🍞 Breads"},
    {"combining mark", u8"Cafe\u0301 n\u0303"},
};

}  // namespace

TEST_F(UnicodeText, EveryLanguageInEveryFieldSavesReopensAndPublishesExactly) {
  for (const Language& language : kLanguages) {
    SCOPED_TRACE(language.name);
    const std::string t = language.text;
    doc.OnNewDocument();
    app.settings().html5Runtime = 1;
    PropButton& b = button();
    b.name = "N " + t;
    b.tip = "T " + t;
    b.status = "S " + t;
    b.url = "https://example.com/" + t;
    project().identifier = "I " + t;
    up().text->text = "C " + t;
    up().advanced->script = "Output 0 'A " + t + "';";
    app.settings().months[0] = "M " + t;

    // The project file: each text behind the mark, its length counting it.
    const std::string bytes = Save();
    const std::string caption = std::string(kMark) + "C " + t;
    EXPECT_NE(bytes.find(std::string(1, static_cast<char>(caption.size())) + caption),
              std::string::npos);
    ASSERT_TRUE(doc.OpenFromBytes(bytes, "/p/any.but"));
    EXPECT_EQ(button().name, "N " + t);
    EXPECT_EQ(button().tip, "T " + t);
    EXPECT_EQ(button().status, "S " + t);
    EXPECT_EQ(button().url, "https://example.com/" + t);
    EXPECT_EQ(project().identifier, "I " + t);
    EXPECT_EQ(up().text->text, "C " + t);
    EXPECT_EQ(up().advanced->script, "Output 0 'A " + t + "';");
    EXPECT_EQ(Save(), bytes);

    // The page: 8-bit text that reads back as every text.
    const std::string page = doc.BuildHtml(PageMode::Page);
    EXPECT_EQ(page.find(kMark), std::string::npos);
    const std::string html = Read(page, "&#x", ';');
    // A caption written right to left says so.
    const std::string span =
        language.name == std::string("Arabic") || language.name == std::string("Hebrew")
            ? "<SPAN DIR=\"auto\">"
            : "<SPAN>";
    for (const std::string& shown : {"<TITLE>I " + t + "</TITLE>", span + "C " + t + "</SPAN>",
                                     "TITLE=\"T " + t + "\"", "HREF=\"https://example.com/" + t})
      EXPECT_NE(html.find(shown), std::string::npos) << shown;
    const std::string script = Read(ScriptOf(page), "\\u{", '}');
    for (const std::string& said :
         {"'N " + t + "'", "'T " + t + "'", "'S " + t + "'", "'https://example.com/" + t + "'",
          "'C " + t + "'", "Output 0 'A " + t + "';", "Month0='M " + t + "'"})
      EXPECT_NE(script.find(said), std::string::npos) << said;
  }
}

TEST_F(UnicodeText, TheStyleSheetEscapesAndNamesCountCharactersAsTheRuntimeDoes) {
  project().identifier = u8"Menü 🍞";
  up().text->font = u8"Noto 日本";
  const std::string page = doc.BuildHtml(PageMode::Page);
  EXPECT_NE(page.find("\"Noto \\65E5 \\672C \", sans-serif"), std::string::npos);
  // One '_' for each UTF-16 unit of what an id cannot hold, as the runtime's.
  EXPECT_NE(page.find("ID=\"vb-Men____\""), std::string::npos);
  EXPECT_NE(page.find("<TITLE>Men\xFC &#x1F35E;</TITLE>"), std::string::npos);
}

TEST(UnicodeArchive, RandomTextsReadBackAndWindows1252TextsKeepTheirBytes) {
  std::mt19937 rng(38);
  for (int round = 0; round < 2000; ++round) {
    // Any character of any plane, or a Windows-1252 character.
    std::string text, bytes1252;
    bool only1252 = round % 2 == 0;
    for (unsigned n = rng() % 12; n; --n) {
      if (only1252) {
        const unsigned char c = static_cast<unsigned char>(rng() % 256);
        bytes1252.push_back(static_cast<char>(c));
        utf8::Append(text, win1252::ToUnicode(c));
        continue;
      }
      char32_t cp = rng() % 3 == 0 ? rng() % 0x110000 : rng() % 0x800;
      if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0x10D;
      utf8::Append(text, cp);
    }
    Archive w;
    w.WriteString(text);
    const std::string stored = w.Bytes();
    if (only1252 && bytes1252.compare(0, 3, kMark) != 0) {
      EXPECT_EQ(stored.substr(stored.size() - bytes1252.size()), bytes1252);
    }
    Archive r(stored.data(), stored.size());
    EXPECT_EQ(r.ReadString(), text);
    EXPECT_TRUE(r.AtEnd());
  }
  // A text Windows-1252 holds that begins as the mark does is stored as UTF-8.
  Archive w;
  w.WriteString(u8"ï»¿x");
  EXPECT_EQ(w.Bytes(), "\x0A\xEF\xBB\xBF\xC3\xAF\xC2\xBB\xC2\xBFx");
  // A damaged UTF-8 string reads with U+FFFD for each bad byte.
  const std::string damaged =
      "\x06\xEF\xBB\xBF"
      "a\xFF\xC3";
  Archive r(damaged.data(), damaged.size());
  EXPECT_EQ(r.ReadString(), u8"a\uFFFD\uFFFD");
}

TEST(UnicodeEscapes, EachDestinationGetsItsOwnForm) {
  const std::string text = u8"é€č🍞";
  EXPECT_EQ(win1252::Encode(text, win1252::Escape::Script), "\xE9\x80\\u{10D}\\u{1F35E}");
  EXPECT_EQ(win1252::Encode(text, win1252::Escape::Html), "\xE9\x80&#x10D;&#x1F35E;");
  EXPECT_EQ(win1252::Encode(text, win1252::Escape::Css), "\xE9\x80\\10D \\1F35E ");
  EXPECT_EQ(win1252::Encode(text, win1252::Escape::Url), "\xE9\x80%C4%8D%F0%9F%8D%9E");
  EXPECT_EQ(win1252::Encode("a\xFF", win1252::Escape::Script), "a\\u{FFFD}");
  EXPECT_EQ(utf8::Length(text), 4u);
  EXPECT_EQ(utf8::Prefix(text, 3), u8"é€č");
}
