// The values a group stores, one by one: each group's table of fields, and
// what comes from it: reading them, setting one, comparing two readings,
// their names, their defaults, their order in the project file, and which of
// them Paste Style leaves. Edits record the fields they changed, so that undo,
// the views and the other selected groups deal with those fields only.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "core/Archive.h"
#include "core/KesProp.h"

// The names edits, change events and pages call the fields by. A name may
// belong to fields of several kinds of group (every state group has an
// "offsetX"); the group's kind tells them apart.
namespace field {
inline constexpr std::string_view kAfterScript = "afterScript";
inline constexpr std::string_view kAlignX = "alignX";
inline constexpr std::string_view kAlignY = "alignY";
inline constexpr std::string_view kAnimate = "animate";
inline constexpr std::string_view kAutomatic = "automatic";
inline constexpr std::string_view kBackgroundColor = "backgroundColor";
inline constexpr std::string_view kBackgroundImage = "backgroundImage";
inline constexpr std::string_view kBeforeScript = "beforeScript";
inline constexpr std::string_view kBold = "bold";
inline constexpr std::string_view kBotColor = "botColor";
inline constexpr std::string_view kButtonHeight = "buttonHeight";
inline constexpr std::string_view kButtonWidth = "buttonWidth";
inline constexpr std::string_view kCodeBase = "codeBase";
inline constexpr std::string_view kColor = "color";
inline constexpr std::string_view kCursor = "cursor";
inline constexpr std::string_view kDrag = "drag";
inline constexpr std::string_view kEmboss = "emboss";
inline constexpr std::string_view kEngrave = "engrave";
inline constexpr std::string_view kFile = "file";
inline constexpr std::string_view kFont = "font";
inline constexpr std::string_view kFrameColor = "frameColor";
inline constexpr std::string_view kFrameThick = "frameThick";
inline constexpr std::string_view kHeight = "height";
inline constexpr std::string_view kIdentifier = "identifier";
inline constexpr std::string_view kImageStyle = "imageStyle";
inline constexpr std::string_view kInitiallyDown = "initiallyDown";
inline constexpr std::string_view kInputFile = "inputFile";
inline constexpr std::string_view kItalic = "italic";
inline constexpr std::string_view kLayout = "layout";
inline constexpr std::string_view kLeaveScript = "leaveScript";
inline constexpr std::string_view kMidColor = "midColor";
inline constexpr std::string_view kMode = "mode";
inline constexpr std::string_view kName = "name";
inline constexpr std::string_view kOffsetX = "offsetX";
inline constexpr std::string_view kOffsetY = "offsetY";
inline constexpr std::string_view kProjectHeight = "projectHeight";
inline constexpr std::string_view kProjectWidth = "projectWidth";
inline constexpr std::string_view kReadFromFile = "readFromFile";
inline constexpr std::string_view kRefreshRate = "refreshRate";
inline constexpr std::string_view kReloadInterval = "reloadInterval";
inline constexpr std::string_view kScript = "script";
inline constexpr std::string_view kShow = "show";
inline constexpr std::string_view kSize = "size";
inline constexpr std::string_view kSmooth = "smooth";
inline constexpr std::string_view kSpacing = "spacing";
inline constexpr std::string_view kStatus = "status";
inline constexpr std::string_view kStyle = "style";
inline constexpr std::string_view kTarget = "target";
inline constexpr std::string_view kText = "text";
inline constexpr std::string_view kTextColor = "textColor";
inline constexpr std::string_view kThick = "thick";
inline constexpr std::string_view kTip = "tip";
inline constexpr std::string_view kTokenize = "tokenize";
inline constexpr std::string_view kTopColor = "topColor";
inline constexpr std::string_view kTransparent = "transparent";
inline constexpr std::string_view kUnderline = "underline";
inline constexpr std::string_view kUrl = "url";
inline constexpr std::string_view kWidth = "width";
inline constexpr std::string_view kX = "x";
inline constexpr std::string_view kY = "y";
}  // namespace field

// The kind of value a field holds.
enum class FieldType : uint8_t { Int, Color, Text };

// What a field carries: how the button looks, or what it says and does (its
// name, caption, link, target, tool tip, status text, scripts and place),
// which Paste Style leaves as it is.
enum class FieldRole : uint8_t { Look, Content };

// How the difference script writes a field that differs from the reference
// group's: under its keyword as a number, a flag, a colour or a quoted text;
// `Own` when the group writes it itself (in a form of its own, in a statement
// of its own, or not at all).
enum class ScriptForm : uint8_t { Own, Int, Bool, Color, Quoted };

// One row of a group's table of fields: its name, the member it is, the value
// a new group starts with, its role and its script keyword ("" when it has
// none). Exactly one of the three members is set, by the row's type.
template <class G>
struct Field {
  constexpr Field(std::string_view n, int32_t G::*member, int32_t def,
                  FieldRole r = FieldRole::Look, std::string_view word = {},
                  ScriptForm f = ScriptForm::Own)
      : name(n),
        type(FieldType::Int),
        role(r),
        form(f),
        keyword(word),
        intMember(member),
        intDefault(def) {}
  constexpr Field(std::string_view n, uint32_t G::*member, uint32_t def,
                  FieldRole r = FieldRole::Look, std::string_view word = {},
                  ScriptForm f = ScriptForm::Own)
      : name(n),
        type(FieldType::Color),
        role(r),
        form(f),
        keyword(word),
        colorMember(member),
        colorDefault(def) {}
  constexpr Field(std::string_view n, std::string G::*member, std::string_view def,
                  FieldRole r = FieldRole::Look, std::string_view word = {},
                  ScriptForm f = ScriptForm::Own)
      : name(n),
        type(FieldType::Text),
        role(r),
        form(f),
        keyword(word),
        textMember(member),
        textDefault(def) {}

  std::string_view name;
  FieldType type;
  FieldRole role;
  ScriptForm form;
  std::string_view keyword;
  int32_t G::*intMember = nullptr;
  uint32_t G::*colorMember = nullptr;
  std::string G::*textMember = nullptr;
  int32_t intDefault = 0;
  uint32_t colorDefault = 0;
  std::string_view textDefault;
};

// The table of the fields of the group class G, in the order the project file
// stores them: each group specializes it beside its class with
//   static constexpr Field<G> kFields[] = {...};
template <class G>
struct FieldTable;

// One stored value: a number, a colour or a text.
using FieldValue = std::variant<int32_t, uint32_t, std::string>;

// A field of a group (by its place in the group's order) going from one
// value to another.
struct FieldEdit {
  std::size_t field = 0;
  FieldValue before, after;
};

// Every value `group` stores itself, in its order.
std::vector<FieldValue> FieldValues(KesProp& group);
// Their names, in the same order.
std::vector<std::string_view> FieldNames(KesProp& group);
std::vector<std::string_view> FieldNames(PropClass kind);
// The place of the field `name` in the group's order, or -1.
int FieldIndex(KesProp& group, std::string_view name);
int FieldIndex(PropClass kind, std::string_view name);
// Whether the field at `field` of a group of kind `kind` carries what the
// button says or does rather than how it looks (Paste Style leaves it).
bool IsContentField(PropClass kind, std::size_t field);
// Sets the field at `field` when `value` has its type (false otherwise).
bool SetField(KesProp& group, std::size_t field, const FieldValue& value);
// The fields whose values differ between two readings of one group.
std::vector<FieldEdit> DiffFields(const std::vector<FieldValue>& before,
                                  const std::vector<FieldValue>& after);

// The number of fields of the group class G.
template <class G>
constexpr std::size_t FieldCount() {
  return std::size(FieldTable<G>::kFields);
}

// The place of G's field `name` in G's order, or -1. Evaluated where the
// program is compiled when `name` is a constant of `field`.
template <class G>
constexpr int FieldIndexNamed(std::string_view name) {
  for (std::size_t i = 0; i < FieldCount<G>(); ++i)
    if (FieldTable<G>::kFields[i].name == name) return static_cast<int>(i);
  return -1;
}

// The place in G's order of the field that is `member` (&PropText::text, or
// a member G has from its base such as &PropButton::name), or -1: how a page
// binds a control to the field it shows.
template <class G, class M>
constexpr int FieldIndexOf(M member) {
  constexpr bool isInt = std::is_convertible_v<M, int32_t G::*>;
  constexpr bool isColor = std::is_convertible_v<M, uint32_t G::*>;
  constexpr bool isText = std::is_convertible_v<M, std::string G::*>;
  static_assert(isInt || isColor || isText, "not a member that a field can be");
  for (std::size_t i = 0; i < FieldCount<G>(); ++i) {
    const Field<G>& f = FieldTable<G>::kFields[i];
    if constexpr (isInt) {
      if (f.intMember && f.intMember == static_cast<int32_t G::*>(member))
        return static_cast<int>(i);
    } else if constexpr (isColor) {
      if (f.colorMember && f.colorMember == static_cast<uint32_t G::*>(member))
        return static_cast<int>(i);
    } else {
      if (f.textMember && f.textMember == static_cast<std::string G::*>(member))
        return static_cast<int>(i);
    }
  }
  return -1;
}

// The place of G's field `name`, which must be one of G's: a name that is not
// fails to compile where the result is a constant.
template <class G>
constexpr std::size_t FieldAt(std::string_view name) {
  const int at = FieldIndexNamed<G>(name);
  return at < 0 ? throw "no such field" : static_cast<std::size_t>(at);
}

// The script keyword of G's field `name` as the property forms take it.
template <class G>
constexpr std::string_view KeywordOf(std::string_view name) {
  return FieldTable<G>::kFields[FieldAt<G>(name)].keyword;
}

// Gives every field of `group` the value a new group starts with.
template <class G>
void ResetFields(G& group) {
  for (const Field<G>& f : FieldTable<G>::kFields) {
    switch (f.type) {
      case FieldType::Int:
        group.*f.intMember = f.intDefault;
        break;
      case FieldType::Color:
        group.*f.colorMember = f.colorDefault;
        break;
      case FieldType::Text:
        group.*f.textMember = std::string(f.textDefault);
        break;
    }
  }
}

// Hands every field of `group` to `visitor`, in the table's order.
template <class G>
void VisitTable(G& group, FieldVisitor& visitor) {
  for (const Field<G>& f : FieldTable<G>::kFields) {
    switch (f.type) {
      case FieldType::Int:
        visitor.Int(f.name, group.*f.intMember);
        break;
      case FieldType::Color:
        visitor.Color(f.name, group.*f.colorMember);
        break;
      case FieldType::Text:
        visitor.Text(f.name, group.*f.textMember);
        break;
    }
  }
}

// Writes (or reads) every field of `group` in the table's order: numbers and
// colours as four bytes, texts with their length before them.
template <class G>
void SerializeTable(G& group, Archive& ar) {
  for (const Field<G>& f : FieldTable<G>::kFields) {
    switch (f.type) {
      case FieldType::Int:
        ar.Int(group.*f.intMember);
        break;
      case FieldType::Color:
        ar.Color(group.*f.colorMember);
        break;
      case FieldType::Text:
        ar.String(group.*f.textMember);
        break;
    }
  }
}

// Writes G's field at `index` under its keyword, in its form, where it
// differs from the same field of `reference` (nothing for an `Own` field).
template <class G>
void AddFieldDiff(std::string& out, bool tokenize, const G& group, const G& reference,
                  std::size_t index) {
  const Field<G>& f = FieldTable<G>::kFields[index];
  const PropKey key{f.keyword, tokenize};
  switch (f.form) {
    case ScriptForm::Int:
      KesProp::AddInt(out, key, group.*f.intMember, reference.*f.intMember);
      break;
    case ScriptForm::Bool:
      KesProp::AddBool(out, key, group.*f.intMember, reference.*f.intMember);
      break;
    case ScriptForm::Color:
      KesProp::AddColor(out, key, group.*f.colorMember, reference.*f.colorMember);
      break;
    case ScriptForm::Quoted:
      KesProp::AddQuoted(out, key, group.*f.textMember, reference.*f.textMember);
      break;
    case ScriptForm::Own:
      break;
  }
}
