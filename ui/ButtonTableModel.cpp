#include "ui/ButtonTableModel.h"

#include <algorithm>
#include <iterator>

#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/Messages.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"
#include "ui/Text.h"
#include "ui/Translations.h"

namespace {

// What each column shows: a text field of the button or of its Up caption,
// and the name of the step a typed value makes.
struct ColumnField {
  const char* title;
  PropClass kind;
  std::size_t field;
  const char* step;
};

constexpr ColumnField kColumns[] = {
    {QT_TRANSLATE_NOOP("ButtonTable", "Name"), PropClass::Button, FieldAt<PropButton>(field::kName),
     QT_TRANSLATE_NOOP("EditSteps", "Change Name")},
    {QT_TRANSLATE_NOOP("ButtonTable", "Caption"), PropClass::Text, FieldAt<PropText>(field::kText),
     QT_TRANSLATE_NOOP("EditSteps", "Change Caption")},
    {QT_TRANSLATE_NOOP("ButtonTable", "Link"), PropClass::Button, FieldAt<PropButton>(field::kUrl),
     QT_TRANSLATE_NOOP("EditSteps", "Change Link")},
    {QT_TRANSLATE_NOOP("ButtonTable", "Tool Tip"), PropClass::Button,
     FieldAt<PropButton>(field::kTip), QT_TRANSLATE_NOOP("EditSteps", "Change Tool Tip")},
    {QT_TRANSLATE_NOOP("ButtonTable", "Status Text"), PropClass::Button,
     FieldAt<PropButton>(field::kStatus), QT_TRANSLATE_NOOP("EditSteps", "Change Status Text")},
    {QT_TRANSLATE_NOOP("ButtonTable", "Target"), PropClass::Button,
     FieldAt<PropButton>(field::kTarget), QT_TRANSLATE_NOOP("EditSteps", "Change Target")},
};
static_assert(std::size(kColumns) == ButtonTableModel::kColumnCount);

// A caption's line break shows as this mark on the table's one line; the
// caption's editor shows the line breaks themselves.
constexpr char16_t kLineMark = u'\u21B5';
const char* const kStoredBreak = "\r\n";

std::string TextValue(KesProp& group, std::size_t field) {
  const std::vector<FieldValue> values = FieldValues(group);
  if (field >= values.size()) return {};
  const std::string* text = std::get_if<std::string>(&values[field]);
  return text ? *text : std::string();
}

}  // namespace

ButtonTableModel::ButtonTableModel(KesApp& app, Doc& doc, QObject* parent)
    : ButtonRowsModel(parent), app_(app), doc_(doc), buttons_(doc.ButtonPointers()) {
  doc_.AddListener(this);
}

ButtonTableModel::~ButtonTableModel() {
  doc_.RemoveListener(this);
}

int ButtonTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(buttons_.size());
}

int ButtonTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kColumnCount;
}

KesProp* ButtonTableModel::GroupOf(int row, int column) const {
  if (row < 0 || row >= rowCount() || column < 0 || column >= kColumnCount) return nullptr;
  PropButton* button = buttons_[static_cast<std::size_t>(row)];
  if (kColumns[column].kind == PropClass::Button) return button;
  return button->upState ? button->upState->text.get() : nullptr;
}

QString ButtonTableModel::Lines(const std::string& stored) {
  QString text = ToQ(stored);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

QString ButtonTableModel::OneLine(const std::string& stored) {
  return Lines(stored).replace(QLatin1Char('\n'), QChar(kLineMark));
}

std::string ButtonTableModel::Stored(const QString& lines) {
  QString text = lines;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  text.replace(QLatin1Char('\n'), QString::fromLatin1(kStoredBreak));
  return FromQ(text);
}

QVariant ButtonTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole) return {};
  KesProp* group = GroupOf(index.row(), index.column());
  if (!group) return {};
  const std::string text = TextValue(*group, kColumns[index.column()].field);
  return role == Qt::EditRole && index.column() == kCaption ? Lines(text) : OneLine(text);
}

QVariant ButtonTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  if (section < 0 || section >= kColumnCount) return {};
  return tr(kColumns[section].title);
}

Qt::ItemFlags ButtonTableModel::flags(const QModelIndex& index) const {
  if (!GroupOf(index.row(), index.column())) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

std::string ButtonTableModel::Refusal(int row, int column, const QString& text) const {
  if (!Storable(text)) return msg::Format(UiText(msg::kTextNotStorable), FromQ(text));
  if (column == kName) {
    const std::string name = FromQ(text);
    switch (ValidateButtonName(*buttons_[static_cast<std::size_t>(row)], name)) {
      case 0:
        break;
      case 611:
        return msg::Format(UiText(msg::kButtonNameDuplicate), name);
      default:
        return UiText(msg::kButtonNameEmpty);
    }
  }
  return {};
}

bool ButtonTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (role != Qt::EditRole) return false;
  KesProp* group = GroupOf(index.row(), index.column());
  if (!group) return false;
  const ColumnField& column = kColumns[index.column()];
  const QString typed = value.toString();
  const std::string before = TextValue(*group, column.field);
  const std::string after = index.column() == kCaption ? Stored(typed) : FromQ(typed);
  // An untouched cell (a caption's line breaks as stored) changes nothing.
  if (typed == data(index, Qt::EditRole).toString()) return true;
  const std::string refusal = Refusal(index.row(), index.column(), typed);
  if (!refusal.empty()) {
    emit refused(index, typed, ToQ(refusal));
    return false;
  }
  // Every address typed joins the front of the link history, as on the
  // Link page.
  if (index.column() == kLink) KesApp::PushFront(app_.linkHistory, after);
  if (after == before) return true;
  std::vector<GroupEdit> edits;
  edits.push_back({doc_.PathOf(group), {FieldEdit{column.field, before, after}}});
  return doc_.ApplyEdits(std::move(edits), column.step);
}

void ButtonTableModel::OnDocChanged(const DocChange& change) {
  if (FollowButtons(doc_, change, buttons_, {}, [] {})) return;
  const int count = rowCount();
  switch (change.kind) {
    case DocChange::Kind::Replaced:
      beginResetModel();
      buttons_ = doc_.ButtonPointers();
      endResetModel();
      break;
    case DocChange::Kind::GroupChanged: {
      // A button's group, or the project (which may hold anything).
      const bool one = change.group.button >= 0 && change.group.button < count;
      if (!one && change.group.button >= count) return;
      if (count == 0) return;
      const int top = one ? change.group.button : 0;
      const int bottom = one ? change.group.button : count - 1;
      emit dataChanged(index(top, 0), index(bottom, kColumnCount - 1));
      break;
    }
    default:
      break;
  }
}
