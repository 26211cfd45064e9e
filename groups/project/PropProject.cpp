#include "groups/project/PropProject.h"

#include "core/Archive.h"
#include "core/Doc.h"
#include "core/IconIds.h"
#include "core/Keywords.h"
#include "core/Version.h"
#include "core/WrapInt.h"
#include "groups/button/PropImage.h"

PropProject::PropProject(Doc* doc) : identifier(version::kInternalName), doc_(doc) {
  name = "Project";
  icon = kIconTreeProject;
}

void PropProject::Serialize(Archive& ar) {
  ar.String(identifier);
  ar.Int(buttonHeight);
  ar.Int(spacing);
  ar.Int(buttonWidth);
  ar.Int(projectHeight);
  ar.Int(layout);
  ar.Int(projectWidth);
  ar.Int(imageStyle);
  ar.String(backgroundImage);
  ar.Color(backgroundColor);
  ar.String(inputFile);
  ar.Int(readFromFile);
  ar.Int(refreshRate);
  ar.Int(tokenize);
  ar.Int(reloadInterval);
  ar.String(codeBase);
  ar.String(beforeScript);
  ar.String(afterScript);
}

std::string PropProject::GetScript(const std::string&, bool tok) {
  std::string s;
  AddScript(s, tok);
  return s;
}

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
  AddInt(s, PropKey{"Width", tok}, projectWidth, -1);
  AddInt(s, PropKey{"Height", tok}, projectHeight, -1);
  AddColor(s, PropKey{"Color", tok}, backgroundColor, 0xFFFFFFFFu);
  AddString(s, PropKey{"BorderStyle", tok}, TokView("None", tok), "");
  AddInt(s, PropKey{"Drag", tok}, 2, -1);
  s += TokView("Event", tok);
  s += " {";
  s += TokView("Cursor", tok);
  s += " 0;} ";
  if (imageStyle == PropImage::kTile)
    AddString(s, PropKey{"ImageStyle", tok}, TokView("Tile", tok), "");
  else if (imageStyle == PropImage::kScale)
    AddString(s, PropKey{"ImageStyle", tok}, TokView("Scale", tok), "");
  if (!backgroundImage.empty()) {
    if (doc_ && IsAddress(backgroundImage, doc_->DriveRoot())) {
      AddQuoted(s, PropKey{"Image", tok}, backgroundImage, "");
    } else if (doc_) {
      AddInt(s, PropKey{"Image", tok}, doc_->RegisterImage(backgroundImage), -1);
    }
  }
  s += ";";
}

void PropProject::VisitFields(FieldVisitor& v) {
  v.Text("identifier", identifier);
  v.Int("buttonHeight", buttonHeight);
  v.Int("spacing", spacing);
  v.Int("buttonWidth", buttonWidth);
  v.Int("projectHeight", projectHeight);
  v.Int("layout", layout);
  v.Int("projectWidth", projectWidth);
  v.Int("imageStyle", imageStyle);
  v.Text("backgroundImage", backgroundImage);
  v.Color("backgroundColor", backgroundColor);
  v.Text("inputFile", inputFile);
  v.Int("readFromFile", readFromFile);
  v.Int("refreshRate", refreshRate);
  v.Int("tokenize", tokenize);
  v.Int("reloadInterval", reloadInterval);
  v.Text("codeBase", codeBase);
  v.Text("beforeScript", beforeScript);
  v.Text("afterScript", afterScript);
}
