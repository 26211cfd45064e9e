#include "groups/button/PropState.h"

#include "audio/PropAudio.h"
#include "core/Archive.h"
#include "core/Keywords.h"
#include "core/WrapInt.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropText.h"

PropState::PropState(PropButton* button, const std::string& stateName) : button_(button) {
  name = stateName;
  if (stateName == "Up")
    icon = 304;
  else if (stateName == "Over")
    icon = 303;
  else
    icon = 305;
  if (stateName == "Over") cursor = 12;
}

PropState::~PropState() = default;

void PropState::CreateGroups() {
  text = std::make_unique<PropText>(this);
  border = std::make_unique<PropBorder>(this);
  audio = std::make_unique<PropAudio>(this);
  image = std::make_unique<PropImage>(this);
  advanced = std::make_unique<PropAdvanced>(this);
}

void PropState::Serialize(Archive& ar) {
  ar.String(name);
  ar.Int(transparent);
  ar.Color(color);
  ar.Int(cursor);
  ar.Int(offsetX);
  ar.Int(offsetY);
  ar.Int(animate);
  text->Serialize(ar);
  border->Serialize(ar);
  audio->Serialize(ar);
  image->Serialize(ar);
  advanced->Serialize(ar);
}

std::string PropState::GetDiffScript(const std::string& extra, int tok, PropState& ref) {
  std::string props;
  std::string events = extra;
  if (transparent != ref.transparent)
    props +=
        FormatString(Tok("Style", tok), Tok(transparent == 0 ? "Solid" : "Transparent", tok), "");
  props += FormatColor(Tok("Color", tok), color, ref.color);
  const int32_t bx = button_ ? button_->x : 0;
  const int32_t by = button_ ? button_->y : 0;
  props += FormatInt(Tok("X", tok), WrapAdd(bx, offsetX), bx);
  props += FormatInt(Tok("Y", tok), WrapAdd(by, offsetY), by);
  props += text->GetDiffScript("", tok, *ref.text);
  props += border->GetDiffScript("", tok, *ref.border);
  events += audio->GetDiffScript("", tok, *ref.audio);
  props += image->GetDiffScript("", tok, *ref.image);
  if (animate != 0 && image->resourceIndex != -1)
    events += Tok("Animate", tok) + " " + std::to_string(image->resourceIndex) + "; ";
  events += advanced->GetScript("", tok);
  events += FormatInt(Tok("Cursor", tok), cursor, -1, 1);
  if (name == "Default") return props;
  if (!events.empty()) props += Tok("Event", tok) + " {" + events + "} ";
  if (!props.empty()) props = Tok(name, tok) + " " + props;
  return props;
}
