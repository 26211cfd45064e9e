// The "Size" page of a button: its position and size. The edits are open
// only when the project's layout is "User Defined"; otherwise the layout
// places the buttons.
#pragma once

#include "ui/KesView.h"

class IntSpinEdit;
class PropButton;
class QLabel;

class ViewSize : public KesView {
  Q_OBJECT
 public:
  explicit ViewSize(const PageContext& context, QWidget* parent = nullptr);

  PropButton& button() const;

 protected:
  bool HoldsEdits() const override;
  void RefreshControls() override;

 private:
  bool UserDefined() const;

  IntSpinEdit* edits_[4];  // x, y, width, height
  QLabel* note_;
};
