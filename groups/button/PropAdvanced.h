// Free VelkoScript actions of a button state.
#pragma once

#include "core/Fields.h"
#include "core/KesProp.h"

class PropState;

class PropAdvanced : public KesProp {
 public:
  explicit PropAdvanced(PropState* state);

  PropClass GetClass() const override { return PropClass::Advanced; }
  void Serialize(Archive& ar) override;
  void VisitFields(FieldVisitor& v) override;
  const char* GetViewClass() const override { return "ViewAdvanced"; }
  // The script with its line breaks, tabs and form feeds turned into blanks.
  std::string GetScript(const std::string& prefix, bool tokenize) override;
  void AddScript(std::string& out) const;
  int GetPageId() const override { return 2400; }

  PropState* state() const { return state_; }

  std::string script;

 private:
  PropState* state_;
};

template <>
struct FieldTable<PropAdvanced> {
  using G = PropAdvanced;
  static constexpr Field<G> kFields[] = {
      // Written as it is, on one line, in the event block.
      {field::kScript, &G::script, "", FieldRole::Content},
  };
};

// The five actions of the Insert Action dialog, in its order.
inline constexpr const char* kInsertActionNames[5] = {"Hide", "Show", "Up", "Over", "Down"};
// The line inserted for action `action` (0..4) on the button `buttonName`.
std::string InsertActionLine(int action, const std::string& buttonName);
