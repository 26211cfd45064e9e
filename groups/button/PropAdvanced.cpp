#include "groups/button/PropAdvanced.h"

#include "core/Archive.h"
#include "core/IconIds.h"
#include "core/Keywords.h"

PropAdvanced::PropAdvanced(PropState* state) : state_(state) {
  name = "Advanced";
  icon = kIconTreeAdvanced;
  ResetFields(*this);
}

void PropAdvanced::Serialize(Archive& ar) {
  SerializeTable(*this, ar);
}

std::string PropAdvanced::GetScript(const std::string&, bool) {
  return ReplaceChars(script, kLineBreakChars, ' ');
}

void PropAdvanced::AddScript(std::string& out) const {
  AppendReplacingChars(out, script, kLineBreakChars, ' ');
}

std::string InsertActionLine(int action, const std::string& buttonName) {
  // The name is quoted as the generator quotes it, so that a quote or a
  // backslash in it cannot end the text early.
  const std::string name = "'" + KesProp::EscapeScript(buttonName) + "'";
  switch (action) {
    case 0:
      return "PropSet " + name + " Show=False;\r\n";
    case 1:
      return "PropSet " + name + " Show=True;\r\n";
    case 2:
      return "StateSet " + name + " 0;\r\n";
    case 3:
      return "StateSet " + name + " 1;\r\n";
    case 4:
      return "StateSet " + name + " 2;\r\n";
    default:
      return std::string();
  }
}

void PropAdvanced::VisitFields(FieldVisitor& v) {
  VisitTable(*this, v);
}
