#include "ui/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>

#include "core/StringTable.h"
#include "ui/Text.h"

const UiLanguage kUiLanguages[4] = {
    {"", QT_TRANSLATE_NOOP("LanguagePage", "System")},
    {"en", "English"},
    {"de", "Deutsch"},
    {"cs",
     "\xC4\x8C"
     "e\xC5\xA1tina"},
};

namespace {

// The compiled translations lie in the editor's resources.
constexpr const char* kResourceFolder = ":/i18n";
constexpr const char* kBaseName = "velkobutton_";

bool Translated(const QString& language) {
  return language == QLatin1String("de") || language == QLatin1String("cs");
}

}  // namespace

Translations::Translations() = default;

Translations::~Translations() {
  Remove();
}

QString Translations::Choose(const QStringList& wanted) {
  for (const QString& tag : wanted) {
    // "de-AT", "cs_CZ" and "de" alike; the first language named decides, so
    // that a user who puts English first gets English.
    const QString language =
        tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
    if (Translated(language) || language == QLatin1String("en")) return language;
  }
  return QStringLiteral("en");
}

QString Translations::Install(const QString& code) {
  Remove();
  const QString language = code.isEmpty() ? Choose(QLocale::system().uiLanguages()) : code;
  if (!Translated(language)) return QStringLiteral("en");
  auto editor = std::make_unique<QTranslator>();
  if (editor->load(QString::fromLatin1(kBaseName) + language,
                   QString::fromLatin1(kResourceFolder)) &&
      QCoreApplication::installTranslator(editor.get()))
    editor_ = std::move(editor);
  // Qt's own texts (the buttons of message boxes, the file dialogs), where
  // the system has them.
  auto qt = std::make_unique<QTranslator>();
  if (qt->load(QStringLiteral("qtbase_") + language,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(qt.get()))
    qt_ = std::move(qt);
  return language;
}

void Translations::Remove() {
  if (editor_) QCoreApplication::removeTranslator(editor_.get());
  if (qt_) QCoreApplication::removeTranslator(qt_.get());
  editor_.reset();
  qt_.reset();
}

std::string TranslateEngineText(const char* context, const char* text) {
  return FromQ(QCoreApplication::translate(context, text));
}

std::string UiText(const char* text) {
  return TranslateEngineText("msg", text);
}

QString StepName(const std::string& name) {
  const auto step = [](const QString& text) {
    return QCoreApplication::translate("EditSteps", text.toUtf8().constData());
  };
  const QString shown = ToQ(name);
  static const QRegularExpression kOne(QStringLiteral("^(\\S+) Button '(.*)'$"),
                                       QRegularExpression::DotMatchesEverythingOption);
  static const QRegularExpression kSeveral(QStringLiteral("^(\\S+) (\\d+) Buttons$"));
  static const QRegularExpression kMany(QStringLiteral("^(.*) \\((\\d+) (buttons|states)\\)$"));
  if (const QRegularExpressionMatch m = kOne.match(shown); m.hasMatch())
    return QCoreApplication::translate("EditSteps", "%1 Button '%2'")
        .arg(step(m.captured(1)), m.captured(2));
  if (const QRegularExpressionMatch m = kSeveral.match(shown); m.hasMatch())
    return QCoreApplication::translate("EditSteps", "%1 %2 Buttons")
        .arg(step(m.captured(1)), m.captured(2));
  if (const QRegularExpressionMatch m = kMany.match(shown); m.hasMatch())
    return (m.captured(3) == QLatin1String("states")
                ? QCoreApplication::translate("EditSteps", "%1 (%2 states)")
                : QCoreApplication::translate("EditSteps", "%1 (%2 buttons)"))
        .arg(step(m.captured(1)), m.captured(2));
  return step(shown);
}

std::string LoadUiString(int id) {
  const std::string entry = LoadString(id);
  if (entry.empty()) return entry;
  const HelpString english = SplitHelpString(entry);
  const HelpString shown = SplitHelpString(TranslateEngineText("StringTable", entry.c_str()));
  std::string out = shown.prompt;
  // The fields that follow, as many as the English entry has.
  const std::string* rest[] = {&shown.tooltip, &english.topic, &english.anchor};
  std::size_t fields = std::count(entry.begin(), entry.end(), '\n');
  for (std::size_t i = 0; i < fields && i < std::size(rest); ++i) out += '\n' + *rest[i];
  return out;
}
