#include "groups/button/InsertActionDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "core/Doc.h"
#include "groups/button/PropAdvanced.h"
#include "groups/button/PropButton.h"
#include "ui/HelpTips.h"
#include "ui/ScriptEdit.h"
#include "ui/Text.h"

InsertActionDialog::InsertActionDialog(Doc& doc, QWidget* parent)
    : QDialog(parent), action_(new QComboBox), target_(new QComboBox) {
  setObjectName(QStringLiteral("InsertActionDialog"));
  setWindowTitle(tr("Insert Action"));
  auto* tips = new HelpTips(doc.app(), this);
  setProperty("helpId", 3300);
  tips->AttachControl(action_, 3301);
  tips->AttachControl(target_, 3302);
  for (const char* name : kInsertActionNames) action_->addItem(tr(name));
  action_->setCurrentIndex(0);
  for (const PropButton* button : doc.ButtonPointers()) target_->addItem(ToQ(button->name));
  if (target_->count() > 0) target_->setCurrentIndex(0);
  target_->setMinimumContentsLength(18);
  target_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

  auto* form = new QFormLayout;
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->addRow(tr("&Action:"), action_);
  form->addRow(tr("Apply &To:"), target_);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(14, 14, 14, 14);
  layout->setSpacing(12);
  layout->addLayout(form);
  layout->addWidget(buttons);
  setSizeGripEnabled(false);
}

int InsertActionDialog::action() const {
  return std::max(0, action_->currentIndex());
}

std::string InsertActionDialog::buttonName() const {
  // No buttons: the line names an empty button.
  return target_->currentIndex() < 0 ? std::string() : FromQ(target_->currentText());
}

std::string InsertActionDialog::Line() const {
  return InsertActionLine(action(), buttonName());
}

bool InsertActionDialog::InsertInto(Doc& doc, ScriptEdit* edit, QWidget* parent) {
  InsertActionDialog dialog(doc, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  edit->AppendAtEnd(dialog.Line());
  edit->setFocus(Qt::OtherFocusReason);
  return true;
}
