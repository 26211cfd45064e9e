// The project group: identifier, size and layout, background, output options
// and the scripts run before and after the buttons are created.
#pragma once

#include "core/Fields.h"
#include "core/KesProp.h"
#include "core/Version.h"

class Doc;

class PropProject : public KesProp {
 public:
  explicit PropProject(Doc* doc);

  PropClass GetClass() const override { return PropClass::Project; }
  void Serialize(Archive& ar) override;
  void VisitFields(FieldVisitor& v) override;
  const char* GetViewClass() const override { return "TabProject"; }
  // The background statement.
  std::string GetScript(const std::string& prefix, bool tokenize) override;
  // The same statement appended to `out`.
  void AddScript(std::string& out, bool tokenize);
  int GetPageId() const override { return 3100; }

  Doc* doc() const { return doc_; }

  // The fields, with the values a new project starts with in the table below.
  std::string identifier;
  int32_t buttonHeight;
  int32_t spacing;
  int32_t buttonWidth;
  int32_t projectHeight;
  // How the buttons are placed: in a column, in a row, or where each says.
  enum Layout : int32_t { kLayoutColumn = 0, kLayoutRow = 1, kLayoutFree = 2 };
  int32_t layout;
  int32_t projectWidth;
  // How the background image fills the project (the values of PropImage::Style).
  int32_t imageStyle;
  std::string backgroundImage;
  uint32_t backgroundColor;
  std::string inputFile;
  int32_t readFromFile;
  int32_t refreshRate;
  int32_t tokenize;
  int32_t reloadInterval;
  std::string codeBase;
  std::string beforeScript;
  std::string afterScript;

 private:
  Doc* doc_;
};

template <>
struct FieldTable<PropProject> {
  using G = PropProject;
  // The background statement writes its fields itself, each where it differs
  // from what the runtime takes when it is left out. Paste Style never takes
  // a project's look, so no field of it is content.
  static constexpr Field<G> kFields[] = {
      {field::kIdentifier, &G::identifier, version::kInternalName, FieldRole::Look},
      {field::kButtonHeight, &G::buttonHeight, 40, FieldRole::Look},
      {field::kSpacing, &G::spacing, 0, FieldRole::Look},
      {field::kButtonWidth, &G::buttonWidth, 100, FieldRole::Look},
      {field::kProjectHeight, &G::projectHeight, 200, FieldRole::Look, "Height"},
      {field::kLayout, &G::layout, G::kLayoutColumn, FieldRole::Look},
      {field::kProjectWidth, &G::projectWidth, 100, FieldRole::Look, "Width"},
      {field::kImageStyle, &G::imageStyle, 0, FieldRole::Look, "ImageStyle"},
      {field::kBackgroundImage, &G::backgroundImage, "", FieldRole::Look, "Image"},
      {field::kBackgroundColor, &G::backgroundColor, 0x808080, FieldRole::Look, "Color"},
      {field::kInputFile, &G::inputFile, "button.txt", FieldRole::Look},
      {field::kReadFromFile, &G::readFromFile, 0, FieldRole::Look},
      {field::kRefreshRate, &G::refreshRate, 0, FieldRole::Look},
      {field::kTokenize, &G::tokenize, 1, FieldRole::Look},
      {field::kReloadInterval, &G::reloadInterval, 300, FieldRole::Look},
      {field::kCodeBase, &G::codeBase, "", FieldRole::Look},
      {field::kBeforeScript, &G::beforeScript, "", FieldRole::Look},
      {field::kAfterScript, &G::afterScript, "", FieldRole::Look},
  };
};
