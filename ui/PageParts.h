// Pieces that several pages are built from: rows of buttons with pictures, a
// caption naming what the page edits, and the image picker.
#pragma once

#include <QString>
#include <vector>

#include "core/Translatable.h"

class QBoxLayout;
class QButtonGroup;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

// A row of checkable buttons showing page icons (and, in a push row, a label
// beside each): alignment, styles, font attributes, modes.
struct IconChoice {
  QHBoxLayout* row = nullptr;
  QButtonGroup* group = nullptr;  // null for independent (check box) buttons
  std::vector<QToolButton*> buttons;

  // The index of the checked button, or `fallback` when none is checked.
  int Checked(int fallback) const;
  // Checks button `index` (none for an index outside the row).
  void Check(int index) const;
};

// One button of a row: its page icon and, when it has one, its label.
struct PushChoice {
  const char* label;
  int iconId;
};

// Buttons with the icons `iconIds`; `exclusive` makes them act as radio buttons.
IconChoice MakeIconChoice(QWidget* owner, const std::vector<int>& iconIds, bool exclusive);
// Buttons with labels beside their icons, at least `minimumWidth` wide;
// `exclusive` makes them act as radio buttons.
IconChoice MakeIconChoice(QWidget* owner, const std::vector<PushChoice>& choices, bool exclusive,
                          int minimumWidth);

// A row of exclusive labelled buttons followed by a stretch; the buttons go
// into `buttons` in order.
QHBoxLayout* MakePushRow(QWidget* owner, const std::vector<PushChoice>& choices,
                         std::vector<QToolButton*>& buttons, int minimumWidth);

// The title of a state's page: `none` without a state, `ofState` with the
// state's name for %1, `ofButton` with the state's name and the button's for
// %1 and %2.
class PropState;
QString StateTitle(const PropState* state, const QString& none, const QString& ofState,
                   const QString& ofButton);

// Adds a caption to `layout`: the tree icon `treeIconId`, a bold title (the
// returned label, filled in by the page) and a line beneath.
QLabel* AddCaption(QBoxLayout* layout, int treeIconId);

// The image files a page offers in its "..." dialog: every kind the runtime
// draws, and the two a browser running the Java applet shows.
inline constexpr const char* kImageFileFilter = VB_TR_NOOP(
    "FileDialog",
    "Image Files (*.png,*.gif,*.jpg,*.svg,*.webp)|*.png;*.gif;*.jpg;*.jpeg;*.svg;*.webp|"
    "Images for Java-only browsers (*.jpg,*.gif)|*.jpg;*.jpeg;*.gif|All Files (*.*)|*.*||");

// "..." beside an image name: the dialog starts from the name in `edit`,
// relative to the program's folder unless absolute; the picked file goes into
// `edit` unless the project cannot store its name (the platform says so and
// the edit keeps the old name).
class Platform;
void PickImageFile(Platform& platform, QLineEdit* edit, const std::string& projectFile);
