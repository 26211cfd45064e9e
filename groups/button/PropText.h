// Caption and font of a button state.
#pragma once

#include "core/Fields.h"
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

  // The fields, with the values a new caption starts with in the table below.
  int32_t alignX;
  int32_t alignY;
  int32_t offsetX;
  int32_t offsetY;
  std::string text;
  uint32_t textColor;
  std::string font;
  int32_t bold;
  int32_t emboss;
  int32_t engrave;
  int32_t italic;
  int32_t underline;
  int32_t size;

 private:
  PropState* state_;
};

template <>
struct FieldTable<PropText> {
  using G = PropText;
  static constexpr Field<G> kFields[] = {
      {field::kAlignX, &G::alignX, 1, FieldRole::Look, "TextAlignX", ScriptForm::Int},
      {field::kAlignY, &G::alignY, 1, FieldRole::Look, "TextAlignY", ScriptForm::Int},
      {field::kOffsetX, &G::offsetX, 0, FieldRole::Look, "TextOffsetX", ScriptForm::Int},
      {field::kOffsetY, &G::offsetY, 0, FieldRole::Look, "TextOffsetY", ScriptForm::Int},
      // A new caption is its button's name (the constructor sets it).
      {field::kText, &G::text, "", FieldRole::Content, "Text", ScriptForm::Quoted},
      {field::kTextColor, &G::textColor, 0x000000, FieldRole::Look, "TextColor", ScriptForm::Color},
      {field::kFont, &G::font, "Arial", FieldRole::Look, "TextFont", ScriptForm::Quoted},
      // The five flags are written together as one mask (StyleMask).
      {field::kBold, &G::bold, 0, FieldRole::Look},
      {field::kEmboss, &G::emboss, 0, FieldRole::Look},
      {field::kEngrave, &G::engrave, 0, FieldRole::Look},
      {field::kItalic, &G::italic, 0, FieldRole::Look},
      {field::kUnderline, &G::underline, 0, FieldRole::Look},
      {field::kSize, &G::size, 11, FieldRole::Look, "TextSize", ScriptForm::Int},
  };
};
