// The platform of the editor: real message boxes, file dialogs, clipboard,
// processes and the user's settings store, on Qt.
#pragma once

#include <QString>

#include "core/HeadlessPlatform.h"

class QWidget;

class QtPlatform : public HeadlessPlatform {
 public:
  // With an empty `settingsFile` the settings live in the user's store
  // (see HeadlessPlatform); otherwise in that file.
  explicit QtPlatform(const QString& settingsFile = QString());
  ~QtPlatform() override;

  // Dialogs are owned by this window (the main window once it exists).
  void setDialogParent(QWidget* parent) { parent_ = parent; }
  // Nobody is there to answer (the session is ending): messages go to
  // standard error, questions take the answer that does nothing, and file
  // dialogs are cancelled.
  void setUnattended(bool unattended) { unattended_ = unattended; }

  // Through the editor's installed translation (ui/Translations.h).
  std::string Translate(const char* context, const char* text) override;
  // A message of core/Messages.h without arguments arrives in the user's
  // language; a formatted one was translated before its arguments went in.
  int MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon) override;
  bool FileDialog(bool open, const std::string& defaultExt, std::string& path,
                  const std::string& filter, unsigned flags) override;
  bool BrowseForFolder(const std::string& prompt, std::string& directory,
                       const std::string& start) override;

  bool SetClipboardText(const std::string& text) override;
  bool ClipboardHasText() override;
  bool SetClipboardData(const std::string& mimeType, const std::string& bytes) override;
  bool AddClipboardData(const std::string& mimeType, const std::string& bytes) override;
  bool GetClipboardData(const std::string& mimeType, std::string& bytes) override;
  std::size_t ClipboardDataSize(const std::string& mimeType) override;
  bool ClipboardHasData(const std::string& mimeType) override;

  // Help pages arrive as "path#anchor": the anchor becomes the address's fragment.
  bool OpenWithShell(const std::string& target) override;

  void BeginWaitCursor() override;
  void EndWaitCursor() override;

  // "Name (*.a)|*.a|All Files (*.*)|*.*||" -> "Name (*.a);;All Files (*)".
  static QString ConvertFilter(const std::string& filter);

 private:
  QWidget* parent_ = nullptr;
  bool unattended_ = false;
};
