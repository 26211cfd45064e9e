// Parts the state pages are built from: rows of push-like buttons that show a
// picture instead of a caption (alignment, styles, font attributes), labelled
// rows, and the form that keeps every page's labels in one column.
#pragma once

#include <QHBoxLayout>
#include <QString>
#include <QToolButton>
#include <vector>

#include "ui/PageParts.h"

class QFormLayout;
class QLabel;
class QWidget;

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
