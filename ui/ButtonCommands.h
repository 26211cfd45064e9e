// The Buttons and clipboard commands: new, delete, move up and down,
// duplicate, cut, copy, paste, Paste Style, Copy to Other States and the
// editing commands. Each works on the outline's selection and makes one step
// of the document's; the outline's rows follow the document's change events.
// A command does not ask the pages to hand over what is being typed: whoever
// runs it does that once, first.
#pragma once

#include <string>
#include <vector>

class Doc;
class KesApp;
class KesProp;

// The outline as the commands see it: its selection, and what a command
// does to the selection and the keyboard focus.
class OutlineSelection {
 public:
  virtual ~OutlineSelection() = default;
  // The current row's group first, then the other selected rows' groups in
  // the order they were selected.
  virtual std::vector<KesProp*> SelectedGroups() const = 0;
  // The rows of the selected buttons (button rows only, the current one
  // included when it is a button), ascending.
  virtual std::vector<int> SelectedButtonRows() const = 0;
  // The row of the button holding the current row, or -1 (the project or
  // nothing is current).
  virtual int CurrentButtonRow() const = 0;
  // Selects the buttons at `rows` besides the current row (moved buttons stay
  // selected).
  virtual void SelectButtonRows(const std::vector<int>& rows) = 0;
  virtual bool HasFocus() const = 0;
  virtual void TakeFocus() = 0;
  // Tells the user in the status bar why a command did nothing.
  virtual void ShowStatus(const std::string& text) = 0;
};

class ButtonCommands {
 public:
  ButtonCommands(KesApp& app, Doc& doc, OutlineSelection& outline);

  // The Buttons menu.
  void OnNewButton();
  void OnDeleteButton();
  void OnMoveUp();
  void OnMoveDown();
  void OnDuplicate();
  bool CanDeleteButton() const;
  bool CanMoveUp() const;
  bool CanMoveDown() const;
  bool CanDuplicate() const;

  // The outline's own clipboard commands.
  void OnCopy();
  void OnCut();
  void OnPaste();
  bool CanCopy() const;
  bool CanCut() const;
  bool CanPaste() const;
  // Cut, Copy or Paste on the outline's selection.
  bool CanEdit(int id) const;
  // "Copy to Other States" of the selected states or state groups.
  void OnCopyToOtherStates();
  bool CanCopyToOtherStates() const;
  // "Paste Style": the copied item's look onto every selected item of its
  // kind. It stays enabled while a project is open, so that when it cannot
  // apply it says why in the status bar instead of doing nothing.
  void OnPasteStyle();
  bool CanPasteStyle() const;
  // Why Paste Style cannot apply to the selection now, or empty.
  std::string PasteStyleRefusal() const;

  // Editing commands Copy, Cut and Paste: they act on a focused edit box of a
  // page, otherwise on the outline's selection when the outline has the
  // focus.
  bool IsEditCommandEnabled(int id) const;
  void RunEditCommand(int id);

 private:
  // The selected groups when all are of one kind (the current one first).
  std::vector<KesProp*> SelectedOfOneKind() const;
  // Puts the selected groups' bytes on the clipboard; returns the first's.
  std::string CopySelected();
  // Moves the selected buttons one place (-1 up, 1 down) as a block.
  void MoveSelected(int delta);

  KesApp& app_;
  Doc& doc_;
  OutlineSelection& outline_;
};
