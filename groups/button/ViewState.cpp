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
    "Default",
    "Cross Hair",
    "Text",
    "Wait",
    "South West Resize",
    "South East Resize",
    "North West Resize",
    "North East Resize",
    "North Resize",
    "South Resize",
    "West Resize",
    "East Resize",
    "Hand",
    "Move",
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
}

PropState& ViewState::state() const {
  return static_cast<PropState&>(*group());
}

void ViewState::ShowColorForStyle() {
  // Hidden, not changed: a transparent state keeps its colour.
  form_->setRowVisible(colorLabel_, !transparent_->isChecked());
}

void ViewState::RefreshControls() {
  const PropState& s = state();
  solid_->setChecked(s.transparent == 0);
  transparent_->setChecked(s.transparent != 0);
  color_->setColor(s.color);
  cursor_->setCurrentIndex(s.cursor >= 0 && s.cursor < cursor_->count() ? s.cursor : -1);
  offsetX_->setValue(s.offsetX);
  offsetY_->setValue(s.offsetY);
  animate_->setChecked(s.animate != 0);
  ShowColorForStyle();
}

bool ViewState::CommitControls() {
  PropState& s = state();
  int32_t offsetX = s.offsetX;
  int32_t offsetY = s.offsetY;
  const bool valid =
      ReadInt(offsetX_, offsetX_->text(), offsetX) && ReadInt(offsetY_, offsetY_->text(), offsetY);
  StoreFlag(s.transparent, transparent_->isChecked());
  Store(s.color, color_->color());
  // A cursor the list does not know (from a file) stays as it is.
  if (cursor_->currentIndex() >= 0) Store(s.cursor, static_cast<int32_t>(cursor_->currentIndex()));
  Store(s.offsetX, offsetX);
  Store(s.offsetY, offsetY);
  StoreFlag(s.animate, animate_->isChecked());
  return valid;
}
