#include "ui/ViewOutline.h"

#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/Win1252.h"
#include "groups/button/PropButton.h"
#include "groups/project/PropProject.h"
#include "ui/KesWndProperties.h"

// Placeholder until the outline tree lands: shows the project and its buttons.
ViewOutline::ViewOutline(KesApp& app, Doc& doc, KesWndProperties& properties, QWidget* parent)
    : QTreeWidget(parent), app_(app), doc_(doc), properties_(properties) {
  setHeaderHidden(true);
  doc_.AddView(this);
  Rebuild();
}

ViewOutline::~ViewOutline() { doc_.RemoveView(this); }

void ViewOutline::OnUpdate(int hint) {
  if (hint == kHintReset) clear();
  if (hint == kHintFilled) Rebuild();
}

void ViewOutline::Rebuild() {
  clear();
  if (!doc_.project()) return;
  auto* root =
      new QTreeWidgetItem(this, {QString::fromStdString(win1252::ToUtf8(doc_.project()->name))});
  for (PropButton* b : doc_.Buttons())
    new QTreeWidgetItem(root, {QString::fromStdString(win1252::ToUtf8(b->name))});
  root->setExpanded(true);
}

void ViewOutline::OnNewButton() {}
void ViewOutline::OnDeleteButton() {}
void ViewOutline::OnMoveUp() {}
void ViewOutline::OnMoveDown() {}
void ViewOutline::OnDuplicate() {}
bool ViewOutline::CanDeleteButton() const { return false; }
bool ViewOutline::CanMoveUp() const { return false; }
bool ViewOutline::CanMoveDown() const { return false; }
bool ViewOutline::CanDuplicate() const { return false; }
bool ViewOutline::IsEditCommandEnabled(int) const { return false; }
void ViewOutline::RunEditCommand(int) {}
KesProp* ViewOutline::SelectedGroup() const { return nullptr; }
void ViewOutline::SelectGroup(KesProp*) {}
