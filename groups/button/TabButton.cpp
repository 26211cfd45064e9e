#include "groups/button/TabButton.h"

#include "groups/button/ViewButton.h"
#include "groups/button/ViewLeave.h"
#include "groups/button/ViewLink.h"
#include "groups/button/ViewSize.h"

TabButton::TabButton(const PageContext& context, QWidget* parent)
    : KfcViewTab(context, "TabButton", parent) {
  setObjectName(QStringLiteral("TabButton"));
  AddTab(new ViewButton(context), tr("General"), 238);
  AddTab(new ViewSize(context), tr("Size"), 239);
  AddTab(new ViewLink(context), tr("Link"), 240);
  AddTab(new ViewLeave(context), tr("Mouse Leave"), 249);
  ActivateRememberedTab();
}
