// The Properties window's content: hosts exactly one page (or tabbed set of
// pages) for the group selected in the outline tree, or the blank view.
#pragma once

#include <QWidget>
#include <vector>

#include "ui/KesView.h"

class Doc;
class KesApp;
class PageRegistry;
class KesProp;
class QVBoxLayout;

class KesWndProperties : public QWidget {
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

  KesProp* currentGroup() const { return currentGroup_; }
  QWidget* currentPage() const { return currentPage_; }
  // The tab each kind of tabbed page showed last.
  TabMemory& tabMemory() { return tabMemory_; }

 signals:
  void pageChanged(QWidget* page);

 private:
  void ShowPage(QWidget* page);

  KesApp& app_;
  Doc& doc_;
  const PageRegistry& pages_;
  KesProp* currentGroup_ = nullptr;
  std::vector<KesProp*> currentOthers_;
  QWidget* currentPage_ = nullptr;
  QVBoxLayout* layout_ = nullptr;
  TabMemory tabMemory_;
};
