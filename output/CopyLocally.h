// "Copy Locally...": copying the resource files the user selected into a
// folder of the user's choice, with a progress window that can cancel between
// files and a closing summary.
#pragma once

#include <optional>
#include <string>
#include <vector>

class Doc;
enum class GateKind;
class Platform;

// The progress window of a copy, as the copying routine drives it. The
// Resources dialog implements it with a modeless window (caption "Copy", a
// progress bar, a line of text and a Cancel button); tests script it.
//
// Calls arrive in this order, all on the user-interface thread:
//   Begin(total)              once, after the target folder is settled: show
//                             the window with the bar's range 0..total and keep
//                             the Resources dialog disabled until End
//   SetText, SetPos, Cancelled  once per file, before the file is touched
//   End()                     once, after the summary message; close the window
// Begin is never called when the user stops before copying starts (no folder
// chosen, directory not created).
//
// SetText and SetPos should let pending window events run before they update
// the window, so that it repaints and its Cancel button is answered while the
// copy goes on. Cancelled reports whether Cancel was pressed since Begin; the
// routine checks it before each file, never in the middle of one.
class CopyProgress {
 public:
  virtual ~CopyProgress() = default;
  virtual void Begin(int total) = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual void SetPos(int pos) = 0;
  virtual bool Cancelled() = 0;
  virtual void End() = 0;
};

// How a Copy Locally ended.
enum class CopyOutcome {
  Stopped,    // no folder chosen, or the folder was not made: nothing was copied
  Succeeded,  // every selected file was copied ("successful" summary)
  Failed,     // some file was skipped or the copy was cancelled ("did not copy all")
};

// Copies `selected` (full paths, in list order) into a folder picked with
// "Publish to:", starting at `lastCopyDirectory`. Asks before making a missing
// folder; a missing source or a failed copy asks Abort/Retry/Ignore. Ends with
// the summary message and stores the chosen folder (as chosen) in
// `lastCopyDirectory`. Files copied stay in place whatever the outcome.
// Before anything is copied, files whose names clash, files that are no
// image, sound or input file, and copies that would replace one of `keep`
// (the project) or one of the files themselves are refused with a message;
// then one question names the files from outside the folder of `projectFile`
// (when given; "" is a project never saved, which has no folder) and one the
// files in the folder that hold other bytes than their copies. Nothing is
// copied after a refusal or a No; a file that already holds its copy's bytes
// is left as it is. `expected` says what the page uses each file as (see
// CheckResources); what is copied is the file the check let through.
CopyOutcome CopySelectedResources(Platform& platform, std::string& lastCopyDirectory,
                                  const std::vector<std::string>& selected, CopyProgress& progress,
                                  const std::vector<std::string>& keep = {},
                                  const std::optional<std::string>& projectFile = std::nullopt,
                                  const std::vector<GateKind>& expected = {});

// The same for a document: its platform and its last copy directory.
CopyOutcome CopySelectedResources(Doc& doc, const std::vector<std::string>& selected,
                                  CopyProgress& progress);
