#include "groups/project/ViewBackground.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

#include "audio/AuFile.h"
#include "core/IconIds.h"
#include "core/KesApp.h"
#include "core/OsPath.h"
#include "groups/project/PropProject.h"
#include "ui/ColorButton.h"
#include "ui/OutlineIcons.h"
#include "ui/PageParts.h"
#include "ui/Text.h"

ViewBackground::ViewBackground(const PageContext& context, QWidget* parent)
    : KesView(context, 3200, parent),
      color_(new ColorButton),
      image_(new QLineEdit),
      select_(new QToolButton) {
  setObjectName(QStringLiteral("ViewBackground"));
  RegisterControl(color_, 3201);
  RegisterControl(image_, 3202);
  RegisterControl(select_, 3203);
  select_->setText(QStringLiteral("..."));
  select_->setIcon(PageIcon(20000));
  select_->setIconSize(QSize(16, 16));
  connect(select_, &QToolButton::clicked, this, &ViewBackground::OnSelectImage);

  // The three styles as push-like radio buttons with their pictures.
  QHBoxLayout* styleRow = MakePushRow(
      this, {{"Center", kIconImageNormal}, {"Tile", kIconImageTile}, {"Scale", kIconImageScale}},
      styles_, 80);
  for (int i = 0; i < 3; ++i) RegisterControl(styles_[i], 3204 + i);

  auto* imageRow = new QHBoxLayout;
  imageRow->setSpacing(4);
  imageRow->addWidget(image_, 1);
  imageRow->addWidget(select_);

  auto* colorRow = new QHBoxLayout;
  colorRow->addWidget(color_);
  colorRow->addStretch(1);

  auto* form = new QFormLayout(this);
  form->setContentsMargins(12, 10, 12, 10);
  form->setVerticalSpacing(8);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->addRow(tr("&Color:"), colorRow);
  form->addRow(tr("&Image:"), imageRow);
  form->addRow(tr("&Style:"), styleRow);
  // The labels' mnemonics lead to the colour button and the first style.
  if (auto* label = qobject_cast<QLabel*>(form->labelForField(colorRow))) label->setBuddy(color_);
  if (auto* label = qobject_cast<QLabel*>(form->labelForField(imageRow))) label->setBuddy(image_);
  if (auto* label = qobject_cast<QLabel*>(form->labelForField(styleRow)))
    label->setBuddy(styles_[0]);

  // The button holds 24 bits; a colour read with more keeps them until changed.
  Converter<uint32_t> color = ColorOf(color_);
  color.read = [this](uint32_t& v) {
    if ((v & 0xFFFFFF) != color_->color()) v = color_->color();
    return true;
  };
  Bind(&PropProject::backgroundColor, std::move(color));
  Bind(&PropProject::backgroundImage, TextOf(image_));
  // With no style chosen (a value this program does not know) the group
  // keeps its own.
  Bind(&PropProject::imageStyle, IndexOf({styles_.begin(), styles_.end()}));
}

PropProject& ViewBackground::project() const {
  return static_cast<PropProject&>(*group());
}

void ViewBackground::OnSelectImage() {
  PickImageFile(app().platform(), image_, doc().pathName());
}
