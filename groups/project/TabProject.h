// The tabbed view of the project: "General", "Background", "Output" and
// "VelkoScript".
#pragma once

#include "ui/KfcViewTab.h"

class TabProject : public KfcViewTab {
  Q_OBJECT
 public:
  explicit TabProject(const PageContext& context, QWidget* parent = nullptr);

  enum Tab { kGeneral, kBackground, kOutput, kScript };
};
