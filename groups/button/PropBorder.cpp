#include "groups/button/PropBorder.h"

#include "core/Archive.h"
#include "core/IconIds.h"
#include "core/Keywords.h"
#include "groups/button/PropState.h"

PropBorder::PropBorder(PropState* state) : state_(state) {
  name = "Border";
  icon = kIconTreeBorder;
}

void PropBorder::Serialize(Archive& ar) {
  ar.Int(smooth);
  ar.Int(style);
  ar.Int(thick);
  ar.Color(topColor);
  ar.Color(midColor);
  ar.Color(botColor);
  ar.Int(automatic);
  ar.Int(frameThick);
  ar.Color(frameColor);
}

namespace {
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
    AddString(s, PropKey{"BorderStyle", tok}, TokView(kWords[style], tok), "");
  AddBool(s, PropKey{"BorderSmooth", tok}, smooth, ref.smooth);
  if (style == kNone)
    AddInt(s, PropKey{"BorderThick", tok}, 0, -1);
  else
    AddInt(s, PropKey{"BorderThick", tok}, thick, ref.thick);
  Colors c = automatic == 0 ? Colors{topColor, midColor, botColor}
             : state_       ? AutomaticColorsFor(state_->color, stateName)
                            : AutomaticColors();
  AddColor(s, PropKey{"BorderTop", tok}, c.top, ref.topColor);
  AddColor(s, PropKey{"BorderMid", tok}, c.mid, ref.midColor);
  AddColor(s, PropKey{"BorderBot", tok}, c.bot, ref.botColor);
  AddInt(s, PropKey{"FrameThick", tok}, frameThick, ref.frameThick);
  AddColor(s, PropKey{"FrameColor", tok}, frameColor, ref.frameColor);
}

void PropBorder::VisitFields(FieldVisitor& v) {
  v.Int("smooth", smooth);
  v.Int("style", style);
  v.Int("thick", thick);
  v.Color("topColor", topColor);
  v.Color("midColor", midColor);
  v.Color("botColor", botColor);
  v.Int("automatic", automatic);
  v.Int("frameThick", frameThick);
  v.Color("frameColor", frameColor);
}
