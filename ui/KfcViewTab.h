// A tabbed view combining several pages of one group. Each tab has a label
// and an icon; the active tab's label is bold. The view opens on the tab that
// was active when the last view of the same kind went away.
#pragma once

#include <QWidget>
#include <string>

#include "ui/KesView.h"

class QTabWidget;

class KfcViewTab : public QWidget {
  Q_OBJECT
 public:
  // `tabClass` names the kind of tabbed view ("TabButton") for the tab memory.
  KfcViewTab(const PageContext& context, const std::string& tabClass, QWidget* parent = nullptr);

  QTabWidget* tabWidget() const { return tabs_; }
  int count() const;
  int currentIndex() const;
  void setCurrentIndex(int index);
  KesView* page(int index) const;

 protected:
  // Adds a page in tab order (concrete views call it from their constructor,
  // then ActivateRememberedTab()).
  void AddTab(KesView* page, const QString& label, int iconId);
  void ActivateRememberedTab();

  const PageContext& context() const { return context_; }

 private:
  PageContext context_;
  std::string tabClass_;
  QTabWidget* tabs_;
};
