// The "Output" page of the project: tokenizing, the refresh rate, reading the
// parameters from an input file (whose name and reload interval are edited in
// the Input Details dialog) and the server path of the class files.
#pragma once

#include <string>

#include "ui/KesView.h"

class IntSpinEdit;
class PropProject;
class QCheckBox;
class QLineEdit;
class QPushButton;

class ViewOutput : public KesView {
  Q_OBJECT
 public:
  explicit ViewOutput(const PageContext& context, QWidget* parent = nullptr);

  PropProject& project() const;

  // The page's copies of the input file's name and reload interval, which
  // the group receives on the next commit.
  const std::string& inputFile() const { return inputFile_; }
  int32_t reloadInterval() const { return reloadInterval_; }

 protected:
  void RefreshControls() override;

 private:
  void UpdateEnabled();
  // "Details...": the Input Details dialog with the page's copies.
  void OnDetails();

  QCheckBox* tokenize_;
  IntSpinEdit* refresh_;
  QCheckBox* readFromFile_;
  QPushButton* details_;
  QLineEdit* codeBase_;
  std::string inputFile_;
  int32_t reloadInterval_ = 0;
};
