#include "ui/ButtonTable.h"

#include <QApplication>
#include <QDockWidget>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QPersistentModelIndex>
#include <QPlainTextEdit>
#include <QStyledItemDelegate>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <vector>

#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/Platform.h"
#include "groups/button/PropButton.h"
#include "ui/ButtonTableModel.h"
#include "ui/CommandIds.h"
#include "ui/Text.h"
#include "ui/ViewOutline.h"

namespace {
constexpr int kColumnWidth = 120;
// The most lines a caption's editor grows to; more scroll.
constexpr int kEditorLines = 4;

// The height of a caption's editor: its lines, up to kEditorLines, and at
// least its cell's.
void FitLines(QPlainTextEdit& lines, int cellHeight) {
  const int count = std::clamp(lines.blockCount(), 1, kEditorLines);
  const QMargins around = lines.contentsMargins();
  const int margin = static_cast<int>(std::ceil(lines.document()->documentMargin()));
  lines.resize(lines.width(), std::max(cellHeight, count * lines.fontMetrics().lineSpacing() +
                                                       2 * margin + around.top() + around.bottom() +
                                                       2 * lines.frameWidth() + 1));
}

// A caption's cell is edited on its lines: Enter stores it as in every cell,
// Shift+Enter breaks the line. The other cells are edited on one line.
class CaptionDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override {
    if (index.column() != ButtonTableModel::kCaption)
      return QStyledItemDelegate::createEditor(parent, option, index);
    auto* editor = new QPlainTextEdit(parent);
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setFrameShape(QFrame::NoFrame);
    // Its lines show whole up to kEditorLines; beyond, it scrolls with the cursor.
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int cellHeight = option.rect.height();
    QObject::connect(editor, &QPlainTextEdit::blockCountChanged, editor,
                     [editor, cellHeight] { FitLines(*editor, cellHeight); });
    return editor;
  }
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    auto* lines = qobject_cast<QPlainTextEdit*>(editor);
    if (!lines) return QStyledItemDelegate::setEditorData(editor, index);
    lines->setPlainText(index.data(Qt::EditRole).toString());
    // As a one-line cell: typing replaces what it holds.
    lines->selectAll();
  }
  void setModelData(QWidget* editor, QAbstractItemModel* model,
                    const QModelIndex& index) const override {
    auto* lines = qobject_cast<QPlainTextEdit*>(editor);
    if (!lines) return QStyledItemDelegate::setModelData(editor, model, index);
    // The raw text: the plain text would turn a no-break space into a blank.
    QString text = lines->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    model->setData(index, text, Qt::EditRole);
  }
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override {
    auto* lines = qobject_cast<QPlainTextEdit*>(editor);
    if (!lines) return QStyledItemDelegate::updateEditorGeometry(editor, option, index);
    editor->setGeometry(option.rect);
    FitLines(*lines, option.rect.height());
  }

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    auto* lines = qobject_cast<QPlainTextEdit*>(object);
    if (lines && event->type() == QEvent::KeyPress) {
      const auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (key->modifiers() & Qt::ShiftModifier) {
          lines->insertPlainText(QStringLiteral("\n"));
        } else {
          emit commitData(lines);
          emit closeEditor(lines, QAbstractItemDelegate::SubmitModelCache);
        }
        return true;
      }
      // Tab leaves the cell as in every cell (a text editor would take it).
      if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        emit commitData(lines);
        emit closeEditor(lines, key->key() == Qt::Key_Tab
                                    ? QAbstractItemDelegate::EditNextItem
                                    : QAbstractItemDelegate::EditPreviousItem);
        return true;
      }
    }
    return QStyledItemDelegate::eventFilter(object, event);
  }
};
}  // namespace

ButtonTable::ButtonTable(KesApp& app, Doc& doc, ViewOutline& outline, QWidget* parent)
    : QTableView(parent),
      app_(app),
      doc_(doc),
      outline_(outline),
      model_(new ButtonTableModel(app, doc, this)) {
  setObjectName(QStringLiteral("ButtonTable"));
  // Context help on the table opens the topic of its command.
  setProperty("helpId", static_cast<int>(kCmdViewButtonTable));
  setModel(model_);
  setItemDelegate(new CaptionDelegate(this));
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  // Typing on a cell replaces what it holds; F2 or a double-click edits it.
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::DoubleClicked);
  setTabKeyNavigation(true);
  setWordWrap(false);
  horizontalHeader()->setDefaultSectionSize(kColumnWidth);
  horizontalHeader()->setStretchLastSection(true);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);

  connect(model_, &ButtonTableModel::refused, this, &ButtonTable::OnRefused);
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { TellOutline(); });
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] { TellOutline(); });
  connect(&outline_, &ViewOutline::currentGroupChanged, this, [this] { FollowOutline(); });
  connect(outline_.selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { FollowOutline(); });
  // New rows (New, Open, a button put in) show the outline's selection.
  connect(model_, &QAbstractItemModel::modelReset, this, [this] { FollowOutline(); });
  connect(model_, &QAbstractItemModel::rowsInserted, this, [this] { FollowOutline(); });
  FollowOutline();
}

QDockWidget* ButtonTable::AddDock(QMainWindow& frame, KesApp& app, Doc& doc, ViewOutline& outline) {
  auto* dock = new QDockWidget(tr("Buttons"), &frame);
  dock->setObjectName(QStringLiteral("ButtonsTable"));
  dock->setAllowedAreas(Qt::AllDockWidgetAreas);
  dock->setWidget(new ButtonTable(app, doc, outline, dock));
  frame.addDockWidget(Qt::BottomDockWidgetArea, dock);
  return dock;
}

void ButtonTable::ShowAndFocus() {
  for (QWidget* w = parentWidget(); w; w = w->parentWidget())
    if (auto* dock = qobject_cast<QDockWidget*>(w)) {
      dock->show();
      dock->raise();
      break;
    }
  // The first caption: what a menu's author types first.
  if (!currentIndex().isValid() && model_->rowCount() > 0) GoTo(0, ButtonTableModel::kCaption);
  setFocus(Qt::ShortcutFocusReason);
}

bool ButtonTable::Focused() const {
  const QWidget* focus = QApplication::focusWidget();
  return focus && (focus == this || isAncestorOf(focus));
}

void ButtonTable::keyPressEvent(QKeyEvent* event) {
  if (state() != EditingState && event->modifiers() == Qt::NoModifier) {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
        GoTo(currentIndex().row() + 1, EnterColumn());
        return;
      case Qt::Key_Delete:
        // Clears the cell, as a step of its own (a name refuses it).
        if (currentIndex().isValid()) model_->setData(currentIndex(), QString(), Qt::EditRole);
        refusedEdit_ = false;  // no editor was open
        return;
      default:
        break;
    }
  }
  QTableView::keyPressEvent(event);
}

void ButtonTable::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  const QModelIndex at = currentIndex();
  // The table moves itself: Enter goes down, Tab on without opening the next
  // cell, so that typing there starts afresh.
  QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
  if (refusedEdit_) {
    refusedEdit_ = false;
    return;
  }
  switch (hint) {
    case QAbstractItemDelegate::SubmitModelCache:
      GoTo(at.row() + 1, EnterColumn());
      break;
    case QAbstractItemDelegate::EditNextItem: {
      const int start = tabbedTo_.isValid() && tabbedTo_ == at ? tabStart_ : at.column();
      Step(1);
      tabStart_ = start;
      tabbedTo_ = currentIndex();
      break;
    }
    case QAbstractItemDelegate::EditPreviousItem:
      Step(-1);
      break;
    default:
      break;
  }
}

void ButtonTable::Step(int by) {
  const int columns = model_->columnCount();
  const int cell = currentIndex().row() * columns + currentIndex().column() + by;
  if (cell < 0 || cell >= model_->rowCount() * columns) return;
  GoTo(cell / columns, cell % columns);
}

int ButtonTable::EnterColumn() const {
  const QModelIndex at = currentIndex();
  return tabbedTo_.isValid() && tabbedTo_ == at ? tabStart_ : at.column();
}

void ButtonTable::GoTo(int row, int column) {
  const QModelIndex cell = model_->index(row, column);
  if (!cell.isValid()) return;
  tabbedTo_ = QPersistentModelIndex();
  setCurrentIndex(cell);
  scrollTo(cell);
}

void ButtonTable::OnRefused(const QModelIndex& index, const QString& typed,
                            const QString& message) {
  refusedEdit_ = true;
  // Told once the editor has closed: a message box taking the focus from an
  // open editor would store it again.
  const QPersistentModelIndex cell(index);
  QTimer::singleShot(0, this, [this, cell, typed, message] {
    app_.platform().MessageBox(FromQ(message), MsgButtons::Ok, MsgIcon::Exclamation);
    if (!cell.isValid()) return;
    setFocus(Qt::OtherFocusReason);
    setCurrentIndex(cell);
    edit(cell);
    if (auto* line = qobject_cast<QLineEdit*>(indexWidget(cell))) {
      line->setText(typed);
      line->selectAll();
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(indexWidget(cell))) {
      lines->setPlainText(typed);
      lines->selectAll();
    }
  });
}

void ButtonTable::FollowOutline() {
  if (syncing_) return;
  std::vector<int> rows;
  for (KesProp* group : outline_.SelectedGroups()) {
    const int row = doc_.PathOf(group).button;
    if (row >= 0 && std::find(rows.begin(), rows.end(), row) == rows.end()) rows.push_back(row);
  }
  syncing_ = true;
  // The column shown, or the captions: what a menu's author types first.
  const int column =
      currentIndex().isValid() ? currentIndex().column() : int{ButtonTableModel::kCaption};
  if (rows.empty()) {
    clearSelection();
  } else {
    // The current button's cell in the column shown, and the others' beside it.
    selectionModel()->setCurrentIndex(model_->index(rows.front(), column),
                                      QItemSelectionModel::ClearAndSelect);
    for (std::size_t i = 1; i < rows.size(); ++i)
      selectionModel()->select(model_->index(rows[i], column), QItemSelectionModel::Select);
  }
  syncing_ = false;
}

void ButtonTable::TellOutline() {
  if (syncing_ || !Focused()) return;
  std::vector<int> rows;
  if (currentIndex().isValid()) rows.push_back(currentIndex().row());
  for (const QModelIndex& cell : selectionModel()->selectedIndexes())
    if (std::find(rows.begin(), rows.end(), cell.row()) == rows.end()) rows.push_back(cell.row());
  if (rows.empty()) return;
  // The outline already shows these buttons (perhaps a state of one): it
  // keeps what it shows.
  std::vector<int> shown;
  for (KesProp* group : outline_.SelectedGroups()) {
    const int row = doc_.PathOf(group).button;
    if (row >= 0 && std::find(shown.begin(), shown.end(), row) == shown.end()) shown.push_back(row);
  }
  std::vector<int> wanted = rows;
  std::sort(wanted.begin(), wanted.end());
  std::sort(shown.begin(), shown.end());
  if (wanted == shown) return;
  syncing_ = true;
  const std::vector<PropButton*> buttons = doc_.ButtonPointers();
  const auto button = [&buttons](int row) -> KesProp* {
    return row < static_cast<int>(buttons.size()) ? buttons[static_cast<std::size_t>(row)]
                                                  : nullptr;
  };
  if (KesProp* first = button(rows.front()); first && outline_.SelectGroup(first))
    for (std::size_t i = 1; i < rows.size(); ++i)
      if (KesProp* other = button(rows[i])) outline_.AddToSelection(other);
  syncing_ = false;
  // Selecting in the outline gives it the keyboard; typing goes on here.
  setFocus(Qt::OtherFocusReason);
}
