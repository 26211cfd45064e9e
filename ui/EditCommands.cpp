#include "ui/EditCommands.h"

#include <QAbstractSpinBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {
bool ClipboardHasText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasText();
}
}  // namespace

QWidget* EditBoxOf(QWidget* focus) {
  if (!focus) return nullptr;
  if (qobject_cast<QLineEdit*>(focus) || qobject_cast<QPlainTextEdit*>(focus) ||
      qobject_cast<QTextEdit*>(focus))
    return focus;
  if (auto* combo = qobject_cast<QComboBox*>(focus)) return combo->lineEdit();
  if (qobject_cast<QAbstractSpinBox*>(focus)) return focus->findChild<QLineEdit*>();
  // The viewport of a multi-line edit.
  if (QWidget* parent = focus->parentWidget()) {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(parent); plain && plain->viewport() == focus)
      return plain;
    if (auto* rich = qobject_cast<QTextEdit*>(parent); rich && rich->viewport() == focus)
      return rich;
  }
  return nullptr;
}

bool EditBoxCommandEnabled(QWidget* edit, int id) {
  if (auto* line = qobject_cast<QLineEdit*>(edit)) {
    switch (id) {
      case kCmdEditCopy:
        return line->hasSelectedText();
      case kCmdEditCut:
        return line->hasSelectedText() && !line->isReadOnly();
      case kCmdEditPaste:
        return !line->isReadOnly() && ClipboardHasText();
      case kCmdEditUndo:
        return line->isUndoAvailable();
      case kCmdEditRedo:
        return line->isRedoAvailable();
    }
    return false;
  }
  if (auto* plain = qobject_cast<QPlainTextEdit*>(edit)) {
    const bool selected = plain->textCursor().hasSelection();
    switch (id) {
      case kCmdEditCopy:
        return selected;
      case kCmdEditCut:
        return selected && !plain->isReadOnly();
      case kCmdEditPaste:
        return plain->canPaste();
      case kCmdEditUndo:
        return plain->document()->isUndoAvailable();
      case kCmdEditRedo:
        return plain->document()->isRedoAvailable();
    }
    return false;
  }
  if (auto* rich = qobject_cast<QTextEdit*>(edit)) {
    const bool selected = rich->textCursor().hasSelection();
    switch (id) {
      case kCmdEditCopy:
        return selected;
      case kCmdEditCut:
        return selected && !rich->isReadOnly();
      case kCmdEditPaste:
        return rich->canPaste();
      case kCmdEditUndo:
        return rich->document()->isUndoAvailable();
      case kCmdEditRedo:
        return rich->document()->isRedoAvailable();
    }
  }
  return false;
}

void RunEditBoxCommand(QWidget* edit, int id) {
  if (!EditBoxCommandEnabled(edit, id)) return;
  if (auto* line = qobject_cast<QLineEdit*>(edit)) {
    if (id == kCmdEditCopy) line->copy();
    if (id == kCmdEditCut) line->cut();
    if (id == kCmdEditPaste) line->paste();
    if (id == kCmdEditUndo) line->undo();
    if (id == kCmdEditRedo) line->redo();
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(edit)) {
    if (id == kCmdEditCopy) plain->copy();
    if (id == kCmdEditCut) plain->cut();
    if (id == kCmdEditPaste) plain->paste();
    if (id == kCmdEditUndo) plain->undo();
    if (id == kCmdEditRedo) plain->redo();
  } else if (auto* rich = qobject_cast<QTextEdit*>(edit)) {
    if (id == kCmdEditCopy) rich->copy();
    if (id == kCmdEditCut) rich->cut();
    if (id == kCmdEditPaste) rich->paste();
    if (id == kCmdEditUndo) rich->undo();
    if (id == kCmdEditRedo) rich->redo();
  }
}
