// The Publish dialog: copy the project's HTML segment to the clipboard, or
// write a complete page to a file; either way the Resources dialog follows.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "output/PublishFolder.h"

class KesApp;
class Doc;
class QCheckBox;
class QPushButton;
class QToolButton;

class PublishDialog : public QDialog {
  Q_OBJECT
 public:
  PublishDialog(KesApp& app, Doc& doc, QWidget* parent = nullptr);
  ~PublishDialog() override;

  // Copy to Clipboard: the pages commit (a refusal does not stop it), then
  // the segment goes to the clipboard and the Resources dialog shows it.
  void OnClipboard();
  // Generate File: the pages commit (a refusal stops here), the Save As
  // dialog proposes the project's page path, the page is written and the
  // Resources dialog shows it. False when nothing was written.
  bool OnGenerateFile();
  // Publish to Folder: the pages commit, a folder is chosen (starting where
  // the last copy went, or at the page's folder), and the page and every
  // file it needs are put there as `velkobutton publish` does, with a
  // progress window; a closing message says how it went.
  PublishOutcome OnPublishToFolder();
  QPushButton* folderButton() const { return folder_; }

  QToolButton* clipboardButton() const { return clipboard_; }
  QToolButton* fileButton() const { return file_; }
  QCheckBox* runtimeBox() const { return runtime_; }

 private:
  KesApp& app_;
  Doc& doc_;
  // The document's Resources hook before this dialog took it over.
  std::function<void(const std::string&)> previousHook_;
  QToolButton* clipboard_ = nullptr;
  QToolButton* file_ = nullptr;
  QPushButton* folder_ = nullptr;
  QCheckBox* runtime_ = nullptr;
};
