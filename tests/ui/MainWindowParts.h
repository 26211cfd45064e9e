// Driving the real main window in tests: its tree items, the selection, and
// the controls of the page shown.
#pragma once

#include <QTreeWidget>

#include "ui/FrameMain.h"
#include "ui/KesView.h"
#include "ui/KesWndProperties.h"
#include "ui/ViewOutline.h"

// The tree item of button `b`, its state `s` and that state's group `g`.
inline QTreeWidgetItem* TreeItem(FrameMain* frame, int b, int s = -1, int g = -1) {
  QTreeWidgetItem* item = frame->outline()->topLevelItem(0)->child(b);
  if (s >= 0) item = item->child(s);
  if (g >= 0) item = item->child(g);
  return item;
}

// Selects `item` as a click in the tree does.
inline void SelectItem(FrameMain* frame, QTreeWidgetItem* item) {
  frame->outline()->setFocus();
  frame->outline()->setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect);
}

// The control registered as `id` on the page shown (or one of its tabs).
template <class W>
W* PageControl(FrameMain* frame, int id) {
  for (KesView* view : frame->properties()->currentPage()->findChildren<KesView*>())
    if (auto* w = qobject_cast<W*>(view->control(id))) return w;
  if (auto* view = qobject_cast<KesView*>(frame->properties()->currentPage()))
    return qobject_cast<W*>(view->control(id));
  return nullptr;
}
