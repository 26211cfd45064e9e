// The document's one road of change: where a group lives, what a change
// tells the views, and the history of undoable steps. Standard library only.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "core/Fields.h"
#include "core/KesProp.h"

class Doc;

// Where a group lives in the project: the project group itself, a button,
// one of its states, or one of a state's five groups. Steps hold paths, not
// pointers, because undoing a deletion makes the groups anew.
struct GroupPath {
  static constexpr int kProject = -1;
  static constexpr int kNoState = -1;
  int button = kProject;
  int state = kNoState;  // 0 Up, 1 Over, 2 Down
  PropClass kind = PropClass::Project;

  bool operator==(const GroupPath& o) const {
    return button == o.button && state == o.state && kind == o.kind;
  }
  // Whether the group at `inner` lies inside (or is) this one.
  bool Contains(const GroupPath& inner) const;
  // Whether this is one of a state's groups or a state, the kinds of which
  // every button has three.
  bool InState() const { return state != kNoState; }
};

// The fields one edit changes in the group at `path`.
struct GroupEdit {
  GroupPath path;
  std::vector<FieldEdit> fields;
};

// What an operation changed, as the document tells its listeners.
struct DocChange {
  enum class Kind {
    ButtonInserted,   // a button now at `index`
    ButtonRemoved,    // the button at `index` is being taken out
    ButtonMoved,      // the button at `index` is now at `to`
    GroupChanged,     // the group at `group` (and what it holds) has new values
    LayoutChanged,    // buttons were placed anew (their positions and sizes)
    ModifiedChanged,  // the modified flag changed
    HistoryChanged,   // a step was made, undone or redone
    Replaced,         // New or Open: everything is new
  };
  DocChange(Kind k, int i = -1, int t = -1, GroupPath g = GroupPath(),
            std::vector<std::string_view> f = {})
      : kind(k), index(i), to(t), group(g), fields(std::move(f)) {}
  Kind kind;
  int index = -1;
  int to = -1;
  GroupPath group;
  // For GroupChanged: the names of the group's own fields that changed
  // (FieldNames); empty when any value of the group and of what it holds may
  // have changed.
  std::vector<std::string_view> fields;
  // Whether the field `name` of the group may have changed.
  bool Touches(std::string_view name) const;
};

// A view of the document: told of each change after it is made.
class DocListener {
 public:
  virtual ~DocListener() = default;
  virtual void OnDocChanged(const DocChange& change) = 0;
};

// One undoable step: its name for the Edit menu, how to take it back and
// how to make it again.
class EditStep {
 public:
  explicit EditStep(std::string name) : name_(std::move(name)) {}
  virtual ~EditStep() = default;
  const std::string& name() const { return name_; }
  virtual void Undo(Doc& doc) = 0;
  virtual void Redo(Doc& doc) = 0;
  // The memory the step keeps.
  virtual std::size_t Bytes() const = 0;

 private:
  std::string name_;
};

// The steps made, with the position up to which they are in effect and the
// position at which the document was last saved.
class History {
 public:
  // A new step, made already; any step undone before it is dropped.
  void Push(std::unique_ptr<EditStep> step);
  bool CanUndo() const { return done_ > 0; }
  bool CanRedo() const { return done_ < steps_.size(); }
  // The names of the step Undo and Redo would take ("" when none).
  std::string UndoName() const;
  std::string RedoName() const;
  void Undo(Doc& doc);
  void Redo(Doc& doc);
  // The document as it is now is the one saved.
  void MarkClean() { clean_ = static_cast<long>(done_); }
  bool IsClean() const { return clean_ == static_cast<long>(done_); }
  // No state of the history is the one saved any more (the file on disk is
  // no longer a version of this document, or the edits came back from a
  // recovery file).
  void ForgetClean() { clean_ = -1; }
  void Clear();
  std::size_t size() const { return steps_.size(); }
  std::size_t Bytes() const;

 private:
  std::vector<std::unique_ptr<EditStep>> steps_;
  std::size_t done_ = 0;
  // -1 once the saved state can no longer be reached.
  long clean_ = 0;
};
