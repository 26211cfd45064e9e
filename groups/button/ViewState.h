// The page of a button state: solid or transparent background, colour,
// cursor, position offset and the restart of animations.
#pragma once

#include "groups/button/PropState.h"
#include "ui/KesView.h"

class ColorButton;
class IntSpinEdit;
class PropState;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLabel;
class QRadioButton;

class ViewState : public KesView {
  Q_OBJECT
 public:
  explicit ViewState(const PageContext& context, QWidget* parent = nullptr);

  PropState& state() const;

  // The cursor list entries, by cursor value.
  static const char* const kCursorNames[PropState::kCursorCount];

 protected:
  void RefreshControls() override;

 private:
  // The colour is offered only for a solid background.
  void ShowColorForStyle();

  QRadioButton* solid_;
  QRadioButton* transparent_;
  QLabel* colorLabel_;
  ColorButton* color_;
  QComboBox* cursor_;
  QCheckBox* animate_;
  IntSpinEdit* offsetX_;
  IntSpinEdit* offsetY_;
  QFormLayout* form_;
};
