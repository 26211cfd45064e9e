// The "Border" page of a state: style, size, smoothing and the three border
// colours, which follow the state's colour while "Automatic" is on.
#pragma once

#include "groups/button/PageParts.h"
#include "ui/KesView.h"

class ColorButton;
class IntSpinEdit;
class PropBorder;
class QCheckBox;

class ViewBorder : public KesView {
  Q_OBJECT
 public:
  explicit ViewBorder(const PageContext& context, QWidget* parent = nullptr);

  PropBorder& border() const;

 protected:
  bool HoldsEdits() const override;
  void RefreshControls() override;

 private:
  // With "Automatic" on, the colour buttons show the colours derived from
  // the state's colour and cannot be changed; the next commit stores them.
  void ShowAutomaticColors();

  IconChoice style_;
  IntSpinEdit* thick_;
  QCheckBox* smooth_;
  QCheckBox* automatic_;
  ColorButton* colors_[3];
  // Set once the user changes anything on the page since it was loaded.
  bool edited_ = false;
};
