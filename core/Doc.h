// The project document, as the framework and the program know it: its
// operations are thin calls to its parts, each with one job:
//   content()    the project group and the buttons, where each group lives,
//                the layout (core/Project.h);
//   file()       New, Open, Save and reading the file again
//                (core/DocumentFile.h);
//   edits()      every operation that makes an undoable step, and the
//                listeners told of each change (core/Edits.h);
//   writer()     the parameters, the page and the files it needs, and
//                whether it carries the runtime (core/PageWriter.h);
//   pageFiles()  the page and the input file written, the segment copied,
//                the runtime and the resources put beside a page
//                (core/PageFiles.h);
//   resources()  the images and sounds the last generation listed
//                (core/ResourceRegister.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/DocumentFile.h"
#include "core/Edits.h"
#include "core/FileStaging.h"
#include "core/History.h"
#include "core/KesDoc.h"
#include "core/PageFiles.h"
#include "core/PageWriter.h"
#include "core/Project.h"
#include "core/ResourceRegister.h"
#include "core/Translatable.h"

class Archive;
class KesProp;
class PropButton;
class PropProject;

class Doc : public KesDoc {
  // The parts come first: the names below that stand for their values
  // refer into them.
  Project content_;
  ResourceRegister resources_;
  PageWriter writer_;
  PageFiles pageFiles_;
  Edits edits_;
  DocumentFile file_;

 public:
  explicit Doc(KesApp& app);
  ~Doc() override;

  Project& content() { return content_; }
  const Project& content() const { return content_; }
  DocumentFile& file() { return file_; }
  Edits& edits() { return edits_; }
  const Edits& edits() const { return edits_; }
  PageWriter& writer() { return writer_; }
  const PageWriter& writer() const { return writer_; }
  PageFiles& pageFiles() { return pageFiles_; }
  ResourceRegister& resources() { return resources_; }

  // The project group (never null once New or Open has run).
  PropProject* project() const { return content_.group(); }

  // The buttons in button order.
  const std::vector<std::unique_ptr<PropButton>>& buttons() const { return content_.buttons(); }
  std::vector<PropButton*> ButtonPointers() const { return content_.ButtonPointers(); }
  std::size_t ButtonCount() const { return content_.ButtonCount(); }
  // -1 when the button is not in the project.
  int IndexOf(const PropButton* button) const;

  // A button with its three states and fifteen groups, not yet in the list.
  std::unique_ptr<PropButton> CreateButton();
  // Inserts at `index` (clamped; -1 or past the end: last) and lays the
  // buttons out. Returns the inserted button.
  PropButton* InsertButton(std::unique_ptr<PropButton> button, int index = -1);
  // Takes a button out of the list (the caller destroys it) and lays the
  // buttons out.
  std::unique_ptr<PropButton> RemoveButton(PropButton* button);
  // Moves a button to `index` and lays the buttons out.
  void MoveButton(PropButton* button, int index);

  // Places all buttons by the project's layout settings.
  void LayoutButtons();

  // The one road of edits. Each operation below is one undoable step; after
  // it the document tells its listeners what changed, and keeps its
  // modified flag by the history (undoing back to the saved state clears it).
  void AddListener(DocListener* listener);
  void RemoveListener(DocListener* listener);
  const History& history() const { return edits_.history(); }
  // A new button at `index` (-1: last), laid out: "New Button".
  PropButton* AddNewButton(int index);
  // Takes the button at `index` out: "Delete Button 'Name'" ("Cut Button
  // 'Name'" with `verb` "Cut"). False for an index out of range.
  bool DeleteButtonAt(int index, const std::string& verb = VB_TR_NOOP("EditSteps", "Delete"));
  // "Move Button": the button at `from` goes to `to`.
  bool MoveButtonTo(int from, int to);
  // "Move Button": the button at `index` of a free layout to (x, y). False,
  // and no step, in the row and column layouts or when it is there already.
  bool PlaceButtonAt(int index, int32_t x, int32_t y);
  // "Duplicate Button": a copy of the button at `index`, with a fresh name,
  // last. Returns the copy.
  PropButton* DuplicateButtonAt(int index);
  // "Paste": the group at `path` takes every value of `bytes` but its name.
  // False (and no step) when the bytes do not read as such a group, whole
  // and with nothing left over.
  bool PasteGroupAt(const GroupPath& path, const std::string& bytes);
  // A page has stored its edits into the group at `path`, whose bytes were
  // `before`: the step "<name>" when anything changed (false when nothing did).
  // The places and sizes of all buttons and the project's size, which the
  // project's layout settings decide: a project edit keeps them, so that
  // undoing a change to a free layout puts every button back.
  using Geometry = Project::Geometry;
  Geometry CaptureGeometry() const;
  bool RecordGroupEdit(const GroupPath& path, const std::string& before, const std::string& name,
                       const Geometry* geometryBefore = nullptr);
  // "Copy to Other States": the group at `path` (a state, or one of a
  // state's groups) is copied onto the same group of the button's two other
  // states, which keep their names.
  bool CopyToOtherStates(const GroupPath& path);
  // The same for each of `paths`, as one step.
  bool CopyToOtherStates(const std::vector<GroupPath>& paths);

  // The one road of field edits: every group of `edits` takes the new values
  // of its fields, as the one step `name`. With `follow`, a field of an Up
  // state (or of one of its groups) that goes from A to B takes the same
  // field of Over and Down along where it held A, unless `edits` sets that
  // field there itself; and a button renamed from A to B takes every caption
  // of its states that read A. False, and no step, when nothing changed.
  bool ApplyEdits(std::vector<GroupEdit> edits, const std::string& name,
                  const Geometry* geometryBefore = nullptr, bool follow = true);
  // A page has stored its controls into the group at `path`, whose own
  // values were `before`: ApplyEdits of the fields that differ.
  bool RecordFieldEdit(const GroupPath& path, const std::vector<FieldValue>& before,
                       const std::string& name, const Geometry* geometryBefore = nullptr);
  // "Paste Style": each group of `paths` (all of one kind) takes the look of
  // the copied group in `bytes`: every value of it and of the groups it holds
  // but the name, the caption text, the link and its target, the tool tip,
  // the status text, the scripts and the button's place. False (and no step)
  // when the bytes do not read as such a group or nothing changed.
  bool PasteStyleAt(const std::vector<GroupPath>& paths, const std::string& bytes);
  // Sets the fields of `edits` to their values before (`undo`) or after,
  // lays the buttons out when a button or the project changed (or puts them
  // at `geometry`), and tells the listeners. Used by the steps.
  void SetFields(const std::vector<GroupEdit>& edits, bool undo, const Geometry* geometry);
  // Several buttons at once, each one step: "Delete 3 Buttons" (or "Cut"),
  // "Move Buttons" one place up (`delta` -1) or down (1) as a block,
  // "Duplicate Buttons" (the copies last, in order). False, and no step,
  // when an index is out of range or the block cannot move.
  bool DeleteButtonsAt(std::vector<int> indices,
                       const std::string& verb = VB_TR_NOOP("EditSteps", "Delete"));
  bool MoveButtonsBy(std::vector<int> indices, int delta);
  bool DuplicateButtonsAt(std::vector<int> indices);
  // "Paste" onto each of `paths`: the i-th takes `bytes[i]`, or all take
  // `bytes[0]` when there is one; one step.
  bool PasteGroupsAt(const std::vector<GroupPath>& paths, const std::vector<std::string>& bytes);
  // Paste (or, with `style`, Paste Style) of what the clipboard holds onto
  // `paths` (all of one kind): the copied group, or the list of copied
  // groups when it has one for each path. Clipboard data larger than
  // kLargestPaste is refused before it is read, and data that does not read
  // as whole groups of the paths' kind is refused, each with a message and
  // nothing changed. False when nothing was pasted.
  static constexpr std::size_t kLargestPaste = std::size_t(16) << 20;
  bool PasteFromClipboard(std::vector<GroupPath> paths, bool style);
  // Several copied groups as one clipboard text (each after its length and a
  // line feed), and back; an empty list for text that is not such a list.
  static std::string JoinGroups(const std::vector<std::string>& groups);
  static std::vector<std::string> SplitGroups(const std::string& list);
  // Whether `bytes` read as one whole group of `kind`, with nothing left over.
  bool ReadsAsGroup(PropClass kind, const std::string& bytes);
  bool Undo();
  bool Redo();
  // Where `group` lives (kind None for a group not in the document).
  GroupPath PathOf(const KesProp* group) const;
  KesProp* GroupAt(const GroupPath& path) const;
  // Replaces the group at `path` with exactly `bytes` (its name too), lays
  // the buttons out when a button or the project changed, and tells the
  // listeners. Used by the steps.
  void RestoreGroup(const GroupPath& path, const std::string& bytes,
                    const Geometry* geometry = nullptr);
  // Puts a button made from `bytes` at `index`, or takes the one at `index`
  // out, telling the listeners. Used by the steps.
  void PutButton(int index, const std::string& bytes);
  void TakeButton(int index);
  void PlaceButton(int from, int to);
  void MarkSaved() override;
  // The document holds edits that no file holds (recovered after the editor
  // ended without saving them): modified until it is saved, whatever is undone.
  void MarkUnsaved();
  // "<project file's name>.html" in the project's folder; for a project
  // never saved, "<project identifier>.html".
  std::string ProposedPagePath() const;

  // New: clears the document and makes the project group and "Button 1".
  bool OnNewDocument();
  // The largest project file Open reads: a project of 20,000 buttons takes
  // 12 MB, so anything larger is not a project made by people.
  static constexpr std::size_t kLargestProjectFile = std::size_t(256) << 20;
  // Open: "Failed to open document." when the file cannot be read or is
  // larger than kLargestProjectFile (the current project stays), or when
  // memory runs out while it is read (a new project takes its place); "Unexpected file format."
  // when its contents do not match (a new project takes its place).
  bool OnOpenDocument(const std::string& path);
  // Reads the open project's file again. A file that cannot be read or is no
  // project leaves the document as it is, says why, and marks it as changed
  // (the file on disk no longer holds it); false then.
  bool ReloadFromDisk();
  // Reads the open project's file again with its 8-bit texts in `page` (a
  // text marked as UTF-8 stays as it is): the texts that read otherwise
  // change as one undoable step, and the project is marked as changed. A
  // project never saved refuses with a message; one changed since its last
  // save asks first. A file that cannot be read leaves the project as it is.
  bool ReadAgainIn(CodePage page);
  // Open, with the file's 8-bit texts in `page`.
  bool OpenInCodePage(const std::string& path, CodePage page);
  bool HasContents() const override { return content_.group() != nullptr; }
  // A project file (a template) opened as a new project, never saved: its
  // files are named by their full paths, so that they are still found.
  bool OpenAsNew(const std::string& path);
  // Open from the bytes of a project file already read; `path` becomes the
  // document's path on success.
  bool OpenFromBytes(std::string_view bytes, const std::string& path);
  // Clears the document (hint 104) and destroys every group.
  void DeleteContents();
  // Saving into another folder (or a first save) renames the project's
  // files so that they still name the same ones: a file in the new folder
  // or below it by its name from there, any other by its full path. Names
  // of files that are not there stay and are named in a message.
  bool OnSaveDocument(const std::string& path) override;
  // The file names of the project anew for a project file moving from
  // `from` to `to` (see OnSaveDocument); returns the names of files that
  // were not found, which keep their names.
  std::vector<std::string> RebaseFileNames(const std::string& from, const std::string& to);

  void Serialize(Archive& ar) override;

  // Copy and Paste of one group through its serialisation. Paste keeps the
  // target's name and, when the bytes cannot be read, leaves the target
  // exactly as it was and returns false.
  static std::string CopyGroup(KesProp& group);
  static bool PasteGroup(KesProp& target, const std::string& bytes);

  // Generation.
  // Every parameter of the project in `form`, the script after `prefixScript`.
  std::string BuildParams(ParamForm form, const std::string& prefixScript);
  // The page of `mode`, whole.
  std::string BuildHtml(PageMode mode);
  // Writes BuildHtml (the preview's page or a whole page); asks for the path
  // first when `ask` is set. After a page that is not a preview, the
  // Resources hook runs (pageFiles()).
  bool SaveHtml(std::string& path, bool ask, bool preview);
  bool SaveInputFile(std::string path, bool ask);
  bool CopySegmentToClipboard();
  // What stages the files beside a page and a template's files on a first
  // save (the program's output code); null: nothing is staged.
  std::unique_ptr<FileStaging> staging;
  // Takes the generated text piece by piece, in order; false when it could
  // not take a piece, which ends the generation.
  using Sink = PageWriter::Sink;
  // The text of BuildHtml or BuildParams handed to `sink` in pieces of about
  // kSinkPiece bytes as it is generated, so that a large page is never held
  // whole. False when the sink failed.
  static constexpr std::size_t kSinkPiece = PageWriter::kSinkPiece;
  bool WriteHtml(PageMode mode, const Sink& sink);
  bool WriteParams(ParamForm form, const Sink& sink);
  // BuildParams appending to `out`; with a sink, `out` is handed to it and
  // emptied whenever it has grown to kSinkPiece bytes (false: the sink
  // failed).
  bool AddParams(std::string& out, ParamForm form, const std::string& prefixScript,
                 const Sink* sink = nullptr);
  // A generous guess of the page's size, for reserving its buffer once.
  std::size_t EstimatePageSize() const;
  // Projects of at least `parallelFrom` buttons have the script of their
  // later buttons generated on a second thread while the first thread writes
  // the earlier ones (the output is the same either way). Below about 8,000
  // buttons the second thread costs what it saves. Tests move the bound to
  // compare the two ways on small projects.
  static constexpr std::size_t kParallelButtons = PageWriter::kParallelButtons;
  static constexpr std::size_t kNeverParallel = PageWriter::kNeverParallel;
  std::size_t& parallelFrom;
  // How many buttons of the last generation had their script from the second
  // thread (0: one thread did it all).
  std::size_t secondThreadButtons() const { return writer_.secondThreadButtons(); }
  // The files the page needs beside it: the applet's (and the runtime's),
  // the project's images, sounds and input file, as full paths; with what
  // the page uses each as (`expected`, one for each file of `list`).
  bool GetResourceFiles(std::vector<std::string>& list);
  bool GetResourceFiles(std::vector<std::string>& list, std::vector<GateKind>& expected);

  // Resource registration: the position of `file` in the list (appended when
  // it is not there yet, exact comparison).
  int RegisterImage(const std::string& file);
  int RegisterAudio(const std::string& file);

  // The statements of the buttons `which` and the script's head, exactly
  // the bytes a whole generation writes for them (PageWriter).
  PageWriter::Statements ButtonStatements(std::vector<std::size_t> which) {
    return writer_.ButtonStatements(std::move(which));
  }

  // The lists of the last generation (resources()) and the button counter
  // (content()), by their names of old.
  std::vector<std::string>& imageList;
  std::vector<std::string>& audioList;
  int32_t& buttonCounter;

 private:
  void OnModifiedChanged() override;
  void StopPreview() override;
};
