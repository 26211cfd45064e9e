// The project group: identifier, size and layout, background, output options
// and the scripts run before and after the buttons are created.
#pragma once

#include "core/KesProp.h"

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

  std::string identifier;
  int32_t buttonHeight = 40;
  int32_t spacing = 0;
  int32_t buttonWidth = 100;
  int32_t projectHeight = 200;
  // How the buttons are placed: in a column, in a row, or where each says.
  enum Layout : int32_t { kLayoutColumn = 0, kLayoutRow = 1, kLayoutFree = 2 };
  int32_t layout = kLayoutColumn;
  int32_t projectWidth = 100;
  // How the background image fills the project (the values of PropImage::Style).
  int32_t imageStyle = 0;
  std::string backgroundImage;
  uint32_t backgroundColor = 0x808080;
  std::string inputFile = "button.txt";
  int32_t readFromFile = 0;
  int32_t refreshRate = 0;
  int32_t tokenize = 1;
  int32_t reloadInterval = 300;
  std::string codeBase;
  std::string beforeScript;
  std::string afterScript;

 private:
  Doc* doc_;
};
