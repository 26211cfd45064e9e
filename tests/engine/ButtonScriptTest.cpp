// The button statement: head properties, the Default, Up, Over and Down
// blocks, the link and status commands and the mouse-leave script.
#include "core/Doc.h"
#include "support/EngineFixture.h"

namespace {
const char* const kNewButton =
    "Button 'Button 1' Up Event {Cursor 0 ;} Over Event {Cursor 12 ;} "
    "Down BorderTop=0x000000 BorderBot=0xFFFFFF Event {Cursor 0 ;} ;";
const char* const kNewButtonTokens =
    "100 'Button 1' 200 34 {6 0 ;} 201 34 {6 12 ;} 202 28 0x000000 30 0xFFFFFF 34 {6 0 ;} ;";
const char* const kTail =
    "Over Event {Cursor 12 ;} Down BorderTop=0x000000 BorderBot=0xFFFFFF Event {Cursor 0 ;} ;";
}  // namespace

using ButtonScript = NewProject;

TEST_F(ButtonScript, NewButtonWithAndWithoutTokens) {
  EXPECT_EQ(button().name, "Button 1");
  EXPECT_EQ(Statement(0), kNewButton);
  EXPECT_EQ(Statement(1), kNewButtonTokens);
  // The caption is the name in every state, and the statement carries no Text.
  EXPECT_EQ(up().text->text, "Button 1");
  EXPECT_EQ(down().text->text, "Button 1");
  PropButton& second = AddButton();
  EXPECT_EQ(second.name, "Button 2");
  EXPECT_EQ(second.GetScript("", 0).find("Text"), std::string::npos);
}

TEST_F(ButtonScript, HeadProperties) {
  project().layout = 2;
  PropButton& b = button();
  b.x = 10;
  b.y = 20;
  b.width = 120;
  b.height = 40;
  b.show = 0;
  b.drag = 1;
  b.initiallyDown = 1;
  b.mode = 2;
  b.tip = "it's \"big\"";
  EXPECT_EQ(Statement(0),
            "Button 'Button 1' X=10 Y=20 Width=120 Show=False Drag=True State=2 Mode=Radio "
            "Tip='it\\'s \\x22big\\x22' Up Event {Cursor 0 ;} " +
                std::string(kTail));
  EXPECT_EQ(
      Statement(1).rfind("100 'Button 1' 3 10 4 20 5 120 7 False 8 True 0 2 2 2 35 'it\\'s ", 0),
      0u);
}

TEST_F(ButtonScript, InitiallyDownWritesStateTwoInEveryMode) {
  button().initiallyDown = 1;
  EXPECT_EQ(Statement(0), "Button 'Button 1' State=2 Up Event {Cursor 0 ;} " + std::string(kTail));
  button().mode = 1;
  EXPECT_EQ(Statement(0),
            "Button 'Button 1' State=2 Mode=Check Up Event {Cursor 0 ;} " + std::string(kTail));
}

TEST_F(ButtonScript, LinkGoesToUpForPushAndToDownOtherwise) {
  button().url = "http://x.example/a?b=1&c=2";
  EXPECT_EQ(
      Statement(0),
      "Button 'Button 1' Up Event {Internet 'http://x.example/a?b=1&c=2' _self; Cursor 0 ;} " +
          std::string(kTail));
  button().mode = 1;
  button().target = "_blank";
  EXPECT_EQ(Statement(0),
            "Button 'Button 1' Mode=Check Up Event {Cursor 0 ;} Over Event {Cursor 12 ;} "
            "Down BorderTop=0x000000 BorderBot=0xFFFFFF Event {Internet "
            "'http://x.example/a?b=1&c=2' '_blank'; Cursor 0 ;} ;");
  EXPECT_EQ(Statement(1),
            "100 'Button 1' 2 1 200 34 {6 0 ;} 201 34 {6 12 ;} 202 28 0x000000 30 0xFFFFFF 34 "
            "{1 'http://x.example/a?b=1&c=2' '_blank'; 6 0 ;} ;");
}

TEST_F(ButtonScript, StatusLineComesFirstInTheOverBlock) {
  button().status = "Go home";
  over().advanced->script = "Call 1;";
  EXPECT_EQ(Statement(0),
            "Button 'Button 1' Up Event {Cursor 0 ;} Over Event {Output 0 'Go home'; Call 1;"
            "Cursor 12 ;} Down BorderTop=0x000000 BorderBot=0xFFFFFF Event {Cursor 0 ;} ;");
  EXPECT_NE(Statement(1).find("201 34 {5 0 'Go home'; Call 1;6 12 ;}"), std::string::npos);
}

TEST_F(ButtonScript, LeaveScriptFollowsTheClosingSemicolon) {
  button().leaveScript = "A;\r\nB;";
  EXPECT_EQ(Statement(0), std::string(kNewButton) + "Set 'Button 1.Leave'={A;  B;}; ");
  EXPECT_EQ(Statement(1), std::string(kNewButtonTokens) + "7 'Button 1.Leave'={A;  B;}; ");
}

TEST_F(ButtonScript, NamesAndTextsAreEscapedAsCaptionsAre) {
  button().name = "O'Neil \"x\"";
  button().status = "a'b";
  button().url = "c\\d'";
  button().target = "t'";
  button().leaveScript = "A;";
  std::string s = Statement(0);
  EXPECT_EQ(s.rfind("Button 'O\\'Neil \\x22x\\x22' Text", 0), 0u) << s;
  EXPECT_NE(s.find("Output 0 'a\\'b'; "), std::string::npos);
  EXPECT_NE(s.find("Internet 'c\\d\\'' 't\\''; "), std::string::npos);
  EXPECT_NE(s.find("Set 'O\\'Neil \\x22x\\x22.Leave'={A;}; "), std::string::npos);
}

TEST_F(ButtonScript, RenamedButtonWritesItsOldCaptionInTheDefaultBlock) {
  button().name = "Menu";
  EXPECT_EQ(Statement(0),
            "Button 'Menu' Text='Button 1' Up Event {Cursor 0 ;} " + std::string(kTail));
}

TEST_F(ButtonScript, UpStateGoesIntoTheHeadAndOverDownCompareWithUp) {
  project().layout = 2;
  button().x = 10;
  button().y = 20;
  up().color = 0x0000FF;
  up().border->automatic = 0;
  up().offsetX = 3;
  up().offsetY = -1;
  down().offsetX = 2;
  down().offsetY = 2;
  EXPECT_EQ(Statement(0),
            "Button 'Button 1' X=10 Y=20 Color=0xFF0000 X=13 Y=19 Up X=13 Y=19 Event {Cursor 0 "
            ";} Over Color=0xC0C0C0 Event {Cursor 12 ;} Down Color=0xC0C0C0 X=12 Y=22 "
            "BorderTop=0x000000 BorderBot=0xFFFFFF Event {Cursor 0 ;} ;");
}

TEST_F(ButtonScript, GetScriptLeavesEveryGroupAsItFoundIt) {
  up().image->file = "art/a.gif";
  up().image->style = 1;
  up().audio->file = "s.au";
  up().animate = 1;
  button().leaveScript = "x";
  button().url = "u";
  const std::string before = Doc::CopyGroup(button());
  const int counter = doc.buttonCounter;
  Statement(0);
  Statement(1);
  EXPECT_EQ(Doc::CopyGroup(button()), before);
  EXPECT_EQ(up().name, "Up");
  EXPECT_EQ(up().image->file, "art/a.gif");
  EXPECT_EQ(doc.buttonCounter, counter);
}

TEST_F(ButtonScript, UpStateIsWrittenAsUpWhateverItsStoredName) {
  // A project file may give the first state any name: its blocks and its
  // automatic border colours still go by its place.
  up().color = 0x404040;
  up().border->automatic = 1;
  up().image->file = "a.gif";
  const std::string expected = Statement(0);
  for (const char* name : {"Down", "Default", "up"}) {
    up().name = name;
    EXPECT_EQ(Statement(0), expected) << name;
    EXPECT_EQ(up().name, name);
  }
}

TEST(ButtonName, EmptyAndDuplicateNamesAreRejected) {
  TestPlatform platform;
  KesApp app(platform);
  Doc doc(app);
  doc.OnNewDocument();
  PropButton& second = *doc.InsertButton(doc.CreateButton());
  EXPECT_EQ(ValidateButtonName(second, ""), 609);
  EXPECT_EQ(ValidateButtonName(second, "button 1"), 611);
  EXPECT_EQ(ValidateButtonName(second, "Button 2"), 0);
  EXPECT_EQ(ValidateButtonName(second, "Button 3"), 0);
}
