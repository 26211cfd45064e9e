// Driving the real main window in tests: its tree items, the selection, and
// the controls of the page shown.
#pragma once

#include <QAbstractItemModel>

#include "ui/FrameMain.h"
#include "ui/KesView.h"
#include "ui/KesWndProperties.h"
#include "ui/ViewOutline.h"

// The tree row of button `b`, its state `s` and that state's group `g`.
inline QModelIndex TreeItem(FrameMain* frame, int b, int s = -1, int g = -1) {
  const QAbstractItemModel* model = frame->outline()->model();
  QModelIndex item = model->index(b, 0, model->index(0, 0));
  if (s >= 0) item = model->index(s, 0, item);
  if (g >= 0) item = model->index(g, 0, item);
  return item;
}

// Selects `item` as a click in the tree does.
inline void SelectItem(FrameMain* frame, const QModelIndex& item) {
  frame->outline()->setFocus();
  frame->outline()->selectionModel()->setCurrentIndex(item, QItemSelectionModel::ClearAndSelect);
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
