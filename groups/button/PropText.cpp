#include "groups/button/PropText.h"

#include "core/Archive.h"
#include "core/IconIds.h"
#include "core/Keywords.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"

PropText::PropText(PropState* state) : state_(state) {
  name = "Text";
  icon = kIconTreeText;
  ResetFields(*this);
  if (state_ && state_->button()) text = state_->button()->name;
}

void PropText::Serialize(Archive& ar) {
  SerializeTable(*this, ar);
}

int32_t PropText::StyleMask() const {
  uint32_t m = static_cast<uint32_t>(engrave);
  m = (m << 1) | static_cast<uint32_t>(emboss);
  m = (m << 1) | static_cast<uint32_t>(underline);
  m = (m << 1) | static_cast<uint32_t>(italic);
  m = (m << 1) | static_cast<uint32_t>(bold);
  return static_cast<int32_t>(m);
}

std::string PropText::GetDiffScript(const std::string&, bool tok, const PropText& ref) const {
  std::string s;
  AddDiffScript(s, tok, ref);
  return s;
}

namespace {
// The caption's keywords in the order the script has always written them,
// which is not the file's; the style flags follow as one mask.
constexpr std::size_t kScriptOrder[] = {
    FieldAt<PropText>(field::kText),    FieldAt<PropText>(field::kTextColor),
    FieldAt<PropText>(field::kAlignX),  FieldAt<PropText>(field::kAlignY),
    FieldAt<PropText>(field::kOffsetX), FieldAt<PropText>(field::kOffsetY),
    FieldAt<PropText>(field::kFont),    FieldAt<PropText>(field::kSize),
};
}  // namespace

void PropText::AddDiffScript(std::string& s, bool tok, const PropText& ref) const {
  for (std::size_t f : kScriptOrder) AddFieldDiff(s, tok, *this, ref, f);
  AddInt(s, PropKey{"TextStyle", tok}, StyleMask(), ref.StyleMask());
}

void PropText::VisitFields(FieldVisitor& v) {
  VisitTable(*this, v);
}
