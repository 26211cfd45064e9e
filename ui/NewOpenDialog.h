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
  // `templatesDir` holds the templates, one folder each with its project and
  // its picture (NAME/NAME.but, NAME/NAME.png).
  NewOpenDialog(KesApp& app, const QStringList& recentFiles, const QString& templatesDir,
                QWidget* parent = nullptr);

  bool openExisting() const;
  // A template is chosen: its project file (else empty).
  QString selectedTemplate() const;
  // The "More Files..." line is selected.
  bool isMoreFiles() const;
  // The project path of the selected line (empty for "More Files...").
  QString selectedPath() const;

  QListWidget* list() const { return list_; }
  QRadioButton* blankButton() const { return blank_; }
  QRadioButton* existingButton() const { return existing_; }
  QListWidget* templates() const { return templates_; }
  QRadioButton* templateButton() const { return fromTemplate_; }

 private:
  QListWidget* list_ = nullptr;
  QListWidget* templates_ = nullptr;
  QRadioButton* fromTemplate_ = nullptr;
  QRadioButton* blank_ = nullptr;
  QRadioButton* existing_ = nullptr;
};
