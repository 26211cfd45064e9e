// Pieces that several pages are built from: a row of push-like radio buttons
// with pictures, a caption naming what the page edits, and the image picker.
#pragma once

#include <QString>
#include <vector>

class QBoxLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QToolButton;
class QWidget;

// One push-like radio button of a row: its label and its page icon.
struct PushChoice {
  const char* label;
  int iconId;
};

// A row of exclusive push-like buttons, one per choice, followed by a
// stretch. The buttons go into `buttons` in order; `owner` owns the group.
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
inline constexpr const char* kImageFileFilter =
    "Image Files (*.png,*.gif,*.jpg,*.svg,*.webp)|*.png;*.gif;*.jpg;*.jpeg;*.svg;*.webp|"
    "Images for Java-only browsers (*.jpg,*.gif)|*.jpg;*.jpeg;*.gif|All Files (*.*)|*.*||";

// "..." beside an image name: the dialog starts from the name in `edit`,
// relative to the program's folder unless absolute; the picked file goes into
// `edit` unless the project cannot store its name (the platform says so and
// the edit keeps the old name).
class Platform;
void PickImageFile(Platform& platform, QLineEdit* edit);
