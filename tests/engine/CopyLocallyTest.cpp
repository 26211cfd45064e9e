#include <gtest/gtest.h>

#include <filesystem>

#include "core/os/Os.h"
#include "output/CopyLocally.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

namespace fs = std::filesystem;

namespace {

// Records what the copy told its progress window; presses Cancel when the
// position reaches `cancelAt`.
class ScriptedProgress : public CopyProgress {
 public:
  int cancelAt = -1;
  std::vector<std::string> log;
  void Begin(int total) override { log.push_back("begin " + std::to_string(total)); }
  void SetText(const std::string& text) override { log.push_back("text " + text); }
  void SetPos(int pos) override {
    pos_ = pos;
    log.push_back("pos " + std::to_string(pos));
  }
  bool Cancelled() override { return cancelAt >= 0 && pos_ >= cancelAt; }
  void End() override { log.push_back("end"); }

 private:
  int pos_ = 0;
};

const std::string kA = "GIF89aA";
const std::string kB = ".sndB";
const std::string kG = "GIF89aG";
const std::string kO = "GIF89aO";
const std::string kSuccess = "The Publish operation was successful.  All files were copied.";
const std::string kFailure =
    "The Publish operation did not copy all files.  The published project may not work "
    "correctly.";

struct CopyFixture : ::testing::Test {
  TempDir t;
  TestPlatform p;
  ScriptedProgress progress;
  std::string last = "/previous/place";
  std::string out;

  void SetUp() override {
    out = t / "out";
    fs::create_directories(out);
    // Images and sounds as their first bytes say; the applet's files lie in
    // the program's folder.
    WriteBytes(t / "src/a.gif", kA);
    WriteBytes(t / "src/b.au", kB);
    p.programDir = t / "app/";
    WriteBytes(t / "app/VelkoButton.class", "C");
  }
  CopyOutcome Run(const std::vector<std::string>& files) {
    p.folderAnswers.push_back(out);
    return CopySelectedResources(p, last, files, progress);
  }
  std::string Dst(const std::string& name) const { return out + "/" + name; }
  const std::string& LastMessage() const { return p.messages.back().text; }
};

}  // namespace

TEST_F(CopyFixture, CopiesTheSelectionAndReportsSuccess) {
  ASSERT_EQ(Run({t / "src/a.gif", t / "src/b.au"}), CopyOutcome::Succeeded);
  ASSERT_EQ(p.folderDialogs.size(), 1u);
  EXPECT_EQ(p.folderDialogs[0].first, "Publish to:");
  EXPECT_EQ(p.folderDialogs[0].second, "/previous/place");
  EXPECT_EQ(progress.log,
            (std::vector<std::string>{"begin 2", "text Copying file 'a.gif' ", "pos 0",
                                      "text Copying file 'b.au' ", "pos 1", "end"}));
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_EQ(p.messages[0].text, kSuccess);
  EXPECT_EQ(p.messages[0].buttons, MsgButtons::Ok);
  EXPECT_EQ(p.messages[0].icon, MsgIcon::Information);
  EXPECT_EQ(ReadBytes(Dst("a.gif")), kA);
  EXPECT_EQ(ReadBytes(Dst("b.au")), kB);
  EXPECT_FALSE(fs::exists(Dst("VelkoButton.class")));
  EXPECT_EQ(last, out);
}

TEST_F(CopyFixture, NothingSelectedStillReportsSuccess) {
  ASSERT_EQ(Run({}), CopyOutcome::Succeeded);
  EXPECT_EQ(progress.log, (std::vector<std::string>{"begin 0", "end"}));
  EXPECT_EQ(LastMessage(), kSuccess);
  EXPECT_TRUE(fs::is_empty(out));
}

TEST_F(CopyFixture, NoFolderChosenDoesNothing) {
  EXPECT_EQ(CopySelectedResources(p, last, {t / "src/a.gif"}, progress), CopyOutcome::Stopped);
  EXPECT_TRUE(p.messages.empty());
  EXPECT_TRUE(progress.log.empty());
  EXPECT_EQ(last, "/previous/place");
}

TEST_F(CopyFixture, MissingFolderIsMadeOnlyWhenTheUserAgrees) {
  out = t / "new";
  p.answers = {IdNo};
  EXPECT_EQ(Run({t / "src/a.gif"}), CopyOutcome::Stopped);
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_EQ(p.messages[0].text,
            "Directory '" + out + "' does not exist. Do you wish to create it?");
  EXPECT_EQ(p.messages[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(p.messages[0].icon, MsgIcon::Question);
  EXPECT_FALSE(fs::exists(out));
  EXPECT_TRUE(progress.log.empty());
  EXPECT_EQ(last, "/previous/place");

  p.messages.clear();
  p.answers = {IdYes};
  EXPECT_EQ(Run({t / "src/a.gif"}), CopyOutcome::Succeeded);
  // Asked once: the full path exists once the chosen folder was made.
  ASSERT_EQ(p.messages.size(), 2u);
  EXPECT_EQ(ReadBytes(Dst("a.gif")), kA);
  EXPECT_EQ(last, out);
}

TEST_F(CopyFixture, FolderThatCannotBeMadeIsReported) {
  out = t / "missing/parent/child";
  p.answers = {IdYes};
  EXPECT_EQ(Run({t / "src/a.gif"}), CopyOutcome::Stopped);
  ASSERT_EQ(p.messages.size(), 2u);
  EXPECT_EQ(p.messages[1].text, "Unable to create directory '" + out + "'!");
  EXPECT_EQ(p.messages[1].buttons, MsgButtons::Ok);
  EXPECT_EQ(p.messages[1].icon, MsgIcon::Exclamation);
  EXPECT_TRUE(progress.log.empty());
  EXPECT_EQ(last, "/previous/place");
}

TEST_F(CopyFixture, AMissingSourceStopsTheCopyBeforeAnythingIsWritten) {
  const std::string missing = t / "src/gone.gif";
  const std::string missingText = "File '" + missing + "' is missing!\nNothing was written.";
  // Cancel: no folder is asked for, nothing is copied.
  p.answers = {IdCancel};
  EXPECT_EQ(Run({missing, t / "src/a.gif"}), CopyOutcome::Stopped);
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_EQ(p.messages[0].text, missingText);
  EXPECT_EQ(p.messages[0].buttons, MsgButtons::RetryCancel);
  EXPECT_EQ(p.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_FALSE(fs::exists(Dst("a.gif")));
  EXPECT_TRUE(progress.log.empty());

  // Retry after the file turned up copies everything.
  p.messages.clear();
  p.answers = {IdRetry};
  p.onMessage = [&](const TestPlatform::Message& m) {
    if (m.text == missingText) WriteBytes(missing, kG);
  };
  EXPECT_EQ(Run({missing, t / "src/a.gif"}), CopyOutcome::Succeeded);
  EXPECT_EQ(ReadBytes(Dst("gone.gif")), kG);
  EXPECT_EQ(ReadBytes(Dst("a.gif")), kA);
}

TEST_F(CopyFixture, APipeIsUnreadableAtOnce) {
  // Opening a pipe with no writer would wait for one for ever.
  const std::string pipe = t / "src/pipe.gif";
  if (!os::MakePipe(pipe)) GTEST_SKIP() << "no pipes in folders here";
  p.answers = {IdCancel};
  EXPECT_EQ(Run({pipe}), CopyOutcome::Stopped);
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_EQ(p.messages[0].text, "File '" + pipe + "' cannot be read!\nNothing was written.");
}

// A file in the folder that holds other bytes is replaced only when the user
// agrees, asked once for all of them; one holding the same bytes is left as
// it is; files from outside the project's folder are named and asked about
// first. No copies nothing at all.
TEST_F(CopyFixture, ReplacesAndCopiesFromOutsideOnlyWhenTheUserAgrees) {
  WriteBytes(t / "app/VelkoButton.class", "applet");
  const auto lines = [](const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& n : names) text += n + "\n";
    return text;
  };
  const auto replace = [&](const std::vector<std::string>& names) {
    return "These files in the folder hold something other than what would be written in their "
           "place:\n" +
           lines(names) + "Replace them? No writes nothing.";
  };
  const auto outside = [&](const std::vector<std::string>& names) {
    return "These files lie outside the project's folder:\n" + lines(names) +
           "Copy them? No copies nothing.";
  };
  const std::string a = t / "src/a.gif", b = t / "src/b.au";
  const struct {
    std::string a, b;  // in the folder before ("": none)
    std::string project;
    std::vector<int> answers;
    std::vector<std::string> questions;
    CopyOutcome outcome;
  } cases[] = {
      {"", "", t / "src/p.but", {}, {}, CopyOutcome::Succeeded},
      {kA, kB, t / "src/p.but", {}, {}, CopyOutcome::Succeeded},
      {"old", "", t / "src/p.but", {IdNo}, {replace({Dst("a.gif")})}, CopyOutcome::Stopped},
      {"old",
       ".sndC",
       t / "src/p.but",
       {IdYes},
       {replace({Dst("a.gif"), Dst("b.au")})},
       CopyOutcome::Succeeded},
      {"", "", t / "src/sub/p.but", {IdNo}, {outside({a, b})}, CopyOutcome::Stopped},
      {"old",
       "",
       "",
       {IdYes, IdNo},
       {outside({a, b}), replace({Dst("a.gif")})},
       CopyOutcome::Stopped},
      {"old",
       "",
       "",
       {IdYes, IdYes},
       {outside({a, b}), replace({Dst("a.gif")})},
       CopyOutcome::Succeeded},
  };
  for (const auto& c : cases) {
    fs::remove_all(out);
    fs::create_directories(out);
    if (!c.a.empty()) WriteBytes(Dst("a.gif"), c.a);
    if (!c.b.empty()) WriteBytes(Dst("b.au"), c.b);
    p.messages.clear();
    p.answers.assign(c.answers.begin(), c.answers.end());
    p.folderAnswers.push_back(out);
    const std::string row = c.a + "|" + c.b + "|" + c.project;
    EXPECT_EQ(CopySelectedResources(p, last, {a, b, t / "app/VelkoButton.class"}, progress, {},
                                    c.project),
              c.outcome)
        << row;
    std::vector<std::string> questions;
    for (const auto& m : p.messages)
      if (m.buttons == MsgButtons::YesNo) questions.push_back(m.text);
    EXPECT_EQ(questions, c.questions) << row;
    const bool copied = c.outcome == CopyOutcome::Succeeded;
    EXPECT_EQ(ReadBytes(Dst("a.gif")), copied ? kA : c.a) << row;
    EXPECT_EQ(ReadBytes(Dst("b.au")), copied ? kB : c.b) << row;
    EXPECT_EQ(fs::exists(Dst("VelkoButton.class")), copied) << row;
  }
}

// Before anything is copied: two files of one name, a file that is no image
// or sound, and a copy onto the project are refused with a message naming
// them, and nothing is copied.
TEST_F(CopyFixture, CopiesThatWouldLoseAFileAreRefusedFirst) {
  WriteBytes(t / "other/a.gif", "GIF89aA2");
  WriteBytes(t / "src/secret.gif", "not a picture");
  WriteBytes(t / "proj/p.gif", "GIF89aP");
  const struct {
    std::vector<std::string> files;
    std::vector<std::string> keep;
    std::string message;
  } cases[] = {
      {{t / "src/a.gif", t / "src/b.au", t / "other/a.gif"},
       {},
       "'" + (t / "src/a.gif") + "' and '" + (t / "other/a.gif") +
           "' have the same file name and cannot both be copied beside the page. Nothing was "
           "copied."},
      {{t / "src/a.gif", t / "src/secret.gif"},
       {},
       "'" + (t / "src/secret.gif") +
           "' is not an image or sound file that a page can use. Nothing was copied."},
      {{t / "src/a.gif", t / "proj/p.gif"},
       {Dst("p.gif")},
       "Copying '" + (t / "proj/p.gif") + "' would replace '" + Dst("p.gif") +
           "'. Nothing was copied."},
  };
  WriteBytes(Dst("p.gif"), "the project");
  for (const auto& c : cases) {
    p.messages.clear();
    p.folderAnswers.push_back(out);
    EXPECT_EQ(CopySelectedResources(p, last, c.files, progress, c.keep), CopyOutcome::Stopped);
    ASSERT_EQ(p.messages.size(), 1u);
    EXPECT_EQ(p.messages[0].text, c.message);
    EXPECT_FALSE(fs::exists(Dst("a.gif")));
    EXPECT_EQ(ReadBytes(Dst("p.gif")), "the project");
  }
  EXPECT_TRUE(progress.log.empty());
}

TEST_F(CopyFixture, FailedCopyAbortRetryIgnore) {
  // A read-only file where the copy should go cannot be replaced (the user
  // agreed to replace it first).
  const std::string odd = t / "src/odd.gif";
  WriteBytes(odd, kO);
  WriteBytes(Dst("odd.gif"), "old");
  fs::permissions(Dst("odd.gif"), fs::perms::owner_read);
  const std::string text =
      "Unable to copy file '" + odd + "' to '" + Dst("odd.gif") + "'! (the target is read-only)";

  p.answers = {IdYes, IdAbort};
  EXPECT_EQ(Run({odd, t / "src/a.gif"}), CopyOutcome::Failed);
  ASSERT_EQ(p.messages.size(), 3u);
  EXPECT_EQ(p.messages[1].text, text);
  EXPECT_EQ(p.messages[1].buttons, MsgButtons::AbortRetryIgnore);
  EXPECT_EQ(p.messages[1].icon, MsgIcon::Exclamation);
  EXPECT_FALSE(fs::exists(Dst("a.gif")));

  p.messages.clear();
  p.answers = {IdYes, IdIgnore};
  EXPECT_EQ(Run({odd, t / "src/a.gif"}), CopyOutcome::Failed);
  EXPECT_EQ(LastMessage(), kFailure);
  EXPECT_EQ(ReadBytes(Dst("a.gif")), kA);

  p.messages.clear();
  p.answers = {IdYes, IdRetry};
  p.onMessage = [&](const TestPlatform::Message& m) {
    if (m.text == text)
      fs::permissions(Dst("odd.gif"), fs::perms::owner_read | fs::perms::owner_write);
  };
  EXPECT_EQ(Run({odd}), CopyOutcome::Succeeded);
  EXPECT_EQ(ReadBytes(Dst("odd.gif")), kO);
}

TEST_F(CopyFixture, CancelTakesEffectBeforeTheNextFile) {
  progress.cancelAt = 1;
  EXPECT_EQ(Run({t / "src/a.gif", t / "src/b.au", t / "app/VelkoButton.class"}),
            CopyOutcome::Failed);
  EXPECT_EQ(ReadBytes(Dst("a.gif")), kA);
  EXPECT_FALSE(fs::exists(Dst("b.au")));
  EXPECT_FALSE(fs::exists(Dst("VelkoButton.class")));
  EXPECT_EQ(progress.log,
            (std::vector<std::string>{"begin 3", "text Copying file 'a.gif' ", "pos 0",
                                      "text Copying file 'b.au' ", "pos 1", "end"}));
  ASSERT_EQ(p.messages.size(), 1u);
  EXPECT_EQ(p.messages[0].text, kFailure);
  EXPECT_EQ(last, out);
}

TEST_F(CopyFixture, FullPathHasOneTrailingSeparator) {
  out = t / "out//./";
  EXPECT_EQ(Run({t / "src/a.gif"}), CopyOutcome::Succeeded);
  EXPECT_EQ(ReadBytes(t / "out/a.gif"), kA);
  EXPECT_EQ(last, t / "out//./");  // kept as chosen

  // Copying a file onto itself is no copy at all, and loses nothing.
  p.messages.clear();
  out = t / "src";
  EXPECT_EQ(Run({t / "src/a.gif"}), CopyOutcome::Succeeded);
  EXPECT_EQ(p.messages.size(), 1u);
  EXPECT_EQ(ReadBytes(t / "src/a.gif"), kA);
}
