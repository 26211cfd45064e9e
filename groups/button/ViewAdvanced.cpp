#include "groups/button/ViewAdvanced.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/IconIds.h"
#include "groups/button/PropAdvanced.h"
#include "ui/PageParts.h"
#include "ui/ScriptBox.h"

ViewAdvanced::ViewAdvanced(const PageContext& context, QWidget* parent)
    : ScriptPage(context, 2400, tr("&VelkoScript:"), 2401, 2402, parent) {
  setObjectName(QStringLiteral("ViewAdvanced"));
  // A caption naming the state whose actions these are.
  title_ = AddCaption(layout_, kIconTreeAdvanced);
  layout_->addWidget(box_, 1);
  Bind(&PropAdvanced::script, ScriptOf(scriptEdit()));
}

PropAdvanced& ViewAdvanced::advanced() const {
  return static_cast<PropAdvanced&>(*group());
}

void ViewAdvanced::RefreshControls() {
  const PropAdvanced& a = advanced();
  title_->setText(StateTitle(a.state(), tr("Advanced actions"), tr("Actions of the %1 state"),
                             tr("Actions of the %1 state of \u201C%2\u201D")));
  ScriptPage::RefreshControls();
}
