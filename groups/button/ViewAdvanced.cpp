#include "groups/button/ViewAdvanced.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "groups/button/InsertActionDialog.h"
#include "groups/button/PropAdvanced.h"
#include "ui/ScriptEdit.h"

ViewAdvanced::ViewAdvanced(const PageContext& context, QWidget* parent)
    : KesView(context, 2400, parent),
      script_(new ScriptEdit),
      add_(new QPushButton(tr("&Add Action..."))) {
  setObjectName(QStringLiteral("ViewAdvanced"));
  RegisterControl(script_, 2401);
  RegisterControl(add_, 2402);
  auto* label = new QLabel(tr("&VelkoScript:"));
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

PropAdvanced& ViewAdvanced::advanced() const {
  return static_cast<PropAdvanced&>(*group());
}

void ViewAdvanced::RefreshControls() {
  script_->setScript(advanced().script);
}

bool ViewAdvanced::CommitControls() {
  PropAdvanced& a = advanced();
  if (!script_->Shows(a.script)) Store(a.script, script_->script());
  return true;
}
