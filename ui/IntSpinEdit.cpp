#include "ui/IntSpinEdit.h"

#include <QFontMetrics>
#include <QLineEdit>
#include <QStyleOptionSpinBox>
#include <algorithm>

IntSpinEdit::IntSpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
  setCorrectionMode(QAbstractSpinBox::CorrectToPreviousValue);
  setAccelerated(true);
  setText(QStringLiteral("0"));
}

void IntSpinEdit::setRange(int minimum, int maximum) {
  minimum_ = std::min(minimum, maximum);
  maximum_ = std::max(minimum, maximum);
}

QString IntSpinEdit::text() const {
  return lineEdit()->text();
}

void IntSpinEdit::setText(const QString& text) {
  lineEdit()->setText(text);
  update();
}

void IntSpinEdit::stepBy(int steps) {
  bool ok = false;
  long long v = text().trimmed().toLongLong(&ok);
  if (!ok) v = 0;
  v = std::clamp<long long>(v + steps, minimum_, maximum_);
  setValue(static_cast<int>(v));
  lineEdit()->selectAll();
  emit stepped();
}

QAbstractSpinBox::StepEnabled IntSpinEdit::stepEnabled() const {
  if (isReadOnly() || !isEnabled()) return StepNone;
  bool ok = false;
  const long long v = text().trimmed().toLongLong(&ok);
  if (!ok) return StepUpEnabled | StepDownEnabled;
  StepEnabled e = StepNone;
  if (v < maximum_) e |= StepUpEnabled;
  if (v > minimum_) e |= StepDownEnabled;
  return e;
}

// Any text is kept; the page checks it when it hands its values over.
QValidator::State IntSpinEdit::validate(QString&, int&) const {
  return QValidator::Acceptable;
}

void IntSpinEdit::fixup(QString&) const {}

QSize IntSpinEdit::sizeHint() const {
  ensurePolished();
  const QFontMetrics fm(font());
  const int w = fm.horizontalAdvance(QStringLiteral("-00000")) + 4;
  QStyleOptionSpinBox opt;
  initStyleOption(&opt);
  const QSize content(w, lineEdit()->sizeHint().height());
  return style()->sizeFromContents(QStyle::CT_SpinBox, &opt, content, this);
}

QSize IntSpinEdit::minimumSizeHint() const {
  return sizeHint();
}
