#include "groups/button/PropAdvanced.h"

#include "core/Archive.h"
#include "core/IconIds.h"
#include "core/Keywords.h"

PropAdvanced::PropAdvanced(PropState* state) : state_(state) {
  name = "Advanced";
  icon = kIconTreeAdvanced;
}

void PropAdvanced::Serialize(Archive& ar) {
  ar.String(script);
}

std::string PropAdvanced::GetScript(const std::string&, bool) {
  return ReplaceChars(script, kLineBreakChars, ' ');
}

void PropAdvanced::AddScript(std::string& out) const {
  AppendReplacingChars(out, script, kLineBreakChars, ' ');
}

std::string InsertActionLine(int action, const std::string& buttonName) {
  switch (action) {
    case 0:
      return "PropSet '" + buttonName + "' Show=False;\r\n";
    case 1:
      return "PropSet '" + buttonName + "' Show=True;\r\n";
    case 2:
      return "StateSet '" + buttonName + "' 0;\r\n";
    case 3:
      return "StateSet '" + buttonName + "' 1;\r\n";
    case 4:
      return "StateSet '" + buttonName + "' 2;\r\n";
    default:
      return std::string();
  }
}

void PropAdvanced::VisitFields(FieldVisitor& v) {
  v.Text("script", script);
}
