// The editor in the user's language: the translators of the editor's texts
// and of Qt's own, chosen by the Language setting (empty: the system's
// languages), and the look-ups of the engine's marked texts (the messages of
// core/Messages.h, the string table) at the boundary where the editor shows
// them.
#pragma once

#include <QString>
#include <QTranslator>
#include <memory>
#include <string>

class Platform;

// The languages the editor speaks; the setting stores their codes.
struct UiLanguage {
  const char* code;  // "" follows the system
  const char* name;  // in its own language, or marked for translation
};
// System, English, Deutsch, Čeština.
extern const UiLanguage kUiLanguages[4];

class Translations {
 public:
  Translations();
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // Loads and installs the translation for `code` ("de", "cs", "en"; empty
  // follows QLocale::system().uiLanguages()); returns the language taken
  // ("en" when none of the system's languages is translated).
  QString Install(const QString& code);
  // Takes the translators off again.
  void Remove();

  // The first language of `wanted` the editor has a translation of; "en"
  // when none.
  static QString Choose(const QStringList& wanted);

 private:
  std::unique_ptr<QTranslator> editor_;
  std::unique_ptr<QTranslator> qt_;
};

// An engine text marked in `context` (core/Translatable.h), in the user's language.
std::string TranslateEngineText(const char* context, const char* text);
// A message of core/Messages.h without arguments, in the user's language.
std::string UiText(const char* text);
// The name of an undoable step in the user's language: the steps' names
// are marked in the "EditSteps" context, and the names made of them ("Delete
// Button 'Home'", "Delete 3 Buttons", "Change Text (5 buttons)") are put
// together again from their translated parts.
QString StepName(const std::string& name);
// The string table's entry `id` with its prompt and tooltip in the user's
// language; its help topic and anchor stay the English entry's.
std::string LoadUiString(int id);
