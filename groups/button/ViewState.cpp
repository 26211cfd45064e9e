#include "groups/button/ViewState.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

#include "groups/button/PageParts.h"
#include "groups/button/PropState.h"
#include "ui/ColorButton.h"
#include "ui/IntSpinEdit.h"

namespace {
constexpr int kOffsetSpin = 100;
}  // namespace

const char* const ViewState::kCursorNames[PropState::kCursorCount] = {
    QT_TRANSLATE_NOOP("ViewState", "Default"),
    QT_TRANSLATE_NOOP("ViewState", "Cross Hair"),
    QT_TRANSLATE_NOOP("ViewState", "Text"),
    QT_TRANSLATE_NOOP("ViewState", "Wait"),
    QT_TRANSLATE_NOOP("ViewState", "South West Resize"),
    QT_TRANSLATE_NOOP("ViewState", "South East Resize"),
    QT_TRANSLATE_NOOP("ViewState", "North West Resize"),
    QT_TRANSLATE_NOOP("ViewState", "North East Resize"),
    QT_TRANSLATE_NOOP("ViewState", "North Resize"),
    QT_TRANSLATE_NOOP("ViewState", "South Resize"),
    QT_TRANSLATE_NOOP("ViewState", "West Resize"),
    QT_TRANSLATE_NOOP("ViewState", "East Resize"),
    QT_TRANSLATE_NOOP("ViewState", "Hand"),
    QT_TRANSLATE_NOOP("ViewState", "Move"),
};

ViewState::ViewState(const PageContext& context, QWidget* parent)
    : KesView(context, 3000, parent),
      solid_(new QRadioButton(tr("Solid"))),
      transparent_(new QRadioButton(tr("Transparent"))),
      colorLabel_(new QLabel(tr("&Color:"))),
      color_(new ColorButton),
      cursor_(new QComboBox),
      animate_(new QCheckBox(tr("Restart &Animations"))),
      offsetX_(new IntSpinEdit),
      offsetY_(new IntSpinEdit) {
  setObjectName(QStringLiteral("ViewState"));
  RegisterControl(solid_, 3008);
  RegisterControl(transparent_, 3009);
  RegisterControl(color_, 3001);
  RegisterControl(colorLabel_, 3007);
  RegisterControl(cursor_, 3002);
  RegisterControl(animate_, 3019);
  RegisterControl(offsetX_, 3003);
  RegisterControl(offsetY_, 3004);
  colorLabel_->setBuddy(color_);

  auto* styles = new QButtonGroup(this);
  styles->addButton(solid_, 0);
  styles->addButton(transparent_, 1);
  connect(styles, &QButtonGroup::idClicked, this, [this] { ShowColorForStyle(); });

  for (const char* name : kCursorNames) cursor_->addItem(tr(name));
  cursor_->setMaxVisibleItems(PropState::kCursorCount);
  cursor_->setSizeAdjustPolicy(QComboBox::AdjustToContents);

  for (IntSpinEdit* edit : {offsetX_, offsetY_}) edit->setRange(-kOffsetSpin, kOffsetSpin);

  form_ = MakePageForm(this);
  form_->addRow(tr("Background:"), PageRow().Add(solid_).Gap().Add(transparent_).Done());
  form_->addRow(colorLabel_, PageRow().Add(color_).Done());
  form_->addRow(BuddyLabel(tr("C&ursor:"), cursor_), PageRow().Add(cursor_).Done());
  form_->addRow(tr("Offset:"), OffsetRow(offsetX_, offsetY_));
  form_->addRow(QString(), PageRow().Add(animate_).Done());

  // Solid and Transparent show one flag.
  Converter<int32_t> transparent = FlagOf(transparent_);
  transparent.controls.insert(transparent.controls.begin(), solid_);
  transparent.show = [this](const int32_t& v) {
    solid_->setChecked(v == 0);
    transparent_->setChecked(v != 0);
  };
  Bind(&PropState::transparent, std::move(transparent));
  Bind(&PropState::color, ColorOf(color_));
  // A cursor the list does not know (from a file) stays as it is.
  Bind(&PropState::cursor, ListIndexOf(cursor_));
  Bind(&PropState::offsetX, IntOf(offsetX_));
  Bind(&PropState::offsetY, IntOf(offsetY_));
  Bind(&PropState::animate, FlagOf(animate_));
}

PropState& ViewState::state() const {
  return static_cast<PropState&>(*group());
}

void ViewState::ShowColorForStyle() {
  // Hidden, not changed: a transparent state keeps its colour.
  form_->setRowVisible(colorLabel_, !transparent_->isChecked());
}

void ViewState::RefreshControls() {
  KesView::RefreshControls();
  ShowColorForStyle();
}
