// Rows of push-like buttons that show a picture instead of a caption, as the
// state pages use them for alignment, styles and font attributes.
#pragma once

#include <QHBoxLayout>
#include <QString>
#include <QToolButton>
#include <vector>

class QButtonGroup;
class QWidget;

struct IconChoice {
  QHBoxLayout* row = nullptr;
  QButtonGroup* group = nullptr;  // null for independent (check box) buttons
  std::vector<QToolButton*> buttons;

  // The index of the checked button, or `fallback` when none is checked.
  int Checked(int fallback) const;
  // Checks button `index` (none for an index outside the row).
  void Check(int index) const;
};

// `count` checkable buttons with the icons `iconIds` (page icons); `exclusive`
// makes them act as radio buttons. The row ends with a stretch.
IconChoice MakeIconChoice(QWidget* owner, const std::vector<int>& iconIds, bool exclusive);
