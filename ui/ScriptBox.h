// A labelled VelkoScript box with its "Add Action..." button, which appends a
// ready-made command through the Insert Action dialog. Pages that edit a
// script (mouse leave, advanced actions, the project's scripts) use it.
#pragma once

#include <QWidget>

class Doc;
class QLabel;
class QPushButton;
class ScriptEdit;

class ScriptBox : public QWidget {
  Q_OBJECT
 public:
  ScriptBox(Doc& doc, const QString& label, const QString& buttonText, QWidget* parent = nullptr);

  ScriptEdit* edit() const { return edit_; }
  QPushButton* addButton() const { return add_; }

 private:
  ScriptEdit* edit_;
  QPushButton* add_;
};
