#include "groups/button/ViewAdvanced.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "groups/button/PropAdvanced.h"
#include "ui/PageParts.h"
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
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(6);
  // A caption naming the state whose actions these are.
  title_ = AddCaption(layout, 310);
  layout->addWidget(box_, 1);
}

PropAdvanced& ViewAdvanced::advanced() const {
  return static_cast<PropAdvanced&>(*group());
}

void ViewAdvanced::RefreshControls() {
  const PropAdvanced& a = advanced();
  title_->setText(StateTitle(a.state(), tr("Advanced actions"), tr("Actions of the %1 state"),
                             tr("Actions of the %1 state of \u201C%2\u201D")));
  script_->setScript(a.script);
}

bool ViewAdvanced::CommitControls() {
  PropAdvanced& a = advanced();
  if (!script_->Shows(a.script)) Store(a.script, script_->script());
  return true;
}
