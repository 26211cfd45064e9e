#include "ui/KesWndProperties.h"

#include <QVBoxLayout>
#include <set>

#include "core/Doc.h"
#include "core/Fields.h"
#include "core/KesApp.h"
#include "core/KesProp.h"
#include "groups/button/PropButton.h"
#include "ui/KesViewBlank.h"
#include "ui/OutlineModel.h"
#include "ui/PageRegistry.h"
#include "ui/Text.h"

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
  title_ = TitleFor(nullptr, {});
  doc_.AddListener(this);
}

KesWndProperties::~KesWndProperties() {
  doc_.RemoveListener(this);
  if (currentPage_) DetachPages(currentPage_);
}

QString KesWndProperties::TitleFor(const KesProp* group, const std::vector<KesProp*>& others) {
  if (!group) return tr("Properties");
  std::vector<const KesProp*> items{group};
  items.insert(items.end(), others.begin(), others.end());
  const OutlineModel::ItemKind kind = OutlineModel::KindOf(group);
  bool oneKind = true;
  bool oneState = true;
  std::set<const PropButton*> buttons;
  for (const KesProp* item : items) {
    const OutlineModel::ItemKind k = OutlineModel::KindOf(item);
    oneKind = oneKind && k.kind == kind.kind;
    oneState = oneState && k.state == kind.state;
    buttons.insert(OutlineModel::ButtonOf(item));
  }
  const int count = static_cast<int>(items.size());
  if (!oneKind) return tr("Properties \u2014 %n items", nullptr, count);
  QString what;
  switch (kind.kind) {
    case PropClass::Project:
      return tr("Project");
    case PropClass::Button:
      what = tr("Button");
      break;
    case PropClass::State:
      // The state's own name: Up, Over or Down.
      what = oneState ? ToQ(group->name) : tr("States");
      break;
    default: {
      // "Up Text": the state's name before the item's.
      const PropButton* button = OutlineModel::ButtonOf(group);
      const KesProp* state =
          button && oneState && kind.state >= 0 ? button->state(kind.state) : nullptr;
      what = state ? ToQ(state->name) + QLatin1Char(' ') + ToQ(group->name) : ToQ(group->name);
      break;
    }
  }
  QString whose;
  if (count == 1) {
    const PropButton* button = OutlineModel::ButtonOf(group);
    whose = button ? ToQ(button->name) : QString();
  } else if (buttons.size() == items.size()) {
    whose = tr("%n buttons", nullptr, count);
  } else {
    whose = tr("%n items", nullptr, count);
  }
  return whose.isEmpty() ? what : what + QString::fromUtf8(" \u2014 ") + whose;
}

void KesWndProperties::SetTitle(const QString& title) {
  if (title == title_) return;
  title_ = title;
  emit titleChanged(title_);
}

void KesWndProperties::OnDocChanged(const DocChange& change) {
  // Only the title of one item names a button; several items are counted.
  if (change.kind == DocChange::Kind::GroupChanged && change.Touches(field::kName) &&
      currentOthers_.empty())
    SetTitle(TitleFor(currentGroup_, {}));
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
  SetTitle(TitleFor(group, others));
  app_.RefreshPages();
  return true;
}

void KesWndProperties::ResetView() {
  currentGroup_ = nullptr;
  currentOthers_.clear();
  SetTitle(TitleFor(nullptr, {}));
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
