// The tabbed view of a state's border: "Border" and "Frame".
#pragma once

#include "ui/KfcViewTab.h"

class TabBorder : public KfcViewTab {
  Q_OBJECT
 public:
  explicit TabBorder(const PageContext& context, QWidget* parent = nullptr);
};
