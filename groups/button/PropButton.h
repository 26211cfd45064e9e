// One button: name, mode, visibility, dragging, initial selection, tool tip,
// link, status text, position and size, mouse-leave script, and its states.
#pragma once

#include "core/KesProp.h"
#include "groups/button/PropState.h"

class PropProject;

class PropButton : public KesProp {
 public:
  // Takes the name "Button %i" from the document's button counter and
  // increments it. The states are created by CreateStates().
  explicit PropButton(PropProject* project);
  ~PropButton() override;

  PropClass GetClass() const override { return PropClass::Button; }
  void Serialize(Archive& ar) override;
  void VisitFields(FieldVisitor& v) override;
  const char* GetViewClass() const override { return "TabButton"; }
  // The button statement.
  std::string GetScript(const std::string& prefix, bool tokenize) override;
  // The same statement appended to `out`. `scratch`, when given, is a state
  // with its groups whose values are all new-state defaults; it stands for
  // the reference of the Default block (its caption is set to this button's
  // name), so that a long run of buttons needs no reference state each.
  void AddScript(std::string& out, bool tokenize, PropState* scratch = nullptr);
  int GetPageId() const override { return 2600; }

  // Creates "Up", "Over" and "Down", each with its five groups.
  void CreateStates();

  PropProject* project() const { return project_; }
  PropState* state(int i) const;  // 0 Up, 1 Over, 2 Down

  int32_t drag = 0;
  int32_t initiallyDown = 0;
  int32_t show = 1;
  // How the button behaves; the values are stored in project files.
  enum Mode : int32_t { kPush = 0, kCheckBox = 1, kRadio = 2 };
  int32_t mode = kPush;
  std::string tip;
  std::string status;
  std::string url;
  std::string target;
  int32_t height = 40;
  int32_t width = 100;
  int32_t x = 0;
  int32_t y = 0;
  std::string leaveScript;

  Held<PropState> upState;
  Held<PropState> overState;
  Held<PropState> downState;

 private:
  PropProject* project_;
};

// Name validation of the General page: 0 when the name may be used, otherwise
// the message id (609 empty, 611 another button has it, ignoring case).
int ValidateButtonName(const PropButton& button, const std::string& name);
