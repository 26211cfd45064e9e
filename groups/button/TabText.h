// The tabbed view of a state's caption: "General" and "Font".
#pragma once

#include "ui/KfcViewTab.h"

class TabText : public KfcViewTab {
  Q_OBJECT
 public:
  explicit TabText(const PageContext& context, QWidget* parent = nullptr);
};
