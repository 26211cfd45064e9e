// Caption and font of a button state.
#pragma once

#include "core/KesProp.h"

class PropState;

class PropText : public KesProp {
 public:
  // The caption starts as the owning button's current name.
  explicit PropText(PropState* state);

  PropClass GetClass() const override { return PropClass::Text; }
  void Serialize(Archive& ar) override;
  void VisitFields(FieldVisitor& v) override;
  const char* GetViewClass() const override { return "TabText"; }
  int GetPageId() const override { return 3400; }

  std::string GetDiffScript(const std::string& extra, bool tokenize,
                            const PropText& reference) const;
  void AddDiffScript(std::string& out, bool tokenize, const PropText& reference) const;
  // bold 1 + italic 2 + underline 4 + emboss 8 + engrave 16 for 0/1 flags.
  int32_t StyleMask() const;

  PropState* state() const { return state_; }

  int32_t alignX = 1;
  int32_t alignY = 1;
  int32_t offsetX = 0;
  int32_t offsetY = 0;
  std::string text;
  uint32_t textColor = 0x000000;
  std::string font = "Arial";
  int32_t bold = 0;
  int32_t emboss = 0;
  int32_t engrave = 0;
  int32_t italic = 0;
  int32_t underline = 0;
  int32_t size = 11;

 private:
  PropState* state_;
};
