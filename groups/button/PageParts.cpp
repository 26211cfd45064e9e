#include "groups/button/PageParts.h"

#include <QFormLayout>
#include <QLabel>

#include "ui/OutlineIcons.h"

QLabel* BuddyLabel(const QString& text, QWidget* buddy) {
  auto* label = new QLabel(text);
  label->setBuddy(buddy);
  return label;
}

PageRow::PageRow() : row_(new QHBoxLayout) {
  row_->setSpacing(6);
}

PageRow& PageRow::Add(QWidget* widget) {
  if (pending_) pending_->setBuddy(widget);
  pending_ = nullptr;
  row_->addWidget(widget);
  return *this;
}

PageRow& PageRow::Add(QLayout* layout) {
  pending_ = nullptr;
  row_->addLayout(layout);
  return *this;
}

PageRow& PageRow::Label(const QString& text) {
  pending_ = new QLabel(text);
  row_->addWidget(pending_);
  return *this;
}

PageRow& PageRow::Gap(int width) {
  row_->addSpacing(width);
  return *this;
}

QHBoxLayout* PageRow::Done() {
  row_->addStretch(1);
  return row_;
}

QHBoxLayout* AlignmentRow(const IconChoice& horizontal, const IconChoice& vertical) {
  return PageRow()
      .Label(QObject::tr("Horizontal"))
      .Add(horizontal.row)
      .Gap()
      .Label(QObject::tr("Vertical"))
      .Add(vertical.row)
      .Done();
}

QHBoxLayout* OffsetRow(QWidget* x, QWidget* y) {
  return PageRow()
      .Label(QObject::tr("&Horizontal"))
      .Add(x)
      .Gap()
      .Label(QObject::tr("&Vertical"))
      .Add(y)
      .Add(new QLabel(QObject::tr("pixels")))
      .Done();
}

QFormLayout* MakePageForm(QWidget* page) {
  auto* form = new QFormLayout(page);
  form->setContentsMargins(12, 8, 12, 8);
  form->setVerticalSpacing(6);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return form;
}
