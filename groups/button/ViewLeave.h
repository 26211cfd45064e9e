// The "Mouse Leave" page of a button: the VelkoScript actions run when the
// mouse leaves the button.
#pragma once

#include "ui/KesView.h"

class PropButton;
class QPushButton;
class ScriptBox;
class ScriptEdit;

class ViewLeave : public KesView {
  Q_OBJECT
 public:
  explicit ViewLeave(const PageContext& context, QWidget* parent = nullptr);

  PropButton& button() const;
  ScriptEdit* scriptEdit() const { return script_; }
  QPushButton* addActionButton() const { return add_; }

 protected:
  bool CommitControls() override;
  void RefreshControls() override;

 private:
  ScriptBox* box_;
  ScriptEdit* script_;
  QPushButton* add_;
};
