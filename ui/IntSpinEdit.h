// An edit box for an integer with up and down arrows. Unlike a spin box it
// keeps whatever the user types, so that the page can tell the user when the
// text is not an integer; values outside the arrows' range are kept as typed.
#pragma once

#include <QAbstractSpinBox>

class IntSpinEdit : public QAbstractSpinBox {
  Q_OBJECT
 public:
  explicit IntSpinEdit(QWidget* parent = nullptr);

  // The range of the arrows.
  void setRange(int minimum, int maximum);
  int minimum() const { return minimum_; }
  int maximum() const { return maximum_; }

  QString text() const;
  void setText(const QString& text);
  void setValue(int value) { setText(QString::number(value)); }

  void stepBy(int steps) override;

 signals:
  // The arrows (or the Up and Down keys) changed the value.
  void stepped();

 public:
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  StepEnabled stepEnabled() const override;
  QValidator::State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;

 private:
  int minimum_ = -1000;
  int maximum_ = 1000;
};
