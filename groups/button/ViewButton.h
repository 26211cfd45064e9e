// The "General" page of a button: name, mode, tool tip and the initial
// selection, visibility and dragging.
#pragma once

#include <vector>

#include "ui/KesView.h"

class PropButton;
class QCheckBox;
class QLineEdit;
class QToolButton;

class ViewButton : public KesView {
  Q_OBJECT
 public:
  explicit ViewButton(const PageContext& context, QWidget* parent = nullptr);

  PropButton& button() const;

 private:
  QLineEdit* name_;
  std::vector<QToolButton*> modes_;  // push, check box, radio
  QLineEdit* tip_;
  QCheckBox* down_;
  QCheckBox* visible_;
  QCheckBox* drag_;
};
