#include "ui/KesWndProperties.h"

#include <QLabel>
#include <QVBoxLayout>

#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/KesProp.h"

// Placeholder until the property view framework lands.
KesWndProperties::KesWndProperties(KesApp& app, Doc& doc, QWidget* parent)
    : QWidget(parent), app_(app), doc_(doc), layout_(new QVBoxLayout(this)) {
  layout_->setContentsMargins(0, 0, 0, 0);
  currentPage_ = new QLabel(tr("No Properties"), this);
  static_cast<QLabel*>(currentPage_)->setAlignment(Qt::AlignCenter);
  layout_->addWidget(currentPage_);
}

KesWndProperties::~KesWndProperties() = default;

bool KesWndProperties::SetPropertyGroup(KesProp* group) {
  if (group && group == currentGroup_) return true;
  if (!app_.CommitPages()) return false;
  currentGroup_ = group;
  app_.RefreshPages();
  return true;
}
