#include "groups/button/PropBorder.h"

#include "core/Archive.h"
#include "core/IconIds.h"
#include "core/Keywords.h"
#include "groups/button/PropState.h"

PropBorder::PropBorder(PropState* state) : state_(state) {
  name = "Border";
  icon = kIconTreeBorder;
  ResetFields(*this);
}

void PropBorder::Serialize(Archive& ar) {
  SerializeTable(*this, ar);
}

namespace {
constexpr std::size_t kSmoothAt = FieldAt<PropBorder>(field::kSmooth);
constexpr std::size_t kFrameThickAt = FieldAt<PropBorder>(field::kFrameThick);
constexpr std::size_t kFrameColorAt = FieldAt<PropBorder>(field::kFrameColor);
constexpr std::string_view kStyleWord = KeywordOf<PropBorder>(field::kStyle);
constexpr std::string_view kThickWord = KeywordOf<PropBorder>(field::kThick);
constexpr std::string_view kTopWord = KeywordOf<PropBorder>(field::kTopColor);
constexpr std::string_view kMidWord = KeywordOf<PropBorder>(field::kMidColor);
constexpr std::string_view kBotWord = KeywordOf<PropBorder>(field::kBotColor);

uint32_t Shift(uint32_t c, int delta) {
  uint32_t out = 0;
  for (int i = 0; i < 3; ++i) {
    int v = static_cast<int>((c >> (8 * i)) & 0xFF) + delta;
    if (v > 255) v = 255;
    if (v < 0) v = 0;
    out |= static_cast<uint32_t>(v) << (8 * i);
  }
  return out;
}
}  // namespace

uint32_t PropBorder::Lighter(uint32_t c, int amount) {
  return Shift(c, amount);
}
uint32_t PropBorder::Darker(uint32_t c, int amount) {
  return Shift(c, -amount);
}

PropBorder::Colors PropBorder::AutomaticColorsFor(uint32_t c, const std::string& stateName) {
  if (stateName == "Down") return {Darker(c), c, Lighter(c)};
  return {Lighter(c), c, Darker(c)};
}

PropBorder::Colors PropBorder::AutomaticColors() const {
  if (!state_) return AutomaticColorsFor(0xC0C0C0, std::string());
  return AutomaticColorsFor(state_->color, state_->name);
}

std::string PropBorder::GetDiffScript(const std::string&, bool tok, const PropBorder& ref) const {
  std::string s;
  AddDiffScript(s, tok, ref, state_ ? state_->name : std::string());
  return s;
}

void PropBorder::AddDiffScript(std::string& s, bool tok, const PropBorder& ref,
                               const std::string& stateName) const {
  static const char* const kWords[5] = {"None", "Flat", "Bevel", "Point", "Raised"};
  if (style != ref.style && style >= kNone && style <= kRaised)
    AddString(s, PropKey{kStyleWord, tok}, TokView(kWords[style], tok), "");
  AddFieldDiff(s, tok, *this, ref, kSmoothAt);
  if (style == kNone)
    AddInt(s, PropKey{kThickWord, tok}, 0, -1);
  else
    AddInt(s, PropKey{kThickWord, tok}, thick, ref.thick);
  Colors c = automatic == 0 ? Colors{topColor, midColor, botColor}
             : state_       ? AutomaticColorsFor(state_->color, stateName)
                            : AutomaticColors();
  AddColor(s, PropKey{kTopWord, tok}, c.top, ref.topColor);
  AddColor(s, PropKey{kMidWord, tok}, c.mid, ref.midColor);
  AddColor(s, PropKey{kBotWord, tok}, c.bot, ref.botColor);
  AddFieldDiff(s, tok, *this, ref, kFrameThickAt);
  AddFieldDiff(s, tok, *this, ref, kFrameColorAt);
}

void PropBorder::VisitFields(FieldVisitor& v) {
  VisitTable(*this, v);
}
