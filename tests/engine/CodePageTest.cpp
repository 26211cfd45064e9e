// Old projects typed in another code page: the tables, the names a code page
// is given by, the archive reading 8-bit strings in it, and reading the open
// project's file again in it as one undoable step.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/Archive.h"
#include "core/CodePages.h"
#include "core/Messages.h"
#include "core/Win1252.h"
#include "support/EngineFixture.h"
#include "support/ProjectBytes.h"
#include "support/TempDir.h"

namespace {

TEST(CodePages, BytesThatDifferBetweenCodePagesReadAsTheirCharacters) {
  struct Row {
    CodePage page;
    const char* bytes;
    const char* utf8;
  };
  const Row rows[] = {
      // The undefined bytes (0x81, 0x98, 0xAA, 0xA1) keep their own value.
      {CodePage::kCentralEuropean, "K\x8A\xE8\xB9\x81", u8"KŠčą\u0081"},
      {CodePage::kCyrillic, "\xD5\xEB\xE5\xE1\x80\x98", u8"ХлебЂ\u0098"},
      {CodePage::kWestern, "\x80\xE8\x8A\x81", u8"€èŠ\u0081"},
      {CodePage::kGreek, "\xD8\xF9\xEC\xDF\xA2\xAA", u8"ΨωμίΆ\u00AA"},
      {CodePage::kTurkish, "\xF0\xFD\xDE\xD0", u8"ğıŞĞ"},
      {CodePage::kBaltic, "\xC0\xE8\xFE\xA1", u8"Ąčž\u00A1"},
  };
  for (const Row& r : rows) EXPECT_EQ(codepage::ToUtf8(r.bytes, r.page), r.utf8) << r.bytes;

  // Every byte of every code page is a character of its own: nothing read is
  // lost, and ASCII is itself.
  for (CodePage page : codepage::kAll) {
    std::set<char32_t> seen;
    for (int b = 0; b < 256; ++b) {
      const char32_t cp = codepage::ToUnicode(page, static_cast<unsigned char>(b));
      if (b < 0x80) {
        EXPECT_EQ(cp, static_cast<char32_t>(b));
      }
      EXPECT_TRUE(seen.insert(cp).second) << static_cast<int>(page) << " byte " << b;
    }
    if (page != CodePage::kWestern) continue;
    for (int b = 0; b < 256; ++b) {
      EXPECT_EQ(codepage::ToUnicode(page, static_cast<unsigned char>(b)),
                win1252::ToUnicode(static_cast<unsigned char>(b)));
    }
  }
}

TEST(CodePages, NamesAreAcceptedInAnyCaseAndOthersRefused) {
  for (const char* name :
       {"windows-1251", "WINDOWS-1251", "Windows-1251", "cp1251", "CP1251", "1251"})
    EXPECT_EQ(codepage::FromName(name), CodePage::kCyrillic) << name;
  for (CodePage page : codepage::kAll) EXPECT_EQ(codepage::FromName(codepage::Name(page)), page);
  for (const char* name :
       {"", "windows-", "cp", "1255", "windows-1251x", "win1251", "utf-8", " 1251", "cp 1251"})
    EXPECT_FALSE(codepage::FromName(name)) << name;
  EXPECT_EQ(codepage::DisplayName(CodePage::kCentralEuropean), "Central European (Windows-1250)");
  EXPECT_EQ(codepage::Name(CodePage::kBaltic), "windows-1257");
}

TEST(CodePages, TheArchiveReadsEightBitStringsInItsCodePageAndUtf8AsUtf8) {
  const std::string bytes = ProjectBytes()
                                .Str("\xD5\xEB\xE5\xE1")
                                .Str("\xEF\xBB\xBF" + std::string(u8"Хлеб"))
                                .Str("plain")
                                .bytes();
  for (const auto& [page, first] :
       {std::pair{CodePage::kWestern, u8"Õëåá"}, std::pair{CodePage::kCyrillic, u8"Хлеб"}}) {
    Archive ar(bytes.data(), bytes.size());
    ar.SetCodePage(page);
    EXPECT_EQ(ar.ReadString(), first);
    EXPECT_EQ(ar.ReadString(), u8"Хлеб");
    EXPECT_EQ(ar.ReadString(), "plain");
  }
}

class ReadAgain : public NewProject {
 protected:
  // A one-button project saved by a Russian system: its name, caption and
  // page path in Windows-1251.
  ReadAgain() {
    const std::string bread = "\xD5\xEB\xE5\xE1";
    WriteBytes(file, ProjectBytes()
                         .Head("C:\\" + bread + ".html")
                         .DefaultProject(100, 40)
                         .Int(1)
                         .DefaultButton(bread)
                         .bytes());
    EXPECT_TRUE(doc.OnOpenDocument(file));
  }

  std::string Saved() {
    Archive ar;
    doc.Serialize(ar);
    return ar.TakeBytes();
  }

  TempDir dir;
  const std::string file = dir / "bakery.but";
};

TEST_F(ReadAgain, TextsReadInTheCodePageAsOneStepThatUndoes) {
  ASSERT_EQ(button().name, u8"Õëåá");
  const std::string before = Saved();
  ASSERT_TRUE(doc.ReadAgainIn(CodePage::kCyrillic));
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_EQ(button().name, u8"Хлеб");
  for (PropState* s : {&up(), &over(), &down()}) EXPECT_EQ(s->text->text, u8"Хлеб");
  EXPECT_EQ(doc.htmlPath, u8"C:\\Хлеб.html");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.history().UndoName(), "Reopen with Encoding");
  // Saved, the texts are UTF-8 behind the mark.
  const std::string marked = std::string("\x0B\xEF\xBB\xBF") + u8"Хлеб";
  EXPECT_NE(Saved().find(marked), std::string::npos);

  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(button().name, u8"Õëåá");
  EXPECT_EQ(up().text->text, u8"Õëåá");
  EXPECT_EQ(Saved(), before);
  EXPECT_FALSE(doc.IsModified());
  ASSERT_TRUE(doc.Redo());
  EXPECT_EQ(down().text->text, u8"Хлеб");
}

TEST_F(ReadAgain, UnsavedChangesAskFirstAndAProjectWithoutFileRefuses) {
  // Changed here (a button more): No keeps everything; Yes reads the file.
  doc.AddNewButton(-1);
  platform.answers = {IdNo};
  EXPECT_FALSE(doc.ReadAgainIn(CodePage::kCyrillic));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_NE(platform.messages[0].text.find("Cyrillic (Windows-1251)"), std::string::npos);
  EXPECT_EQ(doc.ButtonCount(), 2u);
  platform.answers = {IdYes};
  EXPECT_TRUE(doc.ReadAgainIn(CodePage::kCyrillic));
  EXPECT_EQ(doc.ButtonCount(), 1u);
  EXPECT_EQ(button().name, u8"Хлеб");
  EXPECT_TRUE(doc.IsModified());

  // A renamed button: the step goes from the renamed one, and Undo brings it back.
  doc.OnOpenDocument(file);
  const std::vector<FieldValue> named = FieldValues(button());
  button().name = "Renamed";
  doc.edits().RecordFieldEdit(doc.content().PathOf(&button()), named, "Rename");
  platform.answers = {IdYes};
  EXPECT_TRUE(doc.ReadAgainIn(CodePage::kCyrillic));
  EXPECT_EQ(button().name, u8"Хлеб");
  doc.Undo();
  EXPECT_EQ(button().name, "Renamed");
  EXPECT_TRUE(doc.IsModified());

  // Never saved: nothing to read.
  doc.OnNewDocument();
  platform.messages.clear();
  EXPECT_FALSE(doc.ReadAgainIn(CodePage::kCyrillic));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::kReopenNoFile);
  EXPECT_FALSE(doc.history().CanUndo());
}

}  // namespace
