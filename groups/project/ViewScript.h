// The "VelkoScript" page of the project: the scripts run before and after the
// buttons are created, each with its "Add Action..." button.
#pragma once

#include "ui/KesView.h"

class PropProject;
class QPushButton;
class ScriptBox;
class ScriptEdit;

class ViewScript : public KesView {
  Q_OBJECT
 public:
  explicit ViewScript(const PageContext& context, QWidget* parent = nullptr);

  PropProject& project() const;
  ScriptEdit* beforeEdit() const { return before_; }
  ScriptEdit* afterEdit() const { return after_; }
  QPushButton* addBeforeButton() const { return addBefore_; }
  QPushButton* addAfterButton() const { return addAfter_; }

 private:
  ScriptBox* beforeBox_;
  ScriptBox* afterBox_;
  ScriptEdit* before_;
  ScriptEdit* after_;
  QPushButton* addBefore_;
  QPushButton* addAfter_;
};
