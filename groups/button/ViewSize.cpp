#include "groups/button/ViewSize.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "groups/button/PropButton.h"
#include "groups/project/PropProject.h"
#include "ui/IntSpinEdit.h"

ViewSize::ViewSize(const PageContext& context, QWidget* parent)
    : KesView(context, 2700, parent), note_(new QLabel) {
  setObjectName(QStringLiteral("ViewSize"));
  const char* labels[4] = {"&X:", "&Y:", "&Width:", "&Height:"};
  for (int i = 0; i < 4; ++i) {
    edits_[i] = new IntSpinEdit;
    edits_[i]->setRange(-1000, 1000);
    RegisterControl(edits_[i], 2701 + i);
  }

  auto* position = new QGroupBox(tr("Position"));
  auto* size = new QGroupBox(tr("Size"));
  QGroupBox* boxes[2] = {position, size};
  for (int b = 0; b < 2; ++b) {
    auto* grid = new QGridLayout(boxes[b]);
    grid->setHorizontalSpacing(8);
    for (int r = 0; r < 2; ++r) {
      const int i = b * 2 + r;
      auto* label = new QLabel(tr(labels[i]));
      label->setBuddy(edits_[i]);
      grid->addWidget(label, r, 0);
      grid->addWidget(edits_[i], r, 1);
      grid->addWidget(new QLabel(tr("pixels")), r, 2);
    }
    grid->setColumnStretch(3, 1);
  }

  note_->setText(
      tr("The project's layout places the buttons. Choose the \"User Defined\" layout "
         "on the project's page to place them yourself."));
  note_->setWordWrap(true);
  note_->setEnabled(false);

  auto* row = new QHBoxLayout;
  row->setSpacing(12);
  row->addWidget(position);
  row->addWidget(size);
  row->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(10);
  layout->addLayout(row);
  layout->addWidget(note_);
  layout->addStretch(1);

  int32_t PropButton::*const fields[4] = {&PropButton::x, &PropButton::y, &PropButton::width,
                                          &PropButton::height};
  for (int i = 0; i < 4; ++i) Bind(fields[i], IntOf(edits_[i]));
}

PropButton& ViewSize::button() const {
  return static_cast<PropButton&>(*group());
}

bool ViewSize::UserDefined() const {
  const PropProject* project = button().project();
  return project && project->layout > 1;
}

void ViewSize::RefreshControls() {
  KesView::RefreshControls();
  const bool open = UserDefined();
  for (IntSpinEdit* edit : edits_) edit->setEnabled(open);
  note_->setVisible(!open);
}

bool ViewSize::HoldsEdits() const {
  // Under the vertical and horizontal layouts the edits are closed and the
  // layout owns the values.
  return UserDefined();
}
