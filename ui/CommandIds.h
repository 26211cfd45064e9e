// The editor's commands by name. The values are the ids the string table,
// the saved toolbars and the help topics know the commands by.
#pragma once

enum CommandId : int {
  // File
  kCmdFileNew = 57600,
  kCmdFileOpen = 57601,
  kCmdFileSave = 57603,
  kCmdFileSaveAs = 57604,
  kCmdFileRecentFirst = 57616,
  // File > Reopen with Encoding and its code pages
  kCmdReopenWithEncoding = 40180,
  kCmdReopen1250 = 40181,
  kCmdReopen1251 = 40182,
  kCmdReopen1253 = 40183,
  kCmdReopen1254 = 40184,
  kCmdReopen1257 = 40185,
  kCmdReopen1252 = 40186,
  kCmdExit = 57665,
  // Edit
  kCmdEditDelete = 57632,
  kCmdEditCopy = 57634,
  kCmdEditCut = 57635,
  kCmdEditPaste = 57637,
  kCmdEditUndo = 57643,
  kCmdEditRedo = 57644,
  kCmdCopyToOtherStates = 40133,
  kCmdPasteStyle = 40134,
  // Select: one state, or one of a state's items, of every selected button
  kCmdSelectUpStates = 40150,
  kCmdSelectOverStates = 40151,
  kCmdSelectDownStates = 40152,
  kCmdSelectText = 40153,
  kCmdSelectBorder = 40154,
  kCmdSelectAudio = 40155,
  kCmdSelectImage = 40156,
  kCmdSelectAdvanced = 40157,
  // Buttons
  kCmdNewButton = 40128,
  kCmdDeleteButton = 40129,
  kCmdMoveUp = 40130,
  kCmdMoveDown = 40131,
  kCmdDuplicate = 40132,
  kCmdEditCaption = 40158,
  // View
  kCmdViewToolbars = 15008,
  kCmdViewInfo = 15007,
  kCmdViewLive = 15016,
  kCmdViewProperties = 40142,
  kCmdViewButtonTable = 40160,
  kCmdOptions = 15009,
  // Generate
  kCmdPreview = 15015,
  kCmdStopPreview = 15006,
  kCmdPreviewExternal = 15013,
  kCmdPublish = 15014,
  // Help
  kCmdHelpContents = 15010,
  kCmdHelpBack = 15011,
  kCmdHelpLock = 15012,
  kCmdHelpFaq = 15003,
  kCmdHelpWeb = 15001,
  kCmdAbout = 57664,
  kCmdHelp = 57670,
  kCmdContextHelp = 57669,
};
