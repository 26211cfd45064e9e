// The Publish dialog: copy the project's HTML segment to the clipboard, or
// write a complete page to a file; either way the Resources dialog follows.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

class KesApp;
class KesDoc;
class QCheckBox;
class QToolButton;

class PublishDialog : public QDialog {
  Q_OBJECT
 public:
  PublishDialog(KesApp& app, KesDoc& doc, QWidget* parent = nullptr);
  ~PublishDialog() override;

  // Copy to Clipboard: the pages commit (a refusal does not stop it), then
  // the segment goes to the clipboard and the Resources dialog shows it.
  void OnClipboard();
  // Generate File: the pages commit (a refusal stops here), the Save As
  // dialog proposes the project's page path, the page is written and the
  // Resources dialog shows it. False when nothing was written.
  bool OnGenerateFile();

  QToolButton* clipboardButton() const { return clipboard_; }
  QToolButton* fileButton() const { return file_; }
  QCheckBox* runtimeBox() const { return runtime_; }

 private:
  KesApp& app_;
  KesDoc& doc_;
  // The document's Resources hook before this dialog took it over.
  std::function<void(const std::string&)> previousHook_;
  QToolButton* clipboard_ = nullptr;
  QToolButton* file_ = nullptr;
  QCheckBox* runtime_ = nullptr;
};
