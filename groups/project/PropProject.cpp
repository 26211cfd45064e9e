#include "groups/project/PropProject.h"

#include "core/Archive.h"
#include "core/Doc.h"
#include "core/Keywords.h"
#include "core/Version.h"
#include "core/WrapInt.h"

PropProject::PropProject(Doc* doc) : identifier(version::kInternalName), doc_(doc) {
  name = "Project";
  icon = 311;
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

std::string PropProject::GetScript(const std::string&, int tok) {
  std::string s;
  if (refreshRate > 0)
    s += Tok("Set", tok) + " refresh=" + std::to_string(WrapMul(refreshRate, 1000)) + "; ";
  if (!beforeScript.empty()) s += ReplaceChars(beforeScript, kLineBreakChars, ' ');
  s += Tok("Button", tok) + " Background ";
  s += FormatInt(Tok("Width", tok), projectWidth, -1);
  s += FormatInt(Tok("Height", tok), projectHeight, -1);
  s += FormatColor(Tok("Color", tok), backgroundColor, 0xFFFFFFFFu);
  s += FormatString(Tok("BorderStyle", tok), Tok("None", tok), "");
  s += FormatInt(Tok("Drag", tok), 2, -1);
  s += Tok("Event", tok) + " {" + Tok("Cursor", tok) + " 0;} ";
  if (imageStyle == 1)
    s += FormatString(Tok("ImageStyle", tok), Tok("Tile", tok), "");
  else if (imageStyle == 2)
    s += FormatString(Tok("ImageStyle", tok), Tok("Scale", tok), "");
  if (!backgroundImage.empty()) {
    if (doc_ && IsAddress(backgroundImage, doc_->driveRoot())) {
      s += FormatQuoted(Tok("Image", tok), backgroundImage, "");
    } else if (doc_) {
      s += FormatInt(Tok("Image", tok), doc_->RegisterImage(backgroundImage), -1);
    }
  }
  s += ";";
  return s;
}
