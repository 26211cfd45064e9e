#include "app/EditorPages.h"

#include "audio/ViewAudio.h"
#include "groups/button/TabBorder.h"
#include "groups/button/TabButton.h"
#include "groups/button/TabText.h"
#include "groups/button/ViewAdvanced.h"
#include "groups/button/ViewImage.h"
#include "groups/button/ViewState.h"
#include "groups/project/TabProject.h"
#include "ui/PageRegistry.h"

namespace {
template <class View>
QWidget* Make(const PageContext& context, QWidget* parent) {
  return new View(context, parent);
}
}  // namespace

void RegisterEditorPages(PageRegistry& pages) {
  // The project's page and the sounds' page.
  pages.Add("TabProject", &Make<TabProject>);
  pages.Add("ViewAudio", &Make<ViewAudio>);
  // A button, its states and their groups.
  pages.Add("TabButton", &Make<TabButton>);
  pages.Add("ViewAdvanced", &Make<ViewAdvanced>);
  pages.Add("ViewState", &Make<ViewState>);
  pages.Add("TabBorder", &Make<TabBorder>);
  pages.Add("TabText", &Make<TabText>);
  pages.Add("ViewImage", &Make<ViewImage>);
}
