// The project the document holds: the project group and the ordered list of
// buttons with all their groups, where each group lives, and how the layout
// places the buttons. Reading and writing them is the project file's work
// (core/DocumentFile.h); changing them as the user does, the edits'
// (core/Edits.h).
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "core/History.h"

class Archive;
class Doc;
class KesProp;
class PropButton;
class PropProject;
class PropState;

class Project {
 public:
  explicit Project(Doc& doc);
  ~Project();
  Project(const Project&) = delete;
  Project& operator=(const Project&) = delete;

  // The project group (null before the first New or Open).
  PropProject* group() const { return group_.get(); }
  // The buttons in button order.
  const std::vector<std::unique_ptr<PropButton>>& buttons() const { return buttons_; }
  std::vector<PropButton*> ButtonPointers() const;
  std::size_t ButtonCount() const { return buttons_.size(); }
  // -1 when the button is not in the project.
  int IndexOf(const PropButton* button) const;

  // A button with its three states and fifteen groups, not yet in the list
  // (it takes the next name of the button counter).
  std::unique_ptr<PropButton> CreateButton();
  // The same without using up a name: for a button made from bytes or a
  // spare one.
  std::unique_ptr<PropButton> CreateSpareButton();
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

  // Where `group` lives (kind None for a group not in the project).
  GroupPath PathOf(const KesProp* group) const;
  KesProp* GroupAt(const GroupPath& path) const;
  // The group of `kind` of a state (the state itself for State).
  static KesProp* StateGroup(PropState* state, PropClass kind);
  // A state and its five groups, the kinds a button has three of each.
  static constexpr PropClass kStateGroupKinds[] = {PropClass::State,  PropClass::Text,
                                                   PropClass::Border, PropClass::Audio,
                                                   PropClass::Image,  PropClass::Advanced};

  // The places and sizes of all buttons and the project's size, which the
  // project's layout settings decide.
  using Geometry = std::vector<int32_t>;
  Geometry CaptureGeometry() const;
  // Puts every button and the project's size back as `geometry` holds them
  // (false, and nothing done, when it does not fit the buttons).
  bool RestoreGeometry(const Geometry* geometry);

  // Every group goes; the button counter stays.
  void Clear();
  // A new project group and "Button 1".
  void MakeNew();
  // Reads the project group and the buttons from `ar` (the file's head
  // already read), laying the buttons out once at the end.
  void Read(Archive& ar);
  // Writes the project group and the buttons.
  void Write(Archive& ar);

  // The number the next new button is named by ("Button 3").
  int32_t buttonCounter = 1;

 private:
  Doc& doc_;
  std::unique_ptr<PropProject> group_;
  std::vector<std::unique_ptr<PropButton>> buttons_;
  // Set while a file is read: the layout runs once at the end.
  bool loading_ = false;
};
