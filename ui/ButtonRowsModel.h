// What the models that list the document's buttons in order share: their
// rows follow a button put in, removed or moved, as the document tells it.
#pragma once

#include <QModelIndex>
#include <algorithm>
#include <vector>

#include "core/Doc.h"
#include "core/History.h"
#include "groups/button/PropButton.h"

template <class Model>
class ButtonRowsModel : public Model {
 public:
  using Model::Model;

 protected:
  // `rows` (under `parent`) moved as `change` moved the document's buttons;
  // `moved` runs before the views hear of it. False when `change` is no
  // button put in, removed or moved.
  template <class Moved>
  bool FollowButtons(Doc& doc, const DocChange& change, std::vector<PropButton*>& rows,
                     const QModelIndex& parent, Moved moved) {
    const int count = static_cast<int>(rows.size());
    switch (change.kind) {
      case DocChange::Kind::ButtonInserted: {
        auto* button = static_cast<PropButton*>(
            doc.GroupAt({change.index, GroupPath::kNoState, PropClass::Button}));
        if (!button || change.index < 0 || change.index > count) return true;
        this->beginInsertRows(parent, change.index, change.index);
        rows.insert(rows.begin() + change.index, button);
        moved();
        this->endInsertRows();
        return true;
      }
      case DocChange::Kind::ButtonRemoved:
        if (change.index < 0 || change.index >= count) return true;
        this->beginRemoveRows(parent, change.index, change.index);
        rows.erase(rows.begin() + change.index);
        moved();
        this->endRemoveRows();
        return true;
      case DocChange::Kind::ButtonMoved: {
        const int from = change.index;
        const int to = change.to;
        if (from == to || from < 0 || to < 0 || from >= count || to >= count) return true;
        // A row moved down goes before the row after its new place.
        if (!this->beginMoveRows(parent, from, from, parent, to > from ? to + 1 : to)) return true;
        const auto first = rows.begin();
        if (from < to)
          std::rotate(first + from, first + from + 1, first + to + 1);
        else
          std::rotate(first + to, first + from, first + from + 1);
        moved();
        this->endMoveRows();
        return true;
      }
      default:
        return false;
    }
  }
};
