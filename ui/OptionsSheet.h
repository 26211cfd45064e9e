// The Options sheet: the toolbar and command customisation pages, and the
// program's own pages for the configurable text (day, month and meridiem
// names), the message for browsers without Java and the external browser.
// It edits the application's settings in memory; they reach the settings
// store at exit.
#pragma once

#include <QDialog>
#include <QPointer>
#include <QWidget>

class CommandsPage;
class KesApp;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableWidget;
class ToolbarManager;
class ToolbarsPage;

// A page of the sheet knows whether the user has opened it.
class OptionsPage : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  // First activation fills the page from the application.
  void Activate();
  bool opened() const { return opened_; }
  // Checks the page's values before OK; false (the user has been told)
  // keeps the sheet open.
  virtual bool Validate() { return true; }
  // Writes the page back into the application (only for opened pages).
  virtual void Apply() = 0;

 protected:
  virtual void Load() = 0;

 private:
  bool opened_ = false;
};

class ConfigTextPage : public OptionsPage {
  Q_OBJECT
 public:
  explicit ConfigTextPage(KesApp& app, QWidget* parent = nullptr);
  bool Validate() override;
  void Apply() override;

  QTableWidget* days() const { return days_; }
  QTableWidget* months() const { return months_; }
  QLineEdit* anteMeridiem() const { return am_; }
  QLineEdit* postMeridiem() const { return pm_; }

 protected:
  void Load() override;

 private:
  KesApp& app_;
  QTableWidget* days_ = nullptr;
  QTableWidget* months_ = nullptr;
  QLineEdit* am_ = nullptr;
  QLineEdit* pm_ = nullptr;
};

class NonJavaPage : public OptionsPage {
  Q_OBJECT
 public:
  explicit NonJavaPage(KesApp& app, QWidget* parent = nullptr);
  bool Validate() override;
  void Apply() override;
  QLineEdit* message() const { return message_; }
  QLineEdit* language() const { return language_; }

 protected:
  void Load() override;

 private:
  KesApp& app_;
  QLineEdit* message_ = nullptr;
  QLineEdit* language_ = nullptr;
};

class BrowserPage : public OptionsPage {
  Q_OBJECT
 public:
  explicit BrowserPage(KesApp& app, QWidget* parent = nullptr);
  void Apply() override;
  // The browse button: a file-open dialog for the browser program.
  void OnBrowse();

  QLineEdit* path() const { return path_; }
  QPushButton* browseButton() const { return browse_; }
  QCheckBox* localBox() const { return local_; }
  QCheckBox* classPathBox() const { return classPath_; }
  QCheckBox* runtimeBox() const { return runtime_; }

 protected:
  void Load() override;

 private:
  KesApp& app_;
  QLineEdit* path_ = nullptr;
  QPushButton* browse_ = nullptr;
  QCheckBox* local_ = nullptr;
  QCheckBox* classPath_ = nullptr;
  QCheckBox* runtime_ = nullptr;
};

// The editor's language, stored in the settings at once and taken at the
// next start.
class LanguagePage : public OptionsPage {
  Q_OBJECT
 public:
  explicit LanguagePage(KesApp& app, QWidget* parent = nullptr);
  void Apply() override;
  QComboBox* choice() const { return choice_; }

 protected:
  void Load() override;

 private:
  KesApp& app_;
  QComboBox* choice_ = nullptr;
};

class OptionsSheet : public QDialog {
  Q_OBJECT
 public:
  // Without a toolbar manager the two toolbar pages are left out.
  OptionsSheet(KesApp& app, ToolbarManager* toolbars, QWidget* parent = nullptr);
  ~OptionsSheet() override;

  // Shows the sheet and waits for OK or Cancel. The main window's toolbars
  // stay open to dragged commands meanwhile; the rest of it waits.
  bool Run();

  // OK: every opened page writes its values back.
  void accept() override;

  QTabWidget* tabs() const { return tabs_; }
  ToolbarsPage* toolbarsPage() const { return toolbarsPage_; }
  CommandsPage* commandsPage() const { return commandsPage_; }
  ConfigTextPage* configTextPage() const { return configText_; }
  NonJavaPage* nonJavaPage() const { return nonJava_; }
  BrowserPage* browserPage() const { return browser_; }
  LanguagePage* languagePage() const { return language_; }
  // Brings page `page` forward as the user does.
  void ShowPage(QWidget* page);

 private:
  KesApp& app_;
  QPointer<ToolbarManager> toolbars_;
  QTabWidget* tabs_ = nullptr;
  ToolbarsPage* toolbarsPage_ = nullptr;
  CommandsPage* commandsPage_ = nullptr;
  ConfigTextPage* configText_ = nullptr;
  NonJavaPage* nonJava_ = nullptr;
  BrowserPage* browser_ = nullptr;
  LanguagePage* language_ = nullptr;
};
