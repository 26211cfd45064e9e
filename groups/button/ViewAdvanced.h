// The page of a state's advanced group: free VelkoScript actions added to the
// state's event block.
#pragma once

#include "ui/KesView.h"

class PropAdvanced;
class QLabel;
class QPushButton;
class ScriptBox;
class ScriptEdit;

class ViewAdvanced : public KesView {
  Q_OBJECT
 public:
  explicit ViewAdvanced(const PageContext& context, QWidget* parent = nullptr);

  PropAdvanced& advanced() const;
  ScriptEdit* scriptEdit() const { return script_; }
  QPushButton* addActionButton() const { return add_; }

 protected:
  bool CommitControls() override;
  void RefreshControls() override;

 private:
  QLabel* title_ = nullptr;
  ScriptBox* box_;
  ScriptEdit* script_;
  QPushButton* add_;
};
