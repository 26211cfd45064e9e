// Tooltips and status prompts of dialog controls from the string table: the
// control's help id is kept in its "helpId" property, and its tooltip asks
// the application's context help (follow flag set).
#pragma once

#include <QObject>

class KesApp;
class QWidget;

class HelpTips : public QObject {
  Q_OBJECT
 public:
  explicit HelpTips(KesApp& app, QObject* parent = nullptr);
  // Gives `widget` the help id `id` and shows its help on tooltip requests.
  void Attach(QWidget* widget, int id);
  // Attach(), and the tooltip and status prompt of the string table's entry.
  void AttachControl(QWidget* widget, int id);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  KesApp& app_;
};
