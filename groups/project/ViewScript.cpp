#include "groups/project/ViewScript.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "groups/project/PropProject.h"
#include "ui/ScriptBox.h"
#include "ui/ScriptEdit.h"

ViewScript::ViewScript(const PageContext& context, QWidget* parent)
    : KesView(context, 3600, parent),
      beforeBox_(
          new ScriptBox(doc(), tr("VelkoScript (&Before Button Creation):"), tr("Add Action..."))),
      afterBox_(
          new ScriptBox(doc(), tr("VelkoScript (&After Button Creation):"), tr("Add Action..."))),
      before_(beforeBox_->edit()),
      after_(afterBox_->edit()),
      addBefore_(beforeBox_->addButton()),
      addAfter_(afterBox_->addButton()) {
  setObjectName(QStringLiteral("ViewScript"));
  RegisterControl(before_, 3601);
  RegisterControl(addBefore_, 3602);
  RegisterControl(after_, 3603);
  RegisterControl(addAfter_, 3604);
  // Side by side, so that both show at the Properties window's starting size.
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(12, 8, 12, 8);
  layout->setSpacing(12);
  layout->addWidget(beforeBox_, 1);
  layout->addWidget(afterBox_, 1);

  // An untouched script keeps its own line breaks.
  Bind(&PropProject::beforeScript, ScriptOf(before_));
  Bind(&PropProject::afterScript, ScriptOf(after_));
}

PropProject& ViewScript::project() const {
  return static_cast<PropProject&>(*group());
}
