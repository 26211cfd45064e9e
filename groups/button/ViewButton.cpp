#include "groups/button/ViewButton.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QToolButton>

#include "core/IconIds.h"
#include "core/Messages.h"
#include "groups/button/PropButton.h"
#include "ui/PageParts.h"
#include "ui/Text.h"
#include "ui/Translations.h"

ViewButton::ViewButton(const PageContext& context, QWidget* parent)
    : KesView(context, 2600, parent),
      name_(new QLineEdit),
      tip_(new QLineEdit),
      down_(new QCheckBox(tr("&Down"))),
      visible_(new QCheckBox(tr("&Visible"))),
      drag_(new QCheckBox(tr("Dra&gable"))) {
  setObjectName(QStringLiteral("ViewButton"));
  RegisterControl(name_, 2604);
  RegisterControl(tip_, 2612);
  RegisterControl(down_, 2611);
  RegisterControl(visible_, 2609);
  RegisterControl(drag_, 2610);

  // The three modes as push-like radio buttons with their pictures.
  QHBoxLayout* modeRow = MakePushRow(
      this, {{"Push", kIconModePush}, {"Check Box", kIconModeCheck}, {"Radio", kIconModeRadio}},
      modes_, 90);
  for (int i = 0; i < 3; ++i) RegisterControl(modes_[i], 2601 + i);

  auto* checks = new QHBoxLayout;
  checks->setSpacing(16);
  checks->addWidget(down_);
  checks->addWidget(visible_);
  checks->addWidget(drag_);
  checks->addStretch(1);

  auto* form = new QFormLayout(this);
  form->setContentsMargins(12, 10, 12, 10);
  form->setVerticalSpacing(8);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->addRow(tr("&Name:"), name_);
  form->addRow(tr("Mode:"), modeRow);
  form->addRow(tr("&Tool tip:"), tip_);
  form->addRow(tr("Initially:"), checks);

  // An empty or taken name refuses the commit, but the group still takes
  // what the page holds.
  Bind(&PropButton::name, TextOf(name_), [this](const std::string& name) {
    const int problem = ValidateButtonName(button(), name);
    if (problem == 609) Complain(name_, UiText(msg::kButtonNameEmpty));
    if (problem == 611) Complain(name_, msg::Format(UiText(msg::kButtonNameDuplicate), name));
    return problem == 0;
  });
  Bind(&PropButton::mode, IndexOf({modes_.begin(), modes_.end()}));
  Bind(&PropButton::tip, TextOf(tip_));
  Bind(&PropButton::initiallyDown, FlagOf(down_));
  Bind(&PropButton::show, FlagOf(visible_));
  Bind(&PropButton::drag, FlagOf(drag_));
}

PropButton& ViewButton::button() const {
  return static_cast<PropButton&>(*group());
}
