// Edits of single fields: random projects take random edits of Up, Over and
// Down and renames, made as a page makes them; after each, the saved bytes
// equal those of a small model that lets Over and Down follow Up and captions
// follow the name, and undoing everything gives the original bytes.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

#include "core/Archive.h"
#include "core/Fields.h"
#include "support/EngineFixture.h"
#include "support/RandomProject.h"

namespace {

constexpr PropClass kKinds[] = {PropClass::State, PropClass::Text,  PropClass::Border,
                                PropClass::Audio, PropClass::Image, PropClass::Advanced};

std::string Saved(Doc& d) {
  Archive ar;
  d.Serialize(ar);
  return ar.TakeBytes();
}

class FieldEditTest : public NewProject {
 protected:
  FieldEditTest() : app2(platform2), mirror(app2) { app2.setCurrentDoc(&mirror); }

  // Every state group's values and every name, as the model holds them.
  struct Button {
    std::string name;
    std::array<std::array<std::vector<FieldValue>, 6>, 3> states;
  };

  void MakeProject(Values& v) {
    doc.OnNewDocument();
    for (int i = 0; i < 2; ++i) AddButton();
    for (std::size_t i = 0; i < doc.ButtonCount(); ++i)
      for (PropState* s : {&up(i), &over(i), &down(i)})
        if (v.Chance(2)) Randomize(*s, v);
    doc.LayoutButtons();
    model.clear();
    for (std::size_t b = 0; b < doc.ButtonCount(); ++b) {
      Button m{button(b).name, {}};
      for (int s = 0; s < 3; ++s)
        for (int k = 0; k < 6; ++k)
          m.states[s][k] = FieldValues(*doc.GroupAt({int(b), s, kKinds[k]}));
      model.push_back(m);
    }
    ASSERT_TRUE(mirror.OpenFromBytes(Saved(doc), ""));
  }

  // A value from a few, so that fields often hold the same one.
  FieldValue Pick(const FieldValue& like, std::mt19937& rng, int b) {
    if (std::holds_alternative<int32_t>(like)) return int32_t(rng() % 3);
    if (std::holds_alternative<uint32_t>(like)) return uint32_t(rng() % 2 ? 0xC0C0C0 : 0xFF0000);
    const std::string pool[] = {"", "Home", "Shop", model[b].name};
    return pool[rng() % 4];
  }

  // The model's own rules for one edit of a state group's field.
  void ModelEdit(int b, int s, int k, std::size_t f, const FieldValue& value) {
    const FieldValue old = model[b].states[s][k][f];
    model[b].states[s][k][f] = value;
    if (s != 0 || (f == 0 && kKinds[k] == PropClass::State))
      return;  // a state's name never follows
    for (int o = 1; o < 3; ++o)
      if (model[b].states[o][k][f] == old) model[b].states[o][k][f] = value;
  }

  void ModelRename(int b, const std::string& name) {
    const std::size_t text = FieldIndex(*doc.GroupAt({b, 0, PropClass::Text}), field::kText);
    for (int s = 0; s < 3; ++s)
      if (model[b].states[s][1][text] == FieldValue(model[b].name))
        model[b].states[s][1][text] = name;
    model[b].name = name;
  }

  // The model's values put into the mirror by hand, and its bytes.
  std::string ModelBytes() {
    for (std::size_t b = 0; b < model.size(); ++b) {
      mirror.buttons()[b]->name = model[b].name;
      for (int s = 0; s < 3; ++s)
        for (int k = 0; k < 6; ++k) {
          KesProp* g = mirror.GroupAt({int(b), s, kKinds[k]});
          for (std::size_t f = 0; f < model[b].states[s][k].size(); ++f)
            SetField(*g, f, model[b].states[s][k][f]);
        }
    }
    mirror.LayoutButtons();
    return Saved(mirror);
  }

  // One edit as a page makes it: the field is stored, then the page reports.
  bool RandomEdit(std::mt19937& rng) {
    const int b = int(rng() % model.size());
    if (rng() % 6 == 0) {
      const GroupPath path{b, GroupPath::kNoState, PropClass::Button};
      const std::vector<FieldValue> before = FieldValues(button(b));
      const std::string name = std::get<std::string>(Pick(std::string(), rng, b));
      button(b).name = name;
      const bool step = doc.RecordFieldEdit(path, before, "Change Button");
      if (step) ModelRename(b, name);
      return step;
    }
    const int s = int(rng() % 3), k = int(rng() % 6);
    const GroupPath path{b, s, kKinds[k]};
    KesProp& group = *doc.GroupAt(path);
    const std::vector<FieldValue> before = FieldValues(group);
    const std::size_t f = rng() % before.size();
    const FieldValue value = Pick(before[f], rng, b);
    SetField(group, f, value);
    const bool step = doc.RecordFieldEdit(path, before, "Change");
    EXPECT_EQ(step, !(before[f] == value));
    if (step) ModelEdit(b, s, k, f, value);
    return step;
  }

  TestPlatform platform2;
  KesApp app2;
  Doc mirror;
  std::vector<Button> model;
};

TEST_F(FieldEditTest, OverAndDownFollowUpAndCaptionsFollowTheNameInOneStepEach) {
  for (unsigned seed = 1; seed <= 10; ++seed) {
    SCOPED_TRACE(seed);
    Values v(seed);
    std::mt19937 rng(seed);
    MakeProject(v);
    const std::string original = Saved(doc);
    std::size_t steps = 0;
    for (int i = 0; i < 300; ++i) {
      if (!RandomEdit(rng)) continue;
      ++steps;
      ASSERT_EQ(Saved(doc), ModelBytes()) << "edit " << i;
    }
    EXPECT_EQ(doc.history().size(), steps);
    const std::string end = Saved(doc);
    while (doc.Undo()) {
    }
    EXPECT_EQ(Saved(doc), original);
    while (doc.Redo()) {
    }
    EXPECT_EQ(Saved(doc), end);
  }
}

TEST_F(FieldEditTest, PasteStyleTakesTheLookAndKeepsWhatEachButtonSaysAndDoes) {
  AddButton();
  AddButton();
  PropButton& source = button(0);
  source.width = 77;
  source.mode = 1;
  source.url = "a.html";
  up(0).color = 0x123456;
  over(0).text->font = "Courier";
  down(0).image->file = "bread.png";
  up(0).advanced->script = "Hide;";
  button(2).url = "keep.html";
  button(2).tip = "kept";
  up(2).text->text = "Own caption";
  const std::string before2 = Saved(doc);
  ASSERT_TRUE(doc.PasteStyleAt(
      {{1, GroupPath::kNoState, PropClass::Button}, {2, GroupPath::kNoState, PropClass::Button}},
      Doc::CopyGroup(source)));
  EXPECT_EQ(doc.history().UndoName(), "Paste Style");
  for (std::size_t b : {1u, 2u}) {
    EXPECT_EQ(button(b).mode, 1);
    EXPECT_EQ(up(b).color, 0x123456u);
    EXPECT_EQ(over(b).text->font, "Courier");
    EXPECT_EQ(down(b).image->file, "bread.png");
    EXPECT_EQ(up(b).advanced->script, "");
  }
  EXPECT_EQ(button(2).url, "keep.html");
  EXPECT_EQ(button(2).tip, "kept");
  EXPECT_EQ(up(2).text->text, "Own caption");
  EXPECT_NE(button(1).name, source.name);
  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(Saved(doc), before2);
}

}  // namespace
