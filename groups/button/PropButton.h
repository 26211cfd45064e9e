// One button: name, mode, visibility, dragging, initial selection, tool tip,
// link, status text, position and size, mouse-leave script, and its states.
#pragma once

#include "core/Fields.h"
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

  // The fields, with the values a new button starts with in the table below
  // (its name comes from the button counter).
  int32_t drag;
  int32_t initiallyDown;
  int32_t show;
  // How the button behaves; the values are stored in project files.
  enum Mode : int32_t { kPush = 0, kCheckBox = 1, kRadio = 2 };
  int32_t mode;
  std::string tip;
  std::string status;
  std::string url;
  std::string target;
  int32_t height;
  int32_t width;
  int32_t x;
  int32_t y;
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

template <>
struct FieldTable<PropButton> {
  using G = PropButton;
  // The button statement writes its fields itself, each where it differs from
  // what the runtime takes when it is left out; the status text and the link
  // become commands of the Over and the Up or Down events, the leave script a
  // statement of its own.
  static constexpr Field<G> kFields[] = {
      {field::kName, &G::name, "", FieldRole::Content},
      {field::kDrag, &G::drag, 0, FieldRole::Look, "Drag"},
      {field::kInitiallyDown, &G::initiallyDown, 0, FieldRole::Look, "State"},
      {field::kShow, &G::show, 1, FieldRole::Look, "Show"},
      {field::kMode, &G::mode, G::kPush, FieldRole::Look, "Mode"},
      {field::kTip, &G::tip, "", FieldRole::Content, "Tip"},
      {field::kStatus, &G::status, "", FieldRole::Content},
      {field::kUrl, &G::url, "", FieldRole::Content},
      {field::kTarget, &G::target, "", FieldRole::Content},
      {field::kHeight, &G::height, 40, FieldRole::Look, "Height"},
      {field::kWidth, &G::width, 100, FieldRole::Look, "Width"},
      {field::kX, &G::x, 0, FieldRole::Content, "X"},
      {field::kY, &G::y, 0, FieldRole::Content, "Y"},
      {field::kLeaveScript, &G::leaveScript, "", FieldRole::Content},
  };
};
