#include "ui/KesView.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

#include "core/Doc.h"
#include "core/Fields.h"
#include "core/KesApp.h"
#include "core/Messages.h"
#include "core/StringTable.h"
#include "ui/ColorButton.h"
#include "ui/IntSpinEdit.h"
#include "ui/PageParts.h"
#include "ui/ProjectColors.h"
#include "ui/ScriptEdit.h"
#include "ui/Text.h"
#include "ui/Translations.h"

int TabMemory::Get(const std::string& tabClass) const {
  auto it = indices_.find(tabClass);
  return it == indices_.end() ? 0 : it->second;
}

KesView::KesView(const PageContext& context, int pageId, QWidget* parent)
    : QWidget(parent),
      context_(context),
      app_(context.app),
      doc_(context.doc),
      group_(context.group),
      pageId_(pageId) {
  for (KesProp* other : context.others)
    if (other && other != group_ && other->GetClass() == group_->GetClass())
      others_.push_back(other);
  doc_.AddView(this);
  doc_.AddListener(this);
  connect(qApp, &QApplication::focusChanged, this, &KesView::OnFocusChanged);
}

KesView::~KesView() {
  Detach();
}

void KesView::Detach() {
  if (!attached_) return;
  attached_ = false;
  if (group_) OnClose();
  doc_.RemoveView(this);
  doc_.RemoveListener(this);
}

void KesView::OnUpdate(int hint) {
  if (hint == kHintCommit)
    Commit();
  else if (hint == kHintRefresh)
    Refresh();
}

void KesView::Commit() {
  if (!group_ || inCommit_) return;
  ++commitSerial_;
  struct Guard {
    bool& flag;
    ~Guard() { flag = false; }
  } guard{inCommit_};
  inCommit_ = true;
  // Typed text the project cannot hold refuses the commit before anything is
  // taken, so that no group ever receives it with characters lost.
  QString text;
  if (QWidget* control = UnstorableControl(text)) {
    Complain(control, msg::Format(UiText(msg::kTextNotStorable), FromQ(text)));
    app_.ReportCommit(false);
    return;
  }
  if (!others_.empty()) RestoreUntouched();
  app_.ReportCommit(StoreEdits());
}

std::vector<FieldEdit> KesView::ReadEdits(bool& valid) const {
  valid = true;
  if (!HoldsEdits()) return {};
  const std::vector<FieldValue> now = FieldValues(*group_);
  std::vector<FieldEdit> edits;
  for (const FieldBinding& b : bindings_) {
    if (b.field >= now.size() || (b.canRefuse && !valid)) continue;
    FieldValue value = now[b.field];
    if (!b.read(value))
      valid = false;
    else if (valid && b.check && !b.check(value))
      valid = false;
    if (!(value == now[b.field])) edits.push_back({b.field, now[b.field], std::move(value)});
  }
  return edits;
}

bool KesView::StoreEdits() {
  bool valid = true;
  std::vector<FieldEdit> fields = ReadEdits(valid);
  // A page whose group has left the document has nothing to store.
  const GroupPath path = doc_.PathOf(group_);
  if (doc_.GroupAt(path) != group_) return valid;
  // Whatever the page changed is one step, named after the group.
  static const char* const kNames[] = {QT_TRANSLATE_NOOP("EditSteps", "Change"),
                                       QT_TRANSLATE_NOOP("EditSteps", "Change Project"),
                                       QT_TRANSLATE_NOOP("EditSteps", "Change Button"),
                                       QT_TRANSLATE_NOOP("EditSteps", "Change State"),
                                       QT_TRANSLATE_NOOP("EditSteps", "Change Text"),
                                       QT_TRANSLATE_NOOP("EditSteps", "Change Border"),
                                       QT_TRANSLATE_NOOP("EditSteps", "Change Audio"),
                                       QT_TRANSLATE_NOOP("EditSteps", "Change Image"),
                                       QT_TRANSLATE_NOOP("EditSteps", "Change Advanced")};
  const auto kind = static_cast<std::size_t>(group_->GetClass());
  const std::string name = kNames[kind < std::size(kNames) ? kind : 0];
  if (!others_.empty()) {
    StoreToAll(std::move(fields), name);
    return valid;
  }
  const bool placing = path.kind == PropClass::Project || path.kind == PropClass::Button;
  if (fields.empty()) {
    // Nothing the group stores changed, but the layout may place the buttons anew.
    if (placing) doc_.LayoutButtons();
    return valid;
  }
  std::vector<GroupEdit> edits;
  edits.push_back({path, std::move(fields)});
  committing_ = true;
  doc_.ApplyEdits(std::move(edits), name, path.kind == PropClass::Project ? &geometry_ : nullptr);
  committing_ = false;
  TakeBaseline();
  ShowFollowMarks();
  return valid;
}

void KesView::StoreToAll(std::vector<FieldEdit> fields, const std::string& name) {
  if (fields.empty()) return;
  std::vector<GroupEdit> edits;
  std::vector<int> buttons;
  std::vector<KesProp*> all{group_};
  all.insert(all.end(), others_.begin(), others_.end());
  for (KesProp* g : all) {
    const GroupPath path = doc_.PathOf(g);
    if (path.kind == PropClass::None) continue;
    edits.push_back({path, fields});
    if (std::find(buttons.begin(), buttons.end(), path.button) == buttons.end())
      buttons.push_back(path.button);
  }
  // "Change Text (5 buttons)", or of one button's states, "(2 states)".
  const bool oneButton = buttons.size() == 1 && edits.size() > 1;
  const std::string step = name + " (" + std::to_string(oneButton ? edits.size() : buttons.size()) +
                           (oneButton ? " states)" : " buttons)");
  committing_ = true;
  doc_.ApplyEdits(std::move(edits), step,
                  group_->GetClass() == PropClass::Project ? &geometry_ : nullptr);
  committing_ = false;
  Refresh();
}

void KesView::TakeBaseline() {
  if (group_ && group_->GetClass() == PropClass::Project) geometry_ = doc_.CaptureGeometry();
}

namespace {

// Finds the place of the field at one address.
class AddressFinder : public FieldVisitor {
 public:
  explicit AddressFinder(const void* address) : address_(address) {}
  std::size_t found = static_cast<std::size_t>(-1);
  void Int(std::string_view, int32_t& v) override { Look(&v); }
  void Color(std::string_view, uint32_t& v) override { Look(&v); }
  void Text(std::string_view, std::string& v) override { Look(&v); }

 private:
  void Look(const void* v) {
    if (v == address_) found = at_;
    ++at_;
  }
  const void* address_;
  std::size_t at_ = 0;
};

}  // namespace

std::size_t KesView::FieldAt(const void* address) const {
  AddressFinder finder(address);
  group_->VisitFields(finder);
  Q_ASSERT(finder.found != static_cast<std::size_t>(-1));
  return finder.found;
}

void KesView::RefreshControls() {
  const std::vector<FieldValue> values = FieldValues(*group_);
  for (const FieldBinding& b : bindings_)
    if (b.field < values.size()) b.show(values[b.field]);
}

Converter<std::string> KesView::TextOf(QLineEdit* edit) {
  return {{edit},
          [edit](const std::string& v) { edit->setText(ToQ(v)); },
          [edit](std::string& v) {
            v = FromQ(edit->text());
            return true;
          }};
}

Converter<std::string> KesView::TextOf(QComboBox* list) {
  return {{list},
          [list](const std::string& v) { list->setEditText(ToQ(v)); },
          [list](std::string& v) {
            v = FromQ(list->currentText());
            return true;
          }};
}

Converter<std::string> KesView::ScriptOf(ScriptEdit* edit) {
  return {{edit},
          [edit](const std::string& v) { edit->setScript(v); },
          [edit](std::string& v) {
            if (!edit->Shows(v)) v = edit->script();
            return true;
          }};
}

Converter<int32_t> KesView::IntOf(IntSpinEdit* edit) {
  return {{edit},
          [edit](const int32_t& v) { edit->setValue(v); },
          [this, edit](int32_t& v) { return ReadInt(edit, edit->text(), v); },
          true};
}

Converter<int32_t> KesView::IntOf(QComboBox* list) {
  return {{list},
          [list](const int32_t& v) { list->setEditText(QString::number(v)); },
          [this, list](int32_t& v) { return ReadInt(list, list->currentText(), v); },
          true};
}

Converter<int32_t> KesView::FlagOf(QAbstractButton* box) {
  return {{box},
          [box](const int32_t& v) { box->setChecked(v != 0); },
          [box](int32_t& v) {
            if ((v != 0) != box->isChecked()) v = box->isChecked() ? 1 : 0;
            return true;
          }};
}

Converter<uint32_t> KesView::ColorOf(ColorButton* button) {
  return {{button},
          [button](const uint32_t& v) { button->setColor(v); },
          [button](uint32_t& v) {
            v = button->color();
            return true;
          }};
}

Converter<int32_t> KesView::ChoiceOf(const IconChoice& choice) {
  return {{choice.buttons.begin(), choice.buttons.end()},
          [choice](const int32_t& v) { choice.Check(v); },
          [choice](int32_t& v) {
            v = choice.Checked(v);
            return true;
          }};
}

Converter<int32_t> KesView::IndexOf(std::vector<QAbstractButton*> buttons) {
  return {{buttons.begin(), buttons.end()},
          [buttons](const int32_t& v) {
            for (std::size_t i = 0; i < buttons.size(); ++i)
              buttons[i]->setChecked(v == static_cast<int32_t>(i));
          },
          [buttons](int32_t& v) {
            for (std::size_t i = 0; i < buttons.size(); ++i)
              if (buttons[i]->isChecked()) v = static_cast<int32_t>(i);
            return true;
          }};
}

Converter<int32_t> KesView::ListIndexOf(QComboBox* list) {
  return {{list},
          [list](const int32_t& v) { list->setCurrentIndex(v >= 0 && v < list->count() ? v : -1); },
          [list](int32_t& v) {
            if (list->currentIndex() >= 0) v = list->currentIndex();
            return true;
          }};
}

namespace {

// A small corner mark on a control whose value follows the Up state's.
class FollowMark : public QWidget {
 public:
  explicit FollowMark(QWidget* control) : QWidget(control) {
    setObjectName(QStringLiteral("followsUp"));
    setToolTip(QCoreApplication::translate(
        "KesView",
        "Follows Up: this value changes with the Up state until you give it one of its own."));
    resize(kSize, kSize);
    control->installEventFilter(this);
    Place();
    show();
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == parent() && event->type() == QEvent::Resize) Place();
    return QWidget::eventFilter(watched, event);
  }
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::Highlight));
    const QPointF corner[] = {{0, 0}, {double(kSize), 0}, {double(kSize), double(kSize)}};
    painter.drawPolygon(corner, 3);
  }

 private:
  static constexpr int kSize = 7;
  void Place() { move(parentWidget()->width() - kSize, 0); }
};

// What a control shows, as text that compares and can be shown again.
QString ShownValue(const QWidget* c) {
  if (auto* color = qobject_cast<const ColorButton*>(c))
    return color->mixed() ? QStringLiteral("mixed") : QString::number(color->color());
  if (auto* box = qobject_cast<const QCheckBox*>(c)) return QString::number(box->checkState());
  if (auto* button = qobject_cast<const QAbstractButton*>(c))
    return button->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
  if (auto* combo = qobject_cast<const QComboBox*>(c))
    return QString::number(combo->currentIndex()) + QLatin1Char('\n') + combo->currentText();
  if (auto* spin = qobject_cast<const QAbstractSpinBox*>(c)) return spin->text();
  if (auto* edit = qobject_cast<const QLineEdit*>(c)) return edit->text();
  if (auto* text = qobject_cast<const QPlainTextEdit*>(c)) return text->toPlainText();
  return QString();
}

void ShowValue(QWidget* c, const QString& value) {
  if (auto* color = qobject_cast<ColorButton*>(c)) {
    color->setColor(value.toUInt());
  } else if (auto* box = qobject_cast<QCheckBox*>(c)) {
    box->setCheckState(static_cast<Qt::CheckState>(value.toInt()));
    box->setTristate(false);
  } else if (auto* button = qobject_cast<QAbstractButton*>(c)) {
    button->setChecked(value == QLatin1String("1"));
  } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
    const qsizetype cut = value.indexOf(QLatin1Char('\n'));
    combo->setCurrentIndex(value.left(cut).toInt());
    if (combo->isEditable()) combo->setEditText(value.mid(cut + 1));
  } else if (auto* spin = qobject_cast<IntSpinEdit*>(c)) {
    spin->setText(value);
  } else if (auto* edit = qobject_cast<QLineEdit*>(c)) {
    edit->setText(value);
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(c)) {
    text->setPlainText(value);
  }
}

// Shows that the selected groups hold different values: blank, or neither
// checked nor unchecked.
void ShowMixed(QWidget* c) {
  const QString several = QCoreApplication::translate("KesView", "(several values)");
  if (auto* color = qobject_cast<ColorButton*>(c)) {
    color->setMixed();
  } else if (auto* box = qobject_cast<QCheckBox*>(c)) {
    box->setTristate(true);
    box->setCheckState(Qt::PartiallyChecked);
  } else if (auto* button = qobject_cast<QAbstractButton*>(c)) {
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(exclusive);
  } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
    combo->setCurrentIndex(-1);
    if (combo->isEditable()) {
      combo->clearEditText();
      combo->lineEdit()->setPlaceholderText(several);
    }
  } else if (auto* spin = qobject_cast<IntSpinEdit*>(c)) {
    spin->setText(QString());
  } else if (auto* edit = qobject_cast<QLineEdit*>(c)) {
    edit->clear();
    edit->setPlaceholderText(several);
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(c)) {
    text->clear();
    text->setPlaceholderText(several);
  }
}

}  // namespace

bool KesView::MarkedFollowing(const QWidget* control) {
  return control && control->findChild<QWidget*>(QStringLiteral("followsUp"),
                                                 Qt::FindDirectChildrenOnly) != nullptr;
}

std::vector<QWidget*> KesView::BoundControls() const {
  std::vector<QWidget*> list;
  for (const FieldBinding& b : bindings_)
    list.insert(list.end(), b.controls.begin(), b.controls.end());
  return list;
}

std::vector<QWidget*> KesView::ControlsOf(std::string_view name) const {
  if (!group_) return {};
  const int field = FieldIndex(*group_, name);
  std::vector<QWidget*> list;
  for (const FieldBinding& b : bindings_)
    if (static_cast<int>(b.field) == field)
      list.insert(list.end(), b.controls.begin(), b.controls.end());
  return list;
}

void KesView::ShowMixedValues() {
  mixedFull_.clear();
  mixedShown_.clear();
  for (QWidget* c : BoundControls()) {
    if (auto* edit = qobject_cast<QLineEdit*>(c)) edit->setPlaceholderText(QString());
    if (auto* text = qobject_cast<QPlainTextEdit*>(c)) text->setPlaceholderText(QString());
    if (auto* combo = qobject_cast<QComboBox*>(c); combo && combo->lineEdit())
      combo->lineEdit()->setPlaceholderText(QString());
  }
  if (others_.empty() || !group_) return;
  const std::vector<FieldValue> mine = FieldValues(*group_);
  std::vector<bool> mixed(mine.size(), false);
  for (KesProp* other : others_) {
    if (doc_.PathOf(other).kind == PropClass::None) continue;
    const std::vector<FieldValue> theirs = FieldValues(*other);
    for (std::size_t i = 0; i < mine.size() && i < theirs.size(); ++i)
      if (!(theirs[i] == mine[i])) mixed[i] = true;
  }
  for (const FieldBinding& b : bindings_) {
    if (b.field >= mixed.size() || !mixed[b.field]) continue;
    for (QWidget* c : b.controls) mixedFull_[b.field].push_back({c, ShownValue(c)});
  }
  for (const auto& [field, controls] : mixedFull_)
    for (const auto& shown : controls) ShowMixed(shown.first);
  for (const auto& [field, controls] : mixedFull_)
    for (const auto& shown : controls)
      mixedShown_[field].push_back({shown.first, ShownValue(shown.first)});
}

void KesView::RestoreUntouched() {
  for (const auto& [field, controls] : mixedShown_) {
    bool touched = false;
    for (const auto& [c, shown] : controls) touched = touched || ShownValue(c) != shown;
    if (touched) continue;
    for (const auto& [c, full] : mixedFull_[field]) ShowValue(c, full);
  }
}

void KesView::ShowFollowMarks() {
  for (QWidget* c : BoundControls())
    for (QWidget* mark :
         c->findChildren<QWidget*>(QStringLiteral("followsUp"), Qt::FindDirectChildrenOnly))
      delete mark;
  if (!group_ || !others_.empty()) return;
  const GroupPath path = doc_.PathOf(group_);
  if (!path.InState() || path.state == 0) return;
  KesProp* up = doc_.GroupAt({path.button, 0, path.kind});
  if (!up) return;
  const std::vector<FieldValue> upValues = FieldValues(*up);
  const std::vector<FieldValue> mine = FieldValues(*group_);
  const std::vector<std::string_view> names = FieldNames(*group_);
  for (const FieldBinding& b : bindings_) {
    const std::size_t field = b.field;
    if (field >= mine.size() || names[field] == field::kName || !(mine[field] == upValues[field]))
      continue;
    for (QWidget* c : b.controls)
      if (!MarkedFollowing(c)) new FollowMark(c);
  }
}

void KesView::OnDocChanged(const DocChange& change) {
  if (!group_ || !attached_ || committing_) return;
  if (change.kind != DocChange::Kind::GroupChanged && change.kind != DocChange::Kind::LayoutChanged)
    return;
  const GroupPath path = doc_.PathOf(group_);
  if (path.kind == PropClass::None) return;  // its group is leaving
  bool mine = change.kind == DocChange::Kind::GroupChanged &&
              (change.group.Contains(path) || path.Contains(change.group));
  // A page of several groups shows a change of any of them.
  for (KesProp* other : others_) {
    const GroupPath at = doc_.PathOf(other);
    mine = mine || (change.kind == DocChange::Kind::GroupChanged && at.kind != PropClass::None &&
                    (change.group.Contains(at) || at.Contains(change.group)));
  }
  // An Over or Down page marks anew what follows Up when Up changed.
  if (change.kind == DocChange::Kind::GroupChanged && path.InState() && path.state > 0 &&
      change.group == GroupPath{path.button, 0, path.kind} && !mine) {
    ShowFollowMarks();
    return;
  }
  const bool placed =
      change.kind == DocChange::Kind::LayoutChanged &&
      (group_->GetClass() == PropClass::Button || group_->GetClass() == PropClass::Project);
  if (!mine && !placed) return;
  // Another page of this group committed: the page keeps what it holds (the
  // buttons' places are the new starting point); otherwise the group changed
  // under the page, which shows it.
  if (app_.committing())
    TakeBaseline();
  else
    Refresh();
}

void KesView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!wired_) WireFinishedEdits();
}

void KesView::WireFinishedEdits() {
  wired_ = true;
  for (QWidget* w : findChildren<QWidget*>()) {
    // A control inside another page belongs to that page.
    QWidget* owner = w->parentWidget();
    while (owner && !qobject_cast<KesView*>(owner)) owner = owner->parentWidget();
    if (owner != this) continue;
    if (auto* spin = qobject_cast<IntSpinEdit*>(w)) {
      connect(spin, &IntSpinEdit::editingFinished, this, &KesView::CommitSoon);
      connect(spin, &IntSpinEdit::stepped, this, &KesView::CommitSoon);
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
      connect(edit, &QLineEdit::editingFinished, this, &KesView::CommitSoon);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
      connect(combo, &QComboBox::activated, this, &KesView::CommitSoon);
    } else if (auto* color = qobject_cast<ColorButton*>(w)) {
      color->setRecentStore(&app_.platform());
      color->setProjectColors([this] { return ProjectColors(doc_, ColorButton::kPaletteColumns); });
      connect(color, &ColorButton::changed, this, &KesView::CommitSoon);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      connect(button, &QAbstractButton::clicked, this, &KesView::CommitSoon);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
      text->installEventFilter(this);
    }
  }
}

void KesView::CommitSoon() {
  if (commitPending_ || inCommit_ || !attached_) return;
  commitPending_ = true;
  const unsigned serial = commitSerial_;
  // After the control's own handlers (a box that enables others, a file
  // chosen into a field); not when the page committed meanwhile, or while it
  // is telling the user about a refused value.
  QTimer::singleShot(0, this, [this, serial] {
    commitPending_ = false;
    if (serial != commitSerial_ || inCommit_ || !attached_ || app_.committing()) return;
    // Every open page stores its edits, so that a page sharing this group
    // keeps what it holds instead of showing the group anew.
    app_.CommitPages();
  });
}

namespace {
// The text a control hands to its page; empty for controls without typed text
// (spin edits only take digits and are checked as integers).
QString TypedText(const QWidget* control) {
  if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
  if (auto* combo = qobject_cast<const QComboBox*>(control))
    return combo->isEditable() ? combo->currentText() : QString();
  if (auto* edit = qobject_cast<const QPlainTextEdit*>(control)) return edit->toPlainText();
  return QString();
}
}  // namespace

QWidget* KesView::UnstorableControl(QString& text) const {
  for (const auto& [id, control] : controls_) {
    const QString typed = TypedText(control);
    if (Storable(typed)) continue;
    text = typed;
    for (const QString& line : typed.split(QLatin1Char('\n')))
      if (!Storable(line)) {
        text = line;
        break;
      }
    return control;
  }
  return nullptr;
}

void KesView::Refresh() {
  if (!group_) return;
  RefreshControls();
  TakeBaseline();
  if (!others_.empty())
    ShowMixedValues();
  else
    ShowFollowMarks();
}

QWidget* KesView::control(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

bool KesView::ReadInt(QWidget* control, const QString& text, int32_t& value) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok, 10);
  if (!ok) {
    Complain(control, UiText(msg::kEnterInteger));
    return false;
  }
  value = v;
  return true;
}

void KesView::Complain(QWidget* control, const std::string& message) {
  app_.platform().MessageBox(message, MsgButtons::Ok, MsgIcon::Exclamation);
  if (control) FocusControl(control);
}

void KesView::FocusControl(QWidget* control) {
  // Show the tab (and scroll position) that holds the control.
  for (QWidget* w = control->parentWidget(); w; w = w->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
      for (int i = 0; i < tabs->count(); ++i)
        if (tabs->widget(i)->isAncestorOf(control)) tabs->setCurrentIndex(i);
    }
  }
  for (QWidget* w = control->parentWidget(); w; w = w->parentWidget())
    if (auto* scroll = qobject_cast<QScrollArea*>(w)) scroll->ensureWidgetVisible(control);
  control->setFocus(Qt::OtherFocusReason);
  if (auto* edit = qobject_cast<QLineEdit*>(control))
    edit->selectAll();
  else if (auto* spin = qobject_cast<QAbstractSpinBox*>(control))
    spin->selectAll();
  else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
    combo->lineEdit()->selectAll();
}

void KesView::RegisterControl(QWidget* control, int id) {
  controls_[id] = control;
  control->setProperty("controlId", id);
  const HelpString help = SplitHelpString(LoadUiString(id));
  if (!help.tooltip.empty()) control->setToolTip(ToQ(help.tooltip));
  if (!help.prompt.empty()) control->setStatusTip(ToQ(help.prompt));
  control->installEventFilter(this);
  // A multi-line edit gets the pointer's events in its viewport.
  if (auto* area = qobject_cast<QAbstractScrollArea*>(control)) {
    area->viewport()->setProperty("controlId", id);
    area->viewport()->installEventFilter(this);
  }
}

bool KesView::eventFilter(QObject* watched, QEvent* event) {
  if (auto* text = qobject_cast<QPlainTextEdit*>(watched)) {
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
      CommitSoon();
    if (event->type() == QEvent::KeyPress && text->property(kEnterCommits).toBool()) {
      auto* key = static_cast<QKeyEvent*>(event);
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (key->modifiers() & Qt::ShiftModifier)
          text->insertPlainText(QStringLiteral("\n"));
        else
          CommitSoon();
        return true;
      }
    }
  }
  const QVariant idValue = watched->property("controlId");
  if (!idValue.isValid()) return QWidget::eventFilter(watched, event);
  const int id = idValue.toInt();
  switch (event->type()) {
    case QEvent::ToolTip: {
      // The pointer rests on the control: status prompt and tooltip from the
      // help system, which also follows to the control's help page.
      std::string tip;
      app_.ShowContextHelp(id, &tip, true);
      QString text = tip.empty() ? static_cast<QWidget*>(watched)->toolTip() : ToQ(tip);
      auto* help = static_cast<QHelpEvent*>(event);
      if (!text.isEmpty())
        QToolTip::showText(help->globalPos(), text, static_cast<QWidget*>(watched));
      return true;
    }
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
      // F1 asks for the page's help.
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) app_.pageHelpId = pageId_;
      break;
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

void KesView::OnFocusChanged(QWidget* old, QWidget* now) {
  // The page becomes the active view: its help page follows.
  if (!attached_ || !now || !isAncestorOf(now)) return;
  if (!old || !(old == this || isAncestorOf(old))) app_.ShowContextHelp(pageId_, nullptr, true);
  // The focused control's prompt and help page follow the focus (the help
  // lock keeps the page shown; the Info/Preview window is not forced open).
  const QVariant id = now->property("controlId");
  if (id.isValid()) app_.ShowContextHelp(id.toInt(), nullptr, true);
}
