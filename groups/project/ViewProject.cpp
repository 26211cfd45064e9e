#include "groups/project/ViewProject.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/Doc.h"
#include "core/Messages.h"
#include "groups/project/PropProject.h"
#include "ui/IntSpinEdit.h"
#include "ui/Text.h"
#include "ui/Translations.h"

namespace {
constexpr int kSizeRange = 1000;
constexpr int kSpacingRange = 100;

IntSpinEdit* MakeEdit(int range) {
  auto* edit = new IntSpinEdit;
  edit->setRange(-range, range);
  return edit;
}

// A titled box with a grid inside, tight enough for the Properties window.
QGridLayout* MakeBox(const QString& title, QGroupBox*& box) {
  box = new QGroupBox(title);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(8, 4, 8, 6);
  grid->setHorizontalSpacing(8);
  grid->setVerticalSpacing(6);
  return grid;
}

// A label with its field, from column `column` of `grid` on.
void AddField(QGridLayout* grid, int row, int column, const QString& label, QWidget* field) {
  auto* caption = new QLabel(label);
  caption->setBuddy(field);
  grid->addWidget(caption, row, column);
  grid->addWidget(field, row, column + 1);
}
}  // namespace

ViewProject::ViewProject(const PageContext& context, QWidget* parent)
    : KesView(context, 3100, parent),
      identifier_(new QLineEdit),
      projectWidth_(MakeEdit(kSizeRange)),
      projectHeight_(MakeEdit(kSizeRange)),
      layout_(new QComboBox),
      buttonWidth_(MakeEdit(kSizeRange)),
      buttonHeight_(MakeEdit(kSizeRange)),
      spacing_(MakeEdit(kSpacingRange)) {
  setObjectName(QStringLiteral("ViewProject"));
  RegisterControl(identifier_, 3112);
  RegisterControl(projectWidth_, 3101);
  RegisterControl(projectHeight_, 3102);
  RegisterControl(layout_, 3103);
  RegisterControl(buttonWidth_, 3104);
  RegisterControl(buttonHeight_, 3105);
  RegisterControl(spacing_, 3106);
  layout_->addItem(tr("Vertical"));
  layout_->addItem(tr("Horizontal"));
  layout_->addItem(tr("User Defined"));
  connect(layout_, &QComboBox::currentIndexChanged, this, [this] {
    if (!loading_) Relayout();
  });

  // Two boxes side by side, labels in one column in each, so that the page
  // fits the Properties window at its starting size.
  QGroupBox* size = nullptr;
  QGridLayout* sizeGrid = MakeBox(tr("&Size"), size);
  AddField(sizeGrid, 0, 0, tr("Width:"), projectWidth_);
  AddField(sizeGrid, 1, 0, tr("Height:"), projectHeight_);
  sizeGrid->setColumnStretch(2, 1);
  // The group box's mnemonic leads into its first edit.
  size->setFocusProxy(projectWidth_);

  QGroupBox* buttons = nullptr;
  QGridLayout* buttonGrid = MakeBox(tr("&Buttons"), buttons);
  AddField(buttonGrid, 0, 0, tr("Layout:"), layout_);
  AddField(buttonGrid, 0, 2, tr("Spacing:"), spacing_);
  AddField(buttonGrid, 1, 0, tr("Width:"), buttonWidth_);
  AddField(buttonGrid, 1, 2, tr("Height:"), buttonHeight_);
  buttonGrid->setColumnStretch(4, 1);
  buttons->setFocusProxy(layout_);
  // The tab order follows the order of the fields.
  setTabOrder(layout_, buttonWidth_);
  setTabOrder(buttonWidth_, buttonHeight_);
  setTabOrder(buttonHeight_, spacing_);

  auto* boxes = new QHBoxLayout;
  boxes->setSpacing(10);
  boxes->addWidget(size);
  boxes->addWidget(buttons);
  boxes->addStretch(1);

  auto* idRow = new QHBoxLayout;
  idRow->setSpacing(8);
  auto* idLabel = new QLabel(tr("Project &Identifier:"));
  idLabel->setBuddy(identifier_);
  idRow->addWidget(idLabel);
  idRow->addWidget(identifier_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 8, 12, 6);
  layout->setSpacing(6);
  layout->addLayout(idRow);
  layout->addLayout(boxes);
  layout->addStretch(1);

  // Read in the order of the page; the first bad number stops the reading.
  // A layout value this program does not know selects nothing and is kept.
  Bind(&PropProject::layout, ListIndexOf(layout_));
  Bind(&PropProject::projectWidth, IntOf(projectWidth_));
  Bind(&PropProject::projectHeight, IntOf(projectHeight_));
  Bind(&PropProject::buttonWidth, IntOf(buttonWidth_));
  Bind(&PropProject::buttonHeight, IntOf(buttonHeight_));
  Bind(&PropProject::spacing, IntOf(spacing_));
  // Only an empty identifier is refused, once the numbers are read; the
  // group keeps what was typed. A change of the layout does not check it.
  Bind(&PropProject::identifier, TextOf(identifier_), [this](const std::string& identifier) {
    if (relayingOut_ || !identifier.empty()) return true;
    Complain(identifier_, UiText(msg::kProjectIdentifierEmpty));
    return false;
  });
}

PropProject& ViewProject::project() const {
  return static_cast<PropProject&>(*group());
}

void ViewProject::LoadControls() {
  loading_ = true;
  KesView::RefreshControls();
  loading_ = false;
}

void ViewProject::UpdateEnabled() {
  // The vertical and horizontal layouts compute the project's size from the
  // buttons' size and spacing; a user-defined layout takes the size as given.
  const int32_t layout = project().layout;
  const bool computed = layout == kVertical || layout == kHorizontal;
  buttonWidth_->setEnabled(computed);
  buttonHeight_->setEnabled(computed);
  spacing_->setEnabled(computed);
  projectWidth_->setEnabled(!computed);
  projectHeight_->setEnabled(!computed);
}

void ViewProject::Relayout() {
  relayingOut_ = true;
  const bool taken = StoreEdits();
  relayingOut_ = false;
  UpdateEnabled();
  // A bad number stays in its edit, with the focus, for the user to mend.
  if (!taken) return;
  doc().LayoutButtons();
  LoadControls();
}

void ViewProject::RefreshControls() {
  LoadControls();
  UpdateEnabled();
  // A size that does not match the layout (as an old file may hold it) is
  // computed again as soon as the page loads; that is not a change.
  doc().LayoutButtons();
  LoadControls();
}

void ViewProject::OnClose() {
  doc().LayoutButtons();
}
