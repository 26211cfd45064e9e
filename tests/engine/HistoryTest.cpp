// Every edit is one undoable step: random projects take random sequences of
// every operation, interleaved with undo, redo and saves, and the saved bytes
// always equal those of a model that keeps the bytes after each step; the
// modified flag follows the saved state.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/Archive.h"
#include "support/EngineFixture.h"
#include "support/RandomProject.h"

namespace {

// Equal bytes, or where they first differ.
::testing::AssertionResult SameBytes(const std::string& a, const std::string& b) {
  if (a == b) return ::testing::AssertionSuccess();
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  return ::testing::AssertionFailure()
         << "sizes " << a.size() << " and " << b.size() << ", first difference at byte " << i;
}

class HistoryTest : public NewProject {
 protected:
  std::string Saved() {
    Archive ar;
    doc.Serialize(ar);
    return ar.TakeBytes();
  }

  // A random project, laid out as an opened one is.
  void MakeProject(Values& v) {
    doc.OnNewDocument();
    project().layout = static_cast<int32_t>(static_cast<uint32_t>(v.Int()) % 3);
    project().spacing = v.Int() % 50;
    project().identifier = "p" + v.Text();
    const int buttons = static_cast<int>(static_cast<uint32_t>(v.Int()) % 6);
    for (int i = 0; i < buttons; ++i) AddButton();
    for (std::size_t i = 0; i < doc.ButtonCount(); ++i) {
      button(i).url = v.Text();
      for (PropState* s : {&up(i), &over(i), &down(i)}) Randomize(*s, v);
    }
    doc.LayoutButtons();
  }

  GroupPath RandomPath(std::mt19937& rng, bool inState = false) {
    static const PropClass kKinds[] = {PropClass::State, PropClass::Text,  PropClass::Border,
                                       PropClass::Audio, PropClass::Image, PropClass::Advanced};
    GroupPath path;
    if (doc.ButtonCount() == 0 || (!inState && rng() % 6 == 0)) return path;
    path.button = static_cast<int>(rng() % doc.ButtonCount());
    path.kind = PropClass::Button;
    if (!inState && rng() % 4 == 0) return path;
    path.state = static_cast<int>(rng() % 3);
    path.kind = kKinds[rng() % 6];
    return path;
  }

  // A page's edit: some values of a group change, then the page reports it.
  bool EditGroup(std::mt19937& rng, Values& v) {
    GroupPath path = RandomPath(rng);
    if (path.state >= 0) path.kind = PropClass::State;  // Randomize sets a whole state
    KesProp* group = doc.GroupAt(path);
    const std::string before = Doc::CopyGroup(*group);
    const Doc::Geometry geometry = doc.CaptureGeometry();
    if (path.kind == PropClass::Project) {
      project().layout = static_cast<int32_t>(rng() % 3);
      project().buttonWidth = 20 + static_cast<int32_t>(rng() % 100);
    } else if (path.kind == PropClass::Button) {
      static_cast<PropButton*>(group)->name = "n" + v.Text();
      static_cast<PropButton*>(group)->x = v.Int();
    } else {
      Randomize(*static_cast<PropState*>(group), v);
    }
    return doc.RecordGroupEdit(path, before, "Change", &geometry);
  }

  // One operation of a random kind; false when it made no step.
  bool RandomOperation(std::mt19937& rng, Values& v) {
    const int count = static_cast<int>(doc.ButtonCount());
    const int any = count ? static_cast<int>(rng() % count) : 0;
    switch (rng() % 8) {
      case 0:
        return doc.AddNewButton(static_cast<int>(rng() % (count + 2)) - 1) != nullptr;
      case 1:
        return doc.DeleteButtonAt(any, rng() % 2 ? "Delete" : "Cut");
      case 2:
        return doc.MoveButtonTo(any, count ? static_cast<int>(rng() % count) : 0);
      case 3:
        return doc.DuplicateButtonAt(any) != nullptr;
      case 4: {
        const GroupPath from = RandomPath(rng);
        GroupPath to = RandomPath(rng);
        if (!(to.kind == from.kind)) return false;
        return doc.PasteGroupAt(to, Doc::CopyGroup(*doc.GroupAt(from)));
      }
      case 5:
        return count > 0 && doc.CopyToOtherStates(RandomPath(rng, true));
      default:
        return EditGroup(rng, v);
    }
  }
};

TEST_F(HistoryTest, UndoAndRedoFollowAModelOfTheHistory) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    Values v(seed);
    std::mt19937 rng(seed);
    MakeProject(v);
    const std::string original = Saved();

    // 200 operations of every kind, then undo all and redo all.
    std::vector<std::string> model = {original};
    for (int i = 0; i < 200; ++i)
      if (RandomOperation(rng, v)) model.push_back(Saved());
    ASSERT_EQ(doc.history().size() + 1, model.size());
    const std::string end = Saved();
    while (doc.Undo()) {
    }
    EXPECT_TRUE(SameBytes(Saved(), original)) << "seed " << seed;
    EXPECT_FALSE(doc.IsModified());
    while (doc.Redo()) {
    }
    EXPECT_TRUE(SameBytes(Saved(), end)) << "seed " << seed;

    // Undo, redo, saves and new operations interleaved.
    std::size_t at = model.size() - 1, clean = 0;
    doc.MarkSaved();
    clean = at;
    for (int i = 0; i < 300; ++i) {
      const unsigned roll = rng() % 10;
      if (roll < 3) {
        if (doc.Undo()) --at;
      } else if (roll < 5) {
        if (doc.Redo()) ++at;
      } else if (roll == 5) {
        doc.MarkSaved();
        clean = at;
      } else if (RandomOperation(rng, v)) {
        model.resize(++at);
        model.push_back(Saved());
        if (clean >= at) clean = static_cast<std::size_t>(-1);
      }
      ASSERT_TRUE(SameBytes(Saved(), model[at]))
          << "seed " << seed << ", step " << i << " roll " << roll;
      ASSERT_EQ(doc.IsModified(), at != clean) << "seed " << seed << ", step " << i;
    }
  }
}

// Steps are named for the Edit menu; a commit that changes nothing is no step.
TEST_F(HistoryTest, StepsHaveNamesAndEmptyEditsMakeNone) {
  button().name = "Home";
  doc.AddNewButton(-1);
  EXPECT_EQ(doc.history().UndoName(), "New Button");
  doc.DeleteButtonAt(0);
  EXPECT_EQ(doc.history().UndoName(), "Delete Button 'Home'");
  const std::size_t steps = doc.history().size();
  const GroupPath text{0, 0, PropClass::Text};
  EXPECT_FALSE(doc.RecordGroupEdit(text, Doc::CopyGroup(*doc.GroupAt(text)), "Change Text"));
  EXPECT_EQ(doc.history().size(), steps);
  doc.Undo();
  EXPECT_EQ(doc.history().RedoName(), "Delete Button 'Home'");
  EXPECT_EQ(button().name, "Home");
}

}  // namespace
