// The "General" page of the project: its identifier, its size, and how the
// buttons are laid out with their default size and spacing. A change of the
// layout, and every reload, lays the buttons out at once so that the computed
// size shows.
#pragma once

#include "ui/KesView.h"

class IntSpinEdit;
class PropProject;
class QComboBox;
class QLineEdit;

class ViewProject : public KesView {
  Q_OBJECT
 public:
  explicit ViewProject(const PageContext& context, QWidget* parent = nullptr);

  PropProject& project() const;

  // The layouts of the list, in the order of their values.
  enum Layout { kVertical = 0, kHorizontal = 1, kUserDefined = 2 };

 protected:
  void RefreshControls() override;
  void OnClose() override;

 private:
  // Shows the group without taking the layout list's change for the user's.
  void LoadControls();
  void UpdateEnabled();
  // Stores the controls, lays the buttons out and shows the result.
  void Relayout();

  QLineEdit* identifier_;
  IntSpinEdit* projectWidth_;
  IntSpinEdit* projectHeight_;
  QComboBox* layout_;
  IntSpinEdit* buttonWidth_;
  IntSpinEdit* buttonHeight_;
  IntSpinEdit* spacing_;
  bool loading_ = false;
  bool relayingOut_ = false;
};
