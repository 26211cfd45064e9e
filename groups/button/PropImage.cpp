#include "groups/button/PropImage.h"

#include "core/Archive.h"
#include "core/Doc.h"
#include "core/IconIds.h"
#include "core/Keywords.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "groups/project/PropProject.h"

PropImage::PropImage(PropState* state) : state_(state) {
  name = "Image";
  icon = kIconTreeImage;
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

std::string PropImage::GetDiffScript(const std::string&, bool tok, const PropImage& ref) {
  std::string s;
  AddDiffScript(s, tok, ref, file, state_ && state_->name == "Default");
  return s;
}

void PropImage::AddDiffScript(std::string& s, bool tok, const PropImage& ref,
                              const std::string& blockFile, bool defaultBlock) {
  resourceIndex = -1;
  Doc* doc = DocOf(state_);
  if (!blockFile.empty()) {
    if (IsAddress(blockFile, doc ? doc->DriveRoot() : std::string())) {
      AddQuoted(s, PropKey{"Image", tok}, blockFile, "");
    } else {
      resourceIndex = doc ? doc->RegisterImage(blockFile) : 0;
      AddInt(s, PropKey{"Image", tok}, resourceIndex, -1);
    }
  }
  if (!defaultBlock && blockFile.empty()) return;
  switch (style) {
    case kTile:
      AddString(s, PropKey{"ImageStyle", tok}, TokView("Tile", tok), "");
      break;
    case kScale:
      AddString(s, PropKey{"ImageStyle", tok}, TokView("Scale", tok), "");
      break;
    case kNormal:
      if (ref.style != kNormal)
        AddString(s, PropKey{"ImageStyle", tok}, TokView("Normal", tok), "");
      AddInt(s, PropKey{"ImageOffsetX", tok}, offsetX, ref.offsetX);
      AddInt(s, PropKey{"ImageOffsetY", tok}, offsetY, ref.offsetY);
      AddInt(s, PropKey{"ImageAlignX", tok}, alignX, ref.alignX);
      AddInt(s, PropKey{"ImageAlignY", tok}, alignY, ref.alignY);
      break;
    default:
      break;
  }
}

void PropImage::VisitFields(FieldVisitor& v) {
  v.Text("file", file);
  v.Int("offsetY", offsetY);
  v.Int("offsetX", offsetX);
  v.Int("alignX", alignX);
  v.Int("alignY", alignY);
  v.Int("style", style);
}
