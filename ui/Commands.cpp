#include "ui/Commands.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/KesApp.h"
#include "ui/CommandIds.h"

namespace {

using K = QKeySequence;
using M = CommandMenu;
using S = StoreFirst;
using B = CommandBar;

CommandRow Row(int id, CommandMenu menu, const char* text) {
  CommandRow entry;
  entry.id = id;
  entry.menu = menu;
  entry.text = text;
  return entry;
}

std::vector<CommandRow> MakeRows() {
  return {
      // File
      Row(kCmdFileNew, M::kFile, QT_TRANSLATE_NOOP("FrameMain", "&New"))
          .Keys({K(Qt::CTRL | Qt::Key_N)})
          .Store(S::kOrStop)
          .Theme("document-new"),
      Row(kCmdFileOpen, M::kFile, QT_TRANSLATE_NOOP("FrameMain", "&Open..."))
          .Keys({K(Qt::CTRL | Qt::Key_O)})
          .Store(S::kOrStop)
          .Theme("document-open"),
      Row(kCmdFileSave, M::kFile, QT_TRANSLATE_NOOP("FrameMain", "&Save"))
          .Keys({K(Qt::CTRL | Qt::Key_S)})
          .Store(S::kOrStop)
          .Theme("document-save"),
      Row(kCmdFileSaveAs, M::kFile, QT_TRANSLATE_NOOP("FrameMain", "Save &As..."))
          .Keys({K(Qt::CTRL | Qt::SHIFT | Qt::Key_S)})
          .Store(S::kOrStop)
          .Theme("document-save-as"),
      Row(kCmdReopenWithEncoding, M::kFile, QT_TRANSLATE_NOOP("FrameMain", "Reopen with &Encoding"))
          .Submenu(),
      Row(kCmdReopen1250, M::kFile,
          QT_TRANSLATE_NOOP("FrameMain", "Central European (Windows-1250)"))
          .Store(S::kOrStop)
          .In(kCmdReopenWithEncoding),
      Row(kCmdReopen1251, M::kFile, QT_TRANSLATE_NOOP("FrameMain", "Cyrillic (Windows-1251)"))
          .Store(S::kOrStop)
          .In(kCmdReopenWithEncoding),
      Row(kCmdReopen1253, M::kFile, QT_TRANSLATE_NOOP("FrameMain", "Greek (Windows-1253)"))
          .Store(S::kOrStop)
          .In(kCmdReopenWithEncoding),
      Row(kCmdReopen1254, M::kFile, QT_TRANSLATE_NOOP("FrameMain", "Turkish (Windows-1254)"))
          .Store(S::kOrStop)
          .In(kCmdReopenWithEncoding),
      Row(kCmdReopen1257, M::kFile, QT_TRANSLATE_NOOP("FrameMain", "Baltic (Windows-1257)"))
          .Store(S::kOrStop)
          .In(kCmdReopenWithEncoding),
      Row(kCmdReopen1252, M::kFile, QT_TRANSLATE_NOOP("FrameMain", "Western (Windows-1252)"))
          .Store(S::kOrStop)
          .In(kCmdReopenWithEncoding),
      Row(kCmdFileRecentFirst, M::kFile, QT_TRANSLATE_NOOP("FrameMain", "Recent &File"))
          .Submenu()
          .SeparatorBefore(),
      Row(kCmdExit, M::kFile, QT_TRANSLATE_NOOP("FrameMain", "E&xit"))
          .Keys({K(Qt::CTRL | Qt::Key_Q)})
          .Store(S::kOrStop)
          .Theme("application-exit")
          .SeparatorBefore(),
      // Edit
      Row(kCmdEditUndo, M::kEdit, QT_TRANSLATE_NOOP("FrameMain", "&Undo"))
          .Keys({K(Qt::CTRL | Qt::Key_Z), K(Qt::ALT | Qt::Key_Backspace)})
          .Store(S::kOrStop)
          .Theme("edit-undo")
          .OnBar(B::kButtons, 5),
      Row(kCmdEditRedo, M::kEdit, QT_TRANSLATE_NOOP("FrameMain", "&Redo"))
          .Keys({K(Qt::CTRL | Qt::Key_Y), K(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
          .Store(S::kOrStop)
          .Theme("edit-redo")
          .OnBar(B::kButtons, 6),
      Row(kCmdEditCut, M::kEdit, QT_TRANSLATE_NOOP("FrameMain", "Cu&t"))
          .Keys({K(Qt::CTRL | Qt::Key_X), K(Qt::SHIFT | Qt::Key_Delete)})
          .Store(S::kYes)
          .SeparatorBefore(),
      Row(kCmdEditCopy, M::kEdit, QT_TRANSLATE_NOOP("FrameMain", "&Copy"))
          .Keys({K(Qt::CTRL | Qt::Key_C), K(Qt::CTRL | Qt::Key_Insert)})
          .Store(S::kYes),
      Row(kCmdEditPaste, M::kEdit, QT_TRANSLATE_NOOP("FrameMain", "&Paste"))
          .Keys({K(Qt::CTRL | Qt::Key_V), K(Qt::SHIFT | Qt::Key_Insert)})
          .Store(S::kYes),
      Row(kCmdPasteStyle, M::kEdit, QT_TRANSLATE_NOOP("FrameMain", "Paste &Style"))
          .Keys({K(Qt::CTRL | Qt::SHIFT | Qt::Key_V)})
          .Store(S::kYes),
      Row(kCmdEditDelete, M::kEdit, QT_TRANSLATE_NOOP("FrameMain", "&Delete")).Store(S::kYes),
      Row(kCmdCopyToOtherStates, M::kEdit, QT_TRANSLATE_NOOP("FrameMain", "Copy to &Other States"))
          .Store(S::kYes)
          .SeparatorBefore(),
      // Select
      Row(kCmdSelectUpStates, M::kSelect, QT_TRANSLATE_NOOP("FrameMain", "&Up States"))
          .Keys({K(Qt::CTRL | Qt::Key_1)})
          .Store(S::kOrStop),
      Row(kCmdSelectOverStates, M::kSelect, QT_TRANSLATE_NOOP("FrameMain", "&Over States"))
          .Keys({K(Qt::CTRL | Qt::Key_2)})
          .Store(S::kOrStop),
      Row(kCmdSelectDownStates, M::kSelect, QT_TRANSLATE_NOOP("FrameMain", "&Down States"))
          .Keys({K(Qt::CTRL | Qt::Key_3)})
          .Store(S::kOrStop),
      Row(kCmdSelectText, M::kSelect, QT_TRANSLATE_NOOP("FrameMain", "&Text Items"))
          .Keys({K(Qt::CTRL | Qt::SHIFT | Qt::Key_1)})
          .Store(S::kOrStop)
          .SeparatorBefore(),
      Row(kCmdSelectBorder, M::kSelect, QT_TRANSLATE_NOOP("FrameMain", "&Border Items"))
          .Keys({K(Qt::CTRL | Qt::SHIFT | Qt::Key_2)})
          .Store(S::kOrStop),
      Row(kCmdSelectAudio, M::kSelect, QT_TRANSLATE_NOOP("FrameMain", "&Audio Items"))
          .Keys({K(Qt::CTRL | Qt::SHIFT | Qt::Key_3)})
          .Store(S::kOrStop),
      Row(kCmdSelectImage, M::kSelect, QT_TRANSLATE_NOOP("FrameMain", "&Image Items"))
          .Keys({K(Qt::CTRL | Qt::SHIFT | Qt::Key_4)})
          .Store(S::kOrStop),
      Row(kCmdSelectAdvanced, M::kSelect, QT_TRANSLATE_NOOP("FrameMain", "Ad&vanced Items"))
          .Keys({K(Qt::CTRL | Qt::SHIFT | Qt::Key_5)})
          .Store(S::kOrStop),
      // Buttons
      Row(kCmdNewButton, M::kButtons, QT_TRANSLATE_NOOP("FrameMain", "&New"))
          .Keys({K(Qt::CTRL | Qt::SHIFT | Qt::Key_N)})
          .Store(S::kYes)
          .OnBar(B::kButtons, 0),
      Row(kCmdDeleteButton, M::kButtons, QT_TRANSLATE_NOOP("FrameMain", "&Delete"))
          .Store(S::kYes)
          .OnBar(B::kButtons, 4),
      Row(kCmdMoveUp, M::kButtons, QT_TRANSLATE_NOOP("FrameMain", "Move &Up"))
          .Keys({K(Qt::ALT | Qt::Key_Up)})
          .Store(S::kYes)
          .OnBar(B::kButtons, 2)
          .TreeKeys(),
      Row(kCmdMoveDown, M::kButtons, QT_TRANSLATE_NOOP("FrameMain", "&Move Down"))
          .Keys({K(Qt::ALT | Qt::Key_Down)})
          .Store(S::kYes)
          .OnBar(B::kButtons, 3)
          .TreeKeys(),
      Row(kCmdDuplicate, M::kButtons, QT_TRANSLATE_NOOP("FrameMain", "Du&plicate"))
          .Keys({K(Qt::CTRL | Qt::Key_D)})
          .Store(S::kYes)
          .OnBar(B::kButtons, 1),
      Row(kCmdEditCaption, M::kButtons, QT_TRANSLATE_NOOP("FrameMain", "Edit &Caption"))
          .Keys({K(Qt::Key_F2)})
          .Store(S::kYes),
      // View
      Row(kCmdViewToolbars, M::kView, QT_TRANSLATE_NOOP("FrameMain", "&Toolbars...")),
      Row(kCmdViewInfo, M::kView, QT_TRANSLATE_NOOP("FrameMain", "&Info/Preview")),
      Row(kCmdViewLive, M::kView, QT_TRANSLATE_NOOP("FrameMain", "&Live View")),
      Row(kCmdViewProperties, M::kView, QT_TRANSLATE_NOOP("FrameMain", "&Properties")),
      Row(kCmdViewButtonTable, M::kView, QT_TRANSLATE_NOOP("FrameMain", "&Buttons Table"))
          .Keys({K(Qt::CTRL | Qt::Key_T)}),
      Row(kCmdOptions, M::kView, QT_TRANSLATE_NOOP("FrameMain", "&Options...")).SeparatorBefore(),
      // Generate
      Row(kCmdPreview, M::kGenerate, QT_TRANSLATE_NOOP("FrameMain", "Preview &Internally"))
          .Store(S::kOrStop)
          .OnBar(B::kProject, 0),
      Row(kCmdStopPreview, M::kGenerate, QT_TRANSLATE_NOOP("FrameMain", "&Stop Preview"))
          .Theme("process-stop")
          .OnBar(B::kProject, 1),
      Row(kCmdPreviewExternal, M::kGenerate,
          QT_TRANSLATE_NOOP("FrameMain", "External &Browser Preview"))
          .Store(S::kYes)
          .OnBar(B::kProject, 3),
      Row(kCmdPublish, M::kGenerate, QT_TRANSLATE_NOOP("FrameMain", "&Publish..."))
          .Store(S::kYes)
          .OnBar(B::kProject, 2)
          .SeparatorBefore(),
      // Help
      Row(kCmdHelpContents, M::kHelp, QT_TRANSLATE_NOOP("FrameMain", "&Help Contents"))
          .Theme("help-contents")
          .OnBar(B::kProject, 4),
      Row(kCmdHelpBack, M::kHelp, QT_TRANSLATE_NOOP("FrameMain", "&Previous Topic"))
          .Theme("go-previous")
          .OnBar(B::kProject, 5),
      Row(kCmdHelpLock, M::kHelp, QT_TRANSLATE_NOOP("FrameMain", "&Lock Topic"))
          .OnBar(B::kProject, 6),
      Row(kCmdHelpFaq, M::kHelp, QT_TRANSLATE_NOOP("FrameMain", "Online &FAQ sheet"))
          .SeparatorBefore(),
      Row(kCmdHelpWeb, M::kHelp, QT_TRANSLATE_NOOP("FrameMain", "Velko on the &Web")),
      Row(kCmdAbout, M::kHelp, QT_TRANSLATE_NOOP("FrameMain", "&About VelkoButton..."))
          .Theme("help-about")
          .SeparatorBefore(),
      // Accelerators without a menu entry.
      Row(kCmdHelp, M::kNone, QT_TRANSLATE_NOOP("FrameMain", "Help")).Keys({K(Qt::Key_F1)}),
      Row(kCmdContextHelp, M::kNone, QT_TRANSLATE_NOOP("FrameMain", "Context Help"))
          .Keys({K(Qt::SHIFT | Qt::Key_F1)}),
  };
}

}  // namespace

const std::vector<CommandRow>& CommandRows() {
  static const std::vector<CommandRow> rows = MakeRows();
  return rows;
}

const CommandRow* FindCommand(int id) {
  for (const CommandRow& entry : CommandRows())
    if (entry.id == id) return &entry;
  return nullptr;
}

const std::vector<CommandMenu>& CommandMenus() {
  static const std::vector<CommandMenu> menus = {M::kFile, M::kEdit,     M::kSelect, M::kButtons,
                                                 M::kView, M::kGenerate, M::kHelp};
  return menus;
}

QString CommandMenuTitle(CommandMenu menu) {
  switch (menu) {
    case M::kFile:
      return QCoreApplication::translate("FrameMain", "&File");
    case M::kEdit:
      return QCoreApplication::translate("FrameMain", "&Edit");
    case M::kSelect:
      return QCoreApplication::translate("FrameMain", "&Select");
    case M::kButtons:
      return QCoreApplication::translate("FrameMain", "&Buttons");
    case M::kView:
      return QCoreApplication::translate("FrameMain", "&View");
    case M::kGenerate:
      return QCoreApplication::translate("FrameMain", "&Generate");
    case M::kHelp:
      return QCoreApplication::translate("FrameMain", "&Help");
    case M::kNone:
      break;
  }
  return QString();
}

QString CommandText(const CommandRow& entry) {
  return QCoreApplication::translate("FrameMain", entry.text);
}

std::vector<int> BarCommands(CommandBar bar) {
  std::vector<const CommandRow*> on;
  for (const CommandRow& entry : CommandRows())
    if (entry.bar == bar && bar != CommandBar::kNone) on.push_back(&entry);
  std::stable_sort(on.begin(), on.end(), [](const CommandRow* a, const CommandRow* b) {
    return a->barSlot < b->barSlot;
  });
  std::vector<int> ids;
  for (const CommandRow* entry : on) ids.push_back(entry->id);
  return ids;
}

// ---------------------------------------------------------------------------
// Router

bool CommandRouter::Store(StoreFirst store) {
  if (store == StoreFirst::kNo) return true;
  const bool accepted = app_.CommitPages();
  return accepted || store != StoreFirst::kOrStop;
}

bool CommandRouter::Run(StoreFirst store, const std::function<void()>& work) {
  if (!Store(store)) return false;
  work();
  return true;
}

void CommandRouter::Run(const CommandRow& entry, const CommandHooks& hooks) {
  if (!hooks.run || (hooks.enabled && !hooks.enabled())) return;
  const bool storing = !hooks.storeWhen || hooks.storeWhen();
  Run(storing ? entry.store : StoreFirst::kNo, hooks.run);
}
