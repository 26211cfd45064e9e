// The two toolbar pages of the Options sheet: the list of toolbars with
// their look, and the commands that can be dragged onto them.
#pragma once

#include <QWidget>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolBar;
class QToolButton;
class ToolbarManager;

class ToolbarsPage : public QWidget {
  Q_OBJECT
 public:
  ToolbarsPage(ToolbarManager& manager, QWidget* parent = nullptr);

  // "New...": asks for a name and makes a shown user toolbar.
  void OnNew();
  void OnReset();
  void OnDelete();

  QListWidget* list() const { return list_; }
  QLineEdit* nameEdit() const { return name_; }
  QCheckBox* tooltipsBox() const { return tooltips_; }
  QCheckBox* coolBox() const { return cool_; }
  QCheckBox* largeBox() const { return large_; }
  QPushButton* newButton() const { return new_; }
  QPushButton* resetButton() const { return reset_; }
  QPushButton* deleteButton() const { return delete_; }
  QToolBar* SelectedBar() const;

 private:
  void Fill();
  void UpdateButtons();

  ToolbarManager& manager_;
  QListWidget* list_ = nullptr;
  QLineEdit* name_ = nullptr;
  QCheckBox* tooltips_ = nullptr;
  QCheckBox* cool_ = nullptr;
  QCheckBox* large_ = nullptr;
  QPushButton* new_ = nullptr;
  QPushButton* reset_ = nullptr;
  QPushButton* delete_ = nullptr;
  bool filling_ = false;
};

class CommandsPage : public QWidget {
  Q_OBJECT
 public:
  CommandsPage(ToolbarManager& manager, QWidget* parent = nullptr);

  QListWidget* categories() const { return categories_; }
  // The buttons of the chosen category, in order.
  QList<QToolButton*> buttons() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowCategory(int row);

  ToolbarManager& manager_;
  QListWidget* categories_ = nullptr;
  QWidget* buttonArea_ = nullptr;
  class QLabel* description_ = nullptr;
  QPoint pressPos_;
};
