// The Properties window's content: hosts exactly one page (or tabbed set of
// pages) for the group selected in the outline tree, or the blank view.
#pragma once

#include <QWidget>

class Doc;
class KesApp;
class KesProp;
class QVBoxLayout;

class KesWndProperties : public QWidget {
  Q_OBJECT
 public:
  KesWndProperties(KesApp& app, Doc& doc, QWidget* parent = nullptr);
  ~KesWndProperties() override;

  // Commits the open page and shows the page of `group` (the blank view for
  // none). False when the open page refused to give up its data.
  bool SetPropertyGroup(KesProp* group);

  KesProp* currentGroup() const { return currentGroup_; }
  QWidget* currentPage() const { return currentPage_; }

 private:
  KesApp& app_;
  Doc& doc_;
  KesProp* currentGroup_ = nullptr;
  QWidget* currentPage_ = nullptr;
  QVBoxLayout* layout_ = nullptr;
};
