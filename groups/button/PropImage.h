// Picture of a button state.
#pragma once

#include "core/Fields.h"
#include "core/KesProp.h"

class PropState;

class PropImage : public KesProp {
 public:
  explicit PropImage(PropState* state);

  PropClass GetClass() const override { return PropClass::Image; }
  void Serialize(Archive& ar) override;
  void VisitFields(FieldVisitor& v) override;
  const char* GetViewClass() const override { return "ViewImage"; }
  int GetPageId() const override { return 2500; }

  // Registers a local file in the image list and writes its number; also sets
  // `resourceIndex` for this generation.
  std::string GetDiffScript(const std::string& extra, bool tokenize, const PropImage& reference);
  // `file` is the file the block names (empty for none); a state's Default
  // block (`defaultBlock`) writes the placement even without a file.
  void AddDiffScript(std::string& out, bool tokenize, const PropImage& reference,
                     const std::string& file, bool defaultBlock);

  PropState* state() const { return state_; }

  // The fields, with the values a new image starts with in the table below.
  std::string file;
  int32_t offsetY;
  int32_t offsetX;
  int32_t alignX;
  int32_t alignY;
  // How the image fills the button; the values are stored in project files.
  enum Style : int32_t { kNormal = 0, kTile = 1, kScale = 2 };
  int32_t style;
  int32_t resourceIndex = -1;  // not saved

 private:
  PropState* state_;
};

template <>
struct FieldTable<PropImage> {
  using G = PropImage;
  // The image writes its file itself, as a number in the image list or as an
  // address, and its style as a word; the placement only for normal style.
  static constexpr Field<G> kFields[] = {
      {field::kFile, &G::file, "", FieldRole::Look, "Image"},
      {field::kOffsetY, &G::offsetY, 0, FieldRole::Look, "ImageOffsetY", ScriptForm::Int},
      {field::kOffsetX, &G::offsetX, 0, FieldRole::Look, "ImageOffsetX", ScriptForm::Int},
      {field::kAlignX, &G::alignX, 1, FieldRole::Look, "ImageAlignX", ScriptForm::Int},
      {field::kAlignY, &G::alignY, 1, FieldRole::Look, "ImageAlignY", ScriptForm::Int},
      {field::kStyle, &G::style, G::kNormal, FieldRole::Look, "ImageStyle"},
  };
};
