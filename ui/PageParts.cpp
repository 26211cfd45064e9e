#include "ui/PageParts.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "audio/AuFile.h"
#include "core/OsPath.h"
#include "core/Platform.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "ui/OutlineIcons.h"
#include "ui/Text.h"

int IconChoice::Checked(int fallback) const {
  for (std::size_t i = 0; i < buttons.size(); ++i)
    if (buttons[i]->isChecked()) return static_cast<int>(i);
  return fallback;
}

void IconChoice::Check(int index) const {
  // An exclusive group keeps one button checked; let go of it for "none".
  if (group) group->setExclusive(false);
  for (std::size_t i = 0; i < buttons.size(); ++i)
    buttons[i]->setChecked(static_cast<int>(i) == index);
  if (group) group->setExclusive(true);
}

IconChoice MakeIconChoice(QWidget* owner, const std::vector<PushChoice>& choices, bool exclusive,
                          int minimumWidth) {
  IconChoice choice;
  choice.row = new QHBoxLayout;
  if (exclusive) {
    choice.group = new QButtonGroup(owner);
    choice.group->setExclusive(true);
  }
  bool labelled = false;
  for (const PushChoice& c : choices) {
    auto* b = new QToolButton;
    b->setIcon(PageIcon(c.iconId));
    b->setIconSize(QSize(16, 16));
    b->setCheckable(true);
    b->setAutoRaise(false);
    if (c.label) {
      labelled = true;
      b->setText(QWidget::tr(c.label));
      b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
      b->setMinimumWidth(minimumWidth);
    } else {
      b->setFixedSize(28, 26);
    }
    if (choice.group) choice.group->addButton(b, static_cast<int>(choice.buttons.size()));
    choice.row->addWidget(b);
    choice.buttons.push_back(b);
  }
  choice.row->setSpacing(labelled ? 4 : 2);
  return choice;
}

IconChoice MakeIconChoice(QWidget* owner, const std::vector<int>& iconIds, bool exclusive) {
  std::vector<PushChoice> choices;
  for (int id : iconIds) choices.push_back({nullptr, id});
  return MakeIconChoice(owner, choices, exclusive, 0);
}

QHBoxLayout* MakePushRow(QWidget* owner, const std::vector<PushChoice>& choices,
                         std::vector<QToolButton*>& buttons, int minimumWidth) {
  IconChoice choice = MakeIconChoice(owner, choices, true, minimumWidth);
  choice.row->addStretch(1);
  buttons = choice.buttons;
  return choice.row;
}

QString StateTitle(const PropState* state, const QString& none, const QString& ofState,
                   const QString& ofButton) {
  if (!state) return none;
  if (const PropButton* button = state->button())
    return ofButton.arg(ToQ(state->name), ToQ(button->name));
  return ofState.arg(ToQ(state->name));
}

QLabel* AddCaption(QBoxLayout* layout, int treeIconId) {
  auto* icon = new QLabel;
  icon->setPixmap(TreeIcon(treeIconId).pixmap(16, 16));
  auto* title = new QLabel;
  QFont bold = title->font();
  bold.setBold(true);
  title->setFont(bold);
  auto* caption = new QHBoxLayout;
  caption->setSpacing(6);
  caption->addWidget(icon);
  caption->addWidget(title, 1);
  auto* line = new QFrame;
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  layout->addLayout(caption);
  layout->addWidget(line);
  layout->addSpacing(4);
  return title;
}

void PickImageFile(Platform& platform, QLineEdit* edit, const std::string& projectFile) {
  std::string path =
      ResolveAudioPath(FromQ(edit->text()), ProjectFolder(projectFile, platform.ProgramDir()));
  if (!platform.FileDialog(true, std::string(), path, kImageFileFilter,
                           FdFileMustExist | FdPathMustExist | FdHideReadOnly))
    return;
  // A file in the project's folder is named from there, so that the project can move.
  std::string stored;
  if (TakePickedName(platform, path, stored, projectFile)) edit->setText(ToQ(stored));
}
