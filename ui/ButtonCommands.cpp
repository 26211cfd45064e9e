#include "ui/ButtonCommands.h"

#include <QApplication>
#include <algorithm>
#include <tuple>
#include <utility>

#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/Messages.h"
#include "ui/CommandIds.h"
#include "ui/EditCommands.h"

ButtonCommands::ButtonCommands(KesApp& app, Doc& doc, OutlineSelection& outline)
    : app_(app), doc_(doc), outline_(outline) {}

// ---------------------------------------------------------------------------
// Buttons commands

void ButtonCommands::OnNewButton() {
  if (!doc_.project()) return;
  // Right after the button holding the selection; with the project or
  // nothing selected, last.
  const int containing = outline_.CurrentButtonRow();
  doc_.AddNewButton(containing >= 0 ? containing + 1 : static_cast<int>(doc_.ButtonCount()));
}

bool ButtonCommands::CanDeleteButton() const {
  const std::vector<int> selected = outline_.SelectedButtonRows();
  return !selected.empty() && doc_.ButtonCount() > selected.size();
}

void ButtonCommands::OnDeleteButton() {
  if (!CanDeleteButton()) return;
  doc_.DeleteButtonsAt(outline_.SelectedButtonRows());
  outline_.TakeFocus();
}

bool ButtonCommands::CanMoveUp() const {
  const std::vector<int> selected = outline_.SelectedButtonRows();
  return !selected.empty() && selected.front() > 0;
}

bool ButtonCommands::CanMoveDown() const {
  const std::vector<int> selected = outline_.SelectedButtonRows();
  return !selected.empty() && static_cast<std::size_t>(selected.back()) + 1 < doc_.ButtonCount();
}

void ButtonCommands::MoveSelected(int delta) {
  std::vector<int> rows = outline_.SelectedButtonRows();
  if (!doc_.MoveButtonsBy(rows, delta)) return;
  // The moved rows stay selected.
  if (rows.size() > 1) {
    for (int& row : rows) row += delta;
    outline_.SelectButtonRows(rows);
  }
  outline_.TakeFocus();
}

void ButtonCommands::OnMoveUp() {
  if (CanMoveUp()) MoveSelected(-1);
}

void ButtonCommands::OnMoveDown() {
  if (CanMoveDown()) MoveSelected(1);
}

bool ButtonCommands::CanDuplicate() const {
  return !outline_.SelectedButtonRows().empty();
}

void ButtonCommands::OnDuplicate() {
  const std::vector<int> selected = outline_.SelectedButtonRows();
  if (!selected.empty()) doc_.DuplicateButtonsAt(selected);
}

// ---------------------------------------------------------------------------
// Clipboard commands

std::vector<KesProp*> ButtonCommands::SelectedOfOneKind() const {
  std::vector<KesProp*> groups = outline_.SelectedGroups();
  groups.erase(std::remove(groups.begin(), groups.end(), nullptr), groups.end());
  for (const KesProp* g : groups)
    if (g->GetClass() != groups.front()->GetClass()) return {};
  return groups;
}

bool ButtonCommands::CanCopy() const {
  return !SelectedOfOneKind().empty();
}

bool ButtonCommands::CanCut() const {
  const std::vector<KesProp*> groups = SelectedOfOneKind();
  return !groups.empty() && groups.front()->GetClass() == PropClass::Button;
}

bool ButtonCommands::CanPaste() const {
  const std::vector<KesProp*> groups = SelectedOfOneKind();
  const KesProp* group = groups.empty() ? nullptr : groups.front();
  return group && app_.lastCopiedClass != PropClass::None &&
         group->GetClass() == app_.lastCopiedClass &&
         app_.platform().ClipboardHasData(KesApp::kGroupClipboardFormat);
}

bool ButtonCommands::CanEdit(int id) const {
  switch (id) {
    case kCmdEditCopy:
      return CanCopy();
    case kCmdEditCut:
      return CanCut();
    case kCmdEditPaste:
      return CanPaste();
    default:
      return false;
  }
}

std::string ButtonCommands::CopySelected() {
  const std::vector<KesProp*> groups = SelectedOfOneKind();
  if (groups.empty()) return std::string();
  std::string bytes = Doc::CopyGroup(*groups.front());
  if (!app_.platform().SetClipboardData(KesApp::kGroupClipboardFormat, bytes)) {
    app_.platform().MessageBox(msg::kClipboardFailed, MsgButtons::Ok, MsgIcon::Exclamation);
    return std::string();
  }
  // Several items go along in tree order, so that a paste onto as many
  // gives each its own.
  std::vector<std::pair<GroupPath, std::string>> all;
  for (KesProp* g : groups) all.push_back({doc_.PathOf(g), Doc::CopyGroup(*g)});
  std::sort(all.begin(), all.end(), [](const auto& a, const auto& b) {
    return std::tie(a.first.button, a.first.state) < std::tie(b.first.button, b.first.state);
  });
  std::vector<std::string> list;
  for (auto& entry : all) list.push_back(std::move(entry.second));
  if (groups.size() > 1)
    app_.platform().AddClipboardData(KesApp::kGroupListClipboardFormat, Doc::JoinGroups(list));
  app_.lastCopiedClass = groups.front()->GetClass();
  return bytes;
}

void ButtonCommands::OnCopy() {
  if (CanCopy()) CopySelected();
}

void ButtonCommands::OnCut() {
  if (!CanCut()) return;
  const std::vector<int> selected = outline_.SelectedButtonRows();
  // A button that could not go to the clipboard stays.
  if (CopySelected().empty()) return;
  doc_.DeleteButtonsAt(selected, QT_TRANSLATE_NOOP("EditSteps", "Cut"));
}

void ButtonCommands::OnPaste() {
  const std::vector<KesProp*> groups = SelectedOfOneKind();
  if (groups.empty() || app_.lastCopiedClass == PropClass::None ||
      groups.front()->GetClass() != app_.lastCopiedClass)
    return;
  std::vector<GroupPath> paths;
  for (KesProp* g : groups) paths.push_back(doc_.PathOf(g));
  // What is too large or does not read as groups of this kind is refused.
  doc_.PasteFromClipboard(std::move(paths), false);
}

bool ButtonCommands::CanPasteStyle() const {
  return doc_.project() != nullptr;
}

std::string ButtonCommands::PasteStyleRefusal() const {
  const bool held = app_.platform().ClipboardHasData(KesApp::kGroupClipboardFormat);
  std::vector<GroupPath> paths;
  for (KesProp* g : outline_.SelectedGroups())
    if (g) paths.push_back(doc_.PathOf(g));
  return Edits::PasteStyleRefusal(app_.platform(), held ? app_.lastCopiedClass : PropClass::None,
                                  paths);
}

void ButtonCommands::OnPasteStyle() {
  if (!doc_.project()) return;
  if (const std::string why = PasteStyleRefusal(); !why.empty()) {
    outline_.ShowStatus(why);
    return;
  }
  std::vector<GroupPath> paths;
  for (KesProp* g : SelectedOfOneKind()) paths.push_back(doc_.PathOf(g));
  doc_.PasteFromClipboard(std::move(paths), true);
}

bool ButtonCommands::CanCopyToOtherStates() const {
  const std::vector<KesProp*> groups = SelectedOfOneKind();
  return !groups.empty() && groups.front()->GetClass() != PropClass::Project &&
         groups.front()->GetClass() != PropClass::Button;
}

void ButtonCommands::OnCopyToOtherStates() {
  if (!CanCopyToOtherStates()) return;
  std::vector<GroupPath> paths;
  for (KesProp* g : SelectedOfOneKind()) paths.push_back(doc_.PathOf(g));
  doc_.CopyToOtherStates(paths);
}

// ---------------------------------------------------------------------------
// Editing commands

bool ButtonCommands::IsEditCommandEnabled(int id) const {
  if (QWidget* edit = EditBoxOf(QApplication::focusWidget()))
    return EditBoxCommandEnabled(edit, id);
  return outline_.HasFocus() && CanEdit(id);
}

void ButtonCommands::RunEditCommand(int id) {
  if (QWidget* edit = EditBoxOf(QApplication::focusWidget())) {
    RunEditBoxCommand(edit, id);
    return;
  }
  if (!outline_.HasFocus()) return;
  switch (id) {
    case kCmdEditCopy:
      OnCopy();
      break;
    case kCmdEditCut:
      OnCut();
      break;
    case kCmdEditPaste:
      if (CanPaste()) OnPaste();
      break;
    default:
      break;
  }
}
