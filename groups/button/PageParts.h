// Parts the state pages are built from: rows of push-like buttons that show a
// picture instead of a caption (alignment, styles, font attributes), labelled
// rows, and the form that keeps every page's labels in one column.
#pragma once

#include <QHBoxLayout>
#include <QString>
#include <QToolButton>
#include <vector>

class QButtonGroup;
class QFormLayout;
class QLabel;
class QWidget;

struct IconChoice {
  QHBoxLayout* row = nullptr;
  QButtonGroup* group = nullptr;  // null for independent (check box) buttons
  std::vector<QToolButton*> buttons;

  // The index of the checked button, or `fallback` when none is checked.
  int Checked(int fallback) const;
  // Checks button `index` (none for an index outside the row).
  void Check(int index) const;
};

// `count` checkable buttons with the icons `iconIds` (page icons); `exclusive`
// makes them act as radio buttons.
IconChoice MakeIconChoice(QWidget* owner, const std::vector<int>& iconIds, bool exclusive);

// A label whose access key moves the focus to `buddy`.
QLabel* BuddyLabel(const QString& text, QWidget* buddy);

// One row of a page: widgets and layouts side by side, then a stretch. Text
// items become labels (a label before a widget gets it as its buddy).
class PageRow {
 public:
  PageRow();
  PageRow& Add(QWidget* widget);
  PageRow& Add(QLayout* layout);
  PageRow& Label(const QString& text);
  PageRow& Gap(int width = 16);
  // Ends the row with a stretch and hands it over.
  QHBoxLayout* Done();

 private:
  QHBoxLayout* row_;
  QLabel* pending_ = nullptr;
};

// "Horizontal [left centre right]  Vertical [top centre bottom]".
QHBoxLayout* AlignmentRow(const IconChoice& horizontal, const IconChoice& vertical);
// "Horizontal [x]  Vertical [y] pixels", the labels reaching their edits.
QHBoxLayout* OffsetRow(QWidget* x, QWidget* y);

// The form layout of a page: labels in one column, margins and spacing as on
// every page.
QFormLayout* MakePageForm(QWidget* page);
