// The page and the segment in their three modes, the configurable texts, the
// read-from-file instructions and writing the page to a file.
#include <filesystem>
#include <fstream>

#include "core/Archive.h"
#include "core/Messages.h"
#include "output/PublishFolder.h"
#include "support/EngineFixture.h"
#include "support/TempDir.h"

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

// A page of today holds the buttons as HTML: the style sheet in the head (in
// a segment before the applet), the buttons in place of the Java message,
// and the runtime's line after the applet only when asked for always or
// when the project needs it; otherwise the bytes are the classic ones.
TEST_F(Html, PagesOfTodayCarryTheButtonsAndTheRuntimeOnlyWhereNeeded) {
  const std::string classic[3] = {doc.BuildHtml(PageMode::Page), doc.BuildHtml(PageMode::Preview),
                                  doc.BuildHtml(PageMode::Segment)};
  const std::string id = "#vb-VelkoButton";
  const std::string over = id + " .l1:hover," + id + " .l1:focus-visible";
  // Without the runtime nothing can check or hide a button: no rules for that.
  const auto style = [&](bool runtime) {
    return "<STYLE>\r\n" + id +
           "{display:flex;flex-direction:column;align-items:flex-start;gap:0px;padding:0px;box-"
           "sizing:"
           "border-box;width:100px;max-width:100%;overflow:hidden;margin:0;text-align:left;"
           "background-"
           "color:#808080;"
           "background-image:none}\r\n" +
           id +
           " .b{box-sizing:border-box;display:flex;overflow:hidden;text-"
           "decoration:"
           "none;margin:0;border:0;max-width:100%;flex:none}\r\n" +
           id + " .b>span{white-space:pre}\r\n" +
           (runtime ? id +
                          " .i{position:absolute;opacity:0;width:1px;height:1px;margin:0;pointer-"
                          "events:none}\r\n" +
                          id + " [hidden]{display:none}\r\n" + id + " .b:focus-visible," + id +
                          " .i:focus-visible+.b"
                    : id + " .b:focus-visible") +
           "{outline:2px solid #1a73e8;outline-offset:-2px}\r\n" + id +
           " .l1{width:100px;min-height:40px;transform:none;cursor:default;color:#000000;"
           "background-"
           "color:#c0c0c0;background-image:none;box-shadow:inset 0 1px #ffffff,inset 0 -1px "
           "#000000,inset -1px 0 #000000,inset 1px 0 #ffffff,inset 0 2px #eaeaea,inset 0 -2px "
           "#404040,inset -2px 0 #404040,inset 2px 0 #eaeaea,inset 0 3px #d5d5d5,inset 0 -3px "
           "#808080,inset -3px 0 #808080,inset 3px 0 #d5d5d5;justify-content:center;align-items:"
           "center;text-align:center;padding:5px}\r\n" +
           id +
           " .l1>span{font:0.6875rem/0.8125rem Arial, Helvetica, sans-serif;text-decoration:none;"
           "text-shadow:none;transform:none}\r\n" +
           over + "{cursor:pointer}\r\n" + id +
           " .l1:active{cursor:default;box-shadow:inset 0 1px #000000,inset 0 -1px #ffffff,inset "
           "-1px "
           "0 #ffffff,inset 1px 0 #000000,inset 0 2px #404040,inset 0 -2px #eaeaea,inset -2px 0 "
           "#eaeaea,inset 2px 0 #404040,inset 0 3px #808080,inset 0 -3px #d5d5d5,inset -3px 0 "
           "#d5d5d5,inset 3px 0 #808080}\r\n</STYLE>\r\n";
  };
  // Without the runtime the button that has no link does nothing: a plain span.
  const auto buttons = [](bool runtime) {
    return std::string(
               "<DIV CLASS=\"vb\" ID=\"vb-VelkoButton\" ROLE=\"group\" "
               "ARIA-LABEL=\"VelkoButton\">\r\n") +
           (runtime ? "<BUTTON TYPE=\"button\" CLASS=\"b l1\"><SPAN>Button 1</SPAN></BUTTON>\r\n"
                    : "<SPAN CLASS=\"b l1\"><SPAN>Button 1</SPAN></SPAN>\r\n") +
           "</DIV>\r\n";
  };
  const std::string line = "<SCRIPT SRC=\"velkobutton.js\"></SCRIPT>\r\n";
  auto head = [&](const std::string& title, bool runtime) {
    return "<!DOCTYPE html>\r\n<HTML LANG=\"en\">\r\n<HEAD>\r\n<META CHARSET=\"windows-1252\">\r\n"
           "<META NAME=\"viewport\" CONTENT=\"width=device-width, initial-scale=1\">\r\n<TITLE>" +
           title + "</TITLE>\r\n<META NAME=\"description\" CONTENT=\"VelkoButton: Button 1\">\r\n" +
           style(runtime) + "</HEAD>\r\n";
  };
  const std::string classicHead[3] = {"<HTML>\r\n",
                                      "<HTML>\r\n<TITLE>VelkoButton Preview</TITLE>\r\n", ""};
  // With the runtime the buttons are the applet's content; without it they
  // stand in the applet's place.
  auto today = [&](const std::string& page, int mode, bool withLine) {
    std::string s = page;
    if (withLine) {
      s.replace(s.find(kNonJava), kNonJava.size(), buttons(true));
      s.insert(s.find("</APPLET>\r\n") + 11, line);
    } else {
      const std::size_t from = s.find("<APPLET");
      s.replace(from, s.find("</APPLET>\r\n") + 11 - from, buttons(false));
    }
    if (PageMode(mode) == PageMode::Segment)
      s.insert(s.find(withLine ? "<APPLET" : "<DIV"), style(withLine));
    const std::string modernHead[3] = {head("VelkoButton", withLine),
                                       head("VelkoButton Preview", withLine), ""};
    // Around the buttons: the project's grey, with dark text.
    if (PageMode(mode) != PageMode::Segment)
      s.replace(s.find(kBody), kBody.size(),
                "<BODY TEXT=\"#000000\" BGCOLOR=\"#808080\" LINK=\"#000080\" "
                "VLINK=\"#330066\" ALINK=\"#400000\">\r\n");
    return s.replace(0, classicHead[mode].size(), modernHead[mode]);
  };
  for (int setting : {1, 0}) {
    app.settings().html5Runtime = setting;
    for (int choice : {kRuntimeFromSettings, kRuntimeOn, kRuntimeOff, kRuntimeAlways}) {
      doc.writer().runtimeChoice = choice;
      const bool on = choice == kRuntimeOn || choice == kRuntimeAlways ||
                      (choice == kRuntimeFromSettings && setting == 1);
      for (int mode = 0; mode < 3; ++mode)
        EXPECT_EQ(doc.BuildHtml(PageMode(mode)),
                  on ? today(classic[mode], mode, choice == kRuntimeAlways) : classic[mode])
            << "setting " << setting << " choice " << choice << " mode " << mode;
    }
  }
  // A project that needs the runtime has its line after the applet in
  // every mode, and the segment on the clipboard carries it too.
  doc.writer().runtimeChoice = kRuntimeOn;
  button().drag = 1;
  const std::string segment = doc.BuildHtml(PageMode::Segment);
  const std::string tail = "</APPLET>\r\n" + line;
  ASSERT_GT(segment.size(), tail.size());
  EXPECT_EQ(segment.substr(segment.size() - tail.size()), tail);
  EXPECT_NE(doc.BuildHtml(PageMode::Preview).find("</SCRIPT>\r\n</CENTER>\r\n</BODY>"),
            std::string::npos);
  ASSERT_TRUE(doc.CopySegmentToClipboard());
  EXPECT_EQ(platform.clipboardText, doc.BuildHtml(PageMode::Segment));
}

// A page of today shows the project's background colour around the buttons
// (white for a value that is no colour) with text and links that read on it:
// dark on light, light on dark; the classic page stays light on black.
TEST_F(Html, PagesOfTodayTakeTheProjectsBackgroundColour) {
  const std::string ink[2] = {
      "TEXT=\"#000000\" BGCOLOR=\"#%1\" LINK=\"#000080\" VLINK=\"#330066\" ALINK=\"#400000\"",
      "TEXT=\"#FFFFFF\" BGCOLOR=\"#%1\" LINK=\"#CCE5FF\" VLINK=\"#E5CCFF\" ALINK=\"#FFE5CC\""};
  const struct {
    uint32_t stored;  // red in the low byte
    const char* page;
    bool light;  // light text
  } cases[] = {{0xDCF8FF, "FFF8DC", false},
               {0x13458B, "8B4513", true},
               {0xFFFFFFFFu, "FFFFFF", false},
               {0x757575, "757575", true},
               {0x767676, "767676", false}};  // the greys on either side of even contrast
  for (const auto& c : cases) {
    project().backgroundColor = c.stored;
    for (PageMode mode : {PageMode::Page, PageMode::Preview}) {
      doc.writer().runtimeChoice = kRuntimeOn;
      EXPECT_NE(doc.BuildHtml(mode).find("</HEAD>\r\n<BODY " + msg::Format(ink[c.light], c.page) +
                                         ">\r\n"),
                std::string::npos)
          << c.page;
      doc.writer().runtimeChoice = kRuntimeOff;
      EXPECT_NE(doc.BuildHtml(mode).find(kBody), std::string::npos) << c.page;
    }
  }
}

// The runtime comes with a project that has something to run, for each of
// these reasons; links, tips, status texts, cursors, looks, fonts, check and
// radio buttons and hidden buttons work without it.
TEST_F(Html, TheRuntimeComesOnlyWithWhatNeedsIt) {
  doc.writer().runtimeChoice = kRuntimeOn;
  platform.programDir = "/opt/vb/";
  const std::string line = "</APPLET>\r\n<SCRIPT SRC=\"velkobutton.js\"></SCRIPT>\r\n";
  const auto carries = [&] {
    std::vector<std::string> files;
    doc.GetResourceFiles(files);
    const bool listed =
        std::find(files.begin(), files.end(), "/opt/vb/velkobutton.js") != files.end();
    const bool lined = doc.BuildHtml(PageMode::Page).find(line) != std::string::npos;
    EXPECT_EQ(listed, lined);
    return lined;
  };
  button().url = "a.html";
  button().target = "_blank";
  button().tip = "Tip";
  button().status = "Status";
  over().cursor = PropState::kCursorMove;
  over().text->font = "fonts/Face.woff2";
  over().image->file = "over.gif";
  down().color = 0x123456;
  AddButton().mode = PropButton::kCheckBox;
  AddButton().mode = PropButton::kRadio;
  button(2).initiallyDown = 1;
  button(1).show = 0;
  EXPECT_FALSE(carries());
  const std::vector<std::pair<const char*, std::function<void()>>> reasons = {
      {"script before", [&] { project().beforeScript = "Set a=1;"; }},
      {"script after", [&] { project().afterScript = "Set a=1;"; }},
      {"input file", [&] { project().readFromFile = 1; }},
      {"refresh", [&] { project().refreshRate = 5; }},
      {"leave script", [&] { button().leaveScript = "Set a=1;"; }},
      {"dragging", [&] { button().drag = 1; }},
      {"state's script", [&] { down().advanced->script = "StateSet 'x' 2;"; }},
      {"sound", [&] { over().audio->file = "a.au"; }},
      {"animation", [&] { over().animate = 1; }},
      {"place-holder in a caption", [&] { down(2).text->text = "${time.%H}"; }},
      {"place-holder in a tip", [&] { button(1).tip = "${date.%d}"; }},
      {"place-holder in a status", [&] { button(1).status = "${x}"; }},
      {"link of a check button", [&] { button(1).url = "b.html"; }},
      {"push button held down", [&] { button().initiallyDown = 1; }},
  };
  for (const auto& [name, make] : reasons) {
    Archive saved;
    doc.Serialize(saved);
    const std::string bytes = saved.Bytes();
    make();
    EXPECT_TRUE(carries()) << name;
    ASSERT_TRUE(doc.OpenFromBytes(bytes, ""));
    doc.writer().runtimeChoice = kRuntimeOn;
    EXPECT_FALSE(carries()) << "after " << name;
  }
  // The Live View's page has it always.
  doc.writer().runtimeChoice = kRuntimeAlways;
  EXPECT_TRUE(carries());
}

// A vertical menu of links: each caption is text in a link inside the NAV
// named by the identifier; equal looks share one class; a button without
// caption text is named by its tip, else by its name; a caption that changes
// with the state has a span for each state.
TEST_F(Html, AMenuOfLinksIsANavOfLinksWithTheirCaptionsAsText) {
  doc.writer().runtimeChoice = kRuntimeOn;
  project().identifier = "Main menu";
  const char* const captions[] = {"Home", "Our\r\nProducts", "${date.%d}", ""};
  for (std::size_t i = 0; i < 4; ++i) {
    if (i) AddButton();
    button(i).url = "page" + std::to_string(i) + ".html";
    for (int s = 0; s < 3; ++s) button(i).state(s)->text->text = captions[i];
  }
  button(3).tip = "Search";
  button(0).target = "_top";
  over(1).text->text = "Products!";
  const std::string page = doc.BuildHtml(PageMode::Page);
  const std::size_t nav =
      page.find("<NAV CLASS=\"vb\" ID=\"vb-Main_menu\" ARIA-LABEL=\"Main menu\">\r\n");
  ASSERT_NE(nav, std::string::npos);
  EXPECT_EQ(page.substr(nav, page.find("</NAV>\r\n") - nav),
            "<NAV CLASS=\"vb\" ID=\"vb-Main_menu\" ARIA-LABEL=\"Main menu\">\r\n"
            "<A CLASS=\"b l1\" HREF=\"page0.html\" TARGET=\"_top\"><SPAN>Home</SPAN></A>\r\n"
            "<A CLASS=\"b l1 s3\" HREF=\"page1.html\"><SPAN>Our\r\nProducts</SPAN>"
            "<SPAN CLASS=\"o\">Products!</SPAN><SPAN CLASS=\"d\">Our\r\nProducts</SPAN></A>\r\n"
            "<A CLASS=\"b l1\" HREF=\"page2.html\" ARIA-LABEL=\"" +
                button(2).name + "\"><SPAN></SPAN></A>\r\n" +
                "<A CLASS=\"b l1\" HREF=\"page3.html\" TITLE=\"Search\" "
                "ARIA-LABEL=\"Search\"><SPAN></SPAN></A>\r\n");
  // The place-holder needs the runtime; without it the caption's span is there to be filled.
  EXPECT_NE(page.find("<SCRIPT SRC="), std::string::npos);
  EXPECT_NE(page.find("#vb-Main_menu .s3:hover>.o,"), std::string::npos);
  EXPECT_EQ(page.find(" .l2{"), std::string::npos);
  // The page's description: the identifier and the captions, whole ones up to 150 characters.
  EXPECT_NE(page.find("</TITLE>\r\n<META NAME=\"description\" CONTENT=\"Main menu: Home, Our "
                      "Products, " +
                      button(2).name + ", Search\">\r\n<STYLE>"),
            std::string::npos);
  project().identifier = std::string(140, 'M') + "&";
  EXPECT_NE(doc.BuildHtml(PageMode::Preview)
                .find("CONTENT=\"" + std::string(140, 'M') + "&amp;: Home\">"),
            std::string::npos);
}

// Check and radio buttons are native inputs with their labels; every radio
// button of a project is one group; a button that starts down is checked; a
// free layout places each button where its Up state is.
TEST_F(Html, CheckAndRadioButtonsAreInputsWithLabels) {
  doc.writer().runtimeChoice = kRuntimeOn;
  project().identifier = "";
  project().layout = PropProject::kLayoutFree;
  button().mode = PropButton::kCheckBox;
  button().initiallyDown = 1;
  button().x = 5;
  up().offsetX = 2;
  for (int i = 0; i < 2; ++i) {
    PropButton& b = AddButton();
    b.mode = PropButton::kRadio;
    b.y = 50 * (i + 1);
    for (int s = 0; s < 3; ++s) b.state(s)->text->text = "R" + std::to_string(i);
    b.tip = "T\"" + std::to_string(i);
  }
  button(2).show = 0;
  const std::string page = doc.BuildHtml(PageMode::Page);
  const std::size_t div = page.find("<DIV CLASS=\"vb\" ID=\"vb\" ROLE=\"group\">\r\n");
  ASSERT_NE(div, std::string::npos);
  EXPECT_EQ(
      page.substr(div, page.find("</DIV>\r\n") - div),
      "<DIV CLASS=\"vb\" ID=\"vb\" ROLE=\"group\">\r\n"
      "<INPUT TYPE=\"checkbox\" CLASS=\"i\" ID=\"vb-1\" CHECKED><LABEL FOR=\"vb-1\" "
      "CLASS=\"b l1\" STYLE=\"left:7px;top:0px\"><SPAN>Button 1</SPAN></LABEL>\r\n"
      "<INPUT TYPE=\"radio\" NAME=\"vb\" CLASS=\"i\" ID=\"vb-2\"><LABEL FOR=\"vb-2\" "
      "CLASS=\"b l2\" TITLE=\"T&quot;0\" STYLE=\"left:0px;top:50px\"><SPAN>R0</SPAN></LABEL>\r\n"
      "<INPUT TYPE=\"radio\" NAME=\"vb\" CLASS=\"i\" ID=\"vb-3\" HIDDEN><LABEL FOR=\"vb-3\" "
      "CLASS=\"b l2\" TITLE=\"T&quot;1\" STYLE=\"left:0px;top:100px\" "
      "HIDDEN><SPAN>R1</SPAN></LABEL>\r\n");
  EXPECT_NE(page.find("#vb{position:relative;width:100px;height:40px;overflow:hidden;margin:0;"),
            std::string::npos);
  EXPECT_NE(page.find("#vb .l2:active,#vb .i:checked+.l2{"), std::string::npos);
  EXPECT_EQ(page.find("<SCRIPT SRC="), std::string::npos);
}

// A stranger's names, fonts and addresses cannot end the style sheet or an
// attribute: nothing between the style sheet's tags can open a tag, every
// address is inside its url("...") with its quotes written %22, and
// attributes hold character references.
TEST_F(Html, HostileNamesStayInsideTheStyleSheetAndTheAttributes) {
  doc.writer().runtimeChoice = kRuntimeOn;
  const std::string evil = "x\"');}</STYLE><SCRIPT>alert(1)</SCRIPT>{";
  project().identifier = evil;
  project().backgroundImage = "http://e.example/" + evil + ".gif";
  button().url = "javascript:" + evil;
  button().tip = evil;
  for (int s = 0; s < 3; ++s) button().state(s)->text->text = evil;
  up().text->font = evil;
  over().text->font = evil + ".ttf";
  down().text->font = "dir\\" + evil + ".woff";
  up().image->file = "http://e.example/a b" + evil + ".png";
  over().image->file = "C:\\pics\\" + evil + ".gif";
  for (PageMode mode : {PageMode::Page, PageMode::Segment}) {
    const std::string page = doc.BuildHtml(mode);
    const std::size_t open = page.find("<STYLE>\r\n");
    const std::size_t close = page.find("</STYLE>\r\n");
    ASSERT_NE(open, std::string::npos);
    ASSERT_NE(close, std::string::npos);
    const std::string sheet = page.substr(open + 9, close - open - 9);
    EXPECT_EQ(sheet.find('<'), std::string::npos) << sheet;
    EXPECT_EQ(page.find("</STYLE>", close + 1), std::string::npos);
    EXPECT_EQ(page.find("<SCRIPT>"), std::string::npos);
    EXPECT_NE(sheet.find("background-image:url(\"http://e.example/x%22%27%29;}%3C/STYLE%3E%3CSCRIPT"
                         "%3Ealert%281%29%3C/SCRIPT%3E{.gif\")"),
              std::string::npos);
    EXPECT_NE(sheet.find("background-image:url(\"http://e.example/a%20bx%22%27%29;}%3C/STYLE%3E%3C"
                         "SCRIPT%3Ealert%281%29%3C/SCRIPT%3E{.png\")"),
              std::string::npos);
    // A local file is named by what follows its last separator.
    EXPECT_NE(sheet.find("background-image:url(\"SCRIPT%3E{.gif\")"), std::string::npos);
    EXPECT_NE(sheet.find(" \"x')/STYLESCRIPTalert(1)/SCRIPT\", sans-serif;"), std::string::npos);
    EXPECT_NE(sheet.find("@font-face{font-family:\"VelkoButton SCRIPT__.ttf\";src:url(\"SCRIPT%3E{."
                         "ttf\")}"),
              std::string::npos);
    EXPECT_NE(sheet.find("\r\n#vb-x_______STYLE__SCRIPT_alert_1___SCRIPT__ .l1{"),
              std::string::npos);
    EXPECT_NE(
        page.find("<A CLASS=\"b l1\" HREF=\"javascript:x&quot;');}&lt;/STYLE&gt;&lt;SCRIPT&gt;"
                  "alert(1)&lt;/SCRIPT&gt;{\" TITLE=\"x&quot;"),
        std::string::npos);
    EXPECT_NE(
        page.find(
            "><SPAN>x&quot;');}&lt;/STYLE&gt;&lt;SCRIPT&gt;alert(1)&lt;/SCRIPT&gt;{</SPAN></A>"),
        std::string::npos);
  }
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
  app.settings().months[11] = u8"Décembre";
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
    doc.pageFiles().showResources = [this](const std::string& html) {
      resourcesShown.push_back(html);
    };
  }
  TempDir temp;
  const fs::path dir = temp.path();
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
  doc.writer().runtimeChoice = kRuntimeOn;
  fs::create_directories(dir / "prog");
  fs::create_directories(dir / "site");
  platform.programDir = (dir / "prog").string() + "/";
  std::ofstream(dir / "prog" / "velkobutton.js") << "// runtime";
  std::string path = (dir / "site" / "page.html").string();
  // A project with nothing to run has no runtime beside its page.
  ASSERT_TRUE(doc.SaveHtml(path, false, false));
  EXPECT_FALSE(fs::exists(dir / "site" / "velkobutton.js"));
  button().drag = 1;
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

  if (!LinksCanBeMade()) GTEST_SKIP() << "a link to the program's runtime: " << kNoLinks;
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
  } cases[] = {{148, 8000000, kRuntimeOn, nullptr},
               {148, 9000000, kRuntimeOn, "148 x 8388608"},
               {20000000, 100, kRuntimeOn, "8388608 x 100"},
               {148, 9000000, kRuntimeOff, nullptr}};
  for (const Case& c : cases) {
    platform.messages.clear();
    project().projectWidth = c.width;
    project().projectHeight = c.height;
    doc.writer().runtimeChoice = c.runtime;
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
