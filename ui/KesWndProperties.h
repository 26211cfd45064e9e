// The Properties window's content: hosts exactly one page (or tabbed set of
// pages) for the group selected in the outline tree, or the blank view.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

#include "core/History.h"
#include "ui/KesView.h"

class Doc;
class KesApp;
class PageRegistry;
class KesProp;
class QVBoxLayout;

class KesWndProperties : public QWidget, public DocListener {
  Q_OBJECT
 public:
  // `pages` makes the page of each group's view class.
  KesWndProperties(KesApp& app, Doc& doc, const PageRegistry& pages, QWidget* parent = nullptr);
  ~KesWndProperties() override;

  // Commits the open page and shows the page of `group` (the blank view for
  // none). False when the open page refused to give up its data.
  bool SetPropertyGroup(KesProp* group);
  // The page of `group` editing `others` with it (all of its kind); groups
  // of different kinds show the blank view.
  bool SetPropertyGroups(KesProp* group, const std::vector<KesProp*>& others);
  const std::vector<KesProp*>& currentOthers() const { return currentOthers_; }
  // Shows the blank view at once without asking the open page: the groups
  // it edits are about to go away.
  void ResetView();

  // What the window edits, for its title: "Over — 5 buttons", "Button — 3
  // buttons", "Up Text — Bread" (one item names its button), "Project";
  // "Properties" for nothing.
  QString title() const { return title_; }
  static QString TitleFor(const KesProp* group, const std::vector<KesProp*>& others);

  KesProp* currentGroup() const { return currentGroup_; }
  QWidget* currentPage() const { return currentPage_; }
  // The tab each kind of tabbed page showed last.
  TabMemory& tabMemory() { return tabMemory_; }

 signals:
  void pageChanged(QWidget* page);
  void titleChanged(const QString& title);

 private:
  void ShowPage(QWidget* page);
  // A new name shows in the title.
  void OnDocChanged(const DocChange& change) override;
  void SetTitle(const QString& title);

  KesApp& app_;
  Doc& doc_;
  const PageRegistry& pages_;
  KesProp* currentGroup_ = nullptr;
  std::vector<KesProp*> currentOthers_;
  QWidget* currentPage_ = nullptr;
  QVBoxLayout* layout_ = nullptr;
  TabMemory tabMemory_;
  QString title_;
};
