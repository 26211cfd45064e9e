#include "groups/project/PropProject.h"

#include "core/Archive.h"
#include "core/Doc.h"
#include "core/IconIds.h"
#include "core/Keywords.h"
#include "core/Version.h"
#include "core/WrapInt.h"
#include "groups/button/PropImage.h"

PropProject::PropProject(Doc* doc) : doc_(doc) {
  name = "Project";
  icon = kIconTreeProject;
  ResetFields(*this);
}

void PropProject::Serialize(Archive& ar) {
  SerializeTable(*this, ar);
}

std::string PropProject::GetScript(const std::string&, bool tok) {
  std::string s;
  AddScript(s, tok);
  return s;
}

namespace {
constexpr std::string_view kWidthWord = KeywordOf<PropProject>(field::kProjectWidth);
constexpr std::string_view kHeightWord = KeywordOf<PropProject>(field::kProjectHeight);
constexpr std::string_view kColorWord = KeywordOf<PropProject>(field::kBackgroundColor);
constexpr std::string_view kImageStyleWord = KeywordOf<PropProject>(field::kImageStyle);
constexpr std::string_view kImageWord = KeywordOf<PropProject>(field::kBackgroundImage);
}  // namespace

void PropProject::AddScript(std::string& s, bool tok) {
  if (refreshRate > 0) {
    s += TokView("Set", tok);
    s += " refresh=";
    AppendDecimal(s, WrapMul(refreshRate, 1000));
    s += "; ";
  }
  if (!beforeScript.empty()) AppendReplacingChars(s, beforeScript, kLineBreakChars, ' ');
  s += TokView("Button", tok);
  s += " Background ";
  AddInt(s, PropKey{kWidthWord, tok}, projectWidth, -1);
  AddInt(s, PropKey{kHeightWord, tok}, projectHeight, -1);
  AddColor(s, PropKey{kColorWord, tok}, backgroundColor, 0xFFFFFFFFu);
  AddString(s, PropKey{"BorderStyle", tok}, TokView("None", tok), "");
  AddInt(s, PropKey{"Drag", tok}, 2, -1);
  s += TokView("Event", tok);
  s += " {";
  s += TokView("Cursor", tok);
  s += " 0;} ";
  if (imageStyle == PropImage::kTile)
    AddString(s, PropKey{kImageStyleWord, tok}, TokView("Tile", tok), "");
  else if (imageStyle == PropImage::kScale)
    AddString(s, PropKey{kImageStyleWord, tok}, TokView("Scale", tok), "");
  if (!backgroundImage.empty()) {
    if (doc_ && IsAddress(backgroundImage, doc_->DriveRoot())) {
      AddQuoted(s, PropKey{kImageWord, tok}, backgroundImage, "");
    } else if (doc_) {
      AddInt(s, PropKey{kImageWord, tok}, doc_->RegisterImage(backgroundImage), -1);
    }
  }
  s += ";";
}

void PropProject::VisitFields(FieldVisitor& v) {
  VisitTable(*this, v);
}
