#include "groups/button/ViewLeave.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "groups/button/InsertActionDialog.h"
#include "groups/button/PropButton.h"
#include "ui/ScriptEdit.h"

ViewLeave::ViewLeave(const PageContext& context, QWidget* parent)
    : KesView(context, 3800, parent),
      script_(new ScriptEdit),
      add_(new QPushButton(tr("&Add Action..."))) {
  setObjectName(QStringLiteral("ViewLeave"));
  RegisterControl(script_, 3801);
  RegisterControl(add_, 3802);
  auto* label = new QLabel(tr("&VelkoScript run when the mouse leaves the button:"));
  label->setBuddy(script_);
  connect(add_, &QPushButton::clicked, this,
          [this] { InsertActionDialog::InsertInto(doc(), script_, this); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(add_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(6);
  layout->addWidget(label);
  layout->addWidget(script_, 1);
  layout->addLayout(buttons);
}

PropButton& ViewLeave::button() const {
  return static_cast<PropButton&>(*group());
}

void ViewLeave::RefreshControls() {
  script_->setScript(button().leaveScript);
}

bool ViewLeave::CommitControls() {
  PropButton& b = button();
  if (!script_->Shows(b.leaveScript)) Store(b.leaveScript, script_->script());
  return true;
}
