// The outline tree: the project at the root, its buttons in button order,
// three states under each button and five groups under each state. Selecting
// an item shows its group's page; the Buttons and clipboard commands work on
// the selected item.
#pragma once

#include <QTreeWidget>

#include "core/KesDoc.h"

class Doc;
class KesApp;
class KesProp;
class KesWndProperties;

class ViewOutline : public QTreeWidget, public DocView {
  Q_OBJECT
 public:
  ViewOutline(KesApp& app, Doc& doc, KesWndProperties& properties, QWidget* parent = nullptr);
  ~ViewOutline() override;

  void OnUpdate(int hint) override;

  // Buttons commands (ids 40128..40132) and their enabled states.
  void OnNewButton();
  void OnDeleteButton();
  void OnMoveUp();
  void OnMoveDown();
  void OnDuplicate();
  bool CanDeleteButton() const;
  bool CanMoveUp() const;
  bool CanMoveDown() const;
  bool CanDuplicate() const;

  // Editing commands Copy 57634, Cut 57635, Paste 57637, Undo 57643: they act
  // on a focused edit box of a page, otherwise on the tree's selected item.
  bool IsEditCommandEnabled(int id) const;
  void RunEditCommand(int id);

  KesProp* SelectedGroup() const;
  void SelectGroup(KesProp* group);

 private:
  void Rebuild();
  KesApp& app_;
  Doc& doc_;
  KesWndProperties& properties_;
};
