// The New/Open Project dialog shown when the editor starts without a file:
// a blank project, or one of the recent projects, or "More Files..." for the
// file dialog.
#pragma once

#include <QDialog>
#include <QStringList>

class KesApp;
class QListWidget;
class QRadioButton;

class NewOpenDialog : public QDialog {
  Q_OBJECT
 public:
  NewOpenDialog(KesApp& app, const QStringList& recentFiles, QWidget* parent = nullptr);

  bool openExisting() const;
  // The "More Files..." line is selected.
  bool isMoreFiles() const;
  // The project path of the selected line (empty for "More Files...").
  QString selectedPath() const;

  QListWidget* list() const { return list_; }
  QRadioButton* blankButton() const { return blank_; }
  QRadioButton* existingButton() const { return existing_; }

 private:
  QListWidget* list_ = nullptr;
  QRadioButton* blank_ = nullptr;
  QRadioButton* existing_ = nullptr;
};
