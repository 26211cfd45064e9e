// The Buttons table: the name, caption, link, target, tool tip and status
// text of every button in one grid, typed as in a spreadsheet. Typing on a
// cell starts editing it; Enter stores and goes down, Tab stores and goes
// right (on to the next row), Escape cancels. A caption's editor shows its
// lines, and Shift+Enter breaks one. Each cell stored is one
// undoable step; the table follows the document, and its selected rows and
// the outline's selected buttons follow each other.
#pragma once

#include <QPersistentModelIndex>
#include <QTableView>

class ButtonTableModel;
class Doc;
class KesApp;
class QDockWidget;
class QMainWindow;
class ViewOutline;

class ButtonTable : public QTableView {
  Q_OBJECT
 public:
  ButtonTable(KesApp& app, Doc& doc, ViewOutline& outline, QWidget* parent = nullptr);

  // A dock holding a new table, added to the bottom of `frame`.
  static QDockWidget* AddDock(QMainWindow& frame, KesApp& app, Doc& doc, ViewOutline& outline);
  // Shows the table's dock in front of the docks it shares a place with and
  // gives the table the keyboard.
  void ShowAndFocus();

  ButtonTableModel& rows() const { return *model_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;

 private:
  // The outline's selected buttons become the table's selected rows.
  void FollowOutline();
  // Rows the user selected here select their buttons in the outline.
  void TellOutline();
  // A refused value: the message, then the cell's editor again with what
  // was typed, to correct it.
  void OnRefused(const QModelIndex& index, const QString& typed, const QString& message);
  // The cell after (or before) the current one, row by row.
  void Step(int by);
  void GoTo(int row, int column);
  // Enter after cells stored with Tab goes to the next row's cell in the
  // column the Tabs started from, as spreadsheets do.
  int EnterColumn() const;
  bool Focused() const;

  KesApp& app_;
  Doc& doc_;
  ViewOutline& outline_;
  ButtonTableModel* model_;
  // Set while one selection follows the other.
  bool syncing_ = false;
  // Set when the editor closing held a refused value: the cell stays.
  bool refusedEdit_ = false;
  // Where a run of Tabs started and the cell it reached (invalid: none).
  int tabStart_ = -1;
  QPersistentModelIndex tabbedTo_;
};
