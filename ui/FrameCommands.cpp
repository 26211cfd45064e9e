// The main window's commands: what each row of the command table does in
// this window and when it is enabled or checked, the menus and actions built
// from the table, and the command states that follow the document, the
// selection and the focus.
#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QFileInfo>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>

#include "core/CodePages.h"
#include "core/Doc.h"
#include "core/StringTable.h"
#include "core/Version.h"
#include "ui/App.h"
#include "ui/ButtonCommands.h"
#include "ui/ButtonTable.h"
#include "ui/CommandIds.h"
#include "ui/EditCommands.h"
#include "ui/FrameMain.h"
#include "ui/KesWndInfo.h"
#include "ui/LiveView.h"
#include "ui/Text.h"
#include "ui/Translations.h"
#include "ui/ViewOutline.h"

namespace {

// The theme's icon where the row names one that the theme has; our own
// picture is the fallback.
QIcon CommandIcon(const CommandRow& entry) {
  QString file = QStringLiteral(":/icons/%1.svg").arg(entry.id);
  QIcon own;
  if (QFileInfo::exists(file)) own = QIcon(file);
  const QString theme = entry.theme ? QString::fromLatin1(entry.theme) : QString();
  if (!theme.isEmpty() && QIcon::hasThemeIcon(theme)) return QIcon::fromTheme(theme, own);
  return own;
}

// The focused edit box when it takes Undo or Redo itself.
QWidget* BoxTaking(int id) {
  QWidget* edit = EditBoxOf(QApplication::focusWidget());
  return edit && EditBoxCommandEnabled(edit, id) ? edit : nullptr;
}

}  // namespace

std::map<int, CommandHooks> FrameMain::BindCommands() {
  const auto browser = [this] { return browserAvailable(); };
  // The button commands, after the router has had the pages store their edits.
  const auto outline = [this](void (ButtonCommands::*command)(),
                              bool (ButtonCommands::*can)() const) {
    CommandHooks hooks;
    hooks.run = [this, command] { (outline_->commands().*command)(); };
    if (can) hooks.enabled = [this, can] { return (outline_->commands().*can)(); };
    return hooks;
  };
  const auto app = [this](auto command) {
    CommandHooks hooks;
    hooks.run = [this, command] { (app_.*command)(); };
    return hooks;
  };
  const auto run = [](std::function<void()> f) {
    CommandHooks hooks;
    hooks.run = std::move(f);
    return hooks;
  };
  const auto toggle = [this](QDockWidget* FrameMain::*dock) {
    CommandHooks hooks;
    hooks.checked = [this, dock] { return !(this->*dock)->isHidden(); };
    return hooks;
  };
  // Undo and Redo: the typing in the focused box first, then the
  // document's steps, named.
  const auto history = [this](int id) {
    const bool undo = id == kCmdEditUndo;
    CommandHooks hooks;
    hooks.run = [this, id, undo] {
      if (QWidget* edit = BoxTaking(id))
        RunEditBoxCommand(edit, id);
      else if (undo)
        doc_.Undo();
      else
        doc_.Redo();
    };
    hooks.storeWhen = [id] { return BoxTaking(id) == nullptr; };
    hooks.enabled = [this, id, undo] {
      return BoxTaking(id) || (undo ? doc_.history().CanUndo() : doc_.history().CanRedo());
    };
    hooks.text = [this, id, undo] {
      const History& h = doc_.history();
      if (BoxTaking(id) || !(undo ? h.CanUndo() : h.CanRedo()))
        return undo ? tr("&Undo") : tr("&Redo");
      return (undo ? tr("&Undo %1") : tr("&Redo %1"))
          .arg(StepName(undo ? h.UndoName() : h.RedoName()));
    };
    return hooks;
  };
  // Cut, Copy and Paste: the focused edit box's, else the tree's groups.
  const auto clipboard = [this](int id) {
    CommandHooks hooks;
    hooks.run = [this, id] {
      if (outline_->IsEditCommandEnabled(id)) outline_->RunEditCommand(id);
    };
    hooks.storeWhen = [this, id] {
      return !EditBoxOf(QApplication::focusWidget()) && outline_->IsEditCommandEnabled(id);
    };
    hooks.enabled = [this, id] {
      return EditBoxOf(QApplication::focusWidget()) != nullptr || outline_->commands().CanEdit(id);
    };
    return hooks;
  };

  std::map<int, CommandHooks> bound = {
      {kCmdFileNew, app(&App::OnFileNewChoosing)},
      {kCmdFileOpen, app(&App::OnFileOpen)},
      {kCmdFileSave, app(&App::OnFileSave)},
      {kCmdFileSaveAs, app(&App::OnFileSaveAs)},
      {kCmdFileRecentFirst, CommandHooks()},     // its entries open their files
      {kCmdReopenWithEncoding, CommandHooks()},  // its entries are the code pages
      {kCmdExit, run([this] { close(); })},
      {kCmdEditUndo, history(kCmdEditUndo)},
      {kCmdEditRedo, history(kCmdEditRedo)},
      {kCmdEditCut, clipboard(kCmdEditCut)},
      {kCmdEditCopy, clipboard(kCmdEditCopy)},
      {kCmdEditPaste, clipboard(kCmdEditPaste)},
      {kCmdPasteStyle, outline(&ButtonCommands::OnPasteStyle, &ButtonCommands::CanPasteStyle)},
      {kCmdEditDelete, outline(&ButtonCommands::OnDeleteButton, &ButtonCommands::CanDeleteButton)},
      {kCmdCopyToOtherStates,
       outline(&ButtonCommands::OnCopyToOtherStates, &ButtonCommands::CanCopyToOtherStates)},
      {kCmdNewButton, outline(&ButtonCommands::OnNewButton, nullptr)},
      {kCmdDeleteButton,
       outline(&ButtonCommands::OnDeleteButton, &ButtonCommands::CanDeleteButton)},
      {kCmdMoveUp, outline(&ButtonCommands::OnMoveUp, &ButtonCommands::CanMoveUp)},
      {kCmdMoveDown, outline(&ButtonCommands::OnMoveDown, &ButtonCommands::CanMoveDown)},
      {kCmdDuplicate, outline(&ButtonCommands::OnDuplicate, &ButtonCommands::CanDuplicate)},
      {kCmdViewToolbars, run([this] { OnViewToolbars(); })},
      {kCmdViewInfo, toggle(&FrameMain::infoDock_)},
      {kCmdViewLive, toggle(&FrameMain::liveDock_)},
      {kCmdViewProperties, toggle(&FrameMain::propertiesDock_)},
      {kCmdViewButtonTable, run([this] {
         if (auto* table = findChild<ButtonTable*>()) table->ShowAndFocus();
       })},
      {kCmdOptions, run([this] { app_.OnOptions(); })},
      {kCmdPreview, app(&App::OnPreview)},
      {kCmdStopPreview, app(&App::OnStopPreview)},
      {kCmdPreviewExternal, app(&App::OnPreviewExternal)},
      {kCmdPublish, app(&App::OnPublish)},
      {kCmdHelpContents, app(&App::OnHelpContents)},
      {kCmdHelpBack, run([this] {
         if (info_) info_->GoBack();
       })},
      {kCmdHelpLock, run([this] { app_.helpLock = app_.helpLock ? 0 : 1; })},
      {kCmdHelpFaq, app(&App::OnHelpFaq)},
      {kCmdHelpWeb, app(&App::OnHelpWeb)},
      {kCmdAbout, run([this] { OnAbout(); })},
      {kCmdHelp, run([this] { app_.OnHelp(PageHelpId(QApplication::focusWidget())); })},
      {kCmdContextHelp, run([this] { EnterContextHelpMode(); })},
  };
  bound[kCmdViewInfo].run = [this] { ShowInfo(!IsInfoVisible()); };
  bound[kCmdViewInfo].enabled = browser;
  bound[kCmdViewLive].run = [this] {
    liveDock_->setVisible(liveDock_->isHidden());
    if (!liveDock_->isHidden()) liveDock_->raise();
  };
  // The caption of the tree's current button (the one clicked last), typed on it.
  bound[kCmdEditCaption].run = [this] {
    liveDock_->show();
    liveDock_->raise();
    live_->EditCaption(doc_.PathOf(outline_->SelectedGroup()).button);
  };
  bound[kCmdEditCaption].enabled = [this] {
    return live_->available() && doc_.PathOf(outline_->SelectedGroup()).button >= 0;
  };
  bound[kCmdViewProperties].run = [this] {
    // Open behind the help's tab, the Properties come forward.
    const bool seen = DockSeen(propertiesDock_);
    propertiesDock_->setVisible(!seen);
    if (!seen) propertiesDock_->raise();
  };
  // Select: a state of every selected button (or of all), or one of that
  // state's items.
  const auto select = [this](PropClass kind, int state) {
    CommandHooks hooks;
    hooks.run = [this, kind, state] {
      outline_->SelectInButtons(kind,
                                state == GroupPath::kNoState ? outline_->StateForItems() : state);
    };
    hooks.enabled = [this] { return outline_->CanSelectInButtons(); };
    return hooks;
  };
  bound[kCmdSelectUpStates] = select(PropClass::State, 0);
  bound[kCmdSelectOverStates] = select(PropClass::State, 1);
  bound[kCmdSelectDownStates] = select(PropClass::State, 2);
  bound[kCmdSelectText] = select(PropClass::Text, GroupPath::kNoState);
  bound[kCmdSelectBorder] = select(PropClass::Border, GroupPath::kNoState);
  bound[kCmdSelectAudio] = select(PropClass::Audio, GroupPath::kNoState);
  bound[kCmdSelectImage] = select(PropClass::Image, GroupPath::kNoState);
  bound[kCmdSelectAdvanced] = select(PropClass::Advanced, GroupPath::kNoState);
  // Reopen with Encoding: the project's file read again in a code page.
  for (const auto& [id, page] :
       {std::pair{kCmdReopen1250, CodePage::kCentralEuropean},
        std::pair{kCmdReopen1251, CodePage::kCyrillic}, std::pair{kCmdReopen1253, CodePage::kGreek},
        std::pair{kCmdReopen1254, CodePage::kTurkish}, std::pair{kCmdReopen1257, CodePage::kBaltic},
        std::pair{kCmdReopen1252, CodePage::kWestern}})
    bound[id] = run([this, page = page] { doc_.ReadAgainIn(page); });
  for (int id : {kCmdStopPreview, kCmdHelpBack, kCmdHelpLock}) bound[id].enabled = browser;
  bound[kCmdHelpLock].checked = [this] { return app_.helpLock != 0; };
  return bound;
}

void FrameMain::BuildMenus() {
  hooks_ = BindCommands();
  std::map<CommandMenu, QMenu*> menus;
  std::map<int, QMenu*> submenus;
  for (CommandMenu m : CommandMenus()) menus[m] = menuBar()->addMenu(CommandMenuTitle(m));
  for (const CommandRow& entry : CommandRows()) {
    QMenu* menu = entry.menu == CommandMenu::kNone ? nullptr
                  : entry.parent                   ? submenus[entry.parent]
                                                   : menus[entry.menu];
    if (menu && entry.separatorBefore) menu->addSeparator();
    if (entry.submenu) {
      QMenu* list = menu->addMenu(CommandText(entry));
      list->menuAction()->setData(entry.id);
      submenus[entry.id] = list;
      if (entry.id == kCmdFileRecentFirst) recentMenu_ = list;
      continue;
    }
    const CommandHooks& hooks = hooks_[entry.id];
    auto* a = new QAction(CommandText(entry), this);
    a->setData(entry.id);
    HelpString h = SplitHelpString(LoadUiString(entry.id));
    a->setStatusTip(ToQ(h.prompt));
    a->setToolTip(ToQ(h.tooltip.substr(0, 78)));
    a->setIcon(CommandIcon(entry));
    a->setIconVisibleInMenu(false);
    a->setCheckable(bool(hooks.checked));
    if (!entry.keys.isEmpty()) a->setShortcuts(entry.keys);
    if (menu) menu->addAction(a);
    addAction(a);
    actions_[entry.id] = a;
    const int id = entry.id;
    connect(a, &QAction::triggered, this, [this, id] { RunCommand(id); });
    // Alt+Up and Alt+Down move buttons while the tree has the keyboard; in
    // a page they keep opening lists.
    if (entry.treeKeys) {
      a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
      outline_->addAction(a);
    }
  }
  RebuildRecentMenu();
}

const CommandHooks* FrameMain::hooks(int id) const {
  auto it = hooks_.find(id);
  return it == hooks_.end() ? nullptr : &it->second;
}

void FrameMain::RunCommand(int id) {
  const CommandRow* entry = FindCommand(id);
  const CommandHooks* bound = hooks(id);
  if (!entry || !bound) return;
  app_.router().Run(*entry, *bound);
  UpdateCommandStates();
}

void FrameMain::RebuildRecentMenu() {
  recentMenu_->clear();
  const QStringList& files = app_.recentFiles();
  if (files.isEmpty()) {
    QAction* none = recentMenu_->addAction(tr("(No recent files)"));
    none->setEnabled(false);
    return;
  }
  for (int i = 0; i < files.size(); ++i) {
    QString label = QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName());
    QAction* a = recentMenu_->addAction(label);
    a->setData(kCmdFileRecentFirst + i);
    a->setStatusTip(files[i]);
    const QString path = files[i];
    connect(a, &QAction::triggered, this, [this, path] {
      app_.router().Run(StoreFirst::kOrStop, [this, path] { app_.OpenDocumentFile(path); });
    });
  }
}

void FrameMain::UpdateCommandStates() {
  const QString title =
      doc_.pathName().empty() ? ToQ(UiText(doc_.title().c_str())) : PathToQ(doc_.title());
  setWindowTitle(title + "[*] - " + version::kProductName);
  setWindowModified(doc_.IsModified());
  for (const auto& [id, bound] : hooks_) {
    QAction* a = action(id);
    if (!a) continue;
    if (bound.enabled) a->setEnabled(bound.enabled());
    if (bound.checked) a->setChecked(bound.checked());
    if (bound.text) a->setText(bound.text());
  }
}
