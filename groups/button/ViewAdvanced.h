// The page of a state's advanced group: free VelkoScript actions added to the
// state's event block.
#pragma once

#include "ui/ScriptPage.h"

class PropAdvanced;
class QLabel;

class ViewAdvanced : public ScriptPage {
  Q_OBJECT
 public:
  explicit ViewAdvanced(const PageContext& context, QWidget* parent = nullptr);

  PropAdvanced& advanced() const;

 protected:
  void RefreshControls() override;

 private:
  QLabel* title_ = nullptr;
};
