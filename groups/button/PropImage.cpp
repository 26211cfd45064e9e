#include "groups/button/PropImage.h"

#include "core/Archive.h"
#include "core/Doc.h"
#include "core/Keywords.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "groups/project/PropProject.h"

PropImage::PropImage(PropState* state) : state_(state) {
  name = "Image";
  icon = 309;
}

void PropImage::Serialize(Archive& ar) {
  ar.String(file);
  ar.Int(offsetY);
  ar.Int(offsetX);
  ar.Int(alignX);
  ar.Int(alignY);
  ar.Int(style);
}

namespace {
Doc* DocOf(PropState* state) {
  if (!state || !state->button() || !state->button()->project()) return nullptr;
  return state->button()->project()->doc();
}
}  // namespace

std::string PropImage::GetDiffScript(const std::string&, int tok, const PropImage& ref) {
  std::string s;
  resourceIndex = -1;
  Doc* doc = DocOf(state_);
  if (!file.empty()) {
    if (IsAddress(file, doc ? doc->driveRoot() : std::string())) {
      s += FormatQuoted(Tok("Image", tok), file, "");
    } else {
      resourceIndex = doc ? doc->RegisterImage(file) : 0;
      s += FormatInt(Tok("Image", tok), resourceIndex, -1);
    }
  }
  const bool isDefault = state_ && state_->name == "Default";
  if (!isDefault && file.empty()) return s;
  switch (style) {
    case 1:
      s += FormatString(Tok("ImageStyle", tok), Tok("Tile", tok), "");
      break;
    case 2:
      s += FormatString(Tok("ImageStyle", tok), Tok("Scale", tok), "");
      break;
    case 0:
      if (ref.style != 0) s += FormatString(Tok("ImageStyle", tok), Tok("Normal", tok), "");
      s += FormatInt(Tok("ImageOffsetX", tok), offsetX, ref.offsetX);
      s += FormatInt(Tok("ImageOffsetY", tok), offsetY, ref.offsetY);
      s += FormatInt(Tok("ImageAlignX", tok), alignX, ref.alignX);
      s += FormatInt(Tok("ImageAlignY", tok), alignY, ref.alignY);
      break;
    default:
      break;
  }
  return s;
}
