// The Resources dialog shown after a publish: the generated HTML, the files
// to put on the server beside it (all selected at first), Select All, and
// Copy Locally with its progress window.
#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "output/CopyLocally.h"
#include "output/CopyProgressDialog.h"

class CopyProgressDialog;
class Doc;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class ResourcesDialog : public QDialog, private CopyProgress {
  Q_OBJECT
 public:
  ResourcesDialog(Doc& doc, const std::string& html, QWidget* parent = nullptr);
  ~ResourcesDialog() override;

  // The resource list as the list box shows it, in order.
  const std::vector<std::string>& files() const { return files_; }
  // The selected entries, in list order.
  std::vector<std::string> SelectedFiles() const;

  void OnSelectAll();
  // Copies the selected files into a folder the user picks.
  CopyOutcome OnCopyLocally();

  QListWidget* list() const { return list_; }
  QPlainTextEdit* htmlEdit() const { return html_; }
  QPushButton* copyButton() const { return copy_; }
  QPushButton* selectAllButton() const { return selectAll_; }
  // The progress window while a copy runs, else null.
  CopyProgressDialog* progress() const { return window_.dialog(); }

 signals:
  // A copy started: the progress window is up and this dialog is disabled.
  void copyStarted(CopyProgressDialog* progress);

 private:
  void Begin(int total) override;
  void SetText(const std::string& text) override;
  void SetPos(int pos) override;
  bool Cancelled() override;
  void End() override;

  Doc& doc_;
  std::string htmlText_;
  std::vector<std::string> files_;
  QListWidget* list_ = nullptr;
  QPlainTextEdit* html_ = nullptr;
  QPushButton* copy_ = nullptr;
  QPushButton* selectAll_ = nullptr;
  CopyProgressWindow window_{this, this};
};
