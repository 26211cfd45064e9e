// Picture of a button state.
#pragma once

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

  std::string file;
  int32_t offsetY = 0;
  int32_t offsetX = 0;
  int32_t alignX = 1;
  int32_t alignY = 1;
  // How the image fills the button; the values are stored in project files.
  enum Style : int32_t { kNormal = 0, kTile = 1, kScale = 2 };
  int32_t style = kNormal;
  int32_t resourceIndex = -1;  // not saved

 private:
  PropState* state_;
};
