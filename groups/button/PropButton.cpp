#include "groups/button/PropButton.h"

#include <cctype>

#include "audio/PropAudio.h"
#include "core/Archive.h"
#include "core/Doc.h"
#include "core/IconIds.h"
#include "core/Keywords.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "groups/project/PropProject.h"

PropButton::PropButton(PropProject* project) : project_(project) {
  icon = kIconTreeButton;
  ResetFields(*this);
  Doc* doc = project_ ? project_->doc() : nullptr;
  int n = doc ? doc->buttonCounter++ : 1;
  name = "Button " + std::to_string(n);
}

PropButton::~PropButton() = default;

void PropButton::CreateStates() {
  upState.emplace(this, "Up");
  upState->CreateGroups();
  overState.emplace(this, "Over");
  overState->CreateGroups();
  downState.emplace(this, "Down");
  downState->CreateGroups();
}

PropState* PropButton::state(int i) const {
  switch (i) {
    case 0:
      return upState.get();
    case 1:
      return overState.get();
    case 2:
      return downState.get();
    default:
      return nullptr;
  }
}

void PropButton::Serialize(Archive& ar) {
  SerializeTable(*this, ar);
  upState->Serialize(ar);
  overState->Serialize(ar);
  downState->Serialize(ar);
}

namespace {
constexpr std::string_view kXWord = KeywordOf<PropButton>(field::kX);
constexpr std::string_view kYWord = KeywordOf<PropButton>(field::kY);
constexpr std::string_view kWidthWord = KeywordOf<PropButton>(field::kWidth);
constexpr std::string_view kHeightWord = KeywordOf<PropButton>(field::kHeight);
constexpr std::string_view kShowWord = KeywordOf<PropButton>(field::kShow);
constexpr std::string_view kDragWord = KeywordOf<PropButton>(field::kDrag);
constexpr std::string_view kStateWord = KeywordOf<PropButton>(field::kInitiallyDown);
constexpr std::string_view kModeWord = KeywordOf<PropButton>(field::kMode);
constexpr std::string_view kTipWord = KeywordOf<PropButton>(field::kTip);
}  // namespace

std::string PropButton::GetScript(const std::string&, bool tok) {
  std::string s;
  AddScript(s, tok);
  return s;
}

void PropButton::AddScript(std::string& s, bool tok, PropState* scratch) {
  s += TokView("Button", tok);
  s += " '";
  AddEscaped(s, name);
  s += "' ";
  AddInt(s, PropKey{kXWord, tok}, x, 0);
  AddInt(s, PropKey{kYWord, tok}, y, 0);
  AddInt(s, PropKey{kWidthWord, tok}, width, 100);
  AddInt(s, PropKey{kHeightWord, tok}, height, 40);
  AddBool(s, PropKey{kShowWord, tok}, show, 1);
  AddBool(s, PropKey{kDragWord, tok}, drag, 0);
  if (initiallyDown != 0) AddInt(s, PropKey{kStateWord, tok}, 2, -1);
  if (mode == kCheckBox)
    AddString(s, PropKey{kModeWord, tok}, TokView("Check", tok), "");
  else if (mode == kRadio)
    AddString(s, PropKey{kModeWord, tok}, TokView("Radio", tok), "");
  AddQuoted(s, PropKey{kTipWord, tok}, tip, "");

  std::string upEvents, overEvents, downEvents;
  if (!status.empty()) {
    overEvents += TokView("Output", tok);
    overEvents += " 0 '";
    AddEscaped(overEvents, status);
    overEvents += "'; ";
  }
  if (!url.empty()) {
    std::string& cmd = mode == kPush ? upEvents : downEvents;
    cmd += TokView("Internet", tok);
    cmd += " '";
    AddEscaped(cmd, url);
    if (target.empty()) {
      cmd += "' _self; ";
    } else {
      cmd += "' '";
      AddEscaped(cmd, target);
      cmd += "'; ";
    }
  }

  // The Default block: every way the Up state differs from a new state,
  // except its image file, written as plain button properties.
  {
    const std::string kDefault = "Default";
    if (scratch) {
      // A new state's caption is its button's name.
      scratch->text->text = name;
      upState->AddBlock(s, upEvents, tok, *scratch, kDefault, false);
    } else {
      PropState reference(this, kDefault);
      reference.CreateGroups();
      upState->AddBlock(s, upEvents, tok, reference, kDefault, false);
    }
  }
  const std::string kUp = "Up";
  upState->AddBlock(s, upEvents, tok, *upState, kUp, true);
  overState->AddBlock(s, overEvents, tok, *upState, overState->name, true);
  downState->AddBlock(s, downEvents, tok, *upState, downState->name, true);
  s += ";";
  if (!leaveScript.empty()) {
    s += TokView("Set", tok);
    s += " '";
    AddEscaped(s, name, '.');
    s += ".Leave'={";
    AppendReplacingChars(s, leaveScript, kLineBreakChars, ' ');
    s += "}; ";
  }
}

namespace {
bool EqualNoCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}
}  // namespace

int ValidateButtonName(const PropButton& button, const std::string& newName) {
  if (newName.empty()) return 609;
  Doc* doc = button.project() ? button.project()->doc() : nullptr;
  if (!doc) return 0;
  for (const auto& other : doc->buttons())
    if (other.get() != &button && EqualNoCase(other->name, newName)) return 611;
  return 0;
}

void PropButton::VisitFields(FieldVisitor& v) {
  VisitTable(*this, v);
}
