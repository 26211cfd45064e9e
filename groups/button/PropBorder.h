// Border and frame of a button state.
#pragma once

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

  int32_t smooth = 1;
  // The border's look; the values are stored in project files.
  enum Style : int32_t { kNone = 0, kFlat = 1, kBevel = 2, kPoint = 3, kRaised = 4 };
  int32_t style = kBevel;
  int32_t thick = 3;
  uint32_t topColor = 0xFFFFFF;
  uint32_t midColor = 0xC0C0C0;
  uint32_t botColor = 0x000000;
  int32_t automatic = 1;
  int32_t frameThick = 0;
  uint32_t frameColor = 0x000000;

 private:
  PropState* state_;
};
