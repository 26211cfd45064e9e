#include "groups/button/PropButton.h"

#include <cctype>

#include "audio/PropAudio.h"
#include "core/Archive.h"
#include "core/Doc.h"
#include "core/Keywords.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropBorder.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "groups/project/PropProject.h"

PropButton::PropButton(PropProject* project) : project_(project) {
  icon = 302;
  Doc* doc = project_ ? project_->doc() : nullptr;
  int n = doc ? doc->buttonCounter++ : 1;
  name = "Button " + std::to_string(n);
}

PropButton::~PropButton() = default;

void PropButton::CreateStates() {
  upState = std::make_unique<PropState>(this, "Up");
  upState->CreateGroups();
  overState = std::make_unique<PropState>(this, "Over");
  overState->CreateGroups();
  downState = std::make_unique<PropState>(this, "Down");
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
  ar.String(name);
  ar.Int(drag);
  ar.Int(initiallyDown);
  ar.Int(show);
  ar.Int(mode);
  ar.String(tip);
  ar.String(status);
  ar.String(url);
  ar.String(target);
  ar.Int(height);
  ar.Int(width);
  ar.Int(x);
  ar.Int(y);
  ar.String(leaveScript);
  upState->Serialize(ar);
  overState->Serialize(ar);
  downState->Serialize(ar);
}

namespace {
// Restores the Up state's name and image file however the statement ends.
class UpStateGuard {
 public:
  explicit UpStateGuard(PropState& up) : up_(up), name_(up.name), file_(up.image->file) {}
  ~UpStateGuard() {
    up_.name = name_;
    up_.image->file = file_;
  }
  UpStateGuard(const UpStateGuard&) = delete;
  UpStateGuard& operator=(const UpStateGuard&) = delete;

 private:
  PropState& up_;
  std::string name_;
  std::string file_;
};
}  // namespace

std::string PropButton::GetScript(const std::string&, int tok) {
  std::string s = Tok("Button", tok) + " '" + name + "' ";
  s += FormatInt(Tok("X", tok), x, 0);
  s += FormatInt(Tok("Y", tok), y, 0);
  s += FormatInt(Tok("Width", tok), width, 100);
  s += FormatInt(Tok("Height", tok), height, 40);
  s += FormatBool(Tok("Show", tok), show, 1);
  s += FormatBool(Tok("Drag", tok), drag, 0);
  if (initiallyDown != 0) s += FormatInt(Tok("State", tok), 2, -1);
  if (mode == 1)
    s += FormatString(Tok("Mode", tok), Tok("Check", tok), "");
  else if (mode == 2)
    s += FormatString(Tok("Mode", tok), Tok("Radio", tok), "");
  s += FormatQuoted(Tok("Tip", tok), tip, "");

  std::string upEvents, overEvents, downEvents;
  if (!status.empty()) overEvents += Tok("Output", tok) + " 0 '" + status + "'; ";
  if (!url.empty()) {
    std::string cmd = target.empty() ? Tok("Internet", tok) + " '" + url + "' _self; "
                                     : Tok("Internet", tok) + " '" + url + "' '" + target + "'; ";
    (mode == 0 ? upEvents : downEvents) += cmd;
  }

  {
    UpStateGuard guard(*upState);
    // The Default block: every way the Up state differs from a new state,
    // except its image file, written as plain button properties.
    upState->name = "Default";
    upState->image->file.clear();
    PropState reference(this, "Default");
    reference.CreateGroups();
    s += upState->GetDiffScript(upEvents, tok, reference);
  }
  {
    UpStateGuard guard(*upState);
    upState->name = "Up";
    s += upState->GetDiffScript(upEvents, tok, *upState);
  }
  s += overState->GetDiffScript(overEvents, tok, *upState);
  s += downState->GetDiffScript(downEvents, tok, *upState);
  s += ";";
  if (!leaveScript.empty())
    s += Tok("Set", tok) + " '" + name + ".Leave'={" +
         ReplaceChars(leaveScript, kLineBreakChars, ' ') + "}; ";
  return s;
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
  for (const PropButton* other : doc->Buttons())
    if (other != &button && EqualNoCase(other->name, newName)) return 611;
  return 0;
}
