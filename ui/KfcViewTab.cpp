#include "ui/KfcViewTab.h"

#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/OutlineIcons.h"

KfcViewTab::KfcViewTab(const PageContext& context, const std::string& tabClass, QWidget* parent)
    : QWidget(parent), context_(context), tabClass_(tabClass), tabs_(new QTabWidget(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(tabs_);
  tabs_->setDocumentMode(false);
  tabs_->setIconSize(QSize(16, 16));
  tabs_->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab:selected { font-weight: bold; }"));
}

void KfcViewTab::AddTab(KesView* page, const QString& label, int iconId) {
  // Pages scroll when the Properties window is smaller than they are.
  auto* scroll = new QScrollArea;
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(page);
  tabs_->addTab(scroll, TabIcon(iconId), label);
}

void KfcViewTab::ActivateRememberedTab() {
  const int remembered = context_.tabs.Get(tabClass_);
  if (tabs_->count() > 0) tabs_->setCurrentIndex(std::clamp(remembered, 0, tabs_->count() - 1));
  connect(tabs_, &QTabWidget::currentChanged, this,
          [this](int index) { context_.tabs.Set(tabClass_, index); });
}

int KfcViewTab::count() const {
  return tabs_->count();
}
int KfcViewTab::currentIndex() const {
  return tabs_->currentIndex();
}
void KfcViewTab::setCurrentIndex(int index) {
  tabs_->setCurrentIndex(index);
}

KesView* KfcViewTab::page(int index) const {
  auto* scroll = qobject_cast<QScrollArea*>(tabs_->widget(index));
  return scroll ? qobject_cast<KesView*>(scroll->widget()) : nullptr;
}
