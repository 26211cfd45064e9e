// The page and the segment in their three modes, the configurable texts, the
// read-from-file instructions and writing the page to a file.
#include <filesystem>
#include <fstream>

#include "output/PublishFolder.h"
#include "support/EngineFixture.h"

namespace fs = std::filesystem;

namespace {
const std::string kComment =
    "<!-- This applet was created by VelkoButton Version 1.00 Copyright (C) 2026 Velko. All "
    "rights reserved. -->\r\n";
const std::string kBody =
    "<BODY TEXT=\"#FFFFFF\" BGCOLOR=\"#000000\" LINK=\"#C0C0C0\" VLINK=\"#666666\" "
    "ALINK=\"#999999\">\r\n";
const std::string kParamsHead =
    "<PARAM NAME=cabbase VALUE=\"VelkoButton.cab\">\r\n"
    "<PARAM NAME=name VALUE=\"VelkoButton\">\r\n"
    "<PARAM NAME=Copyright VALUE=\"Copyright (C) 2026 Velko. All rights reserved.\">\r\n";
const std::string kScript0 =
    "<PARAM NAME=Script0 VALUE=\"+100 Background 5 100 6 40 9 0x808080 26 0 8 2 34 {6 0;} "
    ";100 'Button 1' 200 34 {6 0 ;} 201 34 {6 12 ;} 202 28 0x000000 30 0xFFFFFF 34 {6 0 ;} "
    ";+\">\r\n";
const std::string kNonJava =
    "<BLOCKQUOTE>\r\n<HR>\r\nYour browser is not Java capable or Java has been "
    "disabled.\r\n<HR>\r\n</BLOCKQUOTE>\r\n";
const std::string kApplet =
    "<APPLET CODE=VelkoButton.class ARCHIVE=VelkoButton.jar WIDTH=100 HEIGHT=40 MAYSCRIPT>\r\n";
const std::string kSegment =
    kComment + kApplet + kParamsHead + kScript0 + kNonJava + "</APPLET>\r\n";

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The value of the Script0 parameter of a page.
std::string Script0(const std::string& page) {
  const std::string head = "<PARAM NAME=Script0 VALUE=\"";
  std::size_t at = page.find(head);
  if (at == std::string::npos) return "<none>";
  at += head.size();
  return page.substr(at, page.find("\">\r\n", at) - at);
}
}  // namespace

using Html = NewProject;

// The JavaScript runtime's line follows the applet's end tag in every mode
// when it is asked for; otherwise the bytes are the classic ones.
TEST_F(Html, RuntimeLineFollowsTheAppletWhenAskedFor) {
  const std::string classic[3] = {doc.BuildHtml(PageMode::Page), doc.BuildHtml(PageMode::Preview),
                                  doc.BuildHtml(PageMode::Segment)};
  // With the runtime: a page of today's HTML, the buttons as links in place
  // of the Java message, and the runtime's line after the applet.
  const std::string line = "</APPLET>\r\n<SCRIPT SRC=\"velkobutton.js\"></SCRIPT>\r\n";
  const std::string links =
      "<NAV CLASS=\"velkobutton-links\" ARIA-LABEL=\"VelkoButton\">\r\n<UL>\r\n"
      "<LI>Button 1</LI>\r\n</UL>\r\n</NAV>\r\n";
  auto head = [](const std::string& title) {
    return "<!DOCTYPE html>\r\n<HTML LANG=\"en\">\r\n<HEAD>\r\n<META CHARSET=\"windows-1252\">\r\n"
           "<META NAME=\"viewport\" CONTENT=\"width=device-width, initial-scale=1\">\r\n<TITLE>" +
           title + "</TITLE>\r\n</HEAD>\r\n";
  };
  const std::string classicHead[3] = {"<HTML>\r\n",
                                      "<HTML>\r\n<TITLE>VelkoButton Preview</TITLE>\r\n", ""};
  const std::string modernHead[3] = {head("VelkoButton"), head("VelkoButton Preview"), ""};
  auto withLine = [&](const std::string& page, int mode) {
    std::string s = page;
    s.replace(s.find(kNonJava), kNonJava.size(), links);
    s.replace(s.find("</APPLET>\r\n"), 11, line);
    return s.replace(0, classicHead[mode].size(), modernHead[mode]);
  };
  for (int setting : {1, 0}) {
    app.settings().html5Runtime = setting;
    for (int choice : {KesDoc::kRuntimeFromSettings, KesDoc::kRuntimeOn, KesDoc::kRuntimeOff}) {
      doc.runtimeChoice = choice;
      const bool on =
          choice == KesDoc::kRuntimeOn || (choice == KesDoc::kRuntimeFromSettings && setting == 1);
      for (int mode = 0; mode < 3; ++mode)
        EXPECT_EQ(doc.BuildHtml(PageMode(mode)), on ? withLine(classic[mode], mode) : classic[mode])
            << "setting " << setting << " choice " << choice << " mode " << mode;
    }
  }
  doc.runtimeChoice = KesDoc::kRuntimeOn;
  const std::string tail = "</APPLET>\r\n<SCRIPT SRC=\"velkobutton.js\"></SCRIPT>\r\n";
  const std::string segment = doc.BuildHtml(PageMode::Segment);
  ASSERT_GT(segment.size(), tail.size());
  EXPECT_EQ(segment.substr(segment.size() - tail.size()), tail);
  EXPECT_NE(doc.BuildHtml(PageMode::Preview).find("</SCRIPT>\r\n</CENTER>\r\n</BODY>"),
            std::string::npos);
  // The segment on the clipboard carries it too.
  ASSERT_TRUE(doc.CopySegmentToClipboard());
  EXPECT_EQ(platform.clipboardText, doc.BuildHtml(PageMode::Segment));
}

// A project read from its input file gets the line after its short applet.
TEST_F(Html, RuntimePagesListTheButtonsAsLinks) {
  doc.runtimeChoice = KesDoc::kRuntimeOn;
  project().identifier = "Bread & <Co>";
  app.settings().pageLanguage = "de-CH";
  button(0).url = "a.html?x=1&y=\"2\"";
  button(0).target = "_blank";
  button(0).tip = "Home <page>";
  up(0).text->text = "Home\r\n${date.%d} now ";
  PropButton& plain = AddButton();
  plain.upState->text->text = "${time.%H}";
  plain.tip = "Tip only";
  AddButton().upState->text->text = "";
  const std::string page = doc.BuildHtml(PageMode::Page);
  EXPECT_EQ(page.substr(0, 36), "<!DOCTYPE html>\r\n<HTML LANG=\"de-CH\">");
  EXPECT_NE(page.find("<TITLE>Bread &amp; &lt;Co&gt;</TITLE>"), std::string::npos);
  EXPECT_NE(
      page.find(
          "<NAV CLASS=\"velkobutton-links\" ARIA-LABEL=\"Bread &amp; &lt;Co&gt;\">\r\n<UL>\r\n"
          "<LI><A HREF=\"a.html?x=1&amp;y=&quot;2&quot;\" TARGET=\"_blank\" "
          "TITLE=\"Home &lt;page&gt;\">Home   now</A></LI>\r\n"
          "<LI>Tip only</LI>\r\n<LI>" +
          button(2).name +
          "</LI>\r\n</UL>\r\n</NAV>\r\n"
          "</APPLET>\r\n<SCRIPT SRC=\"velkobutton.js\"></SCRIPT>\r\n</BODY>"),
      std::string::npos);
  EXPECT_EQ(page.find("Java"), std::string::npos);
  // A project read from its input file lists its buttons the same way.
  project().readFromFile = 1;
  project().inputFile = "button.txt";
  project().tokenize = 0;
  project().reloadInterval = 0;
  EXPECT_NE(doc.BuildHtml(PageMode::Page).find("Read 'button.txt' true; \">\r\n<NAV"),
            std::string::npos);
}

TEST_F(Html, ThreeModesOfANewProject) {
  EXPECT_EQ(doc.BuildHtml(PageMode::Segment), kSegment);
  EXPECT_EQ(doc.BuildHtml(PageMode::Page),
            "<HTML>\r\n" + kBody + kSegment + "</BODY>\r\n</HTML>\r\n");
  // The preview: a title, two empty lines, and CENTER directly before the comment.
  EXPECT_EQ(doc.BuildHtml(PageMode::Preview), "<HTML>\r\n<TITLE>VelkoButton Preview</TITLE>\r\n" +
                                                  kBody + "\r\n\r\n<CENTER>" + kSegment +
                                                  "</CENTER>\r\n</BODY>\r\n</HTML>\r\n");
  EXPECT_EQ(platform.waitCursorDepth, 0);
  EXPECT_GE(platform.waitCursorCalls, 3);
}

TEST_F(Html, CodeBaseFormOnlyOutsideThePreview) {
  project().codeBase = "classes/v1";
  const std::string codebase =
      "<APPLET CODE=VelkoButton CODEBASE=\"classes/v1\" ARCHIVE=VelkoButton.jar WIDTH=100 "
      "HEIGHT=40 MAYSCRIPT>\r\n";
  EXPECT_NE(doc.BuildHtml(PageMode::Page).find(codebase), std::string::npos);
  EXPECT_NE(doc.BuildHtml(PageMode::Segment).find(codebase), std::string::npos);
  EXPECT_EQ(doc.BuildHtml(PageMode::Preview).find("CODEBASE"), std::string::npos);
  EXPECT_NE(doc.BuildHtml(PageMode::Preview).find(kApplet), std::string::npos);
}

TEST_F(Html, EmptyIdentifierAndMessageAreLeftOut) {
  project().identifier.clear();
  app.settings().nonJavaMessage.clear();
  const std::string s = doc.BuildHtml(PageMode::Segment);
  EXPECT_EQ(s.find("NAME=name"), std::string::npos);
  EXPECT_EQ(s.find("BLOCKQUOTE"), std::string::npos);
  EXPECT_EQ(s.substr(s.size() - 17), ";+\">\r\n</APPLET>\r\n");
}

TEST_F(Html, PageIsLaidOutOnEveryGeneration) {
  AddButton();
  project().buttonHeight = 30;
  project().spacing = 5;
  EXPECT_NE(doc.BuildHtml(PageMode::Segment).find("WIDTH=110 HEIGHT=75 MAYSCRIPT"),
            std::string::npos);
  project().layout = 2;
  project().projectWidth = 321;
  project().projectHeight = -4;
  EXPECT_NE(doc.BuildHtml(PageMode::Segment).find("WIDTH=321 HEIGHT=-4 MAYSCRIPT"),
            std::string::npos);
}

TEST_F(Html, ChangedNamesLeadTheScript) {
  app.settings().days[0] = "Dimanche";
  app.settings().months[11] =
      "D\xE9"
      "cembre";
  app.settings().meridiem[0] = "am";
  app.settings().meridiem[1] = "PM";
  project().tokenize = 0;
  EXPECT_EQ(Script0(doc.BuildHtml(PageMode::Page))
                .rfind("+Set Day0='Dimanche'; Set Month11='D\xE9"
                       "cembre'; Set AM='am'; Button Background ",
                       0),
            0u);
  project().tokenize = 1;
  EXPECT_EQ(Script0(doc.BuildHtml(PageMode::Page))
                .rfind("+7 Day0='Dimanche'; 7 Month11='D\xE9"
                       "cembre'; 7 AM='am'; 100 Background ",
                       0),
            0u);
  // Names are escaped as every quoted text is.
  app.settings().days[6] = "Sam'di";
  EXPECT_NE(doc.BuildHtml(PageMode::Page).find("7 Day6='Sam\\'di'; "), std::string::npos);
}

TEST_F(Html, ReadFromFileWithAndWithoutReload) {
  project().readFromFile = 1;
  project().tokenize = 0;
  up().image->file = "a.gif";
  doc.imageList = {"earlier.gif"};
  const std::string page = doc.BuildHtml(PageMode::Page);
  EXPECT_EQ(Script0(page),
            "Read 'button.txt' true; Timer 0 300000; Set Timer0={Read 'button.txt' true; Timer 0 "
            "300000}; ");
  EXPECT_EQ(page.find("Script1"), std::string::npos);
  EXPECT_EQ(page.find("Images0"), std::string::npos);
  EXPECT_EQ(doc.imageList, std::vector<std::string>{"earlier.gif"});

  project().reloadInterval = 0;
  project().inputFile = "data/in&#1'.txt";
  app.settings().meridiem[1] = "pm";
  EXPECT_EQ(Script0(doc.BuildHtml(PageMode::Page)),
            "Set PM='pm'; Read 'data/in&amp;#1\\'.txt' true; ");
  project().tokenize = 1;
  project().reloadInterval = 2;
  EXPECT_EQ(
      Script0(doc.BuildHtml(PageMode::Segment)),
      "7 PM='pm'; 9 'data/in&amp;#1\\'.txt' true; 2 0 2000; 7 Timer0={9 'data/in&amp;#1\\'.txt' "
      "true; 2 0 2000}; ");
  // An interval read from a file may be anything.
  project().reloadInterval = 2147483647;
  EXPECT_NE(Script0(doc.BuildHtml(PageMode::Segment)).find("2 0 -1000; "), std::string::npos);
}

TEST_F(Html, MessageIsInsertedAsItStands) {
  app.settings().nonJavaMessage = "<b>No Java</b> &#38;";
  EXPECT_NE(doc.BuildHtml(PageMode::Segment).find("<HR>\r\n<b>No Java</b> &#38;\r\n<HR>"),
            std::string::npos);
}

class PageFile : public NewProject {
 protected:
  PageFile() {
    dir = fs::temp_directory_path() /
          ("vb-page-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::create_directories(dir);
    doc.showResources = [this](const std::string& html) { resourcesShown.push_back(html); };
  }
  ~PageFile() override { fs::remove_all(dir); }
  fs::path dir;
  std::vector<std::string> resourcesShown;
};

TEST_F(PageFile, WritesThePageAndShowsItsResources) {
  std::string path = (dir / "page.html").string();
  ASSERT_TRUE(doc.SaveHtml(path, false, false));
  EXPECT_EQ(ReadFile(path), doc.BuildHtml(PageMode::Page));
  ASSERT_EQ(resourcesShown.size(), 1u);
  EXPECT_EQ(resourcesShown[0], doc.BuildHtml(PageMode::Page));

  std::string preview = (dir / "~VelkoButton.html").string();
  ASSERT_TRUE(doc.SaveHtml(preview, false, true));
  EXPECT_EQ(ReadFile(preview), doc.BuildHtml(PageMode::Preview));
  EXPECT_EQ(resourcesShown.size(), 1u);
  EXPECT_TRUE(platform.messages.empty());
}

// A page with the runtime gets the runtime beside it; a link in its place is
// refused, saying so, and the page stays written.
TEST_F(PageFile, APageWithTheRuntimeGetsTheRuntimeBesideIt) {
  doc.runtimeChoice = KesDoc::kRuntimeOn;
  fs::create_directories(dir / "prog");
  fs::create_directories(dir / "site");
  platform.programDir = (dir / "prog").string() + "/";
  std::ofstream(dir / "prog" / "velkobutton.js") << "// runtime";
  std::string path = (dir / "site" / "page.html").string();
  ASSERT_TRUE(doc.SaveHtml(path, false, false));
  EXPECT_EQ(ReadFile(dir / "site" / "velkobutton.js"), "// runtime");
  EXPECT_TRUE(platform.messages.empty());

  // A runtime of the site's own is replaced only when the user agrees; No
  // writes nothing.
  for (const int answer : {IdNo, IdYes}) {
    std::ofstream(dir / "site" / "velkobutton.js") << "mine();";
    std::ofstream(path) << "old page";
    platform.messages.clear();
    platform.answers = {answer};
    EXPECT_EQ(doc.SaveHtml(path, false, false), answer == IdYes);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "These files in the folder hold something other than what would be written in "
              "their place:\n" +
                  (dir / "site" / "velkobutton.js").string() +
                  "\nReplace them? No writes nothing.");
    EXPECT_EQ(ReadFile(dir / "site" / "velkobutton.js"),
              answer == IdYes ? "// runtime" : "mine();");
    EXPECT_EQ(ReadFile(path), answer == IdYes ? doc.BuildHtml(PageMode::Page) : "old page");
  }
  platform.messages.clear();

  fs::remove(dir / "site" / "velkobutton.js");
  fs::create_symlink(dir / "prog" / "velkobutton.js", dir / "site" / "velkobutton.js");
  ASSERT_TRUE(doc.SaveHtml(path, false, false));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find("velkobutton.js"), std::string::npos);
  EXPECT_EQ(ReadFile(path), doc.BuildHtml(PageMode::Page));
}

// Publish says so where a browser draws less than the whole applet.
TEST_F(PageFile, PublishSaysWhereBrowsersDrawLessThanTheApplet) {
  project().layout = PropProject::kLayoutFree;
  struct Case {
    int32_t width, height;
    int runtime;
    const char* drawn;  // nullptr: no message
  } cases[] = {{148, 8000000, KesDoc::kRuntimeOn, nullptr},
               {148, 9000000, KesDoc::kRuntimeOn, "148 x 8388608"},
               {20000000, 100, KesDoc::kRuntimeOn, "8388608 x 100"},
               {148, 9000000, KesDoc::kRuntimeOff, nullptr}};
  for (const Case& c : cases) {
    platform.messages.clear();
    project().projectWidth = c.width;
    project().projectHeight = c.height;
    doc.runtimeChoice = c.runtime;
    PublishToFolder(doc, platform, (dir / "site").string(), "page.html");
    const std::string warning = c.drawn ? "The applet is " + std::to_string(c.width) + " x " +
                                              std::to_string(c.height) +
                                              " pixels. Browsers draw at most " + c.drawn +
                                              " pixels of it, so the buttons beyond are not shown; "
                                              "the page is published all the same."
                                        : "";
    EXPECT_EQ(!platform.messages.empty() && platform.messages[0].text == warning,
              c.drawn != nullptr)
        << c.width << "x" << c.height << ": "
        << (platform.messages.empty() ? std::string("none") : platform.messages[0].text);
  }
}

TEST_F(PageFile, UnwritablePathReportsAndWritesNothing) {
  for (const fs::path& target : {dir / "missing" / "page.html", dir}) {
    platform.messages.clear();
    std::string path = target.string();
    EXPECT_FALSE(doc.SaveHtml(path, false, false));
    ASSERT_EQ(platform.messages.size(), 1u);
    // A folder is named as what it is; any other failure is the writer's own message.
    EXPECT_EQ(platform.messages[0].text,
              target == dir
                  ? "'" + target.string() + "' is not a regular file; it was not replaced."
                  : "Unable to write to " + target.string() +
                        ", it is read-only or opened by someone else.");
    EXPECT_EQ(platform.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(platform.messages[0].icon, MsgIcon::Exclamation);
  }
  EXPECT_FALSE(fs::exists(dir / "missing"));
  EXPECT_TRUE(fs::is_directory(dir));
  EXPECT_TRUE(fs::is_empty(dir));
  EXPECT_TRUE(resourcesShown.empty());
}

TEST_F(PageFile, SaveAsDialog) {
  std::string path = "proposed.html";
  platform.fileAnswers = {""};
  EXPECT_FALSE(doc.SaveHtml(path, true, false));
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  const auto& d = platform.fileDialogs[0];
  EXPECT_FALSE(d.open);
  EXPECT_EQ(d.defaultExt, "html");
  EXPECT_EQ(d.proposed, "proposed.html");
  EXPECT_EQ(d.filter, "HTML Files (*.html, *.htm)|*.htm;*.html|All Files (*.*)|*.*||");
  EXPECT_EQ(d.flags, unsigned(FdHideReadOnly | FdOverwritePrompt));
  EXPECT_EQ(path, "proposed.html");
  EXPECT_TRUE(platform.messages.empty());
  EXPECT_TRUE(resourcesShown.empty());

  const std::string chosen = (dir / "chosen.htm").string();
  platform.fileAnswers = {chosen};
  EXPECT_TRUE(doc.SaveHtml(path, true, false));
  EXPECT_EQ(path, chosen);
  EXPECT_EQ(ReadFile(chosen), doc.BuildHtml(PageMode::Page));
}
