// The editor's commands as data. Each command has one row: where it stands
// in the menus and on the default tool bars, its text, keys and icon, and
// whether the pages hand over what they hold before it runs. The main window
// binds each row to what the command does and when it is enabled or checked
// (ui/FrameCommands.cpp), and builds its menus, tool bars and command states
// from both; the router runs them.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>
#include <vector>

class KesApp;

enum class CommandMenu { kNone, kFile, kEdit, kSelect, kButtons, kView, kGenerate, kHelp };
enum class CommandBar { kNone, kButtons, kProject };

// What becomes of the edits the pages hold before a command runs.
enum class StoreFirst {
  kNo,      // they stay in the pages (the command works on what is typed, or on no project)
  kYes,     // the pages store them; the command runs whatever they answer
  kOrStop,  // the pages store them; a page's refusal stops the command
};

struct CommandRow {
  int id = 0;
  CommandMenu menu = CommandMenu::kNone;
  const char* text = "";  // the menu's text, translated in the context "FrameMain"
  QList<QKeySequence> keys;
  StoreFirst store = StoreFirst::kNo;
  const char* theme = nullptr;  // a desktop theme's icon, before our own picture
  CommandBar bar = CommandBar::kNone;
  int barSlot = 0;               // the place on its default bar
  bool separatorBefore = false;  // a line above it in its menu
  bool submenu = false;          // the entry opens a list of its own (the recent files)
  int parent = 0;                // the submenu row whose list the entry stands in
  bool treeKeys = false;         // the keys work only while the tree has the keyboard

  CommandRow& Keys(QList<QKeySequence> k) {
    keys = std::move(k);
    return *this;
  }
  CommandRow& Store(StoreFirst s) {
    store = s;
    return *this;
  }
  CommandRow& Theme(const char* name) {
    theme = name;
    return *this;
  }
  CommandRow& OnBar(CommandBar b, int slot) {
    bar = b;
    barSlot = slot;
    return *this;
  }
  CommandRow& SeparatorBefore() {
    separatorBefore = true;
    return *this;
  }
  CommandRow& Submenu() {
    submenu = true;
    return *this;
  }
  CommandRow& In(int submenuId) {
    parent = submenuId;
    return *this;
  }
  CommandRow& TreeKeys() {
    treeKeys = true;
    return *this;
  }
};

// Every command, in menu order; the accelerators without a menu entry last.
const std::vector<CommandRow>& CommandRows();
// The row of `id`, or null.
const CommandRow* FindCommand(int id);
// The menu bar's menus in order, and a menu's title.
const std::vector<CommandMenu>& CommandMenus();
QString CommandMenuTitle(CommandMenu menu);
// A row's menu text, translated.
QString CommandText(const CommandRow& entry);
// The commands of a default tool bar, in bar order.
std::vector<int> BarCommands(CommandBar bar);

// What a command does and when, bound by the window that owns it.
struct CommandHooks {
  std::function<void()> run;
  std::function<bool()> enabled;    // empty: always enabled
  std::function<bool()> checked;    // empty: not checkable
  std::function<QString()> text;    // empty: the row's text
  std::function<bool()> storeWhen;  // empty: whenever the row's StoreFirst asks
};

// Runs commands: the one place where the pages hand over what they hold
// before a command works on the project.
class CommandRouter {
 public:
  explicit CommandRouter(KesApp& app) : app_(app) {}

  // The pages store their edits as `store` says; false only when `store` is
  // kOrStop and a page refused.
  bool Store(StoreFirst store);
  // `work`, once the pages stored their edits as `store` says; false when
  // it did not run.
  bool Run(StoreFirst store, const std::function<void()>& work);
  // A table command: nothing while it is disabled; else its edits first, then
  // what it does.
  void Run(const CommandRow& entry, const CommandHooks& hooks);

 private:
  KesApp& app_;
};
