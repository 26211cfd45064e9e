// The page shown when no group is selected, or the selected group has no
// page: "No Properties" centred on the window's background.
#pragma once

#include <QWidget>

class KesViewBlank : public QWidget {
  Q_OBJECT
 public:
  explicit KesViewBlank(QWidget* parent = nullptr);

  static QString Text() { return QStringLiteral("No Properties"); }

 protected:
  void paintEvent(QPaintEvent* event) override;
};
