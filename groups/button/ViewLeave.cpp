#include "groups/button/ViewLeave.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "groups/button/PropButton.h"
#include "ui/ScriptBox.h"
#include "ui/ScriptEdit.h"

ViewLeave::ViewLeave(const PageContext& context, QWidget* parent)
    : KesView(context, 3800, parent),
      box_(new ScriptBox(doc(), tr("&VelkoScript run when the mouse leaves the button:"),
                         tr("&Add Action..."))),
      script_(box_->edit()),
      add_(box_->addButton()) {
  setObjectName(QStringLiteral("ViewLeave"));
  RegisterControl(script_, 3801);
  RegisterControl(add_, 3802);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->addWidget(box_);
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
