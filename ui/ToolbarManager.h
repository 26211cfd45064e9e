// The toolbars of the main window: the two default bars "Buttons" and
// "Project", bars the user creates, their commands, the look (large
// buttons, tooltips, flat "cool" look), customising by dragging commands
// onto and off the bars, and their layout saved under "Toolbars".
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class Platform;
class QAction;
class QMainWindow;
class QMimeData;
class QToolBar;

// A category of the command page: a name and its commands.
struct CommandGroup {
  QString name;
  std::vector<int> commands;
};

class ToolbarManager : public QObject {
  Q_OBJECT
 public:
  static constexpr int kMaxCustomBars = 32;
  static constexpr const char* kCommandMime = "application/x-velkobutton-command";

  // `action` gives the frame's action of a command id. Tool buttons get
  // `tipFilter` as event filter (tooltips and status prompts).
  ToolbarManager(QMainWindow& frame, std::function<QAction*(int)> action, QObject* tipFilter);
  ~ToolbarManager() override;

  // "Buttons" with its 5 commands and "Project" with its 7, in bar order.
  static const std::vector<CommandGroup>& Groups();
  static std::vector<int> DefaultCommands(const QString& key);

  // Makes the two default bars (once).
  void CreateDefaults();

  const std::vector<QToolBar*>& bars() const { return bars_; }
  QToolBar* bar(const QString& key) const;
  bool IsCustom(const QToolBar* bar) const;
  std::vector<int> Commands(const QToolBar* bar) const;

  // A new, shown, user bar named `name` (null past the limit).
  QToolBar* NewToolbar(const QString& name);
  void Rename(QToolBar* bar, const QString& name);
  // Only user bars can be deleted.
  void Delete(QToolBar* bar);
  // A default bar gets its default commands again.
  void Reset(QToolBar* bar);
  // Puts command `id` at `index` of `bar` (clamped); a command already on
  // the bar moves there.
  void InsertCommand(QToolBar* bar, int id, int index);
  void RemoveCommand(QToolBar* bar, int id);
  void SetCommands(QToolBar* bar, const std::vector<int>& ids);

  void SetLargeButtons(bool large);
  bool largeButtons() const { return large_; }
  void SetShowTooltips(bool show) { tooltips_ = show; }
  bool showTooltips() const { return tooltips_; }
  void SetCoolLook(bool cool);
  bool coolLook() const { return cool_; }

  // The bars, their commands and their look under "Toolbars". Load makes the
  // bars; the frame restores their places afterwards.
  void Save(Platform& platform) const;
  void Load(Platform& platform);

  // While customising, the toolbar buttons do not run their commands: they
  // can be dragged to another place or off the bar (which removes them),
  // commands dropped on a bar join it, and the rest of the main window
  // takes no input.
  void SetCustomizing(bool on);
  bool customizing() const { return customizing_; }

  // While customising (installed on the application): drops on the bars,
  // drags off them, and the rest of the main window held still.
  bool eventFilter(QObject* watched, QEvent* event) override;

  // The drag data of a command.
  static QMimeData* CommandMime(int id);
  // The command of drag data, or 0.
  static int CommandOf(const QMimeData* data);
  // Where a drop at `pos` (bar coordinates) goes among the bar's buttons.
  int DropIndex(QToolBar* bar, const QPoint& pos) const;

 signals:
  void barsChanged();
  // A dragged toolbar button was dropped on `bar` at `index`.
  void dropRecorded(QToolBar* bar, int index);

 private:
  QToolBar* MakeBar(const QString& key, const QString& name);
  void Prepare(QToolBar* bar);
  void StartDrag(QToolBar* bar, QAction* action);
  QString NextCustomKey() const;

  QMainWindow& frame_;
  std::function<QAction*(int)> action_;
  QObject* tipFilter_;
  std::vector<QToolBar*> bars_;
  bool large_ = false;
  bool tooltips_ = true;
  bool cool_ = true;
  bool customizing_ = false;
  bool dragging_ = false;
};
