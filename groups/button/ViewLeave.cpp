#include "groups/button/ViewLeave.h"

#include <QVBoxLayout>

#include "groups/button/PropButton.h"
#include "ui/ScriptBox.h"

ViewLeave::ViewLeave(const PageContext& context, QWidget* parent)
    : ScriptPage(context, 3800, tr("&VelkoScript run when the mouse leaves the button:"), 3801,
                 3802, parent) {
  setObjectName(QStringLiteral("ViewLeave"));
  layout_->addWidget(box_);
  Bind(&PropButton::leaveScript, ScriptOf(scriptEdit()));
}

PropButton& ViewLeave::button() const {
  return static_cast<PropButton&>(*group());
}
