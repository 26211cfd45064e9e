#include "ui/ScriptBox.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "groups/button/InsertActionDialog.h"
#include "ui/ScriptEdit.h"

ScriptBox::ScriptBox(Doc& doc, const QString& label, const QString& buttonText, QWidget* parent)
    : QWidget(parent), edit_(new ScriptEdit), add_(new QPushButton(buttonText)) {
  auto* caption = new QLabel(label);
  caption->setBuddy(edit_);
  connect(add_, &QPushButton::clicked, this,
          [this, &doc] { InsertActionDialog::InsertInto(doc, edit_, this); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(add_);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(6);
  layout->addWidget(caption);
  layout->addWidget(edit_, 1);
  layout->addLayout(buttons);
}
