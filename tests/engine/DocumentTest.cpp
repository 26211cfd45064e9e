// The document's file operations: open, save, the commit before saving, the
// failures that must not lose the user's work, and group copy and paste.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "audio/PropAudio.h"
#include "core/Archive.h"
#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/Messages.h"
#include "core/StringTable.h"
#include "core/os/Os.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "groups/project/PropProject.h"
#include "support/TempDir.h"
#include "support/TestPlatform.h"

namespace fs = std::filesystem;

namespace {

// Records the hints and, when told to, refuses the commit (hint 1000).
class RecordingView : public DocView {
 public:
  explicit RecordingView(KesApp& app) : app_(app) {}
  void OnUpdate(int hint) override {
    hints.push_back(hint);
    if (hint == kHintCommit && refuse) app_.ReportCommit(false);
  }
  std::vector<int> hints;
  bool refuse = false;

 private:
  KesApp& app_;
};

std::string ReadFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteFile(const fs::path& p, const std::string& bytes) {
  std::ofstream out(p, std::ios::binary);
  out << bytes;
}

std::vector<std::string> Entries(const fs::path& dir) {
  std::vector<std::string> out;
  for (const auto& e : fs::directory_iterator(dir)) out.push_back(e.path().filename().string());
  std::sort(out.begin(), out.end());
  return out;
}

class DocumentFile : public ::testing::Test {
 protected:
  DocumentFile() : app(platform), doc(app), view(app) {
    app.setCurrentDoc(&doc);
    doc.OnNewDocument();
    doc.AddView(&view);
  }

  std::string Bytes() {
    Archive ar;
    doc.Serialize(ar);
    return ar.TakeBytes();
  }

  // An edited project: two buttons, one renamed, a changed colour.
  void Edit() {
    doc.buttons().front()->name = "Home";
    doc.InsertButton(doc.CreateButton())->url = "next.html";
    doc.buttons().back()->overState->color = 0x0000FF;
    doc.SetModifiedFlag(true);
  }

  TempDir temp;  // gone last, with what the project held open
  const fs::path dir = temp.path();
  TestPlatform platform;
  KesApp app;
  Doc doc;
  RecordingView view;
};

TEST_F(DocumentFile, SaveThenOpen) {
  Edit();
  const fs::path file = dir / "menu.but";
  const std::string bytes = Bytes();
  ASSERT_TRUE(doc.DoSave(file.string()));
  EXPECT_EQ(ReadFile(file), bytes);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.pathName(), file.string());
  EXPECT_EQ(doc.title(), "menu.but");
  EXPECT_EQ(Entries(dir), std::vector<std::string>{"menu.but"});

  doc.OnNewDocument();
  view.hints.clear();
  ASSERT_TRUE(doc.OnOpenDocument(file.string()));
  EXPECT_EQ(Bytes(), bytes);
  EXPECT_EQ(doc.pathName(), file.string());
  EXPECT_FALSE(doc.IsModified());
  // Cleared, pages reloaded while reading, the tree rebuilt; then the commit
  // of the Serialize above.
  EXPECT_EQ(view.hints, (std::vector<int>{kHintReset, kHintRefresh, kHintFilled, kHintCommit}));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(DocumentFile, OpenFailuresKeepOrReplaceTheProject) {
  Edit();
  const std::string before = Bytes();

  // Missing file, a folder, a device that never ends: the project stays as
  // it was, still modified.
  for (const fs::path& p : {dir / "missing.but", dir, fs::path("/dev/zero")}) {
    platform.messages.clear();
    EXPECT_FALSE(doc.OnOpenDocument(p.string()));
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, "Failed to open document.");
    EXPECT_EQ(Bytes(), before);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.ButtonCount(), 2u);
  }

  // Bytes that do not match: a new project takes the place of the old one.
  const fs::path bad = dir / "bad.but";
  WriteFile(bad, before.substr(0, before.size() / 2));
  platform.messages.clear();
  EXPECT_FALSE(doc.OnOpenDocument(bad.string()));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Unexpected file format.");
  EXPECT_EQ(doc.ButtonCount(), 1u);
  EXPECT_EQ(doc.buttons().front()->name, "Button 1");
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(doc.pathName().empty());
}

TEST_F(DocumentFile, SaveRefusedByAPageWritesNothing) {
  Edit();
  view.refuse = true;
  const fs::path file = dir / "refused.but";
  EXPECT_FALSE(doc.DoSave(file.string()));
  EXPECT_FALSE(fs::exists(file));
  EXPECT_TRUE(Entries(dir).empty());
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(doc.pathName().empty());
  EXPECT_TRUE(platform.messages.empty());
  // The refusal also keeps the frame open.
  EXPECT_FALSE(doc.CanCloseFrame());

  // An existing file is not touched either.
  WriteFile(file, "old contents");
  EXPECT_FALSE(doc.OnSaveDocument(file.string()));
  EXPECT_EQ(ReadFile(file), "old contents");
}

TEST_F(DocumentFile, SaveIntoAMissingFolderFails) {
  Edit();
  const fs::path file = dir / "gone" / "menu.but";
  EXPECT_FALSE(doc.DoSave(file.string()));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Failed to save document.");
  EXPECT_EQ(platform.messages[0].icon, MsgIcon::Exclamation);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(doc.pathName().empty());
}

TEST_F(DocumentFile, FailedWriteLeavesThePreviousFileIntact) {
  const fs::path file = dir / "menu.but";
  ASSERT_TRUE(doc.DoSave(file.string()));
  const std::string previous = ReadFile(file);
  Edit();
  doc.project()->beforeScript = std::string(20000, 'x');  // larger than the limit below

  // A file-size limit makes the write fail part-way, as a full disk would;
  // it holds for root as well.
  constexpr unsigned long long kSmallLimit = 4096;
  unsigned long long before = 0;
  if (!os::SetFileSizeLimit(kSmallLimit, &before)) GTEST_SKIP() << "no file-size limit here";
  const bool saved = doc.DoSave(file.string());
  os::SetFileSizeLimit(before);

  EXPECT_FALSE(saved);
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::kFailedToSave);
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(ReadFile(file), previous);
  // No temporary file is left behind.
  EXPECT_EQ(Entries(dir), std::vector<std::string>{"menu.but"});

  // Once the disk has room again the same save goes through.
  ASSERT_TRUE(doc.DoFileSave());
  EXPECT_EQ(ReadFile(file), Bytes());
}

TEST_F(DocumentFile, SaveReplacesTheFileALinkNamesAndKeepsItsPermissions) {
  const fs::path real = dir / "real.but";
  const fs::path link = dir / "link.but";
  WriteFile(real, "old");
  // Windows keeps of these only that the file may be written.
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  const fs::perms before = fs::status(real).permissions() & fs::perms::all;
  const bool links = LinksCanBeMade();
  if (links) fs::create_symlink(real, link);
  ASSERT_TRUE(doc.OnSaveDocument((links ? link : real).string()));
  EXPECT_EQ(fs::is_symlink(link), links);
  EXPECT_EQ(ReadFile(real), Bytes());
  EXPECT_EQ(fs::status(real).permissions() & fs::perms::all, before);
  if (!links) GTEST_SKIP() << "saved by the file's own name only: " << kNoLinks;
}

TEST_F(DocumentFile, ReadOnlyFileIsNotReplaced) {
  const fs::path file = dir / "locked.but";
  WriteFile(file, "locked");
  fs::permissions(file, fs::perms::owner_read | fs::perms::group_read);
  doc.SetModifiedFlag(true);
  EXPECT_FALSE(doc.DoSave(file.string()));
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, msg::kFailedToSave);
  EXPECT_EQ(ReadFile(file), "locked");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(Entries(dir), std::vector<std::string>{"locked.but"});
}

TEST_F(DocumentFile, SaveModifiedAsksAndSaves) {
  // Not modified: no question.
  EXPECT_TRUE(doc.SaveModified());
  EXPECT_TRUE(platform.messages.empty());

  Edit();
  platform.answers = {IdCancel};
  EXPECT_FALSE(doc.SaveModified());
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].text, "Save changes to Untitled?");
  EXPECT_EQ(platform.messages[0].buttons, MsgButtons::YesNoCancel);

  platform.answers = {IdNo};
  EXPECT_TRUE(doc.SaveModified());
  EXPECT_TRUE(doc.IsModified());

  // Yes on a project without a path asks for one; Cancel there cancels.
  platform.answers = {IdYes};
  platform.fileAnswers = {""};
  EXPECT_FALSE(doc.SaveModified());
  ASSERT_EQ(platform.fileDialogs.size(), 1u);
  EXPECT_EQ(platform.fileDialogs[0].proposed, "Untitled.but");

  const fs::path file = dir / "asked.but";
  platform.answers = {IdYes};
  platform.fileAnswers = {file.string()};
  EXPECT_TRUE(doc.SaveModified());
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(ReadFile(file), Bytes());
}

// Every group class, with values that differ from a new group's.
std::vector<KesProp*> GroupsOf(Doc& d) {
  PropButton& b = *d.buttons().front();
  PropState& s = *b.overState;
  return {d.project(),     &b, &s, s.text.get(), s.border.get(), s.audio.get(), s.image.get(),
          s.advanced.get()};
}

TEST_F(DocumentFile, PasteOfDamagedDataLeavesTheGroupUnchanged) {
  // Source: every group of an edited button.
  Doc source(app);
  source.OnNewDocument();
  PropButton& sb = *source.buttons().front();
  sb.name = "Source";
  sb.tip = "tip";
  sb.overState->color = 0x123456;
  sb.overState->text->text = "Hello";
  sb.overState->border->style = 4;
  sb.overState->audio->file = "a.au";
  sb.overState->image->file = "i.gif";
  sb.overState->advanced->script = "Beep;";
  source.project()->identifier = "Other";
  app.setCurrentDoc(&doc);

  const std::vector<KesProp*> from = GroupsOf(source);
  const std::vector<KesProp*> to = GroupsOf(doc);
  for (std::size_t g = 0; g < from.size(); ++g) {
    const std::string data = Doc::CopyGroup(*from[g]);
    const std::string before = Doc::CopyGroup(*to[g]);
    const std::string name = to[g]->name;
    // Every shortened copy fails and changes nothing.
    for (std::size_t n = 0; n < data.size(); ++n) {
      ASSERT_FALSE(Doc::PasteGroup(*to[g], data.substr(0, n))) << g << " " << n;
      ASSERT_EQ(Doc::CopyGroup(*to[g]), before) << g << " " << n;
      ASSERT_EQ(to[g]->name, name);
    }
    // The whole copy pastes, keeping the target's name.
    ASSERT_TRUE(Doc::PasteGroup(*to[g], data)) << g;
    EXPECT_EQ(to[g]->name, name) << g;
    Archive ar;
    to[g]->Serialize(ar);
    const std::string pasted = ar.TakeBytes();
    std::string expected = data;
    if (to[g]->GetClass() == PropClass::Button || to[g]->GetClass() == PropClass::State) {
      // The name leads those records: the target's own name is written.
      Archive nameOnly;
      std::string n = name;
      nameOnly.String(n);
      Archive sourceName;
      std::string sn = from[g]->name;
      sourceName.String(sn);
      expected = nameOnly.Bytes() + data.substr(sourceName.Bytes().size());
    }
    EXPECT_EQ(pasted, expected) << g;
  }
  EXPECT_EQ(doc.buttons().front()->overState->text->text, "Hello");
}

TEST_F(DocumentFile, PasteRefusesWhatIsNoWholeCopiedGroup) {
  Edit();
  const auto copied = [&](const char* tip) {
    std::unique_ptr<PropButton> spare = doc.CreateButton();
    spare->tip = tip;
    return Doc::CopyGroup(*spare);
  };
  std::string noise(5000, '\0');
  unsigned seed = 7;
  for (char& c : noise) c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 16);
  const std::string button = copied("pasted");
  const std::string tooMuch(Doc::kLargestPaste + 1, '\0');
  const GroupPath first = doc.PathOf(doc.buttons().front().get());
  const GroupPath second = doc.PathOf(doc.buttons().back().get());
  const struct {
    const char* what;
    std::string group, list;
    std::vector<GroupPath> paths;
    bool style;
    const char* refusal;
  } rows[] = {
      {"a copied button", button, "", {first}, false, nullptr},
      {"one for each",
       button,
       Doc::JoinGroups({copied("one"), copied("two")}),
       {second, first},
       false,
       nullptr},
      {"5,000 random bytes", noise, "", {first}, false, msg::kPasteNotGroup},
      {"a button and a byte more", button + "x", "", {first}, false, msg::kPasteNotGroup},
      {"random bytes as a style", noise, "", {first}, true, msg::kPasteNotGroup},
      {"random bytes in the list",
       button,
       Doc::JoinGroups({button, noise}),
       {first, second},
       false,
       msg::kPasteNotGroup},
      {"more than 16 MiB", tooMuch, "", {first}, false, msg::kPasteTooLarge},
      {"a list of more than 16 MiB", button, tooMuch, {first, second}, false, msg::kPasteTooLarge},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    platform.clipboardData = {{KesApp::kGroupClipboardFormat, row.group}};
    if (!row.list.empty()) platform.clipboardData[KesApp::kGroupListClipboardFormat] = row.list;
    platform.messages.clear();
    const std::string before = Bytes();
    const std::size_t steps = doc.history().size();
    const bool pasted = doc.PasteFromClipboard(row.paths, row.style);
    if (!row.refusal) {
      EXPECT_TRUE(pasted);
      EXPECT_TRUE(platform.messages.empty());
      continue;
    }
    EXPECT_FALSE(pasted);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, row.refusal);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(doc.history().size(), steps);
  }
  // Each of "one for each" took its own, in tree order.
  EXPECT_EQ(doc.buttons().front()->tip, "one");
  EXPECT_EQ(doc.buttons().back()->tip, "two");
}

}  // namespace

namespace {
// Every group of a project can be shown: a tree icon whose picture exists
// (the three states told apart), a page with its help entry, and a view class
// (the editor's pages are checked against these in the UI tests).
TEST(GroupIdentity, EveryGroupHasAnIconAPageAndAView) {
  TestPlatform platform;
  KesApp app(platform);
  Doc doc(app);
  app.setCurrentDoc(&doc);
  doc.OnNewDocument();
  const PropButton& b = *doc.buttons().front();
  std::vector<const KesProp*> groups = {doc.project(), &b};
  std::set<int> stateIcons;
  for (const PropState* s : {b.upState.get(), b.overState.get(), b.downState.get()}) {
    groups.push_back(s);
    stateIcons.insert(s->icon);
    for (const KesProp* g :
         {static_cast<const KesProp*>(s->text.get()), static_cast<const KesProp*>(s->border.get()),
          static_cast<const KesProp*>(s->audio.get()), static_cast<const KesProp*>(s->image.get()),
          static_cast<const KesProp*>(s->advanced.get())})
      groups.push_back(g);
  }
  EXPECT_EQ(stateIcons.size(), 3u);
  for (const KesProp* g : groups) {
    EXPECT_TRUE(std::filesystem::exists(std::string(VB_SOURCE_DIR "/ui/icons/tree/") +
                                        std::to_string(g->icon) + ".svg"))
        << g->name;
    EXPECT_FALSE(LoadString(g->GetPageId()).empty()) << g->name;
    ASSERT_NE(g->GetViewClass(), nullptr) << g->name;
  }
  // Only the Over state starts with the hand.
  EXPECT_EQ(b.overState->cursor, PropState::kCursorHand);
  EXPECT_EQ(b.upState->cursor, PropState::kCursorDefault);
}
}  // namespace
