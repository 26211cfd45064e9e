#include "ui/ReloadBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

ReloadBar::ReloadBar(QWidget* parent) : QFrame(parent) {
  setObjectName("ReloadBar");
  setFrameShape(QFrame::StyledPanel);
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::ToolTipBase);
  auto* layout = new QHBoxLayout(this);
  constexpr int kMargin = 4;
  layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
  label_ = new QLabel(this);
  label_->setWordWrap(true);
  label_->setForegroundRole(QPalette::ToolTipText);
  reload_ = new QPushButton(tr("&Reload"), this);
  keep_ = new QPushButton(tr("&Keep This Version"), this);
  reload_->setToolTip(tr("Read the file as the other program left it"));
  keep_->setToolTip(tr("Keep the project as it is here; saving it replaces the file"));
  layout->addWidget(label_, 1);
  layout->addWidget(reload_);
  layout->addWidget(keep_);
  connect(reload_, &QPushButton::clicked, this, &ReloadBar::reloadChosen);
  connect(keep_, &QPushButton::clicked, this, &ReloadBar::keepChosen);
  hide();
}

void ReloadBar::Offer(const QString& text) {
  label_->setText(text);
  if (!isHidden()) return;
  show();
  emit offered();
}

void ReloadBar::Withdraw() {
  hide();
}

QString ReloadBar::text() const {
  return label_->text();
}
