// The files a published page needs beside it.
#include <filesystem>
#include <fstream>

#include "support/EngineFixture.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

class Resources : public NewProject {
 protected:
  Resources() {
    fs::create_directories(dir / "proj");
    platform.programDir = "/opt/vb/";
  }

  std::vector<std::string> List() {
    std::vector<std::string> list;
    EXPECT_TRUE(doc.GetResourceFiles(list));
    return list;
  }

  TempDir temp;
  const fs::path dir = temp.path();
  const std::vector<std::string> applet = {"/opt/vb/VelkoButton.class", "/opt/vb/VelkoButton.jar",
                                           "/opt/vb/VelkoButton.cab", "/opt/vb/VelkoJfc2.class"};
};

TEST_F(Resources, AppletFilesThenImagesThenAudio) {
  doc.SetPathName((dir / "proj" / "p.but").string());
  project().backgroundImage = "bg.gif";
  up().image->file = "img/a.gif";
  over().image->file = "/abs/b.gif";
  down().image->file = "http://x.example/c.gif";
  AddButton().upState->image->file = "C:\\w\\d.gif";
  up().audio->file = "../snd/s.au";
  over().audio->file = "http://x.example/t.au";
  const fs::path cwd = fs::current_path();
  doc.BuildHtml(PageMode::Page);
  std::vector<std::string> expected = applet;
  // Each file in the system's own form.
  for (const std::string& e :
       {(dir / "proj" / "bg.gif").string(), (dir / "proj" / "img" / "a.gif").string(),
        std::string("/abs/b.gif"), std::string("C:\\w\\d.gif"), (dir / "snd" / "s.au").string()})
    expected.push_back(e);
  EXPECT_EQ(List(), expected);
  // The process's current directory is left alone.
  EXPECT_EQ(fs::current_path(), cwd);
}

TEST_F(Resources, AppendsToTheGivenList) {
  std::vector<std::string> list = {"first"};
  doc.BuildHtml(PageMode::Page);
  doc.GetResourceFiles(list);
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[0], "first");
}

TEST_F(Resources, UnsavedProjectResolvesAgainstTheCurrentDirectory) {
  up().image->file = "a.gif";
  doc.BuildParams(ParamForm::InputFile, "");
  std::vector<std::string> expected = applet;
  expected.push_back((fs::current_path() / "a.gif").string());
  EXPECT_EQ(List(), expected);
}

TEST_F(Resources, RelativeProjectPathBecomesAbsolute) {
  doc.SetPathName("sub/p.but");
  up().image->file = "a.gif";
  doc.BuildParams(ParamForm::InputFile, "");
  EXPECT_EQ(List().back(), (fs::current_path() / "sub" / "a.gif").string());
}

TEST_F(Resources, InputFileWhenAskedFor) {
  doc.writer().generateInput = 1;
  doc.writer().inputFilePath = "/data/button.txt";
  std::vector<std::string> expected = applet;
  expected.push_back("/data/button.txt");
  EXPECT_EQ(List(), expected);
  doc.writer().inputFilePath = "http://x.example/button.txt";
  EXPECT_EQ(List(), applet);
  doc.writer().generateInput = 2;
  doc.writer().inputFilePath = "/data/button.txt";
  EXPECT_EQ(List(), applet);
}

TEST_F(Resources, ReadFromFilePageListsTheLastParameters) {
  up().image->file = "/img/a.gif";
  project().readFromFile = 1;
  doc.BuildHtml(PageMode::Page);
  EXPECT_EQ(List(), applet);
  doc.BuildParams(ParamForm::InputFile, "");
  doc.BuildHtml(PageMode::Page);
  EXPECT_EQ(List().back(), "/img/a.gif");
}

// The runtime comes before the project's files; on a page of today the
// applet's files are left out (the program here holds none).
TEST_F(Resources, RuntimeFileComesBeforeTheProjectsFiles) {
  up().image->file = "/img/a.gif";
  up().audio->file = "/snd/a.au";  // a project with a sound needs the runtime
  doc.BuildHtml(PageMode::Page);
  const std::vector<std::string> classic = List();
  std::vector<std::string> expected;
  expected.push_back("/opt/vb/velkobutton.js");
  expected.push_back("/img/a.gif");
  expected.push_back("/snd/a.au");
  app.settings().html5Runtime = 1;
  EXPECT_EQ(List(), expected);
  doc.writer().runtimeChoice = kRuntimeOff;
  EXPECT_EQ(List(), classic);
  app.settings().html5Runtime = 0;
  doc.writer().runtimeChoice = kRuntimeOn;
  EXPECT_EQ(List(), expected);
  doc.writer().runtimeChoice = kRuntimeFromSettings;
  EXPECT_EQ(List(), classic);
}

// A page of today works without the applet: its files are left out while the
// program holds only the stand-ins it ships with (or nothing, above), and go
// once the user has placed a real applet file. The classic page always lists them.
TEST_F(Resources, PagesOfTodayLeaveOutTheAppletsStandIns) {
  platform.programDir = (dir / "program").string() + "/";
  std::vector<std::string> files;
  for (const char* n :
       {"VelkoButton.class", "VelkoButton.jar", "VelkoButton.cab", "VelkoJfc2.class"})
    files.push_back(platform.programDir + n);
  fs::create_directories(dir / "program");
  for (const std::string& f : files) std::ofstream(f) << "Stand-in for the applet file " << f;
  for (const char* real : {"", "\xCA\xFE\xBA\xBE"}) {
    if (*real) std::ofstream(files[0]) << real;
    for (int choice : {kRuntimeOff, kRuntimeOn}) {
      doc.writer().runtimeChoice = choice;
      const std::vector<std::string> list = List();
      EXPECT_EQ(list == files, choice == kRuntimeOff || *real) << choice << real;
    }
  }
}
