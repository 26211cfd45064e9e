#include "core/PageWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "core/ButtonsHtml.h"
#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/Keywords.h"
#include "core/OsPath.h"
#include "core/SafeFile.h"
#include "core/Version.h"
#include "core/Win1252.h"
#include "core/WrapInt.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "groups/project/PropProject.h"

namespace fs = std::filesystem;

namespace {
// A file that a list numbers: not empty and not an address.
bool IsListedFile(const std::string& file, const std::string& driveRoot) {
  return !file.empty() && !IsAddress(file, driveRoot);
}

// The classic page's body: light text on black.
constexpr const char* kClassicBody =
    "<BODY TEXT=\"#FFFFFF\" BGCOLOR=\"#000000\" LINK=\"#C0C0C0\" VLINK=\"#666666\" "
    "ALINK=\"#999999\">\r\n";

// What a page of today writes around its buttons on a light and on a dark
// background: text of the most contrast, links of at least 3:1 on any
// background the set is chosen for.
struct BodyInk {
  uint32_t text, link, visited, active;  // 0xRRGGBB
};
constexpr BodyInk kDarkInk{0x000000, 0x000080, 0x330066, 0x400000};
constexpr BodyInk kLightInk{0xFFFFFF, 0xCCE5FF, 0xE5CCFF, 0xFFE5CC};
constexpr uint32_t kWhite = 0xFFFFFF;
// The relative luminance at which black and white text read equally well.
constexpr double kEvenLuminance = 0.1791;

double Linear(uint32_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The relative luminance of 0xRRGGBB, 0 (black) to 1 (white).
double Luminance(uint32_t rgb) {
  return 0.2126 * Linear((rgb >> 16) & 0xFF) + 0.7152 * Linear((rgb >> 8) & 0xFF) +
         0.0722 * Linear(rgb & 0xFF);
}

void AddBodyColour(std::string& h, const char* name, uint32_t rgb) {
  static const char kDigits[] = "0123456789ABCDEF";
  h += ' ';
  h += name;
  h += "=\"#";
  for (int shift = 20; shift >= 0; shift -= 4) h += kDigits[(rgb >> shift) & 0xF];
  h += '"';
}

// The body of a page of today: the project's background colour around the
// buttons (white when the stored value is no colour), with text that reads on it.
void AddModernBody(std::string& h, uint32_t stored) {
  const bool noColour = (stored >> 24) != 0;
  const uint32_t page =
      noColour ? kWhite : ((stored & 0xFF) << 16) | (stored & 0xFF00) | ((stored >> 16) & 0xFF);
  const BodyInk& ink = Luminance(page) >= kEvenLuminance ? kDarkInk : kLightInk;
  h += "<BODY";
  AddBodyColour(h, "TEXT", ink.text);
  AddBodyColour(h, "BGCOLOR", page);
  AddBodyColour(h, "LINK", ink.link);
  AddBodyColour(h, "VLINK", ink.visited);
  AddBodyColour(h, "ALINK", ink.active);
  h += ">\r\n";
}

// How every stand-in for the applet's files that the program ships begins.
constexpr std::string_view kAppletStandIn = "Stand-in for the applet file ";

// Whether `file` is there, readable, not empty and not one of the stand-ins:
// an applet the user placed beside the program.
bool IsRealAppletFile(const std::string& file) {
  std::FILE* in = safefile::OpenForReading(file);
  if (!in) return false;
  char head[kAppletStandIn.size()];
  const std::size_t n = std::fread(head, 1, sizeof head, in);
  std::fclose(in);
  return n > 0 && std::string_view(head, n) != kAppletStandIn;
}
}  // namespace

PageWriter::PageWriter(Doc& doc, ResourceRegister& resources)
    : doc_(doc), resources_(resources), current_(&resources) {}

PageWriter::~PageWriter() = default;

int PageWriter::RegisterImage(const std::string& file) {
  if (OnSecondThread()) return second_->lists.RegisterImage(file);
  return current_->RegisterImage(file);
}

int PageWriter::RegisterAudio(const std::string& file) {
  if (OnSecondThread()) return second_->lists.RegisterAudio(file);
  return current_->RegisterAudio(file);
}

bool PageWriter::WantsRuntime() const {
  if (runtimeChoice == kRuntimeFromSettings) return doc_.app().settings().html5Runtime == 1;
  return runtimeChoice == kRuntimeOn || runtimeChoice == kRuntimeAlways;
}

bool PageWriter::NeedsRuntime() const {
  return !doc_.project() || buttons_html::NeedsRuntime(*doc_.project(), doc_.buttons());
}

PageWriter::Page PageWriter::Write(PageMode mode, bool withStatements) {
  Page page;
  made_ = withStatements ? &page : nullptr;
  struct Forget {
    Page*& made;
    ~Forget() { made = nullptr; }
  } forget{made_};
  AddHtml(page.html, mode, nullptr);
  return page;
}

bool PageWriter::OnSecondThread() const {
  return second_ && second_->thread.load(std::memory_order_relaxed) == std::this_thread::get_id();
}

void PageWriter::ListButtonResources(std::size_t first, std::size_t last) {
  // In script order: a state's audio file is named by the Default block
  // already, its image from its own block on; images and audio files have
  // lists of their own, so only the order within each list matters.
  const std::string root = doc_.DriveRoot();
  const auto& buttons = doc_.buttons();
  for (std::size_t b = first; b < last; ++b) {
    for (int i = 0; i < 3; ++i) {
      const PropState* st = buttons[b]->state(i);
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

// What a parameter's value is: a piece of the script, 8-bit already, or a
// list of file names, text in UTF-8.
enum class ParamValue { Script, Names };

// The last escaping of the parameters: in the input file (form 1) every
// backslash is doubled; in a page (form 0) the value is an attribute's text,
// with "&", '"', "<" and ">" written as character references. No
// parameter's fixed text holds any of them, so a value escaped on its own
// comes out as the whole text escaped at once. A file name's character the
// page cannot hold is a character reference in a page, and in the input file
// the address a browser asks for.
void AddParamEscaped(std::string& out, std::string_view value, ParamForm form, ParamValue kind) {
  if (form == ParamForm::Page) {
    if (kind == ParamValue::Script)
      params::AddAttributeBytes(out, value);
    else
      params::AddAttributeText(out, value);
    return;
  }
  std::string encoded;
  if (kind == ParamValue::Names) {
    encoded = win1252::Encode(value, win1252::Escape::Url);
    value = encoded;
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
              std::string_view value, bool wrap, ParamValue kind) {
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
  AddParamEscaped(out, value, form, kind);
  if (wrap) out.push_back('+');
  out += form == ParamForm::Page ? "\">\r\n" : "\r\n";
}

// Cuts the script into Script0, Script1, ... of at most 198 characters while
// it is generated, so that the whole script is never held twice; with a
// sink, the parameters written so far go to it in pieces of about
// PageWriter::kSinkPiece bytes. The generators write UTF-8; the pieces are
// 8-bit, every character Windows-1252 cannot hold written \u{HEX}.
class ScriptPieces {
 public:
  static constexpr std::size_t kPiece = 198;
  ScriptPieces(std::string& out, ParamForm form, const PageWriter::Sink* sink)
      : out_(out), form_(form), sink_(sink) {
    script_.reserve(kPiece * 32);
    text_.reserve(kPiece * 32);
  }
  // The generators append here; Flush takes the complete pieces away.
  std::string& script() { return text_; }
  bool Flush() {
    Encode();
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
  bool Feed(std::string_view generated) {
    Encode();
    const std::string encoded = win1252::Encode(generated, win1252::Escape::Script);
    std::string_view text = encoded;
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
  void Add(std::string_view piece) {
    AddParam(out_, form_, "Script", number_++, piece, true, ParamValue::Script);
  }
  // Moves what the generators wrote into the 8-bit script.
  void Encode() {
    win1252::AppendEncoded(script_, text_, win1252::Escape::Script);
    text_.clear();
  }
  bool Drain() {
    if (!sink_ || out_.size() < PageWriter::kSinkPiece) return true;
    if (!(*sink_)(out_)) return false;
    out_.clear();
    return true;
  }

  std::string& out_;
  ParamForm form_;
  const PageWriter::Sink* sink_;
  std::string script_;  // 8-bit, not yet cut into pieces
  std::string text_;    // UTF-8, as the generators wrote it
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

std::size_t PageWriter::EstimatePageSize() const {
  constexpr std::size_t kPageFrame = 4096;
  const PropProject* project = doc_.project();
  if (!project) return kPageFrame;
  std::size_t size = kPageFrame + project->beforeScript.size() + project->afterScript.size();
  for (const auto& b : doc_.buttons()) size += EstimateButtonScript(*b);
  return size + size / 4;
}

bool PageWriter::AddButtonScripts(std::string& script, bool tok, std::size_t first,
                                  std::size_t last, const std::function<bool()>& flush) {
  // One reference state for the Default blocks of the whole run.
  PropState scratch(nullptr, "Default");
  scratch.CreateGroups();
  Page* parts = OnSecondThread() ? nullptr : made_;
  const auto& buttons = doc_.buttons();
  for (std::size_t i = first; i < last; ++i) {
    const std::size_t before = script.size();
    buttons[i]->AddScript(script, tok, &scratch);
    if (parts) parts->buttons.push_back(script.substr(before));
    if (flush && !flush()) return false;
  }
  return true;
}

bool PageWriter::AddParams(std::string& out, ParamForm form, const std::string& prefixScript,
                           const Sink* sink) {
  resources_.Clear();
  // Without a project there is nothing to generate.
  PropProject* project = doc_.project();
  if (!project) return false;
  const auto& buttons = doc_.buttons();
  // A page built whole has reserved its buffer already.
  if (!sink && out.empty()) out.reserve(EstimatePageSize());
  const bool tok = project->tokenize;
  ScriptPieces pieces(out, form, sink);
  std::string& script = pieces.script();
  script += prefixScript;
  project->AddScript(script, tok);
  if (made_) {
    made_->head = script;
    made_->buttons.clear();
  }
  if (!pieces.Flush()) return false;

  // The later buttons go to a second thread, which writes their script into
  // `tail` while this thread generates the earlier ones and cuts them into
  // parameters. The second thread numbers files in lists of its own, which
  // begin with the files the earlier buttons will list; if those turn out to
  // be the lists this thread made, its script is the one a single thread
  // would have written, else this thread writes it again.
  const std::size_t count = buttons.size();
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
      sampled += EstimateButtonScript(*buttons[i]);
    tail.reserve(sampled * kSizeSampleStep + sampled * kSizeSampleStep / 4);
    second_ = std::make_unique<SecondLists>();
    second_->lists = resources_;
    try {
      worker =
          std::thread([this, &tail, &workerFailure, &firstImages, &firstAudio, tok, split, count] {
            second_->thread.store(std::this_thread::get_id(), std::memory_order_relaxed);
            try {
              ListButtonResources(0, split);
              firstImages = second_->lists.images.size();
              firstAudio = second_->lists.audio.size();
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
    if (begins(second->lists.images, firstImages, resources_.images) &&
        begins(second->lists.audio, firstAudio, resources_.audio)) {
      resources_ = std::move(second->lists);
      secondThreadButtons_ = count - split;
      if (!pieces.Feed(tail)) return false;
    } else if (!AddButtonScripts(script, tok, split, count, [&pieces] { return pieces.Flush(); })) {
      return false;
    }
  }
  std::string().swap(tail);

  if (!project->afterScript.empty())
    AppendReplacingChars(script, project->afterScript, kLineBreakChars, ' ');
  pieces.Finish();

  AddListParams(out, form, resources_.images, resources_.audio);
  return true;
}

void PageWriter::AddListParams(std::string& out, ParamForm form,
                               const std::vector<std::string>& images,
                               const std::vector<std::string>& audio) const {
  // A list whose entries all reduce to nothing is left out like an empty one.
  const std::string root = doc_.DriveRoot();
  if (!images.empty())
    if (const std::string v = JoinList(images, root); !v.empty())
      AddParam(out, form, "Images", 0, v, false, ParamValue::Names);
  if (!audio.empty())
    if (const std::string v = JoinList(audio, root); !v.empty())
      AddParam(out, form, "Audio", 0, v, false, ParamValue::Names);
}

std::string PageWriter::ListParams(const std::vector<std::string>& images,
                                   const std::vector<std::string>& audio) const {
  std::string out;
  AddListParams(out, ParamForm::Page, images, audio);
  return out;
}

bool PageWriter::AddHtml(std::string& h, PageMode mode, const Sink* sink) {
  if (!doc_.project()) return false;
  WaitCursor wait(doc_.platform());
  doc_.LayoutButtons();
  const PropProject& p = *doc_.project();
  const AppSettings& set = doc_.app().settings();
  const std::string internal = version::kInternalName;
  if (!sink) h.reserve(h.size() + EstimatePageSize() + set.nonJavaMessage.size());
  // A page with the runtime is a page of today: standards mode, its
  // language, its bytes' encoding, a title and a width for phones.
  const bool modern = WantsRuntime();
  const bool runtime = CarriesRuntime();
  // Today's page carries the buttons as HTML: their style sheet in the head
  // (before the applet in a segment), their elements in the applet.
  std::unique_ptr<buttons_html::Page> buttonsPage;
  if (modern)
    buttonsPage =
        std::make_unique<buttons_html::Page>(p, doc_.buttons(), doc_.DriveRoot(), runtime);
  if (mode != PageMode::Segment && modern) {
    h += "<!DOCTYPE html>\r\n<HTML LANG=\"";
    params::AddAttributeText(h, set.pageLanguage);
    h += "\">\r\n<HEAD>\r\n<META CHARSET=\"windows-1252\">\r\n"
         "<META NAME=\"viewport\" CONTENT=\"width=device-width, initial-scale=1\">\r\n<TITLE>";
    if (mode == PageMode::Preview) {
      h += version::kProductName;
      h += " Preview";
    } else {
      params::AddAttributeText(h, p.identifier);
    }
    h += "</TITLE>\r\n";
    buttonsPage->AddDescription(h);
    buttonsPage->AddStyle(h);
    h += "</HEAD>\r\n";
    AddModernBody(h, p.backgroundColor);
  } else if (mode != PageMode::Segment) {
    h += "<HTML>\r\n";
    if (mode == PageMode::Preview) {
      h += "<TITLE>";
      h += version::kProductName;
      h += " Preview</TITLE>\r\n";
    }
    h += kClassicBody;
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

std::string PageWriter::ConfigScript(bool tok) const {
  const AppSettings& set = doc_.app().settings();
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
  return config;
}

PageWriter::Statements PageWriter::ButtonStatements(std::vector<std::size_t> which) {
  Statements out;
  PropProject* project = doc_.project();
  if (!project) return out;
  const std::size_t count = doc_.ButtonCount();
  std::sort(which.begin(), which.end());
  which.erase(std::unique(which.begin(), which.end()), which.end());
  which.erase(std::lower_bound(which.begin(), which.end(), count), which.end());
  // The files are numbered as the whole generation numbers them: the
  // buttons between the chosen ones list theirs in script order, as the
  // second thread of a large generation does.
  ResourceRegister lists;
  current_ = &lists;
  struct Restore {
    PageWriter& writer;
    ~Restore() { writer.current_ = &writer.resources_; }
  } restore{*this};
  const bool tok = project->tokenize;
  out.head = ConfigScript(tok);
  project->AddScript(out.head, tok);
  PropState scratch(nullptr, "Default");
  scratch.CreateGroups();
  const auto& buttons = doc_.buttons();
  std::size_t next = 0;
  for (const std::size_t chosen : which) {
    ListButtonResources(next, chosen);
    out.buttons.emplace_back();
    buttons[chosen]->AddScript(out.buttons.back(), tok, &scratch);
    next = chosen + 1;
  }
  ListButtonResources(next, count);
  out.images = std::move(lists.images);
  out.audio = std::move(lists.audio);
  return out;
}

bool PageWriter::AddAppletElement(std::string& h, PageMode mode,
                                  const buttons_html::Page* buttonsPage, const Sink* sink) {
  const PropProject& p = *doc_.project();
  const AppSettings& set = doc_.app().settings();
  const std::string internal = version::kInternalName;
  h += "<APPLET CODE=";
  h += internal;
  if (!p.codeBase.empty() && mode != PageMode::Preview) {
    h += " CODEBASE=\"";
    params::AddAttributeText(h, p.codeBase);
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
  h += params::WriteStringParam(ParamForm::Page, "cabbase", internal + ".cab", "", false);
  h += params::WriteStringParam(ParamForm::Page, "name", p.identifier, "", false);
  h += params::WriteStringParam(ParamForm::Page, "Copyright", version::kCopyrightNotice, "", false);

  const bool tok = p.tokenize;
  std::string config = ConfigScript(tok);

  if (p.readFromFile == 0) {
    if (!AddParams(h, ParamForm::Page, config, sink)) return false;
  } else {
    const std::string read = Tok("Read", tok);
    const std::string input = KesProp::EscapeScript(p.inputFile);
    config += read + " '" + input + "' true; ";
    if (p.reloadInterval >= 1) {
      const std::string timer = Tok("Timer", tok);
      const std::string ms = std::to_string(WrapMul(p.reloadInterval, 1000));
      config += timer + " 0 " + ms + "; " + Tok("Set", tok) + " Timer0={" + read + " '" + input +
                "' true; " + timer + " 0 " + ms + "}; ";
    }
    AddParam(h, ParamForm::Page, "Script", 0, win1252::Encode(config, win1252::Escape::Script),
             false, ParamValue::Script);
  }
  if (buttonsPage) {
    // The buttons themselves, working before and without any script: nobody
    // sees the Java message.
    buttonsPage->AddElements(h);
  } else if (!set.nonJavaMessage.empty()) {
    h += "<BLOCKQUOTE>\r\n<HR>\r\n";
    // The message is HTML of its own: only its characters are written.
    win1252::AppendEncoded(h, set.nonJavaMessage, win1252::Escape::Html);
    h += "\r\n<HR>\r\n</BLOCKQUOTE>\r\n";
  }
  h += "</APPLET>\r\n";
  return true;
}

bool PageWriter::GetResourceFiles(std::vector<std::string>& list, std::vector<GateKind>& expected) {
  if (!doc_.project()) return false;
  const auto add = [&](std::string file, GateKind kind) {
    list.push_back(std::move(file));
    expected.push_back(kind);
  };
  const std::string programDir = doc_.platform().ProgramDir();
  const std::string internal = version::kInternalName;
  const std::string applet[] = {programDir + internal + ".class", programDir + internal + ".jar",
                                programDir + internal + ".cab", programDir + "VelkoJfc2.class"};
  // A page of today works without the applet: its files go beside it only
  // once the user has put a real applet in place of the stand-ins.
  if (!WantsRuntime() || std::any_of(std::begin(applet), std::end(applet), IsRealAppletFile))
    for (const std::string& file : applet) add(file, GateKind::Program);
  if (CarriesRuntime()) add(programDir + kRuntimeFile, GateKind::Program);
  const std::string root = doc_.DriveRoot();
  if (generateInput == 1 && !IsAddress(inputFilePath, root))
    add(OsFromStored(inputFilePath), GateKind::InputFile);

  // Relative paths are read against the project file's folder (or the
  // current folder for a project never saved); the process's current
  // directory is left alone.
  std::error_code ec;
  const std::string& projectFile = doc_.pathName();
  fs::path base = projectFile.empty() ? fs::path() : FsPath(projectFile).parent_path();
  if (base.empty() || base.is_relative()) base = fs::current_path(ec) / base;
  // The names are text the project stores; the list holds the files they reach.
  auto absolute = [&](const std::string& entry) {
    const std::string file = OsFromStored(entry);
    if (IsAbsolutePath(entry)) return file;
    return EnginePath((base / FsPath(file)).lexically_normal());
  };
  for (const auto& e : resources_.images)
    if (!IsAddress(e, root)) add(absolute(e), GateKind::Image);
  for (const auto& e : resources_.audio)
    if (!IsAddress(e, root)) add(absolute(e), GateKind::Sound);
  // Font files the captions name go beside the page like images.
  std::vector<std::string> fonts;
  for (const auto& b : doc_.buttons())
    for (int s = 0; s < 3; ++s) {
      const std::string& font = b->state(s)->text->font;
      if (IsFontFile(font) && !IsAddress(font, root) &&
          std::find(fonts.begin(), fonts.end(), font) == fonts.end())
        fonts.push_back(font);
    }
  for (const auto& f : fonts) add(absolute(f), GateKind::Font);
  return true;
}
