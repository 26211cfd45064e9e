#include "ui/KesView.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>

#include "core/Doc.h"
#include "core/KesApp.h"
#include "core/Messages.h"
#include "core/StringTable.h"
#include "ui/ColorButton.h"
#include "ui/IntSpinEdit.h"
#include "ui/Text.h"

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
    Complain(control, msg::Format(msg::kTextNotStorable, FromQ(text)));
    app_.ReportCommit(false);
    return;
  }
  const bool valid = CommitControls();
  app_.ReportCommit(valid);
  if (!valid) return;
  // Whatever the page stored is one step, named after the group.
  static const char* const kNames[] = {"Change",       "Change Project", "Change Button",
                                       "Change State", "Change Text",    "Change Border",
                                       "Change Audio", "Change Image",   "Change Advanced"};
  const auto kind = static_cast<std::size_t>(group_->GetClass());
  const GroupPath path = doc_.PathOf(group_);
  // A page whose group has left the document has nothing to record.
  if (doc_.GroupAt(path) != group_) return;
  committing_ = true;
  doc_.RecordGroupEdit(path, baseline_, kNames[kind < 9 ? kind : 0],
                       path.kind == PropClass::Project ? &geometry_ : nullptr);
  committing_ = false;
  TakeBaseline();
}

void KesView::TakeBaseline() {
  if (!group_) return;
  baseline_ = Doc::CopyGroup(*group_);
  if (group_->GetClass() == PropClass::Project) geometry_ = doc_.CaptureGeometry();
}

void KesView::OnDocChanged(const DocChange& change) {
  if (!group_ || !attached_ || committing_) return;
  if (change.kind != DocChange::Kind::GroupChanged && change.kind != DocChange::Kind::LayoutChanged)
    return;
  const GroupPath path = doc_.PathOf(group_);
  if (path.kind == PropClass::None) return;  // its group is leaving
  const bool mine = change.kind == DocChange::Kind::GroupChanged &&
                    (change.group.Contains(path) || path.Contains(change.group));
  const bool placed =
      change.kind == DocChange::Kind::LayoutChanged &&
      (group_->GetClass() == PropClass::Button || group_->GetClass() == PropClass::Project);
  if (!mine && !placed) return;
  // Another page of this group committed: its values are the new starting
  // point; otherwise the group changed under the page, which shows it.
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
}

QWidget* KesView::control(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

bool KesView::ReadInt(QWidget* control, const QString& text, int32_t& value) {
  bool ok = false;
  const int v = text.trimmed().toInt(&ok, 10);
  if (!ok) {
    Complain(control, msg::kEnterInteger);
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
  const HelpString help = SplitHelpString(LoadString(id));
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
