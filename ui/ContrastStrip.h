// A line under the Live View that names the buttons whose captions are hard
// to read on their state's colour, with their contrast ratios: first the
// state the view shows of the selected button, then any other. Hidden while
// every caption reads well.
#pragma once

#include <QFrame>
#include <QString>

#include "core/History.h"

class Doc;
class QLabel;
class QTimer;

class ContrastStrip : public QFrame, public DocListener {
  Q_OBJECT
 public:
  explicit ContrastStrip(Doc& doc, QWidget* parent = nullptr);
  ~ContrastStrip() override;

  // The button the view shows in a state (-1: none) and that state (-1: Up).
  void ShowSelection(int button, int state);
  void OnDocChanged(const DocChange& change) override;

  // The line as shown ("" while every caption reads well).
  QString text() const;
  // Works the line out now rather than after the current change.
  void Recount();

  // At most this many other states are named; the rest are counted.
  static constexpr int kNamedMax = 4;

 private:
  Doc& doc_;
  int button_ = -1;
  int state_ = -1;
  QLabel* icon_;
  QLabel* text_;
  QTimer* soon_;
};
