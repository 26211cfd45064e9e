// The document base: path, title, modified flag, views and their update
// hints; the file operations shared by every project document.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/SafeFile.h"
#include "core/Translatable.h"

class KesApp;
class Platform;

// Update hints broadcast to the document's views.
enum DocHint : int {
  kHintReset = 104,     // the document's contents are being replaced
  kHintFilled = 105,    // New or Open has filled the document
  kHintCommit = 1000,   // every page stores its edits into its group, or refuses
  kHintRefresh = 1001,  // every page reloads its controls from its group
};

class DocView {
 public:
  virtual ~DocView() = default;
  virtual void OnUpdate(int hint) = 0;
};

class DocumentBase {
 public:
  virtual ~DocumentBase() = default;

  const std::string& pathName() const { return pathName_; }
  void SetPathName(const std::string& path);
  // "Untitled" or the file name of the path.
  const std::string& title() const { return title_; }
  bool IsModified() const { return modified_; }
  void SetModifiedFlag(bool modified = true) {
    if (modified_ == modified) return;
    modified_ = modified;
    OnModifiedChanged();
  }
  // The document as it is now has been saved.
  virtual void MarkSaved() { SetModifiedFlag(false); }

  void AddView(DocView* view);
  void RemoveView(DocView* view);
  void UpdateAllViews(int hint);

 protected:
  virtual void OnModifiedChanged() {}

 private:
  std::string pathName_;
  std::string title_ = "Untitled";
  bool modified_ = false;
  std::vector<DocView*> views_;
};

class KesDoc : public DocumentBase {
 public:
  explicit KesDoc(KesApp& app);
  ~KesDoc() override;

  KesApp& app() const { return app_; }
  Platform& platform() const;

  // Document-level fields.
  std::string htmlPath;           // saved in the file head
  std::string lastCopyDirectory;  // not saved

  // Framework operations.
  // Whether the document holds a project; nothing is generated or saved
  // while it does not (before the first New or Open, or while one fails).
  virtual bool HasContents() const { return true; }

  // Writes the document to `path` through a temporary file; on any failure
  // reports "Failed to save document." and leaves the previous file intact.
  // Over the open file, a link is written through only when it was there
  // when the file was opened or saved; a link put there since is replaced
  // by the file (DoSave asks first, naming where it leads).
  virtual bool OnSaveDocument(const std::string& path);
  // File Save and Save As; Save asks for a name when the project has none.
  bool DoFileSave();
  bool DoSave(const std::string& path, bool replace = true);
  // The project file as it was when it was last opened or saved here (and
  // the file a link there led to), and whether it has changed on disk since
  // (replaced, written or removed).
  void RememberDiskFile() {
    diskStamp_ = safefile::StampOf(pathName());
    diskLink_ = safefile::LinkTarget(pathName());
  }
  // A file removed since is not changed: saving loses nothing.
  bool ChangedOnDisk() const {
    if (pathName().empty() || !diskStamp_.exists) return false;
    const safefile::FileStamp now = safefile::StampOf(pathName());
    return now.exists && now != diskStamp_;
  }
  // "Save changes to %1?" when modified; false means the user cancelled.
  bool SaveModified();
  // Whether the frame may close (the pages are committed first).
  bool CanCloseFrame();
  // The message for a page or input file that was not written.
  void ReportWriteFailure(const std::string& path, const safefile::WriteError& error);

  // The project as the project file holds it; Serialize writes or reads it.
  virtual void Serialize(class Archive& ar);

  // Writes `bytes` as the whole of `path` (an operating-system path) through
  // a temporary file beside it, renamed over the target only when every byte
  // is written and flushed; a target that is one of `inputs`, a special file
  // or read-only is refused (see core/SafeFile.h).
  static bool WriteWholeFile(const std::string& path, const std::string& bytes,
                             const std::vector<std::string>& inputs = {},
                             safefile::WriteError* error = nullptr);

  // The current drive's root as the address test needs it.
  std::string DriveRoot() const;

  static constexpr const char* kProjectFilter =
      VB_TR_NOOP("FileDialog", "VelkoButton Project Files (*.but)|*.but|All Files (*.*)|*.*||");

 protected:
  safefile::FileStamp diskStamp_;
  std::string diskLink_;  // where a link at the open file's name led; empty: no link
  // Before SaveModified commits the pages and asks: what runs on the
  // document's contents stops (the internal preview).
  virtual void StopPreview() {}

 private:
  KesApp& app_;
};
