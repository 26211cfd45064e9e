#include "ui/KesWndProperties.h"

#include <QVBoxLayout>

#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/KesProp.h"
#include "ui/KesViewBlank.h"
#include "ui/PageRegistry.h"

namespace {
// Every page inside `page` (the page itself or the pages of its tabs).
void DetachPages(QWidget* page) {
  if (auto* view = qobject_cast<KesView*>(page)) view->Detach();
  for (KesView* view : page->findChildren<KesView*>()) view->Detach();
}
}  // namespace

KesWndProperties::KesWndProperties(KesApp& app, Doc& doc, const PageRegistry& pages,
                                   QWidget* parent)
    : QWidget(parent), app_(app), doc_(doc), pages_(pages), layout_(new QVBoxLayout(this)) {
  layout_->setContentsMargins(0, 0, 0, 0);
  ShowPage(new KesViewBlank(this));
}

KesWndProperties::~KesWndProperties() {
  if (currentPage_) DetachPages(currentPage_);
}

bool KesWndProperties::SetPropertyGroup(KesProp* group) {
  return SetPropertyGroups(group, {});
}

bool KesWndProperties::SetPropertyGroups(KesProp* group, const std::vector<KesProp*>& others) {
  if (group && group == currentGroup_ && others == currentOthers_) return true;
  if (!app_.CommitPages()) return false;
  QWidget* page = nullptr;
  bool oneKind = true;
  for (const KesProp* other : others)
    oneKind = oneKind && group && other && other->GetClass() == group->GetClass();
  const char* viewClass = group && oneKind ? group->GetViewClass() : nullptr;
  currentOthers_ = others;
  if (viewClass) {
    currentGroup_ = group;
    PageContext context{app_, doc_, group, tabMemory_, others};
    page = pages_.Create(viewClass, context, this);
  } else {
    currentGroup_ = nullptr;
  }
  // A group whose page this program does not have yet shows the blank view.
  if (!page) page = new KesViewBlank(this);
  ShowPage(page);
  app_.RefreshPages();
  return true;
}

void KesWndProperties::ResetView() {
  currentGroup_ = nullptr;
  currentOthers_.clear();
  if (qobject_cast<KesViewBlank*>(currentPage_)) return;
  ShowPage(new KesViewBlank(this));
}

void KesWndProperties::ShowPage(QWidget* page) {
  if (currentPage_) {
    // The old page stops listening at once; the widget goes when control
    // returns to the event loop, since it may be the sender of this call.
    DetachPages(currentPage_);
    layout_->removeWidget(currentPage_);
    currentPage_->hide();
    currentPage_->deleteLater();
  }
  currentPage_ = page;
  layout_->addWidget(page);
  page->show();
  emit pageChanged(page);
}
