// The document base: path, title, modified flag, views and their update
// hints; the parameter writers; the file operations shared by every project
// document.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/FileStaging.h"
#include "core/SafeFile.h"

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

// What a generated page is: a whole page, the internal preview's page, or the
// applet alone (the segment a user pastes into a page of their own).
enum class PageMode { Page = 0, Preview = 1, Segment = 2 };
// Where the parameters go: PARAM tags in a page, or the lines of an input file.
enum class ParamForm { Page = 0, InputFile = 1 };

class KesDoc : public DocumentBase {
 public:
  explicit KesDoc(KesApp& app);
  ~KesDoc() override;

  KesApp& app() const { return app_; }
  Platform& platform() const;

  // Document-level fields.
  std::string htmlPath;           // saved in the file head
  std::string lastCopyDirectory;  // not saved
  std::string inputFilePath;      // never changed by the program
  int32_t generateInput = 0;      // never changed by the program

  // Pages of today for browsers without Java: the buttons as HTML and CSS,
  // and the JavaScript runtime where the project needs it (its script line
  // in the page, its file in the resource list). The setting decides unless a
  // caller (the command line, external preview) chooses for the document;
  // kRuntimeAlways gives the page the runtime whatever the project needs (the
  // Live View drives its page through it).
  enum RuntimeChoice : int {
    kRuntimeFromSettings = -1,
    kRuntimeOff = 0,
    kRuntimeOn = 1,
    kRuntimeAlways = 2
  };
  int runtimeChoice = kRuntimeFromSettings;
  // Whether pages are of today (buttons as HTML and CSS).
  bool WantsRuntime() const;
  // Whether the project does anything that needs the runtime's script.
  virtual bool NeedsRuntime() const { return true; }
  // Whether the page carries the runtime's line and the runtime lies beside it.
  bool CarriesRuntime() const {
    return WantsRuntime() && (runtimeChoice == kRuntimeAlways || NeedsRuntime());
  }
  // Chooses the runtime for the document while it lives, then gives the
  // earlier choice back.
  class RuntimeScope {
   public:
    RuntimeScope(KesDoc& doc, int choice) : doc_(doc), saved_(doc.runtimeChoice) {
      doc.runtimeChoice = choice;
    }
    ~RuntimeScope() { doc_.runtimeChoice = saved_; }
    RuntimeScope(const RuntimeScope&) = delete;
    RuntimeScope& operator=(const RuntimeScope&) = delete;

   private:
    KesDoc& doc_;
    int saved_;
  };
  static constexpr const char* kRuntimeFile = "velkobutton.js";
  // The line that follows the applet's end tag.
  static constexpr const char* kRuntimeLine = "<SCRIPT SRC=\"velkobutton.js\"></SCRIPT>";

  // The files the page needs beside it: the applet's (and the runtime's),
  // the project's images, sounds and input file, as full paths.
  bool GetResourceFiles(std::vector<std::string>& list);
  // The same, and what the page uses each as (`expected`, one for each file
  // of `list`): the program's own file, an image, a sound, a font or its
  // input file.
  virtual bool GetResourceFiles(std::vector<std::string>& list, std::vector<GateKind>& expected);
  // Stages the files of GetResourceFiles that a page can use into `directory`
  // (through `staging`; false without it).
  virtual bool CopyResourcesTo(const std::string& directory);
  // One parameter in `form`; nothing when `value` is the default. `escape`
  // writes quotes and line breaks as the script reads them; in a page the
  // value is then written as an attribute's text (AddAttributeText).
  static std::string WriteStringParam(ParamForm form, const std::string& name,
                                      const std::string& value, const std::string& def,
                                      bool escape);
  // `text` as the text of a double-quoted attribute: "&", '"', "<" and ">"
  // are written as character references, so that the browser hands the
  // page's script (or an applet) exactly `text` and no markup comes of it.
  static void AddAttributeText(std::string& out, std::string_view text);
  // Every parameter of the project in `form`, the script after `prefixScript`.
  virtual std::string BuildParams(ParamForm form, const std::string& prefixScript);
  // The page of `mode`, whole.
  virtual std::string BuildHtml(PageMode mode);
  // Writes BuildHtml (the preview's page or a whole page); asks for the path first
  // when `ask` is set. After a page that is not a preview, the Resources hook runs.
  virtual bool SaveHtml(std::string& path, bool ask, bool preview);
  // Copies the runtime from the program's folder beside `page` (unless an
  // up-to-date copy is there); a refused or failed copy is reported.
  void PlaceRuntimeBeside(const std::string& page);
  // What stages the files beside a page and a template's files on a first
  // save (the program's output code); null: nothing is staged.
  std::unique_ptr<FileStaging> staging;
  // The page's file name proposed when no page path is stored yet.
  virtual std::string ProposedPagePath() const { return std::string(); }
  virtual bool SaveInputFile(std::string path, bool ask);
  virtual bool CopySegmentToClipboard();

  // Hooks the user interface fills: the Resources dialog for a written page,
  // and stopping a running internal preview.
  std::function<void(const std::string& html)> showResources;
  std::function<void()> stopPreview;

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
      "VelkoButton Project Files (*.but)|*.but|All Files (*.*)|*.*||";

 protected:
  safefile::FileStamp diskStamp_;
  std::string diskLink_;  // where a link at the open file's name led; empty: no link
  // The message for a page or input file that was not written.
  void ReportWriteFailure(const std::string& path, const safefile::WriteError& error);

 private:
  KesApp& app_;
};
