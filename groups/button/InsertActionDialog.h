// The Insert Action dialog: one ready-made VelkoScript command that hides or
// shows a button or puts it into a state, appended to a script box.
#pragma once

#include <QDialog>
#include <string>

class Doc;
class QComboBox;
class ScriptEdit;

class InsertActionDialog : public QDialog {
  Q_OBJECT
 public:
  // Lists the project's buttons in button order.
  InsertActionDialog(Doc& doc, QWidget* parent = nullptr);

  QComboBox* actionBox() const { return action_; }
  QComboBox* targetBox() const { return target_; }

  // 0 Hide, 1 Show, 2 Up, 3 Over, 4 Down.
  int action() const;
  std::string buttonName() const;
  // The line for the chosen action and button, with its CR LF.
  std::string Line() const;

  // Opens the dialog; on OK appends its line at the very end of `edit` as
  // one change that Undo takes back. Cancel changes nothing.
  static bool InsertInto(Doc& doc, ScriptEdit* edit, QWidget* parent);

 private:
  QComboBox* action_;
  QComboBox* target_;
};
