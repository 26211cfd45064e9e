// The editor in German and Czech: its menus, the engine's messages with
// their arguments, the string table and the names of undo steps; and which
// language the system's list chooses.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QSet>

#include "QuietApp.h"
#include "core/Doc.h"
#include "core/StringTable.h"
#include "support/TestPlatform.h"
#include "ui/FrameMain.h"
#include "ui/Text.h"
#include "ui/Translations.h"

namespace {

// The accelerator of a menu entry ("&Datei" -> 'd'); 0 without one.
QChar Accelerator(const QString& text) {
  for (int i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return text[i + 1].toLower();
    ++i;
  }
  return QChar();
}

TEST(TranslationsTest, TheEditorSpeaksGermanAndCzech) {
  struct Case {
    const char* code;
    QString fileMenu;
    std::string saveQuestion;  // the engine's message, its argument translated too
    QString undoDelete;
    std::string smoothBorder;  // a string-table entry; its help topic stays
  };
  const Case cases[] = {
      {"de", "&Datei", "\xC3\x84nderungen an Unbenannt speichern?",
       "&R\xC3\xBC"
       "ckg\xC3\xA4ngig: L\xC3\xB6schen (Schaltfl\xC3\xA4"
       "che \xE2\x80\x9EHome\xE2\x80\x9C)",
       "Den Rand gegl\xC3\xA4ttet darstellen\nGegl\xC3\xA4tteter Rand\nbordersmooth"},
      {"cs", "&Soubor", "Ulo\xC5\xBEit zm\xC4\x9Bny v Bez n\xC3\xA1zvu?",
       "&Zp\xC4\x9Bt: Smazat (tla\xC4\x8D\xC3\xADtko \xE2\x80\x9EHome\xE2\x80\x9C)",
       "Okraj bude vypadat vyhlazen\xC4\x9B\nVyhlazen\xC3\xBD okraj\nbordersmooth"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    Translations translations;
    ASSERT_EQ(translations.Install(QString::fromLatin1(c.code)), QString::fromLatin1(c.code));
    TestPlatform platform;
    platform.translate = TranslateEngineText;
    App app(platform, Quiet());
    ASSERT_TRUE(app.InitInstance({}));

    // The menus, each entry's accelerator once in its menu.
    const QList<QAction*> menus = app.frame()->menuBar()->actions();
    ASSERT_FALSE(menus.isEmpty());
    EXPECT_EQ(menus.front()->text(), c.fileMenu);
    QSet<QChar> titles;
    for (QAction* title : menus) {
      EXPECT_FALSE(titles.contains(Accelerator(title->text()))) << FromQ(title->text());
      titles.insert(Accelerator(title->text()));
      QMenu* menu = title->menu();
      ASSERT_NE(menu, nullptr);
      emit menu->aboutToShow();
      QSet<QChar> keys;
      for (QAction* entry : menu->actions()) {
        const QChar key = Accelerator(entry->text());
        if (entry->isSeparator() || key.isNull()) continue;
        EXPECT_FALSE(keys.contains(key)) << FromQ(title->text()) << " " << FromQ(entry->text());
        keys.insert(key);
      }
    }

    // An engine message through the platform: translated before its argument went in.
    app.doc().SetModifiedFlag(true);
    platform.answers.push_back(IdNo);
    EXPECT_TRUE(app.doc().SaveModified());
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text, c.saveQuestion);
    app.doc().SetModifiedFlag(false);

    EXPECT_EQ(LoadUiString(2101), c.smoothBorder);
    EXPECT_EQ(
        QCoreApplication::translate("FrameMain", "&Undo %1").arg(StepName("Delete Button 'Home'")),
        c.undoDelete);
  }
  // Without a translation the editor is English again.
  EXPECT_EQ(LoadUiString(2101), LoadString(2101));
  EXPECT_EQ(StepName("Delete 3 Buttons"), "Delete 3 Buttons");
}

TEST(TranslationsTest, TheFirstLanguageOfTheSystemWithATranslationChooses) {
  const struct {
    QStringList wanted;
    const char* chosen;
  } cases[] = {
      {{"de-AT", "en-US"}, "de"}, {{"cs_CZ"}, "cs"},    {{"en-GB", "de-DE"}, "en"},
      {{"fr-FR", "cs-CZ"}, "cs"}, {{"fr", "it"}, "en"}, {{}, "en"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Translations::Choose(c.wanted), QString::fromLatin1(c.chosen))
        << FromQ(c.wanted.join(' '));
}

}  // namespace
