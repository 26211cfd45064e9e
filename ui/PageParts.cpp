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

QHBoxLayout* MakePushRow(QWidget* owner, const std::vector<PushChoice>& choices,
                         std::vector<QToolButton*>& buttons, int minimumWidth) {
  auto* row = new QHBoxLayout;
  row->setSpacing(4);
  auto* group = new QButtonGroup(owner);
  group->setExclusive(true);
  buttons.clear();
  for (const PushChoice& choice : choices) {
    auto* b = new QToolButton;
    b->setText(QWidget::tr(choice.label));
    b->setIcon(PageIcon(choice.iconId));
    b->setIconSize(QSize(16, 16));
    b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    b->setCheckable(true);
    b->setAutoRaise(false);
    b->setMinimumWidth(minimumWidth);
    group->addButton(b, static_cast<int>(buttons.size()));
    row->addWidget(b);
    buttons.push_back(b);
  }
  row->addStretch(1);
  return row;
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

void PickImageFile(Platform& platform, QLineEdit* edit) {
  std::string path = ResolveAudioPath(FromQ(edit->text()), platform.ProgramDir());
  if (!platform.FileDialog(true, std::string(), path, kImageFileFilter,
                           FdFileMustExist | FdPathMustExist | FdHideReadOnly))
    return;
  std::string stored;
  if (TakePickedName(platform, path, stored)) edit->setText(ToQ(stored));
}
