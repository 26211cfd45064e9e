#include "groups/button/ViewAdvanced.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "groups/button/PropAdvanced.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "ui/OutlineIcons.h"
#include "ui/ScriptBox.h"
#include "ui/ScriptEdit.h"
#include "ui/Text.h"

ViewAdvanced::ViewAdvanced(const PageContext& context, QWidget* parent)
    : KesView(context, 2400, parent),
      box_(new ScriptBox(doc(), tr("&VelkoScript:"), tr("&Add Action..."))),
      script_(box_->edit()),
      add_(box_->addButton()) {
  setObjectName(QStringLiteral("ViewAdvanced"));
  RegisterControl(script_, 2401);
  RegisterControl(add_, 2402);
  // A caption naming the state whose actions these are.
  auto* icon = new QLabel;
  icon->setPixmap(TreeIcon(310).pixmap(16, 16));
  title_ = new QLabel;
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  auto* caption = new QHBoxLayout;
  caption->setSpacing(6);
  caption->addWidget(icon);
  caption->addWidget(title_, 1);
  auto* line = new QFrame;
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(6);
  layout->addLayout(caption);
  layout->addWidget(line);
  layout->addSpacing(4);
  layout->addWidget(box_, 1);
}

PropAdvanced& ViewAdvanced::advanced() const {
  return static_cast<PropAdvanced&>(*group());
}

void ViewAdvanced::RefreshControls() {
  const PropAdvanced& a = advanced();
  QString title = tr("Advanced actions");
  if (const PropState* state = a.state()) {
    title = tr("Actions of the %1 state").arg(ToQ(state->name));
    if (const PropButton* button = state->button())
      title =
          tr("Actions of the %1 state of \u201C%2\u201D").arg(ToQ(state->name), ToQ(button->name));
  }
  title_->setText(title);
  script_->setScript(a.script);
}

bool ViewAdvanced::CommitControls() {
  PropAdvanced& a = advanced();
  if (!script_->Shows(a.script)) Store(a.script, script_->script());
  return true;
}
