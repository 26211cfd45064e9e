// The project's parameters: the background statement, the layouts, the
// Script pieces, the image and audio lists, the final escaping, the
// parameter writers and the input file.
#include <filesystem>
#include <fstream>

#include "support/EngineFixture.h"

namespace fs = std::filesystem;

using Params = NewProject;

namespace {
const char* const kBackground =
    "Button Background Width=100 Height=40 Color=0x808080 BorderStyle=None Drag=2 Event {Cursor "
    "0;} ;";
const char* const kBackgroundTokens = "100 Background 5 100 6 40 9 0x808080 26 0 8 2 34 {6 0;} ;";

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// The Script values joined again, each without its first and last character.
std::string JoinScripts(const std::string& lines) {
  std::string out;
  std::size_t pos = 0;
  for (int k = 0;; ++k) {
    const std::string head = "Script" + std::to_string(k) + "=";
    std::size_t at = lines.find(head, pos);
    if (at == std::string::npos) break;
    std::size_t end = lines.find("\r\n", at);
    std::string value = lines.substr(at + head.size(), end - at - head.size());
    EXPECT_GE(value.size(), 2u);
    EXPECT_EQ(value.front(), '+');
    EXPECT_EQ(value.back(), '+');
    out += value.substr(1, value.size() - 2);
    pos = end;
  }
  return out;
}
}  // namespace

TEST_F(Params, BackgroundStatementOfANewProject) {
  EXPECT_EQ(project().GetScript("", 0), kBackground);
  EXPECT_EQ(project().GetScript("", 1), kBackgroundTokens);
}

TEST_F(Params, BackgroundRefreshBeforeScriptStyleAndImage) {
  project().refreshRate = 5;
  project().beforeScript = "A;\r\nB;";
  project().imageStyle = 1;
  project().backgroundImage = "art\\bg.gif";
  EXPECT_EQ(project().GetScript("", 0),
            "Set refresh=5000; A;  B;Button Background Width=100 Height=40 Color=0x808080 "
            "BorderStyle=None Drag=2 Event {Cursor 0;} ImageStyle=Tile Image=0 ;");
  EXPECT_EQ(project().GetScript("", 1),
            "7 refresh=5000; A;  B;100 Background 5 100 6 40 9 0x808080 26 0 8 2 34 {6 0;} 21 1 "
            "20 0 ;");
  project().imageStyle = 2;
  project().backgroundImage = "http://x.example/it's.gif";
  EXPECT_NE(
      project().GetScript("", 0).find("ImageStyle=Scale Image='http://x.example/it\\'s.gif' ;"),
      std::string::npos);
  project().imageStyle = 3;
  project().refreshRate = -1;
  project().beforeScript.clear();
  project().backgroundImage.clear();
  EXPECT_EQ(project().GetScript("", 0), kBackground);
}

TEST_F(Params, BackgroundImageIsNumberedBeforeButtonImages) {
  up().image->file = "b.gif";
  project().backgroundImage = "bg.gif";
  doc.BuildParams(ParamForm::InputFile, "");
  EXPECT_EQ(doc.imageList, (std::vector<std::string>{"bg.gif", "b.gif"}));
}

TEST_F(Params, Layouts) {
  AddButton();
  AddButton();
  project().spacing = 10;
  doc.LayoutButtons();
  EXPECT_EQ(button(0).y, 10);
  EXPECT_EQ(button(1).y, 60);
  EXPECT_EQ(button(2).y, 110);
  EXPECT_EQ(button(2).x, 10);
  EXPECT_EQ(project().projectHeight, 160);
  EXPECT_EQ(project().projectWidth, 120);

  project().layout = 1;
  project().spacing = -5;
  project().buttonWidth = 50;
  doc.LayoutButtons();
  EXPECT_EQ(button(0).x, -5);
  EXPECT_EQ(button(1).x, 40);
  EXPECT_EQ(button(2).x, 85);
  EXPECT_EQ(button(2).y, -5);
  EXPECT_EQ(button(2).width, 50);
  EXPECT_EQ(project().projectWidth, 130);
  EXPECT_EQ(project().projectHeight, 30);

  project().layout = 2;
  button(1).x = 333;
  project().projectWidth = 77;
  doc.LayoutButtons();
  EXPECT_EQ(button(1).x, 333);
  EXPECT_EQ(project().projectWidth, 77);

  project().layout = 0;
  while (doc.ButtonCount()) doc.RemoveButton(&button(0));
  EXPECT_EQ(project().projectHeight, -5);

  // Values read from a file are not checked; the layout must not overflow.
  project().spacing = 2147483647;
  project().buttonHeight = 2147483647;
  AddButton();
  doc.LayoutButtons();
}

TEST_F(Params, ScriptOfExactly198CharactersIsOneParameter) {
  doc.RemoveButton(&button(0));
  const std::string base = project().GetScript("", 1);
  const std::string pad(198 - base.size(), 'a');
  std::string p = doc.BuildParams(ParamForm::InputFile, pad);
  EXPECT_EQ(p, "Script0=+" + pad + base + "+\r\n");
  p = doc.BuildParams(ParamForm::InputFile, pad + "b");
  EXPECT_EQ(p, "Script0=+" + pad + "b" + base.substr(0, base.size() - 1) + "+\r\nScript1=+;+\r\n");
  p = doc.BuildParams(ParamForm::Page, pad + "b");
  EXPECT_EQ(p, "<PARAM NAME=Script0 VALUE=\"+" + pad + "b" + base.substr(0, base.size() - 1) +
                   "+\">\r\n<PARAM NAME=Script1 VALUE=\"+;+\">\r\n");
}

TEST_F(Params, PiecesKeepBlanksAndJoinBackToTheScript) {
  for (int i = 0; i < 6; ++i) AddButton();
  project().afterScript = "Call 'x';\r\nCall \"y\";";
  button(3).tip = "a tip with blanks  ";
  const std::string p = doc.BuildParams(ParamForm::InputFile, "Set Day0='Dimanche'; ");
  std::string script = "Set Day0='Dimanche'; " + project().GetScript("", 1);
  for (std::size_t i = 0; i < doc.ButtonCount(); ++i) script += button(i).GetScript("", 1);
  script += "Call 'x';  Call \"y\";";
  EXPECT_GT(script.size(), 198u * 3);
  EXPECT_EQ(JoinScripts(p), script);
  EXPECT_NE(p.find("Script3=+"), std::string::npos);
}

TEST_F(Params, PagesWriteMarkupCharactersAsReferences) {
  project().afterScript = "a &#38; b & \"<x>\" &amp; z&#";
  std::string p = doc.BuildParams(ParamForm::Page, "");
  EXPECT_NE(p.find("a &amp;#38; b &amp; &quot;&lt;x&gt;&quot; &amp;amp; z&amp;#+"),
            std::string::npos);
  p = doc.BuildParams(ParamForm::InputFile, "");
  EXPECT_NE(p.find("a &#38; b & \"<x>\" &amp; z&#+"), std::string::npos);
  // The script is cut first and each piece escaped: the pieces a browser
  // hands over join to the script.
  project().afterScript.clear();
  p = doc.BuildParams(ParamForm::Page, std::string(197, 'a') + "&#9;x");
  EXPECT_NE(p.find("a&amp;+\">\r\n<PARAM NAME=Script1 VALUE=\"+#9;x"), std::string::npos);
}

TEST_F(Params, InputFileDoublesBackslashes) {
  over().text->text = "Line 1\r\nLine 2";
  project().afterScript = "Call 'C:\\dir\\x';";
  const std::string input = doc.BuildParams(ParamForm::InputFile, "");
  EXPECT_NE(input.find("'Line 1\\\\nLine 2'"), std::string::npos);
  EXPECT_NE(input.find("Call 'C:\\\\dir\\\\x';+"), std::string::npos);
  const std::string page = doc.BuildParams(ParamForm::Page, "");
  EXPECT_NE(page.find("11 'Line 1\\nLine 2'"), std::string::npos);
  EXPECT_NE(page.find("Call 'C:\\dir\\x';+\">"), std::string::npos);
}

TEST_F(Params, ImageAndAudioListsReduceLocalEntriesToFileNames) {
  project().backgroundImage = "C:\\art\\a.gif";
  up().image->file = "http://x.example/b.gif";
  over().image->file = "dir/sub\\c.gif";
  down().image->file = "D:d.gif";
  up().audio->file = "snd\\s.au";
  over().audio->file = "ftp://x.example/t.au";
  down().audio->file = "/home/u/v.au";
  const std::string p = doc.BuildParams(ParamForm::InputFile, "");
  EXPECT_NE(p.find("+\r\nImages0=a.gif|c.gif|d.gif\r\nAudio0=s.au|v.au\r\n"), std::string::npos);
  EXPECT_EQ(p.size(), p.rfind("Audio0=s.au|v.au\r\n") + 18);
  EXPECT_EQ(doc.imageList.size(), 3u);
  // No list: no parameter.
  up().image->file.clear();
  over().image->file.clear();
  down().image->file.clear();
  project().backgroundImage = "http://x.example/bg.gif";
  up().audio->file.clear();
  down().audio->file.clear();
  const std::string q = doc.BuildParams(ParamForm::Page, "");
  EXPECT_EQ(q.find("Images0"), std::string::npos);
  EXPECT_EQ(q.find("Audio0"), std::string::npos);
  EXPECT_TRUE(doc.imageList.empty());
  EXPECT_TRUE(doc.audioList.empty());
}

TEST(ParamWriters, FormsAndDefaults) {
  EXPECT_EQ(params::WriteStringParam(ParamForm::Page, "S", "a\nb", "", true),
            "<PARAM NAME=S VALUE=\"a\\nb\">\r\n");
  EXPECT_EQ(params::WriteStringParam(ParamForm::Page, "S", "a\nb", "", false),
            "<PARAM NAME=S VALUE=\"a\nb\">\r\n");
  EXPECT_EQ(params::WriteStringParam(ParamForm::InputFile, "S", "it's", "", true), "S=it\\'s\r\n");
  EXPECT_EQ(params::WriteStringParam(ParamForm::InputFile, "S", "x", "x", false), "");
}

class InputFile : public NewProject {
 protected:
  InputFile() {
    dir = fs::temp_directory_path() /
          ("vb-input-" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::create_directories(dir);
  }
  ~InputFile() override { fs::remove_all(dir); }
  fs::path dir;
};

TEST_F(InputFile, WritesTheParametersWithoutTheConfigurableTexts) {
  app.settings().days[0] = "Dimanche";
  up().image->file = "a.gif";
  const fs::path path = dir / "button.txt";
  ASSERT_TRUE(doc.SaveInputFile(path.string(), false));
  const std::string bytes = ReadFile(path);
  EXPECT_EQ(bytes, doc.BuildParams(ParamForm::InputFile, ""));
  EXPECT_EQ(bytes.rfind("Script0=+100 Background ", 0), 0u);
  EXPECT_EQ(bytes.find("Dimanche"), std::string::npos);
  EXPECT_TRUE(platform.fileDialogs.empty());
}

TEST_F(InputFile, SaveAsDialogAndItsCancel) {
  platform.fileAnswers = {""};
  EXPECT_FALSE(doc.SaveInputFile((dir / "x.txt").string(), true));
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  const auto& d = platform.fileDialogs[0];
  EXPECT_FALSE(d.open);
  EXPECT_EQ(d.defaultExt, "txt");
  EXPECT_EQ(d.proposed, (dir / "x.txt").string());
  EXPECT_EQ(d.filter, "VelkoVerify Input Files (*.txt, *.dat)|*.txt;*.dat|All Files (*.*)|*.*||");
  EXPECT_EQ(d.flags, unsigned(FdHideReadOnly | FdOverwritePrompt));
  EXPECT_FALSE(fs::exists(dir / "x.txt"));
  EXPECT_TRUE(platform.messages.empty());

  platform.fileAnswers = {(dir / "chosen.dat").string()};
  EXPECT_TRUE(doc.SaveInputFile((dir / "x.txt").string(), true));
  EXPECT_FALSE(fs::exists(dir / "x.txt"));
  EXPECT_EQ(ReadFile(dir / "chosen.dat"), doc.BuildParams(ParamForm::InputFile, ""));
}

TEST_F(InputFile, UnwritablePathIsReported) {
  const fs::path path = dir / "missing" / "button.txt";
  EXPECT_FALSE(doc.SaveInputFile(path.string(), false));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text,
            "Unable to write to " + path.string() + ", it is read-only or opened by someone else.");
  EXPECT_FALSE(fs::exists(dir / "missing"));
}
