// Random projects with extreme values, as an unchecked project file may hold
// them: every generation runs without fault, leaves the groups as it found
// them, and the Script pieces join back to one script.
#include <algorithm>
#include <random>

#include "core/Doc.h"
#include "core/Keywords.h"
#include "core/Win1252.h"
#include "support/EngineFixture.h"
#include "support/RandomProject.h"

namespace {

// The Script lines of an input file for `script`: pieces of 198 characters
// between plus signs, backslashes doubled.
std::string ScriptLines(const std::string& script) {
  std::string out;
  for (std::size_t k = 0; k * 198 < script.size(); ++k) {
    out += "Script" + std::to_string(k) + "=+";
    for (char c : script.substr(k * 198, 198)) {
      out.push_back(c);
      if (c == '\\') out.push_back('\\');
    }
    out += "+\r\n";
  }
  return out;
}

}  // namespace

using GenerationStress = NewProject;

TEST_F(GenerationStress, RandomExtremeProjects) {
  Values v(20261208);
  for (int round = 0; round < 60; ++round) {
    doc.OnNewDocument();
    PropProject& p = project();
    p.layout = v.Int() % 3;
    p.spacing = v.Int();
    p.buttonWidth = v.Int();
    p.buttonHeight = v.Int();
    p.refreshRate = v.Int();
    p.reloadInterval = v.Int();
    p.readFromFile = v.Chance(4) ? v.Int() : 0;
    p.tokenize = v.Int();
    p.imageStyle = v.Int();
    p.backgroundImage = v.Text();
    p.backgroundColor = v.Color();
    p.beforeScript = v.Text();
    p.afterScript = v.Text();
    p.codeBase = v.Text();
    p.identifier = v.Text();
    const int buttons = static_cast<int>(static_cast<uint32_t>(v.Int()) % 6);
    for (int i = 0; i < buttons; ++i) AddButton();
    for (std::size_t i = 0; i < doc.ButtonCount(); ++i) {
      PropButton& b = button(i);
      b.name = v.Text();
      b.x = v.Int();
      b.y = v.Int();
      b.show = v.Int();
      b.mode = v.Int();
      b.initiallyDown = v.Int();
      b.tip = v.Text();
      b.status = v.Text();
      b.url = v.Text();
      b.target = v.Text();
      b.leaveScript = v.Text();
      for (PropState* s : {b.upState.get(), b.overState.get(), b.downState.get()}) Randomize(*s, v);
    }
    // Generation lays the buttons out; apart from that nothing changes.
    doc.LayoutButtons();
    std::vector<std::string> before;
    for (std::size_t i = 0; i < doc.ButtonCount(); ++i) before.push_back(Doc::CopyGroup(button(i)));

    for (int mode = 0; mode < 3; ++mode) {
      const std::string page = doc.BuildHtml(PageMode(mode));
      ASSERT_GE(page.size(), 20u);
      EXPECT_EQ(page.substr(page.size() - 2), "\r\n");
    }
    const std::string input = doc.BuildParams(ParamForm::InputFile, "");
    std::string script = p.GetScript("", p.tokenize);
    for (std::size_t i = 0; i < doc.ButtonCount(); ++i)
      script += button(i).GetScript("", p.tokenize);
    script += ReplaceChars(p.afterScript, kLineBreakChars, ' ');
    // The file is 8-bit: the script's other characters are escapes.
    const std::string lines = ScriptLines(win1252::Encode(script, win1252::Escape::Script));
    EXPECT_EQ(input.substr(0, lines.size()), lines) << "round " << round;
    std::vector<std::string> list;
    doc.GetResourceFiles(list);
    EXPECT_GE(list.size(), 4u);
    for (std::size_t i = 0; i < doc.ButtonCount(); ++i)
      EXPECT_EQ(Doc::CopyGroup(button(i)), before[i]) << "round " << round << " button " << i;
  }
  EXPECT_EQ(platform.waitCursorDepth, 0);
}

// The bound from which the tests generate on two threads.
constexpr std::size_t kSmallParallel = 128;

// Large projects are generated on two threads: the page, the input file and
// the pieces handed to a sink are the bytes of a run on one thread, with
// image and audio files shared across the two halves, addresses among them,
// and the states' audio named before their images.
TEST_F(GenerationStress, TwoThreadsWriteTheBytesOfOne) {
  Values v(8122026);
  const char* const kImages[] = {"a.gif", "b.jpg", "http://host/c.gif", "", "d.gif", "C:\\e.gif"};
  const char* const kAudio[] = {"x.au", "", "http://host/y.au", "z.au", "", "a.gif"};
  for (int round = 0; round < 3; ++round) {
    doc.OnNewDocument();
    PropProject& p = project();
    p.tokenize = round % 2;
    p.backgroundImage = round == 2 ? "" : "d.gif";
    p.afterScript = v.Text();
    const std::size_t count = kSmallParallel * 3 + static_cast<std::size_t>(round);
    while (doc.ButtonCount() < count) AddButton();
    for (std::size_t i = 0; i < count; ++i) {
      PropButton& b = button(i);
      b.tip = v.Text();
      b.status = v.Text();
      for (PropState* s : {b.upState.get(), b.overState.get(), b.downState.get()}) {
        Randomize(*s, v);
        // Files first met in the second half, and some only there.
        const std::size_t pool = i < count / 2 ? 4 : 6;
        s->image->file = kImages[static_cast<std::size_t>(v.Int() & 0xFFFF) % pool];
        s->audio->file = kAudio[static_cast<std::size_t>(v.Int() & 0xFFFF) % pool];
      }
    }
    std::vector<std::string> one;
    doc.parallelFrom = Doc::kNeverParallel;
    for (int mode = 0; mode < 3; ++mode) one.push_back(doc.BuildHtml(PageMode(mode)));
    one.push_back(doc.BuildParams(ParamForm::InputFile, ""));
    const std::vector<std::string> images = doc.imageList, audio = doc.audioList;
    ASSERT_GE(images.size(), 3u);
    ASSERT_GE(audio.size(), 2u);

    doc.parallelFrom = kSmallParallel;
    for (int mode = 0; mode < 3; ++mode) {
      EXPECT_EQ(doc.BuildHtml(PageMode(mode)), one[mode]) << round;
      // The second thread's script was taken, not written again.
      EXPECT_GT(doc.secondThreadButtons(), count / 2) << round;
    }
    EXPECT_EQ(doc.BuildParams(ParamForm::InputFile, ""), one[3]) << round;
    EXPECT_EQ(doc.imageList, images);
    EXPECT_EQ(doc.audioList, audio);

    for (bool parallel : {false, true}) {
      doc.parallelFrom = parallel ? kSmallParallel : Doc::kNeverParallel;
      std::string joined;
      std::size_t pieces = 0;
      ASSERT_TRUE(doc.WriteHtml(PageMode::Page, [&](std::string_view piece) {
        joined += piece;
        ++pieces;
        return true;
      }));
      EXPECT_EQ(joined, one[0]);
      joined.clear();
      ASSERT_TRUE(doc.WriteParams(ParamForm::InputFile, [&](std::string_view piece) {
        joined += piece;
        return true;
      }));
      EXPECT_EQ(joined, one[3]);
    }
  }
  EXPECT_EQ(platform.waitCursorDepth, 0);
}

// A sink that fails ends the generation: the page is reported unwritten and
// nothing more is handed on.
TEST_F(GenerationStress, FailingSinkStopsTheGeneration) {
  while (doc.ButtonCount() < kSmallParallel * 10) AddButton().tip.assign(2000, 't');
  for (bool parallel : {false, true}) {
    doc.parallelFrom = parallel ? kSmallParallel : Doc::kNeverParallel;
    const std::size_t whole = doc.BuildHtml(PageMode::Page).size();
    ASSERT_GT(whole, 2 * Doc::kSinkPiece);
    std::size_t calls = 0, taken = 0;
    EXPECT_FALSE(doc.WriteHtml(PageMode::Page, [&](std::string_view piece) {
      ++calls;
      taken += piece.size();
      return calls < 2;
    }));
    EXPECT_EQ(calls, 2u);
    EXPECT_LT(taken, whole);
    EXPECT_GE(taken, Doc::kSinkPiece);
  }
  EXPECT_EQ(platform.waitCursorDepth, 0);
}

// The statements of chosen buttons are the bytes the whole generation writes
// for them, their files numbered as it numbers them, whichever buttons are
// chosen; the document's lists stay those of the last whole generation.
TEST_F(GenerationStress, ChosenButtonsHaveTheStatementsOfTheWholeGeneration) {
  Values v(36012027);
  const char* const kFiles[] = {"a.gif", "", "http://host/c.gif", "b.au", "a.gif", "C:\\e.gif"};
  const auto file = [&v, &kFiles] { return kFiles[static_cast<uint32_t>(v.Int()) % 6]; };
  for (int round = 0; round < 12; ++round) {
    doc.OnNewDocument();
    project().tokenize = round % 2;
    project().backgroundImage = file();
    app.settings().days[round % 7] = round % 3 ? v.Text() : AppSettings::kDefaultDays[round % 7];
    const std::size_t count = 1 + static_cast<uint32_t>(v.Int()) % 9;
    while (doc.ButtonCount() < count) AddButton();
    for (std::size_t i = 0; i < count; ++i)
      for (PropState* s : {&up(i), &over(i), &down(i)}) {
        Randomize(*s, v);
        s->image->file = file();
        s->audio->file = file();
      }
    const PageWriter::Page whole = doc.writer().Write(PageMode::Page, true);
    ASSERT_EQ(whole.buttons.size(), count);
    // Asking for the statements changes nothing of the page.
    const PageWriter::Page plain = doc.writer().Write(PageMode::Page, false);
    EXPECT_EQ(plain.html, whole.html);
    EXPECT_TRUE(plain.head.empty() && plain.buttons.empty());
    const std::vector<std::string> images = doc.imageList, audio = doc.audioList;
    // None, each one, a random few (with repeats and one out of range), all.
    std::vector<std::vector<std::size_t>> choices = {{}, {count + 3}};
    for (std::size_t i = 0; i < count; ++i) choices.push_back({i});
    choices.push_back({count - 1, 0, count / 2, 0, count});
    choices.emplace_back();
    for (std::size_t i = 0; i < count; ++i) choices.back().push_back(i);
    for (const std::vector<std::size_t>& which : choices) {
      const PageWriter::Statements made = doc.ButtonStatements(which);
      EXPECT_EQ(made.head, whole.head) << round;
      std::vector<std::size_t> chosen;
      for (std::size_t i : which)
        if (i < count && std::find(chosen.begin(), chosen.end(), i) == chosen.end())
          chosen.push_back(i);
      std::sort(chosen.begin(), chosen.end());
      ASSERT_EQ(made.buttons.size(), chosen.size()) << round;
      for (std::size_t k = 0; k < chosen.size(); ++k)
        EXPECT_EQ(made.buttons[k], whole.buttons[chosen[k]]) << round << " button " << chosen[k];
      EXPECT_EQ(made.images, images) << round;
      EXPECT_EQ(made.audio, audio) << round;
      EXPECT_EQ(doc.imageList, images) << round;
    }
  }
}
