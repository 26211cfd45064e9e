// What the project is written as: the applet's parameters (the script cut
// into pieces, the lists of images and sounds), the page around them, the
// statements of chosen buttons, the size guess, and the files the page
// needs. Large projects have the script of their later buttons generated on
// a second thread.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "core/FileStaging.h"
#include "core/PageOptions.h"
#include "core/ParamText.h"
#include "core/ResourceRegister.h"

class Doc;
namespace buttons_html {
class Page;
}

class PageWriter {
 public:
  // Takes the generated text piece by piece, in order; false when it could
  // not take a piece, which ends the generation.
  using Sink = std::function<bool(std::string_view)>;
  // A sink is handed pieces of about this many bytes.
  static constexpr std::size_t kSinkPiece = std::size_t(1) << 20;
  static constexpr std::size_t kParallelButtons = 8192;
  static constexpr std::size_t kNeverParallel = static_cast<std::size_t>(-1);

  // What the script says, piece by piece: before the buttons (the
  // configurable texts and the project's statement), and each button's
  // statement; with the lists of images and sounds their numbers refer to.
  struct Statements {
    std::string head;
    std::vector<std::string> buttons;
    std::vector<std::string> images, audio;
  };

  // A whole page, and on request what its script says: the head and the
  // statements of the buttons (of those the first thread wrote, when a
  // second thread wrote the rest), each exactly the bytes of the page.
  struct Page {
    std::string html;
    std::string head;
    std::vector<std::string> buttons;
  };

  // Fills `resources` with the lists of each generation of the parameters.
  PageWriter(Doc& doc, ResourceRegister& resources);
  ~PageWriter();
  PageWriter(const PageWriter&) = delete;
  PageWriter& operator=(const PageWriter&) = delete;

  // The page of `mode`, whole, with its script's head and statements when
  // `withStatements` is set.
  Page Write(PageMode mode, bool withStatements);
  // The head and the statements of the buttons `which` (indices in button
  // order; out of range and repeated ones are left out), in button order,
  // each exactly the bytes the whole generation of the parameters writes for
  // it; the lists are the ones that generation makes. The document's lists
  // are left as they are. Empty without a project.
  Statements ButtonStatements(std::vector<std::size_t> which);
  // The parameters of the lists of images and sounds as the page writes them.
  std::string ListParams(const std::vector<std::string>& images,
                         const std::vector<std::string>& audio) const;

  // The parameters appended to `out`, the script after `prefixScript`; with
  // a sink, `out` is handed to it and emptied whenever it has grown to
  // kSinkPiece bytes (false: the sink failed, or there is no project).
  bool AddParams(std::string& out, ParamForm form, const std::string& prefixScript,
                 const Sink* sink = nullptr);
  // The page of `mode` appended to `h`, handed to `sink` as AddParams does.
  bool AddHtml(std::string& h, PageMode mode, const Sink* sink);
  // A generous guess of the page's size, for reserving its buffer once.
  std::size_t EstimatePageSize() const;
  // The files the page needs beside it and what the page uses each as. A
  // page of today leaves out the applet's files while the program holds only
  // the stand-ins it ships with.
  bool GetResourceFiles(std::vector<std::string>& list, std::vector<GateKind>& expected);

  // Whether the page carries the runtime: who chooses (a RuntimeChoice);
  // whether pages are of today (buttons as HTML and CSS); whether the
  // project does anything that needs the runtime's script; and whether the
  // page carries the runtime's line and the runtime lies beside it.
  int runtimeChoice = kRuntimeFromSettings;
  bool WantsRuntime() const;
  bool NeedsRuntime() const;
  bool CarriesRuntime() const {
    return WantsRuntime() && (runtimeChoice == kRuntimeAlways || NeedsRuntime());
  }
  // Chooses the runtime for the writer while it lives, then gives the
  // earlier choice back.
  class RuntimeScope {
   public:
    RuntimeScope(PageWriter& writer, int choice) : writer_(writer), saved_(writer.runtimeChoice) {
      writer.runtimeChoice = choice;
    }
    ~RuntimeScope() { writer_.runtimeChoice = saved_; }
    RuntimeScope(const RuntimeScope&) = delete;
    RuntimeScope& operator=(const RuntimeScope&) = delete;

   private:
    PageWriter& writer_;
    int saved_;
  };

  // The project's input file, listed among the files the page needs when
  // `generateInput` is 1; the program never changes either.
  std::string inputFilePath;
  int32_t generateInput = 0;

  // Where the groups number the files their script names: the lists of the
  // thread generating it.
  int RegisterImage(const std::string& file);
  int RegisterAudio(const std::string& file);

  // Projects of at least this many buttons share the work with a second
  // thread (see Doc::parallelFrom).
  std::size_t parallelFrom = kParallelButtons;
  std::size_t secondThreadButtons() const { return secondThreadButtons_; }

 private:
  void AddListParams(std::string& out, ParamForm form, const std::vector<std::string>& images,
                     const std::vector<std::string>& audio) const;
  // What the script says before the buttons of the page: the configurable
  // day, month and meridiem names that differ from their defaults.
  std::string ConfigScript(bool tok) const;
  bool AddAppletElement(std::string& h, PageMode mode, const buttons_html::Page* buttonsPage,
                        const Sink* sink);
  // The script of buttons [first, last) appended to `script`, each button
  // followed by `flush` when one is given (false when a flush failed).
  bool AddButtonScripts(std::string& script, bool tok, std::size_t first, std::size_t last,
                        const std::function<bool()>& flush);
  // Lists the image and audio files of buttons [first, last) in the order
  // their scripts name them.
  void ListButtonResources(std::size_t first, std::size_t last);
  bool OnSecondThread() const;

  Doc& doc_;
  ResourceRegister& resources_;
  // The lists the first thread's generation fills: the document's, or those
  // of ButtonStatements.
  ResourceRegister* current_;
  // The second generating thread numbers files in lists of its own.
  struct SecondLists {
    std::atomic<std::thread::id> thread{};
    ResourceRegister lists;
  };
  std::unique_ptr<SecondLists> second_;
  // While a page is written with its statements: where they go.
  Page* made_ = nullptr;
  std::size_t secondThreadButtons_ = 0;
  // Percentage of the buttons whose script the first thread generates when
  // two threads share the work: the first also cuts every parameter, so it
  // takes fewer buttons.
  static constexpr std::size_t kFirstThreadShare = 45;
  // One button in this many stands for the rest in a size guess.
  static constexpr std::size_t kSizeSampleStep = 16;
};
