#include "ui/ScriptEdit.h"

#include <QFontDatabase>
#include <QTextCursor>

#include "ui/Text.h"

ScriptEdit::ScriptEdit(QWidget* parent) : QPlainTextEdit(parent) {
  setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  setLineWrapMode(QPlainTextEdit::NoWrap);
  setTabChangesFocus(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

QString ScriptEdit::ToDisplay(const std::string& stored) {
  QString text = ToQ(stored);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

void ScriptEdit::setScript(const std::string& script) {
  setPlainText(ToDisplay(script));
}

std::string ScriptEdit::script() const {
  QString text = toPlainText();
  text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
  return FromQ(text);
}

bool ScriptEdit::Shows(const std::string& stored) const {
  return toPlainText() == ToDisplay(stored);
}

void ScriptEdit::AppendAtEnd(const std::string& text) {
  QTextCursor cursor(document());
  cursor.movePosition(QTextCursor::End);
  // An edit block of its own: Undo does not merge it with typed text.
  cursor.beginEditBlock();
  cursor.insertText(ToDisplay(text));
  cursor.endEditBlock();
  setTextCursor(cursor);
  ensureCursorVisible();
}
