#include "core/DocumentFile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <new>
#include <system_error>

#include "core/Archive.h"
#include "core/Doc.h"
#include "core/Edits.h"
#include "core/Fields.h"
#include "core/FileStaging.h"
#include "core/KesApp.h"
#include "core/Keywords.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/Translatable.h"
#include "core/Version.h"
#include "groups/button/PropButton.h"
#include "groups/project/PropProject.h"

namespace fs = std::filesystem;

namespace {
// The project's texts read again in another code page: the groups whose
// bytes changed, the page's path, and the layout before and after, put back
// and made again as one step.
class ReadingStep : public EditStep {
 public:
  struct Change {
    GroupPath path;
    std::string before, after;
  };
  struct State {
    std::string htmlPath;
    Project::Geometry geometry;
  };
  ReadingStep(std::vector<Change> changes, State before, State after)
      : EditStep(VB_TR_NOOP("EditSteps", "Reopen with Encoding")),
        changes_(std::move(changes)),
        before_(std::move(before)),
        after_(std::move(after)) {}
  void KeepLayout(Project::Geometry geometry) { after_.geometry = std::move(geometry); }
  void Undo(Doc& doc) override { Put(doc, true); }
  void Redo(Doc& doc) override { Put(doc, false); }
  std::size_t Bytes() const override {
    std::size_t n = sizeof(*this) + changes_.capacity() * sizeof(Change) +
                    before_.htmlPath.capacity() + after_.htmlPath.capacity() +
                    (before_.geometry.capacity() + after_.geometry.capacity()) * sizeof(int32_t);
    for (const Change& c : changes_) n += c.before.capacity() + c.after.capacity();
    return n;
  }

  // Every group takes its bytes first and the buttons are placed once, so
  // that a large project is not laid out once for each button.
  void Put(Doc& doc, bool undo) const {
    for (const Change& c : changes_) {
      KesProp* group = doc.content().GroupAt(c.path);
      if (!group) continue;
      const std::string& bytes = undo ? c.before : c.after;
      Archive ar(bytes.data(), bytes.size());
      group->Serialize(ar);
    }
    const State& state = undo ? before_ : after_;
    doc.htmlPath = state.htmlPath;
    if (!doc.content().RestoreGeometry(&state.geometry)) doc.content().LayoutButtons();
    for (const Change& c : changes_)
      doc.edits().Notify({DocChange::Kind::GroupChanged, -1, -1, c.path});
    doc.edits().Notify({DocChange::Kind::LayoutChanged});
  }

 private:
  std::vector<Change> changes_;
  State before_, after_;
};
}  // namespace

void DocumentFile::DeleteContents() {
  doc_.UpdateAllViews(kHintReset);
  // The steps name groups of the project that goes.
  doc_.edits().history().Clear();
  doc_.content().Clear();
  doc_.resources().Clear();
  doc_.htmlPath.clear();
}

bool DocumentFile::New() {
  DeleteContents();
  doc_.SetPathName(std::string());
  doc_.content().MakeNew();
  doc_.SetModifiedFlag(false);
  doc_.UpdateAllViews(kHintFilled);
  doc_.edits().Notify({DocChange::Kind::Replaced});
  return true;
}

bool DocumentFile::Open(const std::string& path, CodePage page) {
  safefile::FileBytes bytes;
  if (!safefile::ReadAll(path, bytes, Doc::kLargestProjectFile)) {
    doc_.platform().MessageBox(msg::kFailedToOpen, MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  return OpenOrStartAfresh(bytes, path, page);
}

bool DocumentFile::OpenOrStartAfresh(safefile::FileBytes& bytes, const std::string& path,
                                     CodePage page) {
  try {
    return OpenFromBytes(bytes.view(), path, page);
  } catch (const std::bad_alloc&) {
    // Whatever was read so far goes; a fresh project takes its place.
    bytes = safefile::FileBytes();
    DeleteContents();
    doc_.platform().MessageBox(msg::kFailedToOpen, MsgButtons::Ok, MsgIcon::Exclamation);
    New();
    return false;
  }
}

bool DocumentFile::Reload() {
  const std::string path = doc_.pathName();
  if (path.empty() || !doc_.project()) return false;
  // Read whole before anything changes; a file that is no project is found
  // out on a document of its own, so that this one keeps what it holds.
  safefile::FileBytes bytes;
  std::string reason;
  {
    Doc scratch(doc_.app());
    reason = WhyNotReloaded(path, bytes, scratch);
  }
  // Memory may still run out on the second reading: a new project, as Open does.
  if (reason.empty()) return OpenOrStartAfresh(bytes, path);
  // The file on disk is no longer this project: leaving asks to save it.
  doc_.edits().history().ForgetClean();
  doc_.SetModifiedFlag(true);
  doc_.edits().Notify({DocChange::Kind::HistoryChanged});
  doc_.platform().MessageBox(
      msg::Format(doc_.platform(), msg::kReloadFailed, DisplayName(path), reason), MsgButtons::Ok,
      MsgIcon::Exclamation);
  return false;
}

std::string DocumentFile::WhyNotReloaded(const std::string& path, safefile::FileBytes& bytes,
                                         Doc& scratch, CodePage page) {
  if (!safefile::ReadAll(path, bytes, Doc::kLargestProjectFile))
    return errno == EINVAL  ? msg::kReloadNotRegular
           : errno == EFBIG ? msg::kReloadTooLarge
                            : std::strerror(errno);
  Archive ar(bytes.data.get(), bytes.size);
  ar.SetCodePage(page);
  try {
    scratch.KesDoc::Serialize(ar);
    scratch.content().Read(ar);
  } catch (const ArchiveError&) {
    return msg::kReloadNotProject;
  } catch (const std::bad_alloc&) {
    return std::strerror(ENOMEM);
  }
  return std::string();
}

bool DocumentFile::ReadAgainIn(CodePage page) {
  Platform& platform = doc_.platform();
  const std::string path = doc_.pathName();
  if (!doc_.project()) return false;
  if (path.empty()) {
    platform.MessageBox(msg::kReopenNoFile, MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  // What was changed since the last save would go: the user says first.
  if (doc_.IsModified() &&
      platform.MessageBox(msg::Format(platform, msg::kReopenDropsChanges, DisplayName(path),
                                      codepage::DisplayName(page)),
                          MsgButtons::YesNo, MsgIcon::Question) != IdYes)
    return false;
  safefile::FileBytes bytes;
  Doc scratch(doc_.app());
  const std::string reason = WhyNotReloaded(path, bytes, scratch, page);
  if (!reason.empty()) {
    platform.MessageBox(msg::Format(platform, msg::kReopenFailed, DisplayName(path), reason),
                        MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  // Buttons added or taken out since the file was read (here or by another
  // program): the file as it is comes first, then its texts are read anew.
  if (scratch.ButtonCount() != doc_.ButtonCount() && !OpenOrStartAfresh(bytes, path)) return false;
  bytes = safefile::FileBytes();

  std::vector<ReadingStep::Change> changes;
  const auto compare = [&changes](const GroupPath& at, KesProp& now, KesProp& read) {
    std::string before = Edits::CopyGroup(now);
    std::string after = Edits::CopyGroup(read);
    if (before != after) changes.push_back({at, std::move(before), std::move(after)});
  };
  compare(GroupPath(), *doc_.project(), *scratch.project());
  for (std::size_t b = 0; b < doc_.ButtonCount(); ++b)
    compare({static_cast<int>(b), GroupPath::kNoState, PropClass::Button},
            *doc_.content().buttons()[b], *scratch.content().buttons()[b]);
  ReadingStep::State before{doc_.htmlPath, doc_.content().CaptureGeometry()};
  if (changes.empty() && before.htmlPath == scratch.htmlPath)
    return true;  // nothing reads otherwise
  auto step = std::make_unique<ReadingStep>(std::move(changes), std::move(before),
                                            ReadingStep::State{scratch.htmlPath, {}});
  // Made once without a layout to put back, the buttons are placed; the
  // step keeps where they went.
  step->Redo(doc_);
  step->KeepLayout(doc_.content().CaptureGeometry());
  doc_.edits().history().Push(std::move(step));
  doc_.SetModifiedFlag(!doc_.edits().history().IsClean());
  doc_.edits().Notify({DocChange::Kind::HistoryChanged});
  return true;
}

bool DocumentFile::OpenFromBytes(std::string_view bytes, const std::string& path, CodePage page) {
  DeleteContents();
  Archive ar(bytes.data(), bytes.size());
  ar.SetCodePage(page);
  bool ok = true;
  try {
    Serialize(ar);
  } catch (const ArchiveError&) {
    ok = false;
  }
  if (!ok) {
    // What was read so far goes before the message: nothing is shown or
    // generated of a half-read project, and a new one follows it.
    DeleteContents();
    doc_.platform().MessageBox(msg::kUnexpectedFormat, MsgButtons::Ok, MsgIcon::Exclamation);
    New();
    return false;
  }
  doc_.SetPathName(path);
  doc_.RememberDiskFile();
  doc_.SetModifiedFlag(false);
  doc_.UpdateAllViews(kHintFilled);
  doc_.edits().Notify({DocChange::Kind::Replaced});
  return true;
}

void DocumentFile::Serialize(Archive& ar) {
  if (ar.IsStoring()) {
    if (!doc_.project()) return;
    doc_.app().CommitPages();
    doc_.KesDoc::Serialize(ar);
    doc_.content().Write(ar);
    return;
  }
  doc_.app().RefreshPages();
  doc_.KesDoc::Serialize(ar);
  doc_.content().Read(ar);
}

bool DocumentFile::OpenAsNew(const std::string& path) {
  if (!Open(path)) return false;
  RebaseFileNames(path, std::string());
  doc_.SetPathName(std::string());
  doc_.MarkSaved();
  return true;
}

std::vector<std::string> DocumentFile::RebaseFileNames(const std::string& from,
                                                       const std::string& to) {
  std::vector<std::string> missing;
  if (!doc_.project()) return missing;
  const std::string root = doc_.DriveRoot();
  const std::string oldFolder = ProjectFolder(from, std::string());
  // One file name of one group, renamed where it reaches a file.
  auto rebase = [&](const GroupPath& path, std::string_view field) {
    KesProp* group = doc_.GroupAt(path);
    const int at = group ? FieldIndex(*group, field) : -1;
    if (at < 0) return;
    const std::string name = std::get<std::string>(FieldValues(*group)[std::size_t(at)]);
    if (name.empty() || IsAddress(name, root)) return;
    // A caption's font is a file only when named like one.
    if (path.kind == PropClass::Text && !IsFontFile(name)) return;
    std::string file = OsFromStored(name);
    if (!IsAbsolutePath(name)) {
      if (oldFolder.empty()) return;  // a name typed into a project never saved stays
      file = EnginePath((FsPath(oldFolder) / FsPath(file)).lexically_normal());
    }
    std::error_code ec;
    if (!fs::exists(FsPath(file), ec)) {
      if (std::find(missing.begin(), missing.end(), name) == missing.end()) missing.push_back(name);
      return;
    }
    // A template's file comes along into the folder of its first save, so
    // that the project is one of its own.
    if (from.empty() && !to.empty() && doc_.staging) {
      const GateKind kind = path.kind == PropClass::Audio  ? GateKind::Sound
                            : path.kind == PropClass::Text ? GateKind::Font
                                                           : GateKind::Image;
      file = doc_.staging->BringTemplateFile(doc_, file, kind, ProjectFolder(to, std::string()));
    }
    std::string renamed;
    if (!StoredFromOs(NameInProject(file, to), renamed) || renamed == name) return;
    SetField(*group, std::size_t(at), renamed);
    doc_.edits().Notify({DocChange::Kind::GroupChanged, -1, -1, path, {field}});
  };
  rebase(GroupPath(), field::kBackgroundImage);
  for (int b = 0; b < static_cast<int>(doc_.ButtonCount()); ++b)
    for (int s = 0; s < 3; ++s) {
      rebase({b, s, PropClass::Image}, field::kFile);
      rebase({b, s, PropClass::Audio}, field::kFile);
      rebase({b, s, PropClass::Text}, field::kFont);
    }
  return missing;
}

bool DocumentFile::Save(const std::string& path) {
  const std::string from = doc_.pathName();
  std::error_code ec;
  const bool moving = from.empty() || !fs::equivalent(FsPath(from).parent_path() / ".",
                                                      FsPath(path).parent_path() / ".", ec);
  if (moving) {
    // The pages hand over their names first; a refusal is the save's.
    if (!doc_.app().CommitPages()) return false;
    const std::vector<std::string> missing = RebaseFileNames(from, path);
    if (!missing.empty()) {
      std::string list;
      for (const std::string& m : missing) list += m + "\n";
      doc_.platform().MessageBox(msg::Format(doc_.platform(), msg::kFilesNotFoundOnMove, list),
                                 MsgButtons::Ok, MsgIcon::Exclamation);
    }
  }
  return doc_.KesDoc::OnSaveDocument(path);
}

std::string DocumentFile::ProposedPagePath() const {
  if (!doc_.project()) return std::string();
  // A saved project's page is named after its file (bakery.but: bakery.html),
  // as the command line's publish names it; an unsaved one after its identifier.
  if (!doc_.pathName().empty()) {
    const std::string stem = EnginePath(FsPath(doc_.pathName()).stem());
    if (!stem.empty())
      return EnginePath(FsPath(doc_.pathName()).parent_path() / FsPath(stem + ".html"));
  }
  std::string name = OsFromStored(doc_.project()->identifier);
  // An identifier is text, not a path: no folder separators get through.
  for (char& c : name)
    if (c == '/' || c == '\\' || c == ':') c = '_';
  if (name.empty()) name = version::kInternalName;
  name += ".html";
  if (doc_.pathName().empty()) return name;
  return EnginePath(FsPath(doc_.pathName()).parent_path() / FsPath(name));
}
