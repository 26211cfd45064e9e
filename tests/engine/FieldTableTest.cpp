// Each group's table of fields against the project file's layout, against a
// new group's values, and against the look and content of Paste Style.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "audio/PropAudio.h"
#include "core/Archive.h"
#include "core/Fields.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "groups/project/PropProject.h"

namespace {

// A page binds a control to a field by its member, where it is compiled.
static_assert(FieldIndexOf<PropText>(&PropText::text) == FieldIndexNamed<PropText>(field::kText));
static_assert(FieldIndexOf<PropButton>(&PropButton::name) == 0);

std::unique_ptr<PropButton> NewButton() {
  auto b = std::make_unique<PropButton>(nullptr);
  b->CreateStates();
  return b;
}

// The table's defaults, as FieldValues reads them.
template <class G>
std::vector<FieldValue> TableDefaults() {
  std::vector<FieldValue> values;
  for (const Field<G>& f : FieldTable<G>::kFields) {
    if (f.type == FieldType::Int) values.emplace_back(f.intDefault);
    if (f.type == FieldType::Color) values.emplace_back(f.colorDefault);
    if (f.type == FieldType::Text) values.emplace_back(std::string(f.textDefault));
  }
  return values;
}

struct Case {
  PropClass kind;
  // The group's own fields as the project file holds them: i a number, c a
  // colour, s a text.
  std::string layout;
  // The fields a new group's owner gives a value of its own.
  std::vector<std::pair<std::string_view, FieldValue>> ownerSet;
  // The fields Paste Style leaves.
  std::vector<std::string_view> content;
  std::vector<FieldValue> tableDefaults;
  // A new group of the kind (with the groups it holds).
  std::unique_ptr<KesProp> (*make)();
};

std::vector<Case> Cases() {
  using namespace field;
  return {
      {PropClass::Project,
       "siiiiiiiscsiiiisss",
       {},
       {},
       TableDefaults<PropProject>(),
       [] { return std::unique_ptr<KesProp>(new PropProject(nullptr)); }},
      {PropClass::Button,
       "siiiissssiiiis",
       {{kName, std::string("Button 1")}},
       {kName, kUrl, kTarget, kTip, kStatus, kLeaveScript, kX, kY},
       TableDefaults<PropButton>(),
       [] { return std::unique_ptr<KesProp>(NewButton().release()); }},
      {PropClass::State,
       "siciiii",
       {{kName, std::string("Over")}, {kCursor, 12}},
       {kName},
       TableDefaults<PropState>(),
       [] {
         auto s = std::make_unique<PropState>(nullptr, "Over");
         s->CreateGroups();
         return std::unique_ptr<KesProp>(s.release());
       }},
      {PropClass::Text,
       "iiiiscsiiiiii",
       {},
       {kText},
       TableDefaults<PropText>(),
       [] { return std::unique_ptr<KesProp>(new PropText(nullptr)); }},
      {PropClass::Border,
       "iiiccciic",
       {},
       {},
       TableDefaults<PropBorder>(),
       [] { return std::unique_ptr<KesProp>(new PropBorder(nullptr)); }},
      {PropClass::Audio,
       "si",
       {},
       {},
       TableDefaults<PropAudio>(),
       [] { return std::unique_ptr<KesProp>(new PropAudio(nullptr)); }},
      {PropClass::Image,
       "siiiii",
       {},
       {},
       TableDefaults<PropImage>(),
       [] { return std::unique_ptr<KesProp>(new PropImage(nullptr)); }},
      {PropClass::Advanced,
       "s",
       {},
       {kScript},
       TableDefaults<PropAdvanced>(),
       [] { return std::unique_ptr<KesProp>(new PropAdvanced(nullptr)); }},
  };
}

char LayoutOf(const FieldValue& v) {
  return std::holds_alternative<int32_t>(v) ? 'i' : std::holds_alternative<uint32_t>(v) ? 'c' : 's';
}

std::string Saved(KesProp& group) {
  Archive ar;
  group.Serialize(ar);
  return ar.TakeBytes();
}

}  // namespace

TEST(FieldTable, EveryFieldIsStoredInItsPlaceAndANewGroupHoldsTheTablesDefaults) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    std::unique_ptr<KesProp> group = c.make();
    const std::vector<std::string_view> names = FieldNames(c.kind);
    ASSERT_EQ(names.size(), c.layout.size());

    // A new group holds the table's defaults, but where its owner says.
    std::vector<FieldValue> expected = c.tableDefaults;
    for (const auto& [name, value] : c.ownerSet) expected[FieldIndex(c.kind, name)] = value;
    EXPECT_EQ(FieldValues(*group), expected);

    // Every field takes a value of its own, unlike its default, and the file
    // holds them in the table's order, each in its form.
    std::vector<FieldValue> values;
    for (std::size_t i = 0; i < names.size(); ++i) {
      const char form = LayoutOf(expected[i]);
      ASSERT_EQ(form, c.layout[i]) << names[i];
      values.push_back(form == 'i'   ? FieldValue(int32_t(1000 + i))
                       : form == 'c' ? FieldValue(uint32_t(0xA00000 + i))
                                     : FieldValue("v" + std::to_string(i)));
      ASSERT_TRUE(SetField(*group, i, values[i]));
    }
    const std::string bytes = Saved(*group);
    Archive in(bytes.data(), bytes.size());
    for (std::size_t i = 0; i < values.size(); ++i) {
      const FieldValue read = c.layout[i] == 'i'   ? FieldValue(in.ReadInt())
                              : c.layout[i] == 'c' ? FieldValue(uint32_t(in.ReadInt()))
                                                   : FieldValue(in.ReadString());
      EXPECT_EQ(read, values[i]) << names[i];
    }

    // Read back, a new group holds the same values and stores the same bytes.
    std::unique_ptr<KesProp> back = c.make();
    Archive reader(bytes.data(), bytes.size());
    back->Serialize(reader);
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(FieldValues(*back), values);
    EXPECT_EQ(Saved(*back), bytes);
  }
}

TEST(FieldTable, NamesMembersAndPasteStylesContentFindTheirFields) {
  for (const Case& c : Cases()) {
    SCOPED_TRACE(static_cast<int>(c.kind));
    const std::vector<std::string_view> names = FieldNames(c.kind);
    for (std::size_t i = 0; i < names.size(); ++i) {
      EXPECT_EQ(FieldIndex(c.kind, names[i]), static_cast<int>(i)) << "names are one each";
      const bool content = std::count(c.content.begin(), c.content.end(), names[i]) != 0;
      EXPECT_EQ(IsContentField(c.kind, i), content) << names[i];
    }
    EXPECT_FALSE(IsContentField(c.kind, names.size()));
    EXPECT_EQ(FieldIndex(c.kind, "none"), -1);
  }
  EXPECT_TRUE(FieldNames(PropClass::None).empty());
  EXPECT_FALSE(IsContentField(PropClass::None, 0));

  // Every member a table names finds its own row.
  auto rowsFindThemselves = [](auto* group) {
    using G = std::remove_pointer_t<decltype(group)>;
    for (std::size_t i = 0; i < FieldCount<G>(); ++i) {
      const Field<G>& f = FieldTable<G>::kFields[i];
      const int at = f.type == FieldType::Int     ? FieldIndexOf<G>(f.intMember)
                     : f.type == FieldType::Color ? FieldIndexOf<G>(f.colorMember)
                                                  : FieldIndexOf<G>(f.textMember);
      EXPECT_EQ(at, static_cast<int>(i)) << f.name;
    }
  };
  rowsFindThemselves(static_cast<PropProject*>(nullptr));
  rowsFindThemselves(static_cast<PropButton*>(nullptr));
  rowsFindThemselves(static_cast<PropState*>(nullptr));
  rowsFindThemselves(static_cast<PropText*>(nullptr));
  rowsFindThemselves(static_cast<PropBorder*>(nullptr));
  rowsFindThemselves(static_cast<PropAudio*>(nullptr));
  rowsFindThemselves(static_cast<PropImage*>(nullptr));
  rowsFindThemselves(static_cast<PropAdvanced*>(nullptr));
  EXPECT_EQ(FieldIndexOf<PropImage>(&PropImage::resourceIndex), -1) << "not stored";
}
