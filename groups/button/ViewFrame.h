// The "Frame" page of a state: the frame's colour and size.
#pragma once

#include "ui/KesView.h"

class ColorButton;
class IntSpinEdit;
class PropBorder;

class ViewFrame : public KesView {
  Q_OBJECT
 public:
  explicit ViewFrame(const PageContext& context, QWidget* parent = nullptr);

  PropBorder& border() const;

 private:
  ColorButton* color_;
  IntSpinEdit* thick_;
};
