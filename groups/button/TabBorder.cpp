#include "groups/button/TabBorder.h"

#include "groups/button/ViewBorder.h"
#include "groups/button/ViewFrame.h"

TabBorder::TabBorder(const PageContext& context, QWidget* parent)
    : KfcViewTab(context, "TabBorder", parent) {
  setObjectName(QStringLiteral("TabBorder"));
  AddTab(new ViewBorder(context), tr("Border"), 243);
  AddTab(new ViewFrame(context), tr("Frame"), 244);
  ActivateRememberedTab();
}
