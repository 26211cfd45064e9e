#include "core/Doc.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <iterator>
#include <new>
#include <system_error>
#include <thread>
#include <tuple>

#include "core/Archive.h"
#include "core/ButtonsHtml.h"
#include "core/KesApp.h"
#include "core/Keywords.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/Version.h"
#include "core/WrapInt.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "groups/project/PropProject.h"
#include "output/FileGate.h"
#include "output/Staging.h"

namespace fs = std::filesystem;

Doc::Doc(KesApp& app) : KesDoc(app) {}

Doc::~Doc() = default;

std::vector<PropButton*> Doc::ButtonPointers() const {
  std::vector<PropButton*> out;
  out.reserve(buttons_.size());
  for (const auto& b : buttons_) out.push_back(b.get());
  return out;
}

int Doc::IndexOf(const PropButton* button) const {
  for (std::size_t i = 0; i < buttons_.size(); ++i)
    if (buttons_[i].get() == button) return static_cast<int>(i);
  return -1;
}

std::unique_ptr<PropButton> Doc::CreateButton() {
  auto button = std::make_unique<PropButton>(project_.get());
  button->CreateStates();
  return button;
}

PropButton* Doc::InsertButton(std::unique_ptr<PropButton> button, int index) {
  PropButton* raw = button.get();
  if (index < 0 || static_cast<std::size_t>(index) >= buttons_.size())
    buttons_.push_back(std::move(button));
  else
    buttons_.insert(buttons_.begin() + index, std::move(button));
  if (!loading_) LayoutButtons();
  return raw;
}

std::unique_ptr<PropButton> Doc::RemoveButton(PropButton* button) {
  int i = IndexOf(button);
  if (i < 0) return nullptr;
  std::unique_ptr<PropButton> out = std::move(buttons_[static_cast<std::size_t>(i)]);
  buttons_.erase(buttons_.begin() + i);
  LayoutButtons();
  return out;
}

void Doc::MoveButton(PropButton* button, int index) {
  int i = IndexOf(button);
  if (i < 0) return;
  std::unique_ptr<PropButton> b = std::move(buttons_[static_cast<std::size_t>(i)]);
  buttons_.erase(buttons_.begin() + i);
  if (index < 0 || static_cast<std::size_t>(index) > buttons_.size())
    index = static_cast<int>(buttons_.size());
  buttons_.insert(buttons_.begin() + index, std::move(b));
  LayoutButtons();
}

void Doc::LayoutButtons() {
  PropProject* p = project_.get();
  if (!p) return;
  if (p->layout == PropProject::kLayoutColumn) {
    int32_t y = p->spacing;
    for (auto& b : buttons_) {
      b->x = p->spacing;
      b->y = y;
      b->width = p->buttonWidth;
      b->height = p->buttonHeight;
      y = WrapAdd(y, WrapAdd(p->buttonHeight, p->spacing));
    }
    p->projectWidth = WrapAdd(p->buttonWidth, WrapAdd(p->spacing, p->spacing));
    p->projectHeight = y;
  } else if (p->layout == PropProject::kLayoutRow) {
    int32_t x = p->spacing;
    for (auto& b : buttons_) {
      b->x = x;
      b->y = p->spacing;
      b->width = p->buttonWidth;
      b->height = p->buttonHeight;
      x = WrapAdd(x, WrapAdd(p->buttonWidth, p->spacing));
    }
    p->projectHeight = WrapAdd(p->buttonHeight, WrapAdd(p->spacing, p->spacing));
    p->projectWidth = x;
  }
}

void Doc::DeleteContents() {
  UpdateAllViews(kHintReset);
  // The steps name groups of the project that goes.
  history_.Clear();
  buttons_.clear();
  project_.reset();
  imageList.clear();
  audioList.clear();
  htmlPath.clear();
}

void Doc::NewContents() {
  buttonCounter = 1;
  project_ = std::make_unique<PropProject>(this);
  InsertButton(CreateButton());
}

bool Doc::OnNewDocument() {
  DeleteContents();
  SetPathName(std::string());
  NewContents();
  SetModifiedFlag(false);
  UpdateAllViews(kHintFilled);
  Notify({DocChange::Kind::Replaced});
  return true;
}

bool Doc::OnOpenDocument(const std::string& path) {
  safefile::FileBytes bytes;
  if (!safefile::ReadAll(path, bytes, kLargestProjectFile)) {
    platform().MessageBox(msg::kFailedToOpen, MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  return OpenOrStartAfresh(bytes, path);
}

bool Doc::OpenOrStartAfresh(safefile::FileBytes& bytes, const std::string& path) {
  try {
    return OpenFromBytes(bytes.view(), path);
  } catch (const std::bad_alloc&) {
    // Whatever was read so far goes; a fresh project takes its place.
    bytes = safefile::FileBytes();
    DeleteContents();
    loading_ = false;
    platform().MessageBox(msg::kFailedToOpen, MsgButtons::Ok, MsgIcon::Exclamation);
    OnNewDocument();
    return false;
  }
}

bool Doc::ReloadFromDisk() {
  const std::string path = pathName();
  if (path.empty() || !project_) return false;
  // Read whole before anything changes; a file that is no project is found
  // out on a document of its own, so that this one keeps what it holds.
  safefile::FileBytes bytes;
  std::string reason;
  if (!safefile::ReadAll(path, bytes, kLargestProjectFile)) {
    reason = errno == EINVAL  ? msg::kReloadNotRegular
             : errno == EFBIG ? msg::kReloadTooLarge
                              : std::strerror(errno);
  } else {
    Doc scratch(app());
    Archive ar(bytes.data.get(), bytes.size);
    try {
      scratch.KesDoc::Serialize(ar);
      scratch.ReadGroups(ar);
    } catch (const ArchiveError&) {
      reason = msg::kReloadNotProject;
    } catch (const std::bad_alloc&) {
      reason = std::strerror(ENOMEM);
    }
  }
  // Memory may still run out on the second reading: a new project, as Open does.
  if (reason.empty()) return OpenOrStartAfresh(bytes, path);
  // The file on disk is no longer this project: leaving asks to save it.
  history_.ForgetClean();
  SetModifiedFlag(true);
  Notify({DocChange::Kind::HistoryChanged});
  platform().MessageBox(msg::Format(msg::kReloadFailed, DisplayName(path), reason), MsgButtons::Ok,
                        MsgIcon::Exclamation);
  return false;
}

bool Doc::OpenFromBytes(std::string_view bytes, const std::string& path) {
  DeleteContents();
  Archive ar(bytes.data(), bytes.size());
  bool ok = true;
  try {
    Serialize(ar);
  } catch (const ArchiveError&) {
    ok = false;
  }
  loading_ = false;
  if (!ok) {
    // What was read so far goes before the message: nothing is shown or
    // generated of a half-read project, and a new one follows it.
    DeleteContents();
    platform().MessageBox(msg::kUnexpectedFormat, MsgButtons::Ok, MsgIcon::Exclamation);
    OnNewDocument();
    return false;
  }
  SetPathName(path);
  RememberDiskFile();
  SetModifiedFlag(false);
  UpdateAllViews(kHintFilled);
  Notify({DocChange::Kind::Replaced});
  return true;
}

void Doc::Serialize(Archive& ar) {
  if (ar.IsStoring()) {
    if (!project_) return;
    app().CommitPages();
    KesDoc::Serialize(ar);
    project_->Serialize(ar);
    ar.WriteInt(static_cast<int32_t>(buttons_.size()));
    for (auto& b : buttons_) b->Serialize(ar);
    return;
  }
  app().RefreshPages();
  KesDoc::Serialize(ar);
  ReadGroups(ar);
}

void Doc::ReadGroups(Archive& ar) {
  project_ = std::make_unique<PropProject>(this);
  project_->Serialize(ar);
  int32_t count = ar.ReadInt();
  loading_ = true;
  for (int32_t i = 0; i < count; ++i) {
    std::unique_ptr<PropButton> b = CreateButton();
    b->Serialize(ar);
    InsertButton(std::move(b));
  }
  loading_ = false;
  // Every inserted button lays the buttons out; a project without buttons
  // keeps the sizes it was saved with.
  if (count > 0) LayoutButtons();
}

std::string Doc::CopyGroup(KesProp& group) {
  Archive ar;
  group.Serialize(ar);
  return ar.TakeBytes();
}

bool Doc::PasteGroup(KesProp& target, const std::string& bytes) {
  const std::string backup = CopyGroup(target);
  const std::string keptName = target.name;
  bool whole = false;
  try {
    Archive ar(bytes.data(), bytes.size());
    target.Serialize(ar);
    // Bytes beyond the group are no copied group either.
    whole = ar.AtEnd();
  } catch (const ArchiveError&) {
  }
  if (!whole) {
    Archive restore(backup.data(), backup.size());
    target.Serialize(restore);
    target.name = keptName;
    return false;
  }
  target.name = keptName;
  return true;
}

namespace {
int Register(std::vector<std::string>& list, std::unordered_map<std::string, int>& index,
             const std::string& file) {
  if (index.size() != list.size()) {
    // The list was changed from outside: index it again.
    index.clear();
    for (std::size_t i = 0; i < list.size(); ++i) index.emplace(list[i], static_cast<int>(i));
    if (index.size() != list.size()) {
      for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i] == file) return static_cast<int>(i);
      list.push_back(file);
      return static_cast<int>(list.size() - 1);
    }
  }
  auto it = index.find(file);
  if (it != index.end()) return it->second;
  list.push_back(file);
  const int pos = static_cast<int>(list.size() - 1);
  index.emplace(file, pos);
  return pos;
}

std::size_t EstimateButtonScript(const PropButton& b);

// A file that a list numbers: not empty and not an address.
bool IsListedFile(const std::string& file, const std::string& driveRoot) {
  return !file.empty() && !IsAddress(file, driveRoot);
}
}  // namespace

int Doc::RegisterImage(const std::string& file) {
  if (OnSecondThread()) return Register(second_->images, second_->imageIndex, file);
  return Register(imageList, imageIndex_, file);
}

int Doc::RegisterAudio(const std::string& file) {
  if (OnSecondThread()) return Register(second_->audio, second_->audioIndex, file);
  return Register(audioList, audioIndex_, file);
}

bool Doc::OnSecondThread() const {
  return second_ && second_->thread.load(std::memory_order_relaxed) == std::this_thread::get_id();
}

void Doc::ListButtonResources(std::size_t first, std::size_t last) {
  // In script order: a state's audio file is named by the Default block
  // already, its image from its own block on; images and audio files have
  // lists of their own, so only the order within each list matters.
  const std::string root = DriveRoot();
  for (std::size_t b = first; b < last; ++b) {
    for (int i = 0; i < 3; ++i) {
      const PropState* st = buttons_[b]->state(i);
      if (!st) continue;
      if (IsListedFile(st->image->file, root)) RegisterImage(st->image->file);
      if (IsListedFile(st->audio->file, root)) RegisterAudio(st->audio->file);
    }
  }
}

namespace {
// An address is listed whole; a local file by its name and extension.
void AddReducedEntry(std::string& out, const std::string& entry, const std::string& driveRoot) {
  if (entry.empty() || IsAddress(entry, driveRoot))
    out += entry;
  else
    out += FileNameOf(entry);
}

std::string JoinList(const std::vector<std::string>& list, const std::string& driveRoot) {
  std::string out;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i) out.push_back('|');
    AddReducedEntry(out, list[i], driveRoot);
  }
  return out;
}

// The last escaping of the parameters: in the input file (form 1) every
// backslash is doubled; in a page (form 0) the value is an attribute's text,
// with "&", '"', "<" and ">" written as character references. No
// parameter's fixed text holds any of them, so a value escaped on its own
// comes out as the whole text escaped at once.
void AddParamEscaped(std::string& out, std::string_view value, ParamForm form) {
  if (form == ParamForm::Page) {
    KesDoc::AddAttributeText(out, value);
    return;
  }
  const char* const begin = value.data();
  const char* const end = begin + value.size();
  const char* from = begin;
  for (const char* at = begin; at < end; ++at) {
    at = static_cast<const char*>(std::memchr(at, '\\', static_cast<std::size_t>(end - at)));
    if (!at) break;
    out.append(from, static_cast<std::size_t>(at + 1 - from));
    from = at;  // the backslash is written again with the next run
  }
  out.append(from, static_cast<std::size_t>(end - from));
}

// A parameter whose value is wrapped as "+" value "+" (for a piece of the
// script) or taken as it is, escaped for its form.
void AddParam(std::string& out, ParamForm form, std::string_view name, std::size_t number,
              std::string_view value, bool wrap) {
  if (form == ParamForm::Page) {
    out += "<PARAM NAME=";
    out += name;
    AppendDecimal(out, static_cast<int64_t>(number));
    out += " VALUE=\"";
  } else {
    out += name;
    AppendDecimal(out, static_cast<int64_t>(number));
    out.push_back('=');
  }
  if (wrap) out.push_back('+');
  AddParamEscaped(out, value, form);
  if (wrap) out.push_back('+');
  out += form == ParamForm::Page ? "\">\r\n" : "\r\n";
}

// Cuts the script into Script0, Script1, ... of at most 198 characters while
// it is generated, so that the whole script is never held twice; with a
// sink, the parameters written so far go to it in pieces of about
// Doc::kSinkPiece bytes.
class ScriptPieces {
 public:
  static constexpr std::size_t kPiece = 198;
  ScriptPieces(std::string& out, ParamForm form, const Doc::Sink* sink)
      : out_(out), form_(form), sink_(sink) {
    script_.reserve(kPiece * 32);
  }
  // The generators append here; Flush takes the complete pieces away.
  std::string& script() { return script_; }
  bool Flush() {
    std::size_t pos = 0;
    while (script_.size() - pos >= kPiece) {
      Add(std::string_view(script_).substr(pos, kPiece));
      pos += kPiece;
    }
    script_.erase(0, pos);
    return Drain();
  }
  // Script generated elsewhere that follows script(): its complete pieces
  // are taken straight from it.
  bool Feed(std::string_view text) {
    if (!script_.empty()) {
      const std::size_t take = std::min(kPiece - script_.size(), text.size());
      script_.append(text.data(), take);
      text.remove_prefix(take);
      if (script_.size() < kPiece) return true;
      Add(script_);
      script_.clear();
    }
    for (; text.size() >= kPiece; text.remove_prefix(kPiece)) {
      Add(text.substr(0, kPiece));
      if (!Drain()) return false;
    }
    script_.assign(text.data(), text.size());
    return Drain();
  }
  // The last, shorter piece.
  void Finish() {
    Flush();
    if (!script_.empty()) Add(script_);
    script_.clear();
  }

 private:
  void Add(std::string_view piece) { AddParam(out_, form_, "Script", number_++, piece, true); }
  bool Drain() {
    if (!sink_ || out_.size() < Doc::kSinkPiece) return true;
    if (!(*sink_)(out_)) return false;
    out_.clear();
    return true;
  }

  std::string& out_;
  ParamForm form_;
  const Doc::Sink* sink_;
  std::string script_;
  std::size_t number_ = 0;
};

// Fixed text per button and state, plus every text the user typed, which
// may appear more than once.
std::size_t EstimateButtonScript(const PropButton& b) {
  std::size_t size = 640 + 2 * b.name.size() + b.tip.size() + b.status.size() + b.url.size() +
                     b.target.size() + b.leaveScript.size();
  for (int i = 0; i < 3; ++i) {
    const PropState* st = b.state(i);
    if (!st) continue;
    size += st->text->text.size() + st->text->font.size() + st->image->file.size() +
            st->audio->file.size() + st->advanced->script.size();
  }
  return size;
}
}  // namespace

std::size_t Doc::EstimatePageSize() const {
  constexpr std::size_t kPageFrame = 4096;
  if (!project_) return kPageFrame;
  std::size_t size = kPageFrame + project_->beforeScript.size() + project_->afterScript.size();
  for (const auto& b : buttons_) size += EstimateButtonScript(*b);
  return size + size / 4;
}

std::string Doc::BuildParams(ParamForm form, const std::string& prefixScript) {
  std::string out;
  AddParams(out, form, prefixScript);
  return out;
}

bool Doc::WriteParams(ParamForm form, const Sink& sink) {
  std::string out;
  out.reserve(kSinkPiece + kSinkPiece / 4);
  return AddParams(out, form, std::string(), &sink) && sink(out);
}

bool Doc::AddButtonScripts(std::string& script, bool tok, std::size_t first, std::size_t last,
                           const std::function<bool()>& flush) {
  // One reference state for the Default blocks of the whole run.
  PropState scratch(nullptr, "Default");
  scratch.CreateGroups();
  ScriptParts* parts = OnSecondThread() ? nullptr : scriptParts;
  for (std::size_t i = first; i < last; ++i) {
    const std::size_t before = script.size();
    buttons_[i]->AddScript(script, tok, &scratch);
    if (parts) parts->buttons.push_back(script.substr(before));
    if (flush && !flush()) return false;
  }
  return true;
}

bool Doc::AddParams(std::string& out, ParamForm form, const std::string& prefixScript,
                    const Sink* sink) {
  imageList.clear();
  audioList.clear();
  imageIndex_.clear();
  audioIndex_.clear();
  // Without a project there is nothing to generate.
  if (!project_) return false;
  // A page built whole has reserved its buffer already.
  if (!sink && out.empty()) out.reserve(EstimatePageSize());
  const bool tok = project_->tokenize;
  ScriptPieces pieces(out, form, sink);
  std::string& script = pieces.script();
  script += prefixScript;
  project_->AddScript(script, tok);
  if (scriptParts) {
    scriptParts->head = script;
    scriptParts->buttons.clear();
  }
  if (!pieces.Flush()) return false;

  // The later buttons go to a second thread, which writes their script into
  // `tail` while this thread generates the earlier ones and cuts them into
  // parameters. The second thread numbers files in lists of its own, which
  // begin with the files the earlier buttons will list; if those turn out to
  // be the lists this thread made, its script is the one a single thread
  // would have written, else this thread writes it again.
  const std::size_t count = buttons_.size();
  std::size_t split = count;
  secondThreadButtons_ = 0;
  std::string tail;
  std::thread worker;
  std::exception_ptr workerFailure;
  std::size_t firstImages = 0, firstAudio = 0;
  if (count >= parallelFrom && std::thread::hardware_concurrency() > 1) {
    split = count * kFirstThreadShare / 100;
    // A sample of the later buttons guesses the size of their script; the
    // buffer is taken here, where the prepared memory is.
    std::size_t sampled = 0;
    for (std::size_t i = split; i < count; i += kSizeSampleStep)
      sampled += EstimateButtonScript(*buttons_[i]);
    tail.reserve(sampled * kSizeSampleStep + sampled * kSizeSampleStep / 4);
    second_ = std::make_unique<SecondLists>();
    second_->images = imageList;
    second_->audio = audioList;
    second_->imageIndex = imageIndex_;
    second_->audioIndex = audioIndex_;
    try {
      worker =
          std::thread([this, &tail, &workerFailure, &firstImages, &firstAudio, tok, split, count] {
            second_->thread.store(std::this_thread::get_id(), std::memory_order_relaxed);
            try {
              ListButtonResources(0, split);
              firstImages = second_->images.size();
              firstAudio = second_->audio.size();
              AddButtonScripts(tail, tok, split, count, nullptr);
            } catch (...) {
              workerFailure = std::current_exception();
            }
          });
    } catch (const std::system_error&) {
      // No second thread to be had: this one does it all.
      second_.reset();
      split = count;
    }
  }
  bool ok = true;
  std::exception_ptr failure;
  try {
    ok = AddButtonScripts(script, tok, 0, split, [&pieces] { return pieces.Flush(); });
  } catch (...) {
    failure = std::current_exception();
  }
  if (worker.joinable()) worker.join();
  std::unique_ptr<SecondLists> second = std::move(second_);
  if (!failure) failure = workerFailure;
  if (failure) std::rethrow_exception(failure);
  if (!ok) return false;
  if (second) {
    const auto begins = [](const std::vector<std::string>& whole, std::size_t n,
                           const std::vector<std::string>& start) {
      return n == start.size() && std::equal(start.begin(), start.end(), whole.begin());
    };
    if (begins(second->images, firstImages, imageList) &&
        begins(second->audio, firstAudio, audioList)) {
      imageList = std::move(second->images);
      audioList = std::move(second->audio);
      imageIndex_ = std::move(second->imageIndex);
      audioIndex_ = std::move(second->audioIndex);
      secondThreadButtons_ = count - split;
      if (!pieces.Feed(tail)) return false;
    } else if (!AddButtonScripts(script, tok, split, count, [&pieces] { return pieces.Flush(); })) {
      return false;
    }
  }
  std::string().swap(tail);

  if (!project_->afterScript.empty())
    AppendReplacingChars(script, project_->afterScript, kLineBreakChars, ' ');
  pieces.Finish();

  // A list whose entries all reduce to nothing is left out like an empty one.
  const std::string root = DriveRoot();
  if (!imageList.empty())
    if (const std::string v = JoinList(imageList, root); !v.empty())
      AddParam(out, form, "Images", 0, v, false);
  if (!audioList.empty())
    if (const std::string v = JoinList(audioList, root); !v.empty())
      AddParam(out, form, "Audio", 0, v, false);
  return true;
}

bool Doc::NeedsRuntime() const {
  return !project_ || buttons_html::NeedsRuntime(*project_, buttons_);
}

std::string Doc::BuildHtml(PageMode mode) {
  std::string h;
  BuildHtmlInto(h, mode, nullptr);
  return h;
}

bool Doc::WriteHtml(PageMode mode, const Sink& sink) {
  std::string h;
  h.reserve(kSinkPiece + kSinkPiece / 4);
  return BuildHtmlInto(h, mode, &sink) && sink(h);
}

bool Doc::BuildHtmlInto(std::string& h, PageMode mode, const Sink* sink) {
  if (!project_) return false;
  WaitCursor wait(platform());
  LayoutButtons();
  const PropProject& p = *project_;
  const AppSettings& set = app().settings();
  const std::string internal = version::kInternalName;
  if (!sink) h.reserve(h.size() + EstimatePageSize() + set.nonJavaMessage.size());
  // A page with the runtime is a page of today: standards mode, its
  // language, its bytes' encoding, a title and a width for phones.
  const bool modern = WantsRuntime();
  const bool runtime = CarriesRuntime();
  // Today's page carries the buttons as HTML: their style sheet in the head
  // (before the applet in a segment), their elements in the applet.
  std::unique_ptr<buttons_html::Page> buttonsPage;
  if (modern) buttonsPage = std::make_unique<buttons_html::Page>(p, buttons_, DriveRoot(), runtime);
  if (mode != PageMode::Segment && modern) {
    h += "<!DOCTYPE html>\r\n<HTML LANG=\"";
    AddAttributeText(h, set.pageLanguage);
    h += "\">\r\n<HEAD>\r\n<META CHARSET=\"windows-1252\">\r\n"
         "<META NAME=\"viewport\" CONTENT=\"width=device-width, initial-scale=1\">\r\n<TITLE>";
    if (mode == PageMode::Preview) {
      h += version::kProductName;
      h += " Preview";
    } else {
      AddAttributeText(h, p.identifier);
    }
    h += "</TITLE>\r\n";
    buttonsPage->AddDescription(h);
    buttonsPage->AddStyle(h);
    h += "</HEAD>\r\n";
    h += "<BODY TEXT=\"#FFFFFF\" BGCOLOR=\"#000000\" LINK=\"#C0C0C0\" VLINK=\"#666666\" "
         "ALINK=\"#999999\">\r\n";
  } else if (mode != PageMode::Segment) {
    h += "<HTML>\r\n";
    if (mode == PageMode::Preview) {
      h += "<TITLE>";
      h += version::kProductName;
      h += " Preview</TITLE>\r\n";
    }
    h += "<BODY TEXT=\"#FFFFFF\" BGCOLOR=\"#000000\" LINK=\"#C0C0C0\" VLINK=\"#666666\" "
         "ALINK=\"#999999\">\r\n";
  }
  if (mode == PageMode::Preview) h += "\r\n\r\n<CENTER>";
  h += "<!-- This applet was created by ";
  h += version::kProductName;
  h += " Version ";
  h += version::kProductVersion;
  h += " ";
  h += version::kCopyrightNotice;
  h += " -->\r\n";
  if (mode == PageMode::Segment && modern) buttonsPage->AddStyle(h);
  if (modern && !runtime) {
    // Without the runtime nothing reads the applet's parameters: the page is
    // its style sheet and its buttons alone. The parameters are still made,
    // aside, for the lists of images and sounds that publishing places.
    std::string aside;
    if (!AddAppletElement(aside, mode, nullptr, nullptr)) return false;
    buttonsPage->AddElements(h);
  } else if (!AddAppletElement(h, mode, modern ? buttonsPage.get() : nullptr, sink)) {
    return false;
  }
  if (runtime) {
    h += kRuntimeLine;
    h += "\r\n";
  }
  if (mode == PageMode::Preview) h += "</CENTER>\r\n";
  if (mode != PageMode::Segment) h += "</BODY>\r\n</HTML>\r\n";
  return true;
}

bool Doc::AddAppletElement(std::string& h, PageMode mode, const buttons_html::Page* buttonsPage,
                           const Sink* sink) {
  const PropProject& p = *project_;
  const AppSettings& set = app().settings();
  const std::string internal = version::kInternalName;
  h += "<APPLET CODE=";
  h += internal;
  if (!p.codeBase.empty() && mode != PageMode::Preview) {
    h += " CODEBASE=\"";
    AddAttributeText(h, p.codeBase);
    h += "\"";
  } else {
    h += ".class";
  }
  h += " ARCHIVE=";
  h += internal;
  h += ".jar WIDTH=";
  AppendDecimal(h, p.projectWidth);
  h += " HEIGHT=";
  AppendDecimal(h, p.projectHeight);
  h += " MAYSCRIPT>\r\n";
  h += WriteStringParam(ParamForm::Page, "cabbase", internal + ".cab", "", false);
  h += WriteStringParam(ParamForm::Page, "name", p.identifier, "", false);
  h += WriteStringParam(ParamForm::Page, "Copyright", version::kCopyrightNotice, "", false);

  const bool tok = p.tokenize;
  const std::string set_ = Tok("Set", tok);
  std::string config;
  // Names that differ from their defaults; the script numbers them from 0.
  auto assign = [&](const char* what, std::size_t i, const std::string& name, const char* def) {
    if (name == def) return;
    config += set_ + " " + what + std::to_string(i) + "='";
    KesProp::AddEscaped(config, name);
    config += "'; ";
  };
  for (std::size_t i = 0; i < set.days.size(); ++i)
    assign("Day", i, set.days[i], AppSettings::kDefaultDays[i]);
  for (std::size_t i = 0; i < set.months.size(); ++i)
    assign("Month", i, set.months[i], AppSettings::kDefaultMonths[i]);
  // The meridiem texts are named by their default words.
  for (std::size_t i = 0; i < set.meridiem.size(); ++i)
    if (set.meridiem[i] != AppSettings::kDefaultMeridiem[i]) {
      config += set_ + " " + AppSettings::kDefaultMeridiem[i] + "='";
      KesProp::AddEscaped(config, set.meridiem[i]);
      config += "'; ";
    }

  if (p.readFromFile == 0) {
    if (!AddParams(h, ParamForm::Page, config, sink)) return false;
  } else {
    const std::string read = Tok("Read", tok);
    const std::string input = KesProp::EscapeScript(p.inputFile);
    config += read + " '" + input + "' true; ";
    if (p.reloadInterval >= 1) {
      const std::string timer = Tok("Timer", tok);
      const std::string ms = std::to_string(WrapMul(p.reloadInterval, 1000));
      config += timer + " 0 " + ms + "; " + set_ + " Timer0={" + read + " '" + input + "' true; " +
                timer + " 0 " + ms + "}; ";
    }
    h += WriteStringParam(ParamForm::Page, "Script0", config, "", false);
  }
  if (buttonsPage) {
    // The buttons themselves, working before and without any script: nobody
    // sees the Java message.
    buttonsPage->AddElements(h);
  } else if (!set.nonJavaMessage.empty()) {
    h += "<BLOCKQUOTE>\r\n<HR>\r\n";
    h += set.nonJavaMessage;
    h += "\r\n<HR>\r\n</BLOCKQUOTE>\r\n";
  }
  h += "</APPLET>\r\n";
  return true;
}

bool Doc::GetResourceFiles(std::vector<std::string>& list, std::vector<GateKind>& expected) {
  if (!project_) return false;
  const auto add = [&](std::string file, GateKind kind) {
    list.push_back(std::move(file));
    expected.push_back(kind);
  };
  const std::string programDir = platform().ProgramDir();
  const std::string internal = version::kInternalName;
  add(programDir + internal + ".class", GateKind::Program);
  add(programDir + internal + ".jar", GateKind::Program);
  add(programDir + internal + ".cab", GateKind::Program);
  add(programDir + "VelkoJfc2.class", GateKind::Program);
  if (CarriesRuntime()) add(programDir + kRuntimeFile, GateKind::Program);
  const std::string root = DriveRoot();
  if (generateInput == 1 && !IsAddress(inputFilePath, root))
    add(OsFromStored(inputFilePath), GateKind::InputFile);

  // Relative paths are read against the project file's folder (or the
  // current folder for a project never saved); the process's current
  // directory is left alone.
  std::error_code ec;
  fs::path base = pathName().empty() ? fs::path() : FsPath(pathName()).parent_path();
  if (base.empty() || base.is_relative()) base = fs::current_path(ec) / base;
  // The names are text the project stores; the list holds the files they reach.
  auto absolute = [&](const std::string& entry) {
    const std::string file = OsFromStored(entry);
    if (IsAbsolutePath(entry)) return file;
    return EnginePath((base / FsPath(file)).lexically_normal());
  };
  for (const auto& e : imageList)
    if (!IsAddress(e, root)) add(absolute(e), GateKind::Image);
  for (const auto& e : audioList)
    if (!IsAddress(e, root)) add(absolute(e), GateKind::Sound);
  // Font files the captions name go beside the page like images.
  std::vector<std::string> fonts;
  for (const auto& b : buttons_)
    for (int s = 0; s < 3; ++s) {
      const std::string& font = b->state(s)->text->font;
      if (IsFontFile(font) && !IsAddress(font, root) &&
          std::find(fonts.begin(), fonts.end(), font) == fonts.end())
        fonts.push_back(font);
    }
  for (const auto& f : fonts) add(absolute(f), GateKind::Font);
  return true;
}

// ---------------------------------------------------------------------------
// The one road of edits

namespace {

// A button put in or taken out: the button's bytes and where it stands, and
// the button counter before and after, so that names come out as they did.
class ButtonStep : public EditStep {
 public:
  ButtonStep(std::string name, bool inserted, int index, std::string bytes, int32_t counterBefore,
             int32_t counterAfter)
      : EditStep(std::move(name)),
        inserted_(inserted),
        index_(index),
        bytes_(std::move(bytes)),
        counterBefore_(counterBefore),
        counterAfter_(counterAfter) {}
  void Undo(Doc& doc) override {
    Apply(doc, !inserted_);
    doc.buttonCounter = counterBefore_;
  }
  void Redo(Doc& doc) override {
    Apply(doc, inserted_);
    doc.buttonCounter = counterAfter_;
  }
  std::size_t Bytes() const override { return sizeof(*this) + bytes_.capacity(); }

 private:
  void Apply(Doc& doc, bool insert) const {
    if (insert)
      doc.PutButton(index_, bytes_);
    else
      doc.TakeButton(index_);
  }
  bool inserted_;
  int index_;
  std::string bytes_;
  int32_t counterBefore_, counterAfter_;
};

class MoveStep : public EditStep {
 public:
  MoveStep(int from, int to) : EditStep("Move Button"), from_(from), to_(to) {}
  void Undo(Doc& doc) override { doc.PlaceButton(to_, from_); }
  void Redo(Doc& doc) override { doc.PlaceButton(from_, to_); }
  std::size_t Bytes() const override { return sizeof(*this); }

 private:
  int from_, to_;
};

// One or more groups with their values before and after.
class GroupStep : public EditStep {
 public:
  struct Change {
    GroupPath path;
    std::string before, after;
    // Kept only when the change moved buttons the layout cannot put back.
    Doc::Geometry geometryBefore, geometryAfter;
  };
  GroupStep(std::string name, std::vector<Change> changes)
      : EditStep(std::move(name)), changes_(std::move(changes)) {}
  void Undo(Doc& doc) override {
    for (auto c = changes_.rbegin(); c != changes_.rend(); ++c)
      doc.RestoreGroup(c->path, c->before, &c->geometryBefore);
  }
  void Redo(Doc& doc) override {
    for (const Change& c : changes_) doc.RestoreGroup(c.path, c.after, &c.geometryAfter);
  }
  std::size_t Bytes() const override {
    std::size_t n = sizeof(*this) + changes_.capacity() * sizeof(Change);
    for (const Change& c : changes_)
      n += c.before.capacity() + c.after.capacity() +
           (c.geometryBefore.capacity() + c.geometryAfter.capacity()) * sizeof(int32_t);
    return n;
  }

 private:
  std::vector<Change> changes_;
};

// Fields of several groups with their values before and after.
class FieldStep : public EditStep {
 public:
  FieldStep(std::string name, std::vector<GroupEdit> edits, Doc::Geometry before,
            Doc::Geometry after)
      : EditStep(std::move(name)),
        edits_(std::move(edits)),
        geometryBefore_(std::move(before)),
        geometryAfter_(std::move(after)) {}
  void Undo(Doc& doc) override { doc.SetFields(edits_, true, &geometryBefore_); }
  void Redo(Doc& doc) override { doc.SetFields(edits_, false, &geometryAfter_); }
  std::size_t Bytes() const override {
    std::size_t n = sizeof(*this) + edits_.capacity() * sizeof(GroupEdit) +
                    (geometryBefore_.capacity() + geometryAfter_.capacity()) * sizeof(int32_t);
    for (const GroupEdit& e : edits_) {
      n += e.fields.capacity() * sizeof(FieldEdit);
      for (const FieldEdit& f : e.fields)
        if (const auto* a = std::get_if<std::string>(&f.after))
          n += a->capacity() + std::get<std::string>(f.before).capacity();
    }
    return n;
  }

 private:
  std::vector<GroupEdit> edits_;
  Doc::Geometry geometryBefore_, geometryAfter_;
};

// The fields of each kind of group that carry what a button says or does
// rather than how it looks: Paste Style leaves them.
bool IsContentField(PropClass kind, std::string_view field) {
  switch (kind) {
    case PropClass::Button:
      return field == "name" || field == "url" || field == "target" || field == "tip" ||
             field == "status" || field == "leaveScript" || field == "x" || field == "y";
    case PropClass::State:
      return field == "name";
    case PropClass::Text:
      return field == "text";
    case PropClass::Advanced:
      return field == "script";
    default:
      return false;
  }
}

constexpr PropClass kStateGroupKinds[] = {PropClass::State, PropClass::Text,  PropClass::Border,
                                          PropClass::Audio, PropClass::Image, PropClass::Advanced};

// Steps made together, undone together.
class StepList : public EditStep {
 public:
  StepList(std::string name, std::vector<std::unique_ptr<EditStep>> steps)
      : EditStep(std::move(name)), steps_(std::move(steps)) {}
  void Undo(Doc& doc) override {
    for (auto s = steps_.rbegin(); s != steps_.rend(); ++s) (*s)->Undo(doc);
  }
  void Redo(Doc& doc) override {
    for (auto& s : steps_) s->Redo(doc);
  }
  std::size_t Bytes() const override {
    std::size_t n = sizeof(*this);
    for (const auto& s : steps_) n += s->Bytes();
    return n;
  }

 private:
  std::vector<std::unique_ptr<EditStep>> steps_;
};

KesProp* StateGroup(PropState* state, PropClass kind) {
  switch (kind) {
    case PropClass::State:
      return state;
    case PropClass::Text:
      return state->text.get();
    case PropClass::Border:
      return state->border.get();
    case PropClass::Audio:
      return state->audio.get();
    case PropClass::Image:
      return state->image.get();
    case PropClass::Advanced:
      return state->advanced.get();
    default:
      return nullptr;
  }
}

}  // namespace

void Doc::AddListener(DocListener* listener) {
  if (std::find(listeners_.begin(), listeners_.end(), listener) == listeners_.end())
    listeners_.push_back(listener);
}

void Doc::RemoveListener(DocListener* listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void Doc::Notify(const DocChange& change) {
  // A listener may add or remove listeners while it is told; walk a copy.
  const std::vector<DocListener*> listeners = listeners_;
  for (DocListener* l : listeners)
    if (std::find(listeners_.begin(), listeners_.end(), l) != listeners_.end())
      l->OnDocChanged(change);
}

void Doc::OnModifiedChanged() {
  Notify({DocChange::Kind::ModifiedChanged});
}

void Doc::MarkSaved() {
  history_.MarkClean();
  SetModifiedFlag(false);
}

void Doc::MarkUnsaved() {
  history_.ForgetClean();
  SetModifiedFlag(true);
}

void Doc::Push(std::unique_ptr<EditStep> step) {
  if (collecting_) {
    collecting_->push_back(std::move(step));
    return;
  }
  history_.Push(std::move(step));
  SetModifiedFlag(!history_.IsClean());
  Notify({DocChange::Kind::HistoryChanged});
}

bool Doc::Undo() {
  if (!history_.CanUndo()) return false;
  history_.Undo(*this);
  SetModifiedFlag(!history_.IsClean());
  Notify({DocChange::Kind::HistoryChanged});
  return true;
}

bool Doc::Redo() {
  if (!history_.CanRedo()) return false;
  history_.Redo(*this);
  SetModifiedFlag(!history_.IsClean());
  Notify({DocChange::Kind::HistoryChanged});
  return true;
}

GroupPath Doc::PathOf(const KesProp* group) const {
  GroupPath path;
  if (group && group == project_.get()) return path;
  path.kind = PropClass::None;
  if (!group) return path;
  path.kind = group->GetClass();
  for (std::size_t b = 0; b < buttons_.size(); ++b) {
    PropButton* button = buttons_[b].get();
    path.button = static_cast<int>(b);
    if (group == button) return path;
    if (path.kind == PropClass::Button || path.kind == PropClass::Project) continue;
    for (int s = 0; s < 3; ++s) {
      if (StateGroup(button->state(s), path.kind) == group) {
        path.state = s;
        return path;
      }
    }
  }
  return GroupPath{GroupPath::kProject, GroupPath::kNoState, PropClass::None};
}

KesProp* Doc::GroupAt(const GroupPath& path) const {
  if (path.kind == PropClass::None) return nullptr;
  if (path.kind == PropClass::Project) return project_.get();
  if (path.button < 0 || static_cast<std::size_t>(path.button) >= buttons_.size()) return nullptr;
  PropButton* button = buttons_[static_cast<std::size_t>(path.button)].get();
  if (path.kind == PropClass::Button) return button;
  if (path.state < 0 || path.state > 2) return nullptr;
  return StateGroup(button->state(path.state), path.kind);
}

Doc::Geometry Doc::CaptureGeometry() const {
  Geometry g;
  if (!project_) return g;
  g.reserve(buttons_.size() * 4 + 2);
  for (const auto& b : buttons_) g.insert(g.end(), {b->x, b->y, b->width, b->height});
  g.push_back(project_->projectWidth);
  g.push_back(project_->projectHeight);
  return g;
}

bool Doc::RestoreGeometry(const Geometry* geometry) {
  if (!geometry || geometry->size() != buttons_.size() * 4 + 2 || !project_) return false;
  std::size_t i = 0;
  for (auto& b : buttons_) {
    b->x = (*geometry)[i++];
    b->y = (*geometry)[i++];
    b->width = (*geometry)[i++];
    b->height = (*geometry)[i++];
  }
  project_->projectWidth = (*geometry)[i++];
  project_->projectHeight = (*geometry)[i];
  return true;
}

void Doc::RestoreGroup(const GroupPath& path, const std::string& bytes, const Geometry* geometry) {
  KesProp* group = GroupAt(path);
  if (!group) return;
  Archive ar(bytes.data(), bytes.size());
  group->Serialize(ar);
  if (path.kind == PropClass::Project || path.kind == PropClass::Button) {
    if (!RestoreGeometry(geometry)) LayoutButtons();
    Notify({DocChange::Kind::GroupChanged, -1, -1, path});
    Notify({DocChange::Kind::LayoutChanged});
    return;
  }
  Notify({DocChange::Kind::GroupChanged, -1, -1, path});
}

void Doc::PutButton(int index, const std::string& bytes) {
  // Made anew from its bytes: the button counter names nobody.
  const int32_t counter = buttonCounter;
  std::unique_ptr<PropButton> button = CreateButton();
  buttonCounter = counter;
  Archive ar(bytes.data(), bytes.size());
  button->Serialize(ar);
  const int at = std::min<int>(index, static_cast<int>(buttons_.size()));
  InsertButton(std::move(button), at);
  Notify({DocChange::Kind::ButtonInserted, at});
  Notify({DocChange::Kind::LayoutChanged});
}

void Doc::TakeButton(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= buttons_.size()) return;
  // The listeners let go of the button's groups (their pages store what
  // they hold) while the button is still in its place.
  Notify({DocChange::Kind::ButtonRemoved, index});
  PropButton* button = buttons_[static_cast<std::size_t>(index)].get();
  RemoveButton(button);
  Notify({DocChange::Kind::LayoutChanged});
}

void Doc::PlaceButton(int from, int to) {
  if (from < 0 || static_cast<std::size_t>(from) >= buttons_.size()) return;
  MoveButton(buttons_[static_cast<std::size_t>(from)].get(), to);
  Notify({DocChange::Kind::ButtonMoved, from, to});
  Notify({DocChange::Kind::LayoutChanged});
}

PropButton* Doc::AddNewButton(int index) {
  if (!project_) return nullptr;
  const int at = index < 0 || static_cast<std::size_t>(index) > buttons_.size()
                     ? static_cast<int>(buttons_.size())
                     : index;
  const int32_t counter = buttonCounter;
  PropButton* button = InsertButton(CreateButton(), at);
  Push(std::make_unique<ButtonStep>("New Button", true, at, CopyGroup(*button), counter,
                                    buttonCounter));
  Notify({DocChange::Kind::ButtonInserted, at});
  Notify({DocChange::Kind::LayoutChanged});
  return button;
}

bool Doc::DeleteButtonAt(int index, const std::string& verb) {
  if (index < 0 || static_cast<std::size_t>(index) >= buttons_.size()) return false;
  PropButton* button = buttons_[static_cast<std::size_t>(index)].get();
  std::string name = verb + " Button '" + button->name + "'";
  Push(std::make_unique<ButtonStep>(std::move(name), false, index, CopyGroup(*button),
                                    buttonCounter, buttonCounter));
  TakeButton(index);
  return true;
}

bool Doc::MoveButtonTo(int from, int to) {
  const int count = static_cast<int>(buttons_.size());
  if (from < 0 || from >= count || to < 0 || to >= count || from == to) return false;
  PlaceButton(from, to);
  Push(std::make_unique<MoveStep>(from, to));
  return true;
}

PropButton* Doc::DuplicateButtonAt(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= buttons_.size()) return nullptr;
  const std::string source = CopyGroup(*buttons_[static_cast<std::size_t>(index)]);
  const int32_t counter = buttonCounter;
  PropButton* button = InsertButton(CreateButton(), -1);
  // Every property of the copied button but its name.
  PasteGroup(*button, source);
  LayoutButtons();
  const int at = static_cast<int>(buttons_.size()) - 1;
  Push(std::make_unique<ButtonStep>("Duplicate Button", true, at, CopyGroup(*button), counter,
                                    buttonCounter));
  Notify({DocChange::Kind::ButtonInserted, at});
  Notify({DocChange::Kind::LayoutChanged});
  return button;
}

bool Doc::PasteGroupAt(const GroupPath& path, const std::string& bytes) {
  KesProp* group = GroupAt(path);
  if (!group) return false;
  const std::string before = CopyGroup(*group);
  const Geometry geometry = CaptureGeometry();
  if (!PasteGroup(*group, bytes)) return false;
  if (CopyGroup(*group) == before) return false;
  return RecordGroupEdit(path, before, "Paste", &geometry);
}

bool Doc::PlaceButtonAt(int index, int32_t x, int32_t y) {
  if (index < 0 || static_cast<std::size_t>(index) >= buttons_.size() || !project_ ||
      project_->layout != PropProject::kLayoutFree)
    return false;
  PropButton& button = *buttons_[static_cast<std::size_t>(index)];
  const std::vector<FieldValue> before = FieldValues(button);
  button.x = x;
  button.y = y;
  return RecordFieldEdit(PathOf(&button), before, "Move Button");
}

bool Doc::RecordGroupEdit(const GroupPath& path, const std::string& before, const std::string& name,
                          const Geometry* geometryBefore) {
  KesProp* group = GroupAt(path);
  if (!group) return false;
  const bool placing = path.kind == PropClass::Project || path.kind == PropClass::Button;
  if (placing) LayoutButtons();
  std::string after = CopyGroup(*group);
  if (after == before) return false;
  GroupStep::Change change{path, before, std::move(after), {}, {}};
  if (geometryBefore) {
    Geometry now = CaptureGeometry();
    if (now != *geometryBefore) {
      change.geometryBefore = *geometryBefore;
      change.geometryAfter = std::move(now);
    }
  }
  std::vector<GroupStep::Change> changes;
  changes.push_back(std::move(change));
  Push(std::make_unique<GroupStep>(name, std::move(changes)));
  Notify({DocChange::Kind::GroupChanged, -1, -1, path});
  if (path.kind == PropClass::Project || path.kind == PropClass::Button)
    Notify({DocChange::Kind::LayoutChanged});
  return true;
}

bool Doc::CopyToOtherStates(const GroupPath& path) {
  return CopyToOtherStates(std::vector<GroupPath>{path});
}

bool Doc::Together(const std::string& name, const std::function<void()>& body) {
  collecting_ = std::make_unique<std::vector<std::unique_ptr<EditStep>>>();
  body();
  std::vector<std::unique_ptr<EditStep>> steps = std::move(*collecting_);
  collecting_.reset();
  if (steps.empty()) return false;
  if (steps.size() == 1 && steps.front()->name() == name) {
    Push(std::move(steps.front()));
    return true;
  }
  Push(std::make_unique<StepList>(name, std::move(steps)));
  return true;
}

namespace {
bool SortedInRange(std::vector<int>& indices, std::size_t count) {
  std::sort(indices.begin(), indices.end());
  indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
  return !indices.empty() && indices.front() >= 0 &&
         static_cast<std::size_t>(indices.back()) < count;
}
}  // namespace

bool Doc::DeleteButtonsAt(std::vector<int> indices, const std::string& verb) {
  if (!SortedInRange(indices, buttons_.size())) return false;
  if (indices.size() == 1) return DeleteButtonAt(indices.front(), verb);
  const std::string name = verb + " " + std::to_string(indices.size()) + " Buttons";
  return Together(name, [&] {
    for (auto i = indices.rbegin(); i != indices.rend(); ++i) DeleteButtonAt(*i, verb);
  });
}

bool Doc::MoveButtonsBy(std::vector<int> indices, int delta) {
  if (!SortedInRange(indices, buttons_.size()) || (delta != -1 && delta != 1)) return false;
  if ((delta < 0 && indices.front() == 0) ||
      (delta > 0 && static_cast<std::size_t>(indices.back()) + 1 >= buttons_.size()))
    return false;
  return Together("Move Button", [&] {
    if (delta < 0)
      for (int i : indices) MoveButtonTo(i, i - 1);
    else
      for (auto i = indices.rbegin(); i != indices.rend(); ++i) MoveButtonTo(*i, *i + 1);
  });
}

bool Doc::DuplicateButtonsAt(std::vector<int> indices) {
  if (!SortedInRange(indices, buttons_.size())) return false;
  return Together(indices.size() == 1 ? "Duplicate Button" : "Duplicate Buttons", [&] {
    for (int i : indices) DuplicateButtonAt(i);
  });
}

bool Doc::PasteGroupsAt(const std::vector<GroupPath>& paths,
                        const std::vector<std::string>& bytes) {
  if (paths.empty() || bytes.empty()) return false;
  if (paths.size() == 1) return PasteGroupAt(paths.front(), bytes.front());
  const bool paired = bytes.size() == paths.size();
  return Together("Paste", [&] {
    for (std::size_t i = 0; i < paths.size(); ++i) PasteGroupAt(paths[i], bytes[paired ? i : 0]);
  });
}

std::string Doc::JoinGroups(const std::vector<std::string>& groups) {
  std::string list;
  for (const std::string& g : groups) list += std::to_string(g.size()) + "\n" + g;
  return list;
}

std::vector<std::string> Doc::SplitGroups(const std::string& list) {
  constexpr std::size_t kLongestLength = 12;
  std::vector<std::string> groups;
  std::size_t at = 0;
  while (at < list.size()) {
    const std::size_t eol = list.find('\n', at);
    if (eol == std::string::npos || eol == at || eol - at > kLongestLength) return {};
    std::size_t size = 0;
    for (std::size_t i = at; i < eol; ++i) {
      if (list[i] < '0' || list[i] > '9') return {};
      size = size * 10 + static_cast<std::size_t>(list[i] - '0');
    }
    if (size > list.size() - eol - 1) return {};
    groups.push_back(list.substr(eol + 1, size));
    at = eol + 1 + size;
  }
  return groups;
}

bool Doc::ReadsAsGroup(PropClass kind, const std::string& bytes) {
  if (kind == PropClass::Project) {
    PropProject scratch(this);
    return PasteGroup(scratch, bytes);
  }
  const int32_t counter = buttonCounter;
  std::unique_ptr<PropButton> spare = CreateButton();
  buttonCounter = counter;
  KesProp* group = kind == PropClass::Button ? spare.get() : StateGroup(spare->state(0), kind);
  return group && PasteGroup(*group, bytes);
}

bool Doc::PasteFromClipboard(std::vector<GroupPath> paths, bool style) {
  if (paths.empty() || !project_) return false;
  Platform& p = platform();
  const bool several = !style && paths.size() > 1;
  const auto refuse = [&p](const char* text) {
    p.MessageBox(text, MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  };
  // The size first: a large paste is refused before a byte of it is copied.
  if (p.ClipboardDataSize(KesApp::kGroupClipboardFormat) > kLargestPaste ||
      (several && p.ClipboardDataSize(KesApp::kGroupListClipboardFormat) > kLargestPaste))
    return refuse(msg::kPasteTooLarge);
  std::string bytes;
  if (!p.GetClipboardData(KesApp::kGroupClipboardFormat, bytes)) return false;
  // As many groups as were copied take one each, in tree order; otherwise
  // every path takes the first.
  std::vector<std::string> list;
  std::string joined;
  if (several && p.GetClipboardData(KesApp::kGroupListClipboardFormat, joined))
    list = SplitGroups(joined);
  if (list.size() != paths.size()) list = {std::move(bytes)};
  for (const std::string& group : list)
    if (!ReadsAsGroup(paths.front().kind, group)) return refuse(msg::kPasteNotGroup);
  if (style) return PasteStyleAt(paths, list.front());
  std::sort(paths.begin(), paths.end(), [](const GroupPath& a, const GroupPath& b) {
    return std::tie(a.button, a.state) < std::tie(b.button, b.state);
  });
  return PasteGroupsAt(paths, list);
}

bool Doc::CopyToOtherStates(const std::vector<GroupPath>& paths) {
  std::vector<GroupStep::Change> changes;
  for (const GroupPath& path : paths) {
    KesProp* source = GroupAt(path);
    if (!source || path.state < 0) continue;
    const std::string bytes = CopyGroup(*source);
    for (int s = 0; s < 3; ++s) {
      if (s == path.state) continue;
      GroupPath other = path;
      other.state = s;
      KesProp* target = GroupAt(other);
      const std::string before = CopyGroup(*target);
      PasteGroup(*target, bytes);
      std::string after = CopyGroup(*target);
      if (after != before) changes.push_back({other, before, std::move(after), {}, {}});
    }
  }
  if (changes.empty()) return false;
  for (const auto& c : changes) Notify({DocChange::Kind::GroupChanged, -1, -1, c.path});
  Push(std::make_unique<GroupStep>("Copy to Other States", std::move(changes)));
  return true;
}

std::vector<GroupEdit> Doc::FollowingEdits(const std::vector<GroupEdit>& edits) const {
  // What the edits set themselves wins over what would follow.
  auto sets = [&edits](const GroupPath& path, std::size_t field) {
    for (const GroupEdit& e : edits)
      if (e.path == path)
        for (const FieldEdit& f : e.fields)
          if (f.field == field) return true;
    return false;
  };
  std::vector<GroupEdit> more;
  auto follow = [&](const GroupPath& path, const FieldEdit& f) {
    KesProp* group = GroupAt(path);
    if (!group || sets(path, f.field)) return;
    const std::vector<FieldValue> now = FieldValues(*group);
    if (f.field >= now.size() || !(now[f.field] == f.before)) return;
    auto it = std::find_if(more.begin(), more.end(),
                           [&path](const GroupEdit& e) { return e.path == path; });
    if (it == more.end()) it = more.insert(more.end(), GroupEdit{path, {}});
    it->fields.push_back({f.field, now[f.field], f.after});
  };
  for (const GroupEdit& e : edits) {
    KesProp* group = GroupAt(e.path);
    if (!group) continue;
    const std::vector<std::string_view> names = FieldNames(*group);
    if (e.path.InState() && e.path.state == 0) {
      for (const FieldEdit& f : e.fields) {
        if (f.field >= names.size() || names[f.field] == "name") continue;
        for (int s = 1; s < 3; ++s) follow({e.path.button, s, e.path.kind}, f);
      }
    } else if (e.path.kind == PropClass::Button) {
      for (const FieldEdit& f : e.fields) {
        if (f.field >= names.size() || names[f.field] != "name") continue;
        for (int s = 0; s < 3; ++s) {
          const GroupPath caption{e.path.button, s, PropClass::Text};
          KesProp* text = GroupAt(caption);
          const int field = text ? FieldIndex(*text, "text") : -1;
          if (field >= 0) follow(caption, {static_cast<std::size_t>(field), f.before, f.after});
        }
      }
    }
  }
  return more;
}

bool Doc::ApplyEdits(std::vector<GroupEdit> edits, const std::string& name,
                     const Geometry* geometryBefore, bool follow) {
  // Each field goes from the value it holds now; edits that change nothing go.
  std::vector<GroupEdit> kept;
  for (GroupEdit& e : edits) {
    KesProp* group = GroupAt(e.path);
    if (!group) continue;
    const std::vector<FieldValue> now = FieldValues(*group);
    GroupEdit k{e.path, {}};
    for (FieldEdit& f : e.fields) {
      if (f.field >= now.size() || now[f.field].index() != f.after.index()) continue;
      if (now[f.field] == f.after) continue;
      k.fields.push_back({f.field, now[f.field], std::move(f.after)});
    }
    if (!k.fields.empty()) kept.push_back(std::move(k));
  }
  if (kept.empty()) return false;
  if (follow) {
    std::vector<GroupEdit> more = FollowingEdits(kept);
    kept.insert(kept.end(), std::make_move_iterator(more.begin()),
                std::make_move_iterator(more.end()));
  }
  bool placing = false;
  for (const GroupEdit& e : kept) {
    KesProp* group = GroupAt(e.path);
    for (const FieldEdit& f : e.fields) SetField(*group, f.field, f.after);
    placing = placing || e.path.kind == PropClass::Project || e.path.kind == PropClass::Button;
  }
  Geometry before, after;
  if (placing) {
    LayoutButtons();
    if (geometryBefore) {
      Geometry now = CaptureGeometry();
      if (now != *geometryBefore) {
        before = *geometryBefore;
        after = std::move(now);
      }
    }
  }
  const std::vector<GroupEdit> told = kept;
  Push(std::make_unique<FieldStep>(name, std::move(kept), std::move(before), std::move(after)));
  for (const GroupEdit& e : told) NotifyFields(e);
  if (placing) Notify({DocChange::Kind::LayoutChanged});
  return true;
}

void Doc::NotifyFields(const GroupEdit& edit) {
  KesProp* group = GroupAt(edit.path);
  if (!group) return;
  const std::vector<std::string_view> names = FieldNames(*group);
  std::vector<std::string_view> fields;
  for (const FieldEdit& f : edit.fields)
    if (f.field < names.size()) fields.push_back(names[f.field]);
  Notify({DocChange::Kind::GroupChanged, -1, -1, edit.path, std::move(fields)});
}

void Doc::SetFields(const std::vector<GroupEdit>& edits, bool undo, const Geometry* geometry) {
  bool placing = false;
  auto apply = [&](const GroupEdit& e) {
    KesProp* group = GroupAt(e.path);
    if (!group) return;
    for (const FieldEdit& f : e.fields) SetField(*group, f.field, undo ? f.before : f.after);
    placing = placing || e.path.kind == PropClass::Project || e.path.kind == PropClass::Button;
  };
  if (undo)
    std::for_each(edits.rbegin(), edits.rend(), apply);
  else
    std::for_each(edits.begin(), edits.end(), apply);
  if (placing && !RestoreGeometry(geometry)) LayoutButtons();
  for (const GroupEdit& e : edits) NotifyFields(e);
  if (placing) Notify({DocChange::Kind::LayoutChanged});
}

bool Doc::RecordFieldEdit(const GroupPath& path, const std::vector<FieldValue>& before,
                          const std::string& name, const Geometry* geometryBefore) {
  KesProp* group = GroupAt(path);
  if (!group) return false;
  std::vector<FieldEdit> fields = DiffFields(before, FieldValues(*group));
  if (fields.empty()) {
    // Nothing the group stores changed, but the layout may place the buttons anew.
    if (path.kind == PropClass::Project || path.kind == PropClass::Button) LayoutButtons();
    return false;
  }
  // The group goes back to where the step starts; the step takes it on.
  for (const FieldEdit& f : fields) SetField(*group, f.field, f.before);
  std::vector<GroupEdit> edits;
  edits.push_back({path, std::move(fields)});
  return ApplyEdits(std::move(edits), name, geometryBefore);
}

bool Doc::PasteStyleAt(const std::vector<GroupPath>& paths, const std::string& bytes) {
  if (paths.empty()) return false;
  // The copied group is read into a spare button's group of the same kind.
  const int32_t counter = buttonCounter;
  std::unique_ptr<PropButton> spare = CreateButton();
  buttonCounter = counter;
  const PropClass kind = paths.front().kind;
  const int state = paths.front().InState() ? 0 : GroupPath::kNoState;
  KesProp* source = kind == PropClass::Button ? static_cast<KesProp*>(spare.get())
                    : state == 0              ? StateGroup(spare->state(0), kind)
                                              : nullptr;
  if (!source || !PasteGroup(*source, bytes)) return false;
  // The groups under one path, each with the spare's group of the same place.
  auto pairs = [&](const GroupPath& path) {
    std::vector<std::pair<GroupPath, KesProp*>> list;
    if (path.kind == PropClass::Button) {
      list.push_back({path, spare.get()});
      for (int s = 0; s < 3; ++s)
        for (PropClass k : kStateGroupKinds)
          list.push_back({{path.button, s, k}, StateGroup(spare->state(s), k)});
    } else if (path.kind == PropClass::State) {
      for (PropClass k : kStateGroupKinds)
        list.push_back({{path.button, path.state, k}, StateGroup(spare->state(0), k)});
    } else {
      list.push_back({path, source});
    }
    return list;
  };
  std::vector<GroupEdit> edits;
  for (const GroupPath& path : paths) {
    if (path.kind != kind || !GroupAt(path)) continue;
    for (const auto& [at, from] : pairs(path)) {
      KesProp* target = GroupAt(at);
      if (!target || !from) continue;
      const std::vector<std::string_view> names = FieldNames(*target);
      const std::vector<FieldValue> values = FieldValues(*from);
      GroupEdit e{at, {}};
      for (std::size_t i = 0; i < names.size() && i < values.size(); ++i)
        if (!IsContentField(at.kind, names[i])) e.fields.push_back({i, values[i], values[i]});
      edits.push_back(std::move(e));
    }
  }
  const Geometry geometry = CaptureGeometry();
  // A whole button's look sets all its states; a state or group of Up takes
  // Over and Down along as any edit of Up does.
  return ApplyEdits(std::move(edits), "Paste Style", &geometry, kind != PropClass::Button);
}

namespace {
bool SameContents(const std::string& a, const std::string& b) {
  std::string x, y;
  return safefile::ReadAll(a, x, kLargestResource) && safefile::ReadAll(b, y, kLargestResource) &&
         x == y;
}
}  // namespace

bool Doc::OpenAsNew(const std::string& path) {
  if (!OnOpenDocument(path)) return false;
  RebaseFileNames(path, std::string());
  SetPathName(std::string());
  MarkSaved();
  return true;
}

std::vector<std::string> Doc::RebaseFileNames(const std::string& from, const std::string& to) {
  std::vector<std::string> missing;
  if (!project_) return missing;
  const std::string root = DriveRoot();
  const std::string oldFolder = ProjectFolder(from, std::string());
  // A template's files are known by the file gate, by their real paths.
  const FileGate gate(platform().ProgramDir());
  // One file name of one group, renamed where it reaches a file.
  auto rebase = [&](const GroupPath& path, std::string_view field) {
    KesProp* group = GroupAt(path);
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
    // that the project is one of its own; a file of that name there stays.
    // Only a file that really lies in the templates folder and that the gate
    // lets through is copied, from where it really is.
    const GateKind kind = path.kind == PropClass::Audio  ? GateKind::Sound
                          : path.kind == PropClass::Text ? GateKind::Font
                                                         : GateKind::Image;
    const GateResult judged = from.empty() && !to.empty() ? gate.Check(file, kind) : GateResult();
    if (judged.allowed() && judged.inTemplates) {
      const std::string beside = ProjectFolder(to, std::string()) + FileNameOf(file);
      std::string bytes;
      if (fs::exists(FsPath(beside), ec) ? SameContents(judged.path, beside)
                                         : fileops::ReadChecked(judged, bytes) &&
                                               safefile::WriteBytes(beside, bytes, {judged.path}))
        file = beside;
    }
    std::string renamed;
    if (!StoredFromOs(NameInProject(file, to), renamed) || renamed == name) return;
    SetField(*group, std::size_t(at), renamed);
    Notify({DocChange::Kind::GroupChanged, -1, -1, path, {field}});
  };
  rebase(GroupPath(), "backgroundImage");
  for (int b = 0; b < static_cast<int>(buttons_.size()); ++b)
    for (int s = 0; s < 3; ++s) {
      rebase({b, s, PropClass::Image}, "file");
      rebase({b, s, PropClass::Audio}, "file");
      rebase({b, s, PropClass::Text}, "font");
    }
  return missing;
}

bool Doc::OnSaveDocument(const std::string& path) {
  const std::string from = pathName();
  std::error_code ec;
  const bool moving = from.empty() || !fs::equivalent(FsPath(from).parent_path() / ".",
                                                      FsPath(path).parent_path() / ".", ec);
  if (moving) {
    // The pages hand over their names first; a refusal is the save's.
    if (!app().CommitPages()) return false;
    const std::vector<std::string> missing = RebaseFileNames(from, path);
    if (!missing.empty()) {
      std::string list;
      for (const std::string& m : missing) list += m + "\n";
      platform().MessageBox(msg::Format(msg::kFilesNotFoundOnMove, list), MsgButtons::Ok,
                            MsgIcon::Exclamation);
    }
  }
  return KesDoc::OnSaveDocument(path);
}

std::string Doc::ProposedPagePath() const {
  if (!project_) return std::string();
  // A saved project's page is named after its file (bakery.but: bakery.html),
  // as the command line's publish names it; an unsaved one after its identifier.
  if (!pathName().empty()) {
    const std::string stem = EnginePath(FsPath(pathName()).stem());
    if (!stem.empty()) return EnginePath(FsPath(pathName()).parent_path() / FsPath(stem + ".html"));
  }
  std::string name = OsFromStored(project_->identifier);
  // An identifier is text, not a path: no folder separators get through.
  for (char& c : name)
    if (c == '/' || c == '\\' || c == ':') c = '_';
  if (name.empty()) name = version::kInternalName;
  name += ".html";
  if (pathName().empty()) return name;
  return EnginePath(FsPath(pathName()).parent_path() / FsPath(name));
}
