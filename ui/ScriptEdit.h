// A multi-line edit for VelkoScript. The engine keeps scripts with CR LF line
// breaks (as the project file holds them); the edit shows plain line breaks.
#pragma once

#include <QPlainTextEdit>
#include <string>

class ScriptEdit : public QPlainTextEdit {
  Q_OBJECT
 public:
  explicit ScriptEdit(QWidget* parent = nullptr);

  // Shows a stored script.
  void setScript(const std::string& script);
  // The text as the engine stores it: Windows-1252 with CR LF line breaks.
  std::string script() const;
  // True when the edit shows `stored` unchanged (line breaks of any kind
  // count as equal), so that an untouched script is not rewritten.
  bool Shows(const std::string& stored) const;
  // Appends `text` at the very end as one change that Undo takes back.
  void AppendAtEnd(const std::string& text);

  static QString ToDisplay(const std::string& stored);
};
