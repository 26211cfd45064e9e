// The project file byte for byte: the head, every record's field order, the
// button list, the button counter, and the reader's answer to damaged files.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "audio/PropAudio.h"
#include "core/Archive.h"
#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/os/Os.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "groups/project/PropProject.h"
#include "support/ProjectBytes.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

namespace {

class ProjectFile : public ::testing::Test {
 protected:
  ProjectFile() : app(platform), doc(app) {
    app.setCurrentDoc(&doc);
    doc.OnNewDocument();
  }

  std::string Save() {
    Archive ar;
    doc.Serialize(ar);
    return ar.TakeBytes();
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> out;
    for (const auto& b : doc.buttons()) out.push_back(b->name);
    return out;
  }

  // Sets every field of a button and its groups to a value of its own.
  static void FillButton(PropButton& b) {
    b.name = "Menu";
    b.drag = 1;
    b.initiallyDown = 2;
    b.show = 3;
    b.mode = 4;
    b.tip = "tip";
    b.status = "status";
    b.url = "url";
    b.target = "target";
    b.height = 5;
    b.width = 6;
    b.x = 7;
    b.y = 8;
    b.leaveScript = "leave";
    int base = 100;
    for (PropState* s : {b.upState.get(), b.overState.get(), b.downState.get()}) {
      s->transparent = base + 1;
      s->color = static_cast<uint32_t>(base + 2);
      s->cursor = base + 3;
      s->offsetX = base + 4;
      s->offsetY = base + 5;
      s->animate = base + 6;
      PropText& t = *s->text;
      t.alignX = base + 10;
      t.alignY = base + 11;
      t.offsetX = base + 12;
      t.offsetY = base + 13;
      t.text = "caption" + std::to_string(base);
      t.textColor = static_cast<uint32_t>(base + 14);
      t.font = "font" + std::to_string(base);
      t.bold = base + 15;
      t.emboss = base + 16;
      t.engrave = base + 17;
      t.italic = base + 18;
      t.underline = base + 19;
      t.size = base + 20;
      PropBorder& r = *s->border;
      r.smooth = base + 30;
      r.style = base + 31;
      r.thick = base + 32;
      r.topColor = static_cast<uint32_t>(base + 33);
      r.midColor = static_cast<uint32_t>(base + 34);
      r.botColor = static_cast<uint32_t>(base + 35);
      r.automatic = base + 36;
      r.frameThick = base + 37;
      r.frameColor = static_cast<uint32_t>(base + 38);
      s->audio->file = "audio" + std::to_string(base);
      s->audio->mode = base + 40;
      PropImage& i = *s->image;
      i.file = "image" + std::to_string(base);
      i.offsetY = base + 50;
      i.offsetX = base + 51;
      i.alignX = base + 52;
      i.alignY = base + 53;
      i.style = base + 54;
      i.resourceIndex = 77;  // not saved
      s->advanced->script = "script" + std::to_string(base);
      base += 100;
    }
  }

  static void FillProject(PropProject& p) {
    p.identifier = "Id";
    p.buttonHeight = 1;
    p.spacing = 2;
    p.buttonWidth = 3;
    p.projectHeight = 4;
    p.layout = 2;  // user defined: the loader leaves positions alone
    p.projectWidth = 5;
    p.imageStyle = 6;
    p.backgroundImage = "back.gif";
    p.backgroundColor = 7;
    p.inputFile = "in.txt";
    p.readFromFile = 8;
    p.refreshRate = 9;
    p.tokenize = 10;
    p.reloadInterval = 11;
    p.codeBase = "classes";
    p.beforeScript = "before";
    p.afterScript = "after";
  }

  TestPlatform platform;
  KesApp app;
  Doc doc;
};

TEST_F(ProjectFile, NewProjectSavedAtOnceHasExactBytes) {
  ProjectBytes expected;
  expected.Head().DefaultProject(100, 40).Int(1).DefaultButton("Button 1");
  const std::string saved = Save();
  ASSERT_EQ(saved.substr(0, 9), std::string("\x04"
                                            "1.00"
                                            "\x02"
                                            "38"
                                            "\x00",
                                            9));
  EXPECT_EQ(saved, expected.bytes());
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(ProjectFile, EveryFieldHasItsPlace) {
  FillProject(*doc.project());
  FillButton(*doc.buttons().front());
  doc.htmlPath = "/pages/menu.html";

  ProjectBytes e;
  e.Head("/pages/menu.html");
  e.Str("Id").Int(1).Int(2).Int(3).Int(4).Int(2).Int(5).Int(6).Str("back.gif").Color(7);
  e.Str("in.txt").Int(8).Int(9).Int(10).Int(11).Str("classes").Str("before").Str("after");
  e.Int(1);
  e.Str("Menu").Int(1).Int(2).Int(3).Int(4).Str("tip").Str("status").Str("url").Str("target");
  e.Int(5).Int(6).Int(7).Int(8).Str("leave");
  const char* names[3] = {"Up", "Over", "Down"};
  for (int k = 0; k < 3; ++k) {
    const int b = 100 * (k + 1);
    const std::string n = std::to_string(b);
    e.Str(names[k]).Int(b + 1).Color(static_cast<uint32_t>(b + 2));
    e.Int(b + 3).Int(b + 4).Int(b + 5).Int(b + 6);
    e.Int(b + 10).Int(b + 11).Int(b + 12).Int(b + 13).Str("caption" + n);
    e.Color(static_cast<uint32_t>(b + 14)).Str("font" + n);
    e.Int(b + 15).Int(b + 16).Int(b + 17).Int(b + 18).Int(b + 19).Int(b + 20);
    e.Int(b + 30).Int(b + 31).Int(b + 32).Color(static_cast<uint32_t>(b + 33));
    e.Color(static_cast<uint32_t>(b + 34)).Color(static_cast<uint32_t>(b + 35));
    e.Int(b + 36).Int(b + 37).Color(static_cast<uint32_t>(b + 38));
    e.Str("audio" + n).Int(b + 40);
    e.Str("image" + n).Int(b + 50).Int(b + 51).Int(b + 52).Int(b + 53).Int(b + 54);
    e.Str("script" + n);
  }
  const std::string saved = Save();
  EXPECT_EQ(saved, e.bytes());

  // Read back, every value lands in its field and saves to the same bytes.
  ASSERT_TRUE(doc.OpenFromBytes(saved, "/p/menu.but"));
  EXPECT_EQ(doc.htmlPath, "/pages/menu.html");
  EXPECT_EQ(doc.project()->afterScript, "after");
  EXPECT_EQ(doc.project()->reloadInterval, 11);
  const PropButton& b = *doc.buttons().front();
  EXPECT_EQ(b.target, "target");
  EXPECT_EQ(b.y, 8);
  EXPECT_EQ(b.overState->border->frameColor, 238u);
  EXPECT_EQ(b.downState->image->style, 354);
  EXPECT_EQ(b.downState->image->resourceIndex, -1);
  EXPECT_EQ(b.upState->text->font, "font100");
  EXPECT_EQ(Save(), saved);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ProjectFile, ProjectWithoutButtons) {
  doc.RemoveButton(doc.buttons().front().get());
  // Removing lays out: the vertical layout leaves the height at the spacing.
  ProjectBytes expected;
  expected.Head().DefaultProject(100, 0).Int(0);
  EXPECT_EQ(Save(), expected.bytes());

  ASSERT_TRUE(doc.OpenFromBytes(expected.bytes(), "/p/empty.but"));
  EXPECT_EQ(doc.ButtonCount(), 0u);
  EXPECT_EQ(Save(), expected.bytes());

  // With no button nothing lays the project out: saved sizes stay as read.
  ProjectBytes odd;
  odd.Head().DefaultProject(321, 123).Int(0);
  ASSERT_TRUE(doc.OpenFromBytes(odd.bytes(), "/p/odd.but"));
  EXPECT_EQ(doc.project()->projectWidth, 321);
  EXPECT_EQ(doc.project()->projectHeight, 123);
  EXPECT_EQ(Save(), odd.bytes());

  // A negative count also means no buttons.
  ProjectBytes negative;
  negative.Head().DefaultProject(100, 0).Int(-5);
  ASSERT_TRUE(doc.OpenFromBytes(negative.bytes(), "/p/neg.but"));
  EXPECT_EQ(doc.ButtonCount(), 0u);
}

TEST_F(ProjectFile, ButtonOrderSurvivesSaveAndOpen) {
  for (const char* n : {"Alpha", "Beta", "Gamma", "Delta"})
    doc.InsertButton(doc.CreateButton())->name = n;
  doc.buttons().front()->name = "First";
  doc.MoveButton(doc.buttons()[3].get(), 0);  // Gamma to the front
  doc.MoveButton(doc.buttons()[1].get(), 4);  // First to the end
  const std::vector<std::string> order = Names();
  ASSERT_EQ(order, (std::vector<std::string>{"Gamma", "Alpha", "Beta", "Delta", "First"}));

  const std::string saved = Save();
  ASSERT_TRUE(doc.OpenFromBytes(saved, "/p/order.but"));
  EXPECT_EQ(Names(), order);
  // The vertical layout follows the order.
  EXPECT_EQ(doc.buttons()[0]->y, 0);
  EXPECT_EQ(doc.buttons()[4]->y, 160);
  EXPECT_EQ(Save(), saved);
}

TEST_F(ProjectFile, ButtonCounterAndLoadedNames) {
  EXPECT_EQ(doc.buttons().front()->name, "Button 1");
  EXPECT_EQ(doc.buttonCounter, 2);

  ProjectBytes file;
  file.Head().DefaultProject(100, 120).Int(3);
  file.DefaultButton("Home", 0, 0).DefaultButton("Button 1", 0, 40).DefaultButton("News", 0, 80);
  ASSERT_TRUE(doc.OpenFromBytes(file.bytes(), "/p/three.but"));
  // Open does not reset the counter; each loaded button took a number but
  // keeps its saved name and captions.
  EXPECT_EQ(doc.buttonCounter, 5);
  EXPECT_EQ(Names(), (std::vector<std::string>{"Home", "Button 1", "News"}));
  EXPECT_EQ(doc.buttons()[2]->overState->text->text, "News");
  EXPECT_EQ(Save(), file.bytes());

  EXPECT_EQ(doc.InsertButton(doc.CreateButton())->name, "Button 5");
  doc.OnNewDocument();
  EXPECT_EQ(doc.buttons().front()->name, "Button 1");
}

TEST_F(ProjectFile, OtherVersionStringsLoadNormally) {
  ProjectBytes written;
  written.Str("2.71").Str("1234").Str("page.html").DefaultProject(100, 40).Int(1);
  written.DefaultButton("Button 1");
  ASSERT_TRUE(doc.OpenFromBytes(written.bytes(), "/p/other.but"));
  EXPECT_EQ(doc.htmlPath, "page.html");
  // Saving writes this program's own version strings.
  ProjectBytes ours;
  ours.Head("page.html").DefaultProject(100, 40).Int(1).DefaultButton("Button 1");
  EXPECT_EQ(Save(), ours.bytes());
}

TEST_F(ProjectFile, WideStringsAreReadWhole) {
  // htmlPath and a button name in the wide form: "\u20ACuro" and "Caf\u00E9 \u4E2D".
  ProjectBytes file;
  file.Str("1.00").Str("38");
  file.Raw(
      std::string("\xFF\xFE\xFF\x04"
                  "\xAC\x20u\0r\0o\0",
                  12));
  file.DefaultProject(100, 40).Int(1);
  ProjectBytes button;
  button.DefaultButton("Button 1");
  std::string record = button.bytes();
  record.replace(0, 9,
                 std::string("\xFF\xFE\xFF\x06"
                             "C\0a\0f\0\xE9\0 \0\x2D\x4E",
                             16));
  file.Raw(record);
  ASSERT_TRUE(doc.OpenFromBytes(file.bytes(), "/p/wide.but"));
  EXPECT_EQ(doc.htmlPath, u8"\u20ACuro");
  EXPECT_EQ(doc.buttons().front()->name, u8"Caf\u00E9 \u4E2D");
}

TEST_F(ProjectFile, EveryTruncationIsRejectedWithANewProject) {
  // A varied project: long strings of every prefix size, several buttons.
  FillProject(*doc.project());
  doc.project()->beforeScript = std::string(300, 'b');
  FillButton(*doc.buttons().front());
  PropButton* second = doc.InsertButton(doc.CreateButton());
  second->tip = std::string(255, 't');
  second->upState->text->text = std::string(254, 'c');
  doc.InsertButton(doc.CreateButton());
  const std::string full = Save();

  for (std::size_t n = 0; n < full.size(); ++n) {
    platform.messages.clear();
    ASSERT_FALSE(doc.OpenFromBytes(full.substr(0, n), "/p/cut.but")) << n;
    ASSERT_EQ(platform.messages.size(), 1u) << n;
    EXPECT_EQ(platform.messages[0].text, "Unexpected file format.");
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::Exclamation);
    ASSERT_EQ(doc.ButtonCount(), 1u) << n;
    EXPECT_EQ(doc.buttons().front()->name, "Button 1") << n;
    EXPECT_EQ(doc.project()->identifier, "VelkoButton") << n;
    EXPECT_TRUE(doc.pathName().empty());
    EXPECT_EQ(doc.title(), "Untitled");
    EXPECT_FALSE(doc.IsModified());
  }
  platform.messages.clear();
  ASSERT_TRUE(doc.OpenFromBytes(full, "/p/full.but"));
  EXPECT_EQ(Save(), full);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(ProjectFile, HugeLengthClaimFailsAtOnce) {
  // The head's first string claims 4 GB with the 7-byte prefix in a 30-byte file.
  std::string bytes("\xFF\xFF\xFF\xFF\xFF\xFF\xFF", 7);
  bytes.resize(30, '\x01');
  EXPECT_FALSE(doc.OpenFromBytes(bytes, "/p/huge.but"));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::kUnexpectedFormat);

  // A button count far beyond the data ends at the first missing record.
  ProjectBytes many;
  many.Head().DefaultProject(100, 40).Int(0x7FFFFFFF).DefaultButton("Button 1");
  EXPECT_FALSE(doc.OpenFromBytes(many.bytes(), "/p/many.but"));
  EXPECT_EQ(doc.ButtonCount(), 1u);
}

TEST_F(ProjectFile, ExtremeSizesLoadAndLayOut) {
  // Sizes whose layout sums pass the 32-bit range wrap instead of overflowing.
  doc.project()->buttonHeight = 0x7FFFFFF0;
  doc.project()->spacing = 0x7FFFFFF0;
  doc.InsertButton(doc.CreateButton());
  const std::string saved = Save();
  ASSERT_TRUE(doc.OpenFromBytes(saved, "/p/big.but"));
  EXPECT_EQ(Save(), saved);
}

}  // namespace

// Projects that move: a file in the project's folder or below it is named
// from there; Save As into another folder renames the files so that they
// still name the same ones, and names the ones it could not find.
TEST(ProjectFolder, AFileInTheProjectsFolderIsNamedFromThere) {
  const struct {
    const char* file;
    const char* project;
    const char* name;
  } cases[] = {{"/p/site/img/a.png", "/p/site/x.but", "img/a.png"},
               {"/p/site/a.png", "/p/site/x.but", "a.png"},
               {"/p/site/../site/a.png", "/p/site/x.but", "a.png"},
               {"/p/other/a.png", "/p/site/x.but", "/p/other/a.png"},
               {"/p/sitex/a.png", "/p/site/x.but", "/p/sitex/a.png"},
               {"/p/site/a.png", "", "/p/site/a.png"}};
  for (const auto& c : cases) EXPECT_EQ(NameInProject(c.file, c.project), c.name) << c.file;
}

TEST_F(ProjectFile, SaveAsIntoAnotherFolderKeepsNamingTheSameFiles) {
  TempDir dir;
  const std::string site = dir / "site", other = dir / "other";
  WriteBytes(site + "/img/bread.png", "png");
  WriteBytes(site + "/click.au", "au");
  WriteBytes(site + "/fonts/round.woff", "woff");
  PropButton& b = *doc.buttons()[0];
  // A project never saved names the files by their full paths.
  b.upState->image->file = site + "/img/bread.png";
  b.overState->audio->file = site + "/click.au";
  b.downState->image->file = "gone.png";
  b.overState->text->font = site + "/fonts/round.woff";
  b.downState->text->font = "Arial";  // a font's name, no file
  ASSERT_TRUE(doc.DoSave(site + "/menu.but"));
  EXPECT_EQ(b.upState->image->file, "img/bread.png");
  EXPECT_EQ(b.overState->audio->file, "click.au");
  EXPECT_EQ(b.overState->text->font, "fonts/round.woff");
  EXPECT_EQ(b.downState->text->font, "Arial");
  // Into another folder: the files outside it by their full paths, and the
  // one that is not there keeps its name and is named.
  platform.messages.clear();
  std::filesystem::create_directories(other);
  ASSERT_TRUE(doc.DoSave(other + "/menu.but"));
  // Full paths in the system's own form.
  EXPECT_EQ(b.upState->image->file, os::NativeSeparators(site + "/img/bread.png"));
  EXPECT_EQ(b.overState->audio->file, os::NativeSeparators(site + "/click.au"));
  EXPECT_EQ(b.overState->text->font, os::NativeSeparators(site + "/fonts/round.woff"));
  EXPECT_EQ(b.downState->image->file, "gone.png");
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find("gone.png"), std::string::npos);
}
