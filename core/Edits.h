// The one road of edits: every operation that changes the project as the
// user does makes one undoable step (core/History.h), and the listeners are
// told what changed (DocChange). Over and Down follow edits of Up, captions
// follow the button's name; Paste, Paste Style and Copy to Other States.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/History.h"
#include "core/Project.h"
#include "core/Translatable.h"

class Platform;

class Doc;

class Edits {
 public:
  using Geometry = Project::Geometry;
  explicit Edits(Doc& doc);
  ~Edits();
  Edits(const Edits&) = delete;
  Edits& operator=(const Edits&) = delete;

  void AddListener(DocListener* listener);
  void RemoveListener(DocListener* listener);
  // Tells every listener of `change`.
  void Notify(const DocChange& change);
  const History& history() const { return history_; }
  History& history() { return history_; }

  // The operations; Doc.h says what each does.
  PropButton* AddNewButton(int index);
  bool DeleteButtonAt(int index, const std::string& verb = VB_TR_NOOP("EditSteps", "Delete"));
  bool MoveButtonTo(int from, int to);
  bool PlaceButtonAt(int index, int32_t x, int32_t y);
  PropButton* DuplicateButtonAt(int index);
  bool PasteGroupAt(const GroupPath& path, const std::string& bytes);
  bool RecordGroupEdit(const GroupPath& path, const std::string& before, const std::string& name,
                       const Geometry* geometryBefore = nullptr);
  bool CopyToOtherStates(const std::vector<GroupPath>& paths);
  bool ApplyEdits(std::vector<GroupEdit> edits, const std::string& name,
                  const Geometry* geometryBefore = nullptr, bool follow = true);
  bool RecordFieldEdit(const GroupPath& path, const std::vector<FieldValue>& before,
                       const std::string& name, const Geometry* geometryBefore = nullptr);
  bool PasteStyleAt(const std::vector<GroupPath>& paths, const std::string& bytes);
  // Why Paste Style cannot put a copied item of kind `copied` (None when
  // nothing is copied) on the items at `paths`: the message that says so in
  // the user's language, or empty when it can.
  static std::string PasteStyleRefusal(Platform& platform, PropClass copied,
                                       const std::vector<GroupPath>& paths);
  bool DeleteButtonsAt(std::vector<int> indices,
                       const std::string& verb = VB_TR_NOOP("EditSteps", "Delete"));
  bool MoveButtonsBy(std::vector<int> indices, int delta);
  bool DuplicateButtonsAt(std::vector<int> indices);
  bool PasteGroupsAt(const std::vector<GroupPath>& paths, const std::vector<std::string>& bytes);
  bool PasteFromClipboard(std::vector<GroupPath> paths, bool style);
  bool ReadsAsGroup(PropClass kind, const std::string& bytes);
  bool Undo();
  bool Redo();

  // What the steps do and undo.
  void SetFields(const std::vector<GroupEdit>& edits, bool undo, const Geometry* geometry);
  void RestoreGroup(const GroupPath& path, const std::string& bytes, const Geometry* geometry);
  void PutButton(int index, const std::string& bytes);
  void TakeButton(int index);
  void PlaceButton(int from, int to);

  // Copy and Paste of one group through its serialisation (Doc.h).
  static std::string CopyGroup(KesProp& group);
  static bool PasteGroup(KesProp& target, const std::string& bytes);
  static std::string JoinGroups(const std::vector<std::string>& groups);
  static std::vector<std::string> SplitGroups(const std::string& list);

 private:
  Project& project() const;
  // The edits that follow from `edits`: Over and Down after Up, captions
  // after the name.
  std::vector<GroupEdit> FollowingEdits(const std::vector<GroupEdit>& edits) const;
  // The group at `path` takes `edit` along where its field holds what the
  // edited one held before, unless `edits` set that field themselves.
  void Follow(const std::vector<GroupEdit>& edits, const GroupPath& path, const FieldEdit& edit,
              std::vector<GroupEdit>& more) const;
  void NotifyFields(const GroupEdit& edit);
  // A made step goes into the history (or into the collected steps).
  void Push(std::unique_ptr<EditStep> step);
  // Runs `body`; the steps it makes become the one step `name` (false, and
  // no step, when it made none).
  bool Together(const std::string& name, const std::function<void()>& body);

  Doc& doc_;
  History history_;
  std::vector<DocListener*> listeners_;
  std::unique_ptr<std::vector<std::unique_ptr<EditStep>>> collecting_;
};
