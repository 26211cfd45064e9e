// The main window: menus, the "Buttons" and "Project" toolbars, the status
// bar, the outline tree as the main view (a narrow column on the left at
// first) and the Live View, Properties and Info/Preview docking windows. It remembers its placement
// and the layout of its bars.
#pragma once

#include <QMainWindow>
#include <QRect>
#include <map>
#include <string>

#include "core/History.h"
#include "ui/Commands.h"

class App;
class Doc;
class KesWndInfo;
class KesWndProperties;
class LiveView;
class QAction;
class QDockWidget;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class ReloadBar;
class ToolbarManager;
class ViewOutline;
enum class ShowState;

// The ten numbers of the "WindowPos" value.
struct WindowPlacement {
  unsigned flags = 0;    // 2: restore to maximised
  unsigned showCmd = 1;  // 1 normal, 2 minimised, 3 maximised
  int minX = -1, minY = -1;
  int maxX = -1, maxY = -1;
  QRect normal;  // left, top, right, bottom in the value

  std::string Format() const;
  // False unless `value` holds exactly ten numbers.
  static bool Parse(const std::string& value, WindowPlacement& out);
};

// The main window's first size on a screen with `available` room: about 80%
// of it, at least 1200 x 800 where the screen has that much.
QSize FirstWindowSize(const QSize& available);

class FrameMain : public QMainWindow, public DocListener {
  Q_OBJECT
 public:
  FrameMain(App& app, Doc& doc, bool allowBrowser, QWidget* parent = nullptr);
  ~FrameMain() override;

  ViewOutline* outline() const { return outline_; }
  // The bar above the tree that offers a file changed on disk for reloading.
  ReloadBar* reloadBar() const { return reloadBar_; }
  KesWndProperties* properties() const { return properties_; }
  KesWndInfo* info() const { return info_; }
  QDockWidget* infoDock() const { return infoDock_; }
  LiveView* live() const { return live_; }
  QDockWidget* liveDock() const { return liveDock_; }
  QDockWidget* propertiesDock() const { return propertiesDock_; }
  QToolBar* buttonsBar() const { return buttonsBar_; }
  QToolBar* projectBar() const { return projectBar_; }

  // The action of a command id (null when the frame has none).
  QAction* action(int id) const;
  // What a command of the table does here and when (null for an unknown id).
  const CommandHooks* hooks(int id) const;
  // Runs a command of the table through the router, then updates the
  // command states.
  void RunCommand(int id);

  bool browserAvailable() const;
  void ShowInfo(bool show);
  // Info/Preview can be seen (open, and not a tab behind another).
  bool IsInfoVisible() const;
  static bool DockSeen(const QDockWidget* dock);

  void SetStatusPrompt(const QString& prompt);
  QString statusPrompt() const;

  // Shows the window with the saved placement (when usable) and the show
  // state asked for; returns the state used.
  ShowState RestorePlacement(const std::string& value, ShowState requested);
  WindowPlacement CurrentPlacement() const;
  // Placement and bar layout into the settings.
  void SaveLayout();
  void LoadBarLayout();

  // The toolbars: the two default bars and the user's own.
  ToolbarManager* toolbars() const { return toolbars_; }
  // Large (40x32) or small (16x15) toolbar images.
  void SetLargeButtons(bool large);
  bool largeButtons() const;
  void SetShowTooltips(bool show);
  bool showTooltips() const;

  // Title, check marks and enabled states from the document and the tree.
  void UpdateCommandStates();
  void RebuildRecentMenu();

  // The toolbar dialog of View Toolbars.
  void OnViewToolbars();
  void OnAbout();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  // The Live View takes what the window gains or loses; the tree keeps its width.
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // What each command of the table does in this window, and when.
  std::map<int, CommandHooks> BindCommands();
  // The menus and the actions, from the table.
  void BuildMenus();
  void BuildToolbars();
  void BuildDocks(bool allowBrowser);
  // The default places and sizes of the docking windows in a window of that size.
  void ArrangeDocks(const QSize& window);
  // The live view marks the tree's selected buttons and shows their selected state.
  void SyncLiveSelection();
  // A click or a rubber band in the live view selects the buttons (in the
  // state selected now); `add`: they join the selection.
  void SelectFromLive(const QList<int>& indexes, bool add);
  void EnterContextHelpMode();
  // The help id of what was clicked in context-help mode.
  int HelpIdAt(QWidget* widget) const;
  // The id F1 asks help for: the selected tree item's page in the tree, else
  // the page help id.
  int PageHelpId(QWidget* focus) const;

  App& app_;
  Doc& doc_;
  ViewOutline* outline_ = nullptr;
  ReloadBar* reloadBar_ = nullptr;
  KesWndProperties* properties_ = nullptr;
  KesWndInfo* info_ = nullptr;
  QDockWidget* infoDock_ = nullptr;
  LiveView* live_ = nullptr;
  QDockWidget* liveDock_ = nullptr;
  QDockWidget* propertiesDock_ = nullptr;
  QToolBar* buttonsBar_ = nullptr;
  QToolBar* projectBar_ = nullptr;
  ToolbarManager* toolbars_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QLabel* idleLabel_ = nullptr;
  void OnDocChanged(const DocChange& change) override;
  std::map<int, QAction*> actions_;
  std::map<int, CommandHooks> hooks_;
  bool contextHelpMode_ = false;
};
