#include "groups/project/TabProject.h"

#include "groups/project/ViewBackground.h"
#include "groups/project/ViewOutput.h"
#include "groups/project/ViewProject.h"
#include "groups/project/ViewScript.h"

TabProject::TabProject(const PageContext& context, QWidget* parent)
    : KfcViewTab(context, "TabProject", parent) {
  setObjectName(QStringLiteral("TabProject"));
  AddTab(new ViewProject(context), tr("General"), 245);
  AddTab(new ViewBackground(context), tr("Background"), 246);
  AddTab(new ViewOutput(context), tr("Output"), 247);
  AddTab(new ViewScript(context), tr("VelkoScript"), 248);
  ActivateRememberedTab();
}
