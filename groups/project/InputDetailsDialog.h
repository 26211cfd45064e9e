// The Input Details dialog: the name of the file the applet reads its
// parameters from, how often it reads it again, and a button that writes that
// file now.
#pragma once

#include <QDialog>
#include <string>

class Doc;
class IntSpinEdit;
class QLineEdit;
class QToolButton;

class InputDetailsDialog : public QDialog {
  Q_OBJECT
 public:
  InputDetailsDialog(Doc& doc, const std::string& inputFile, int32_t reloadInterval,
                     QWidget* parent = nullptr);

  // The values accepted with OK.
  const std::string& inputFile() const { return inputFile_; }
  int32_t reloadInterval() const { return reloadInterval_; }

  QLineEdit* fileEdit() const { return file_; }
  IntSpinEdit* intervalEdit() const { return interval_; }
  QToolButton* generateButton() const { return generate_; }

  void accept() override;

 private:
  // Takes the edits into the values; false (the user told) when the
  // interval is not an integer.
  bool TakeValues();
  // Writes the input file through the Save As dialog, starting from the
  // entered name.
  void OnGenerate();

  Doc& doc_;
  QLineEdit* file_;
  IntSpinEdit* interval_;
  QToolButton* generate_;
  std::string inputFile_;
  int32_t reloadInterval_;
};
