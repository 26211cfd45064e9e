#include "ui/ViewFactory.h"

#include "groups/button/TabButton.h"
#include "groups/button/ViewAdvanced.h"

// The project's and the sounds' pages.
#include "audio/ViewAudio.h"
#include "groups/project/TabProject.h"
// The pages of a button state's groups.
#include "groups/button/TabBorder.h"
#include "groups/button/TabText.h"
#include "groups/button/ViewImage.h"
#include "groups/button/ViewState.h"

namespace {
using Creator = QWidget* (*)(const PageContext&, QWidget*);

struct ViewClass {
  const char* name;
  Creator create;
};

template <class View>
QWidget* Make(const PageContext& context, QWidget* parent) {
  return new View(context, parent);
}

// One line per page class.
const ViewClass kViews[] = {
    {"TabButton", &Make<TabButton>},
    {"ViewAdvanced", &Make<ViewAdvanced>},

    // The project's and the sounds' pages.
    {"TabProject", &Make<TabProject>},
    {"ViewAudio", &Make<ViewAudio>},
    // A button state and its groups.
    {"TabBorder", &Make<TabBorder>},
    {"TabText", &Make<TabText>},
    {"ViewImage", &Make<ViewImage>},
    {"ViewState", &Make<ViewState>},
};
}  // namespace

QWidget* CreatePropertyView(const std::string& viewClass, const PageContext& context,
                            QWidget* parent) {
  for (const ViewClass& v : kViews)
    if (viewClass == v.name) return v.create(context, parent);
  return nullptr;
}
