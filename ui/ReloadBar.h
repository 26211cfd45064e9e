// The bar above the project's tree that says the open file was changed by
// another program and offers to reload it or keep the project as it is here.
// It asks nothing by itself and blocks nothing: the editor goes on while it
// is shown.
#pragma once

#include <QFrame>

class QLabel;
class QPushButton;

class ReloadBar : public QFrame {
  Q_OBJECT
 public:
  explicit ReloadBar(QWidget* parent = nullptr);

  // Shows the bar with `text`; `offered` is emitted only when it was hidden,
  // so a file that keeps changing is announced once.
  void Offer(const QString& text);
  void Withdraw();
  bool offering() const { return !isHidden(); }
  QString text() const;
  QPushButton* reloadButton() const { return reload_; }
  QPushButton* keepButton() const { return keep_; }

 signals:
  void offered();
  void reloadChosen();
  void keepChosen();

 private:
  QLabel* label_;
  QPushButton* reload_;
  QPushButton* keep_;
};
