// The state blocks and what the text, border, image, audio and advanced
// groups contribute to them.
#include "support/EngineFixture.h"

using StateScript = NewProject;

namespace {
const char* const kUp = "Up Event {Cursor 0 ;} ";
const char* const kOver = "Over Event {Cursor 12 ;} ";
const char* const kDown = "Down BorderTop=0x000000 BorderBot=0xFFFFFF Event {Cursor 0 ;} ";
}  // namespace

TEST_F(StateScript, NewStatesAndTheirCursors) {
  EXPECT_EQ(over().cursor, 12);
  EXPECT_EQ(up().cursor, 0);
  EXPECT_EQ(down().cursor, 0);
  EXPECT_EQ(over().color, 0xC0C0C0u);
  EXPECT_EQ(over().GetDiffScript("", 0, up()), kOver);
  EXPECT_EQ(over().GetDiffScript("", 1, up()), "201 34 {6 12 ;} ");
  over().cursor = -1;
  EXPECT_EQ(over().GetDiffScript("", 0, up()), "");
}

TEST_F(StateScript, OverColourWithAndWithoutAutomaticBorder) {
  over().color = 0x0000FF;  // pure red
  over().border->automatic = 0;
  EXPECT_EQ(over().GetDiffScript("", 0, up()), "Over Color=0xFF0000 Event {Cursor 12 ;} ");
  over().border->automatic = 1;
  EXPECT_EQ(over().GetDiffScript("", 0, up()),
            "Over Color=0xFF0000 BorderTop=0xFFC8C8 BorderMid=0xFF0000 BorderBot=0x370000 Event "
            "{Cursor 12 ;} ");
}

TEST_F(StateScript, AutomaticColoursSaturateAndReverseForDown) {
  auto c = PropBorder::AutomaticColorsFor(0x808080, "Up");
  EXPECT_EQ(c.top, 0xFFFFFFu);
  EXPECT_EQ(c.mid, 0x808080u);
  EXPECT_EQ(c.bot, 0x000000u);
  c = PropBorder::AutomaticColorsFor(0x102030, "Over");  // red 0x30, green 0x20, blue 0x10
  EXPECT_EQ(ColorHex(c.top), "0xF8E8D8");
  EXPECT_EQ(c.bot, 0u);
  c = PropBorder::AutomaticColorsFor(0x102030, "Down");
  EXPECT_EQ(ColorHex(c.bot), "0xF8E8D8");
  EXPECT_EQ(c.top, 0u);
  // The top byte of a colour read from a file does not leak into the others.
  EXPECT_EQ(PropBorder::AutomaticColorsFor(0xFF000000u, "Up").top, 0xC8C8C8u);

  down().color = 0x808080;
  EXPECT_EQ(down().GetDiffScript("", 0, up()),
            "Down Color=0x808080 BorderTop=0x000000 BorderMid=0x808080 BorderBot=0xFFFFFF Event "
            "{Cursor 0 ;} ");
}

TEST_F(StateScript, StoredBorderColoursOnlyWhereTheyDiffer) {
  over().border->automatic = 0;
  over().border->topColor = 0x563412;
  EXPECT_EQ(over().GetDiffScript("", 0, up()), "Over BorderTop=0x123456 Event {Cursor 12 ;} ");
  // Frame: only differences from the reference.
  over().border->frameColor = 0x00FF00;
  EXPECT_EQ(over().GetDiffScript("", 1, up()), "201 28 0x123456 33 0x00FF00 34 {6 12 ;} ");
  up().border->frameColor = 0x00FF00;
  EXPECT_EQ(over().GetDiffScript("", 1, up()), "201 28 0x123456 34 {6 12 ;} ");
}

TEST_F(StateScript, NoBorderWritesZeroThicknessInEveryBlock) {
  for (PropState* s : {&up(), &over(), &down()}) s->border->style = 0;
  up().border->thick = 7;
  EXPECT_EQ(Statement(0),
            "Button 'Button 1' BorderStyle=None BorderThick=0 Up BorderThick=0 Event {Cursor 0 ;} "
            "Over BorderThick=0 Event {Cursor 12 ;} Down BorderThick=0 BorderTop=0x000000 "
            "BorderBot=0xFFFFFF Event {Cursor 0 ;} ;");
}

TEST_F(StateScript, BevelToNoneInOverOnly) {
  over().border->style = 0;
  EXPECT_EQ(over().GetDiffScript("", 0, up()),
            "Over BorderStyle=None BorderThick=0 Event {Cursor 12 ;} ");
  over().border->style = 4;
  over().border->smooth = 0;
  over().border->thick = 5;
  EXPECT_EQ(over().GetDiffScript("", 1, up()), "201 26 4 27 False 31 5 34 {6 12 ;} ");
  // A style outside 0-4 writes no style word.
  over().border->style = 9;
  EXPECT_EQ(over().GetDiffScript("", 0, up()),
            "Over BorderSmooth=False BorderThick=5 Event {Cursor 12 ;} ");
}

TEST_F(StateScript, TextProperties) {
  over().text->text = "Line 1\r\nLine 2";
  EXPECT_EQ(over().GetDiffScript("", 0, up()), "Over Text='Line 1\\nLine 2' Event {Cursor 12 ;} ");
  over().text->text = up().text->text;
  over().text->bold = 1;
  over().text->underline = 1;
  EXPECT_EQ(over().GetDiffScript("", 0, up()), "Over TextStyle=5 Event {Cursor 12 ;} ");
  over().text->bold = over().text->underline = 0;
  over().text->emboss = over().text->engrave = 1;
  EXPECT_EQ(over().GetDiffScript("", 0, up()), "Over TextStyle=24 Event {Cursor 12 ;} ");
  over().text->emboss = over().text->engrave = 0;
  over().text->font = "Courier";
  over().text->textColor = 0xFF0000;
  over().text->alignX = 0;
  over().text->alignY = 2;
  over().text->offsetX = -3;
  over().text->offsetY = 4;
  over().text->size = 14;
  EXPECT_EQ(over().GetDiffScript("", 0, up()),
            "Over TextColor=0x0000FF TextAlignX=0 TextAlignY=2 TextOffsetX=-3 TextOffsetY=4 "
            "TextFont='Courier' TextSize=14 Event {Cursor 12 ;} ");
  EXPECT_EQ(over().GetDiffScript("", 1, up()),
            "201 12 0x0000FF 15 0 16 2 17 -3 18 4 19 'Courier' 13 14 34 {6 12 ;} ");
}

TEST_F(StateScript, StyleAndTransparency) {
  up().transparent = 1;
  EXPECT_EQ(Statement(0),
            "Button 'Button 1' Style=Transparent Up Event {Cursor 0 ;} "
            "Over Style=Solid Event {Cursor 12 ;} Down Style=Solid BorderTop=0x000000 "
            "BorderBot=0xFFFFFF Event {Cursor 0 ;} ;");
  EXPECT_NE(Statement(1).find("201 10 0 34"), std::string::npos);
}

TEST_F(StateScript, ImageNumbersStylesAndAlignment) {
  up().image->file = "C:\\art\\a.gif";
  up().image->style = 1;
  EXPECT_EQ(Statement(0),
            "Button 'Button 1' ImageStyle=Tile Up Image=0 ImageStyle=Tile Event "
            "{Cursor 0 ;} " +
                std::string(kOver) + kDown + ";");
  up().image->style = 0;
  up().image->alignX = 0;
  EXPECT_EQ(Statement(0), "Button 'Button 1' ImageAlignX=0 Up Image=0 Event {Cursor 0 ;} " +
                              std::string(kOver) + kDown + ";");
  // An Over state without its own image writes nothing of its image group.
  over().image->style = 2;
  over().image->alignY = 0;
  EXPECT_EQ(over().GetDiffScript("", 0, up()), kOver);
  // With a file: scale is repeated; a normal image goes back to Normal.
  over().image->file = "b.gif";
  EXPECT_EQ(over().GetDiffScript("", 0, up()),
            "Over Image=1 ImageStyle=Scale Event {Cursor 12 ;} ");
  up().image->style = 1;
  over().image->style = 0;
  over().image->offsetX = 2;
  over().image->offsetY = 3;
  EXPECT_EQ(over().GetDiffScript("", 1, up()), "201 20 1 21 0 24 2 25 3 22 1 23 0 34 {6 12 ;} ");
  EXPECT_EQ(doc.imageList, (std::vector<std::string>{"C:\\art\\a.gif", "b.gif"}));
}

TEST_F(StateScript, SharedImageNumbersAndCaseDistinctPaths) {
  PropButton& second = AddButton();
  up().image->file = "art/a.gif";
  second.overState->image->file = "art/a.gif";
  second.downState->image->file = "art/A.gif";
  second.upState->image->file = "http://www.example.com/it's.gif";
  const std::string params = doc.BuildParams(ParamForm::InputFile, "");
  EXPECT_EQ(doc.imageList, (std::vector<std::string>{"art/a.gif", "art/A.gif"}));
  const std::string s = second.GetScript("", 0);
  EXPECT_NE(s.find("Up Image='http://www.example.com/it\\'s.gif' Event"), std::string::npos);
  EXPECT_NE(s.find("Over Image=0 Event"), std::string::npos);
  EXPECT_NE(s.find("BorderBot=0xFFFFFF Image=1 Event"), std::string::npos);
  EXPECT_NE(params.find("Images0=a.gif|A.gif\r\n"), std::string::npos);
}

TEST_F(StateScript, AnimateNeedsALocalImage) {
  over().animate = 1;
  EXPECT_EQ(over().GetDiffScript("", 0, up()), kOver);
  over().image->file = "http://x.example/a.gif";
  EXPECT_EQ(over().GetDiffScript("", 0, up()),
            "Over Image='http://x.example/a.gif' Event {Cursor 12 ;} ");
  over().image->file = "spin.gif";
  EXPECT_EQ(over().GetDiffScript("", 0, up()), "Over Image=0 Event {Animate 0; Cursor 12 ;} ");
  EXPECT_EQ(over().GetDiffScript("", 1, up()), "201 20 0 34 {103 0; 6 12 ;} ");
}

TEST_F(StateScript, AudioCommandsInEveryStateWithAFile) {
  up().audio->file = "snd/click.au";
  up().audio->mode = 1;
  over().audio->file = "snd/click.au";
  over().audio->mode = 2;
  down().audio->file = "http://x.example/a'b.au";
  EXPECT_EQ(Statement(0),
            "Button 'Button 1' Up Event {Audio Loop 0; Cursor 0 ;} Over Event {Audio "
            "Stop 0; Cursor 12 ;} Down BorderTop=0x000000 BorderBot=0xFFFFFF Event "
            "{Audio Play 'http://x.example/a\\'b.au'; Cursor 0 ;} ;");
  EXPECT_EQ(doc.audioList, std::vector<std::string>{"snd/click.au"});
  EXPECT_EQ(Statement(1),
            "100 'Button 1' 200 34 {4 1 0; 6 0 ;} 201 34 {4 2 0; 6 12 ;} 202 28 "
            "0x000000 30 0xFFFFFF 34 {4 0 'http://x.example/a\\'b.au'; 6 0 ;} ;");
}

TEST_F(StateScript, EventOrderAndAdvancedScript) {
  over().audio->file = "a.au";
  over().image->file = "a.gif";
  over().animate = 1;
  over().advanced->script = "A;\r\n\tB;";
  EXPECT_EQ(over().GetDiffScript("X;", 0, up()),
            "Over Image=0 Event {X;Audio Play 0; Animate 0; A;   B;Cursor 12 ;} ");
  EXPECT_EQ(over().advanced->GetScript("", 1), "A;   B;");
}

TEST_F(StateScript, DefaultBlockWritesPropertiesOnly) {
  PropState reference(&button(), "Default");
  reference.CreateGroups();
  up().name = "Default";
  up().color = 0x000080;
  up().border->automatic = 0;
  EXPECT_EQ(up().GetDiffScript("Internet 'u' _self; ", 0, reference), "Color=0x800000 ");
  up().name = "Up";
}

TEST_F(StateScript, OffsetsFarOutOfRangeStayDefined) {
  project().layout = 2;
  button().x = 2147483647;
  down().offsetX = 1;
  EXPECT_NE(Statement(0).find("Down X=-2147483648 "), std::string::npos);
}
