// The "Link" page of a button: the address opened when the button is
// activated, its target frame and the browser's status-line text. The
// address box offers the addresses entered during this run.
#pragma once

#include "ui/KesView.h"

class PropButton;
class QComboBox;
class QLineEdit;

class ViewLink : public KesView {
  Q_OBJECT
 public:
  explicit ViewLink(const PageContext& context, QWidget* parent = nullptr);

  PropButton& button() const;

 private:
  QComboBox* url_;
  QComboBox* target_;
  QLineEdit* status_;
};
