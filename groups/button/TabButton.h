// The tabbed view of a button: "General", "Size", "Link" and "Mouse Leave".
#pragma once

#include "ui/KfcViewTab.h"

class TabButton : public KfcViewTab {
  Q_OBJECT
 public:
  explicit TabButton(const PageContext& context, QWidget* parent = nullptr);
};
