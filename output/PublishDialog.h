// The Publish dialog: one form that puts the page and every file it needs
// into a folder (typed or chosen, made when missing), under a name the user
// may change, and opens it in the browser afterwards; besides it, the
// project's HTML segment on the clipboard, or a complete page written to a
// file, either followed by the Resources dialog.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "output/PublishFolder.h"

class KesApp;
class Doc;
class QCheckBox;
class QLineEdit;
class QListWidget;
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
  // Publish: the pages commit, and the page (under the name typed, ".html"
  // added) and every file it needs are put into the folder typed, as
  // `velkobutton publish` does, with a progress window. A folder that does
  // not exist is made once the user agrees. A closing message says how it
  // went; a published page is opened in the browser when the box says so.
  PublishOutcome OnPublishToFolder();
  // Browse: the folder picker, starting at the folder typed; the folder
  // chosen goes into the field.
  void OnBrowse();

  QLineEdit* folderEdit() const { return folderEdit_; }
  QLineEdit* nameEdit() const { return name_; }
  QCheckBox* openBox() const { return open_; }
  QListWidget* writes() const { return writes_; }
  QPushButton* browseButton() const { return browse_; }
  QPushButton* publishButton() const { return publish_; }
  QToolButton* clipboardButton() const { return clipboard_; }
  QToolButton* fileButton() const { return file_; }
  QCheckBox* runtimeBox() const { return runtime_; }

 private:
  // The list of what publishing writes: the page in the folder, then each
  // file beside it. `files` again: the page is built anew for its lists.
  void ShowWrites(bool files);
  // Where the page goes as the form says ("" when the folder is empty).
  std::string TypedPage() const;

  KesApp& app_;
  Doc& doc_;
  // The document's Resources hook before this dialog took it over.
  std::function<void(const std::string&)> previousHook_;
  QLineEdit* folderEdit_ = nullptr;
  QLineEdit* name_ = nullptr;
  QCheckBox* open_ = nullptr;
  QListWidget* writes_ = nullptr;
  QPushButton* browse_ = nullptr;
  QPushButton* publish_ = nullptr;
  QToolButton* clipboard_ = nullptr;
  QToolButton* file_ = nullptr;
  QCheckBox* runtime_ = nullptr;
};
