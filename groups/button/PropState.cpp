#include "groups/button/PropState.h"

#include "audio/PropAudio.h"
#include "core/Archive.h"
#include "core/IconIds.h"
#include "core/Keywords.h"
#include "core/WrapInt.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropText.h"

PropState::PropState(PropButton* button, const std::string& stateName) : button_(button) {
  ResetFields(*this);
  name = stateName;
  if (stateName == "Up")
    icon = kIconTreeUp;
  else if (stateName == "Over")
    icon = kIconTreeOver;
  else
    icon = kIconTreeDown;
  if (stateName == "Over") cursor = kCursorHand;
}

PropState::~PropState() = default;

void PropState::CreateGroups() {
  text.emplace(this);
  border.emplace(this);
  audio.emplace(this);
  image.emplace(this);
  advanced.emplace(this);
}

void PropState::Serialize(Archive& ar) {
  SerializeTable(*this, ar);
  text->Serialize(ar);
  border->Serialize(ar);
  audio->Serialize(ar);
  image->Serialize(ar);
  advanced->Serialize(ar);
}

namespace {
constexpr std::size_t kColorAt = FieldAt<PropState>(field::kColor);
constexpr std::string_view kStyleWord = KeywordOf<PropState>(field::kTransparent);
constexpr std::string_view kXWord = KeywordOf<PropState>(field::kOffsetX);
constexpr std::string_view kYWord = KeywordOf<PropState>(field::kOffsetY);
constexpr std::string_view kCursorWord = KeywordOf<PropState>(field::kCursor);
constexpr std::string_view kAnimateWord = KeywordOf<PropState>(field::kAnimate);
}  // namespace

std::string PropState::GetDiffScript(const std::string& extra, bool tok, PropState& ref) {
  std::string s;
  AddBlock(s, extra, tok, ref, name, true);
  return s;
}

void PropState::AddBlock(std::string& out, std::string_view extra, bool tok, PropState& ref,
                         const std::string& blockName, bool withImageFile) {
  const bool defaultBlock = blockName == "Default";
  // The block's head goes first and is taken back when nothing follows it.
  const std::size_t start = out.size();
  if (!defaultBlock) {
    out += TokView(blockName, tok);
    out.push_back(' ');
  }
  const std::size_t propsStart = out.size();
  if (transparent != ref.transparent)
    AddString(out, PropKey{kStyleWord, tok},
              TokView(transparent == 0 ? "Solid" : "Transparent", tok), "");
  AddFieldDiff(out, tok, *this, ref, kColorAt);
  const int32_t bx = button_ ? button_->x : 0;
  const int32_t by = button_ ? button_->y : 0;
  AddInt(out, PropKey{kXWord, tok}, WrapAdd(bx, offsetX), bx);
  AddInt(out, PropKey{kYWord, tok}, WrapAdd(by, offsetY), by);
  text->AddDiffScript(out, tok, *ref.text);
  border->AddDiffScript(out, tok, *ref.border, blockName);
  // The image and the audio file are numbered in lists of their own, so the
  // properties may all come before the events.
  const std::string noFile;
  image->AddDiffScript(out, tok, *ref.image, withImageFile ? image->file : noFile, defaultBlock);
  const std::size_t propsEnd = out.size();

  out += TokView("Event", tok);
  out += " {";
  const std::size_t eventsStart = out.size();
  out += extra;
  audio->AddDiffScript(out, tok);
  if (animate != 0 && image->resourceIndex != -1) {
    out += TokView(kAnimateWord, tok);
    out.push_back(' ');
    AppendDecimal(out, image->resourceIndex);
    out += "; ";
  }
  advanced->AddScript(out);
  AddInt(out, PropKey{kCursorWord, tok}, cursor, -1, 1);
  if (defaultBlock || out.size() == eventsStart)
    out.resize(propsEnd);
  else
    out += "} ";
  if (out.size() == propsStart) out.resize(start);
}

void PropState::VisitFields(FieldVisitor& v) {
  VisitTable(*this, v);
}
