#include "ui/ScriptPage.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "ui/ScriptBox.h"
#include "ui/ScriptEdit.h"

ScriptPage::ScriptPage(const PageContext& context, int pageId, const QString& label, int scriptId,
                       int addId, QWidget* parent)
    : KesView(context, pageId, parent),
      layout_(new QVBoxLayout(this)),
      box_(new ScriptBox(doc(), label, tr("&Add Action..."))),
      script_(box_->edit()),
      add_(box_->addButton()) {
  RegisterControl(script_, scriptId);
  RegisterControl(add_, addId);
  layout_->setContentsMargins(12, 12, 12, 12);
  layout_->setSpacing(6);
}
