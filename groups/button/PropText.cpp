#include "groups/button/PropText.h"

#include "core/Archive.h"
#include "core/IconIds.h"
#include "core/Keywords.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"

PropText::PropText(PropState* state) : state_(state) {
  name = "Text";
  icon = kIconTreeText;
  if (state_ && state_->button()) text = state_->button()->name;
}

void PropText::Serialize(Archive& ar) {
  ar.Int(alignX);
  ar.Int(alignY);
  ar.Int(offsetX);
  ar.Int(offsetY);
  ar.String(text);
  ar.Color(textColor);
  ar.String(font);
  ar.Int(bold);
  ar.Int(emboss);
  ar.Int(engrave);
  ar.Int(italic);
  ar.Int(underline);
  ar.Int(size);
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

void PropText::AddDiffScript(std::string& s, bool tok, const PropText& ref) const {
  AddQuoted(s, PropKey{"Text", tok}, text, ref.text);
  AddColor(s, PropKey{"TextColor", tok}, textColor, ref.textColor);
  AddInt(s, PropKey{"TextAlignX", tok}, alignX, ref.alignX);
  AddInt(s, PropKey{"TextAlignY", tok}, alignY, ref.alignY);
  AddInt(s, PropKey{"TextOffsetX", tok}, offsetX, ref.offsetX);
  AddInt(s, PropKey{"TextOffsetY", tok}, offsetY, ref.offsetY);
  AddQuoted(s, PropKey{"TextFont", tok}, font, ref.font);
  AddInt(s, PropKey{"TextSize", tok}, size, ref.size);
  AddInt(s, PropKey{"TextStyle", tok}, StyleMask(), ref.StyleMask());
}

void PropText::VisitFields(FieldVisitor& v) {
  v.Int("alignX", alignX);
  v.Int("alignY", alignY);
  v.Int("offsetX", offsetX);
  v.Int("offsetY", offsetY);
  v.Text("text", text);
  v.Color("textColor", textColor);
  v.Text("font", font);
  v.Int("bold", bold);
  v.Int("emboss", emboss);
  v.Int("engrave", engrave);
  v.Int("italic", italic);
  v.Int("underline", underline);
  v.Int("size", size);
}
