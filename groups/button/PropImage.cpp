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
  ResetFields(*this);
}

void PropImage::Serialize(Archive& ar) {
  SerializeTable(*this, ar);
}

namespace {
constexpr std::string_view kImageWord = KeywordOf<PropImage>(field::kFile);
constexpr std::string_view kStyleWord = KeywordOf<PropImage>(field::kStyle);
// The placement in the order the script has always written it.
constexpr std::size_t kPlacement[] = {
    FieldAt<PropImage>(field::kOffsetX), FieldAt<PropImage>(field::kOffsetY),
    FieldAt<PropImage>(field::kAlignX), FieldAt<PropImage>(field::kAlignY)};

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
      AddQuoted(s, PropKey{kImageWord, tok}, blockFile, "");
    } else {
      resourceIndex = doc ? doc->RegisterImage(blockFile) : 0;
      AddInt(s, PropKey{kImageWord, tok}, resourceIndex, -1);
    }
  }
  if (!defaultBlock && blockFile.empty()) return;
  switch (style) {
    case kTile:
      AddString(s, PropKey{kStyleWord, tok}, TokView("Tile", tok), "");
      break;
    case kScale:
      AddString(s, PropKey{kStyleWord, tok}, TokView("Scale", tok), "");
      break;
    case kNormal:
      if (ref.style != kNormal) AddString(s, PropKey{kStyleWord, tok}, TokView("Normal", tok), "");
      for (std::size_t f : kPlacement) AddFieldDiff(s, tok, *this, ref, f);
      break;
    default:
      break;
  }
}

void PropImage::VisitFields(FieldVisitor& v) {
  VisitTable(*this, v);
}
