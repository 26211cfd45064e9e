// Border and frame of a button state.
#pragma once

#include "core/Fields.h"
#include "core/KesProp.h"

class PropState;

class PropBorder : public KesProp {
 public:
  explicit PropBorder(PropState* state);

  PropClass GetClass() const override { return PropClass::Border; }
  void Serialize(Archive& ar) override;
  void VisitFields(FieldVisitor& v) override;
  const char* GetViewClass() const override { return "TabBorder"; }
  int GetPageId() const override { return 2100; }

  // `stateName` is the name the owning state's block is written under; it
  // decides the automatic colours.
  void AddDiffScript(std::string& out, bool tokenize, const PropBorder& reference,
                     const std::string& stateName) const;
  std::string GetDiffScript(const std::string& extra, bool tokenize,
                            const PropBorder& reference) const;

  // The colours derived from the owning state's colour: lighter on top and
  // darker at the bottom, reversed for the state named "Down".
  struct Colors {
    uint32_t top, mid, bot;
  };
  Colors AutomaticColors() const;
  static Colors AutomaticColorsFor(uint32_t stateColor, const std::string& stateName);
  static uint32_t Lighter(uint32_t c, int amount = 200);
  static uint32_t Darker(uint32_t c, int amount = 200);

  PropState* state() const { return state_; }

  // The fields, with the values a new border starts with in the table below.
  int32_t smooth;
  // The border's look; the values are stored in project files.
  enum Style : int32_t { kNone = 0, kFlat = 1, kBevel = 2, kPoint = 3, kRaised = 4 };
  int32_t style;
  int32_t thick;
  uint32_t topColor;
  uint32_t midColor;
  uint32_t botColor;
  int32_t automatic;
  int32_t frameThick;
  uint32_t frameColor;

 private:
  PropState* state_;
};

template <>
struct FieldTable<PropBorder> {
  using G = PropBorder;
  static constexpr Field<G> kFields[] = {
      {field::kSmooth, &G::smooth, 1, FieldRole::Look, "BorderSmooth", ScriptForm::Bool},
      // Written as a word; a border of no style is written 0 thick.
      {field::kStyle, &G::style, G::kBevel, FieldRole::Look, "BorderStyle"},
      {field::kThick, &G::thick, 3, FieldRole::Look, "BorderThick"},
      // Automatic colours are written as the state's colour makes them.
      {field::kTopColor, &G::topColor, 0xFFFFFF, FieldRole::Look, "BorderTop"},
      {field::kMidColor, &G::midColor, 0xC0C0C0, FieldRole::Look, "BorderMid"},
      {field::kBotColor, &G::botColor, 0x000000, FieldRole::Look, "BorderBot"},
      {field::kAutomatic, &G::automatic, 1, FieldRole::Look},
      {field::kFrameThick, &G::frameThick, 0, FieldRole::Look, "FrameThick", ScriptForm::Int},
      {field::kFrameColor, &G::frameColor, 0x000000, FieldRole::Look, "FrameColor",
       ScriptForm::Color},
  };
};
