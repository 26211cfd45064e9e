// The rows of the Buttons table: one per button, in button order, with the
// texts a user types for each button (its name, the Up state's caption, the
// link, its target frame, the tool tip and the status text). The rows read
// the document and follow its change events; a cell typed becomes one step
// of the document's edits, checked by the rules the button's pages use.
#pragma once

#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "core/History.h"
#include "ui/ButtonRowsModel.h"

class KesApp;
class KesProp;

class ButtonTableModel : public ButtonRowsModel<QAbstractTableModel>, public DocListener {
  Q_OBJECT
 public:
  // What a menu's author types, row by row, comes first; the target last.
  enum Column { kName, kCaption, kLink, kTip, kStatus, kTarget, kColumnCount };

  ButtonTableModel(KesApp& app, Doc& doc, QObject* parent = nullptr);
  ~ButtonTableModel() override;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Stores a typed text as one undoable step. A value the button's pages
  // would refuse (an empty or taken name, characters the project cannot
  // store) changes nothing: `refused` says why, and false is returned.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  void OnDocChanged(const DocChange& change) override;

  // A caption as the table shows it on one line (a line break as a mark), as
  // its editor shows it on several lines, and what the editor holds as stored.
  // A mark typed is a character like any other, stored as itself.
  static QString OneLine(const std::string& stored);
  static QString Lines(const std::string& stored);
  static std::string Stored(const QString& lines);

 signals:
  void refused(const QModelIndex& index, const QString& typed, const QString& message);

 private:
  // The group a cell shows a field of (the button, or its Up state's text).
  KesProp* GroupOf(int row, int column) const;
  // Why `text` may not go into the cell ("" when it may).
  std::string Refusal(int row, int column, const QString& text) const;

  KesApp& app_;
  Doc& doc_;
  // The buttons as the rows show them, told of each change as it is made.
  std::vector<PropButton*> buttons_;
};
