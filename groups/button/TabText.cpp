#include "groups/button/TabText.h"

#include "groups/button/ViewFont.h"
#include "groups/button/ViewText.h"

TabText::TabText(const PageContext& context, QWidget* parent)
    : KfcViewTab(context, "TabText", parent) {
  setObjectName(QStringLiteral("TabText"));
  AddTab(new ViewText(context), tr("General"), 241);
  AddTab(new ViewFont(context), tr("Font"), 242);
  ActivateRememberedTab();
}
