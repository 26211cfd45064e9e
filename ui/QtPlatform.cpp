#include "ui/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include "ui/Text.h"
#include "ui/Translations.h"

namespace {

struct ButtonSpec {
  QMessageBox::StandardButton button;
  int answer;
};

std::vector<ButtonSpec> ButtonsOf(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok:
      return {{QMessageBox::Ok, IdOk}};
    case MsgButtons::OkCancel:
      return {{QMessageBox::Ok, IdOk}, {QMessageBox::Cancel, IdCancel}};
    case MsgButtons::YesNo:
      return {{QMessageBox::Yes, IdYes}, {QMessageBox::No, IdNo}};
    case MsgButtons::YesNoCancel:
      return {{QMessageBox::Yes, IdYes}, {QMessageBox::No, IdNo}, {QMessageBox::Cancel, IdCancel}};
    case MsgButtons::RetryCancel:
      return {{QMessageBox::Retry, IdRetry}, {QMessageBox::Cancel, IdCancel}};
    case MsgButtons::AbortRetryIgnore:
      return {{QMessageBox::Abort, IdAbort},
              {QMessageBox::Retry, IdRetry},
              {QMessageBox::Ignore, IdIgnore}};
  }
  return {{QMessageBox::Ok, IdOk}};
}

QMessageBox::Icon IconOf(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Question:
      return QMessageBox::Question;
    case MsgIcon::Stop:
      return QMessageBox::Critical;
    case MsgIcon::Information:
      return QMessageBox::Information;
    case MsgIcon::Exclamation:
      break;
  }
  return QMessageBox::Warning;
}

}  // namespace

QtPlatform::QtPlatform(const QString& settingsFile)
    : HeadlessPlatform(settingsFile.isEmpty() ? std::string() : PathFromQ(settingsFile)) {}

QtPlatform::~QtPlatform() = default;

std::string QtPlatform::Translate(const char* context, const char* text) {
  return TranslateEngineText(context, text);
}

int QtPlatform::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon icon) {
  if (unattended_) return HeadlessPlatform::MessageBox(text, buttons, icon);
  QMessageBox box(IconOf(icon), QStringLiteral("VelkoButton"), ToQ(UiText(text.c_str())),
                  QMessageBox::NoButton, parent_);
  std::vector<ButtonSpec> specs = ButtonsOf(buttons);
  for (const ButtonSpec& s : specs) box.addButton(s.button);
  box.setDefaultButton(specs.front().button);
  if (buttons != MsgButtons::AbortRetryIgnore && buttons != MsgButtons::YesNo)
    box.setEscapeButton(specs.back().button);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  for (const ButtonSpec& s : specs)
    if (clicked && box.standardButton(clicked) == s.button) return s.answer;
  // Closed without a button: the answer of Escape.
  return buttons == MsgButtons::Ok ? IdOk : IdCancel;
}

QString QtPlatform::ConvertFilter(const std::string& filter) {
  // Pairs of "description|patterns" separated by '|', ended by "||".
  // The filters are marked in the "FileDialog" context, patterns and all.
  QStringList parts = ToQ(TranslateEngineText("FileDialog", filter.c_str())).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString description = parts[i];
    if (description.isEmpty()) break;
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& p : patterns)
      if (p == "*.*") p = "*";
    description.replace("(*.*)", "(*)");
    // Qt takes the patterns from the parentheses: put the real ones there.
    int open = description.lastIndexOf('(');
    if (open >= 0) description = description.left(open).trimmed();
    out << QStringLiteral("%1 (%2)").arg(description, patterns.join(' '));
  }
  return out.join(";;");
}

bool QtPlatform::FileDialog(bool open, const std::string& defaultExt, std::string& path,
                            const std::string& filter, unsigned flags) {
  if (unattended_) return false;
  QFileDialog dialog(parent_);
  dialog.setWindowTitle(open ? QObject::tr("Open") : QObject::tr("Save As"));
  dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
  dialog.setFileMode(open && (flags & FdFileMustExist) ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
  QString filters = ConvertFilter(filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters.split(";;"));
  if (!defaultExt.empty()) {
    std::string ext = defaultExt[0] == '.' ? defaultExt.substr(1) : defaultExt;
    dialog.setDefaultSuffix(ToQ(ext));
  }
  if (!(flags & FdOverwritePrompt)) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  QString proposed = PathToQ(path);
  if (!proposed.isEmpty()) {
    QFileInfo info(proposed);
    if (info.isDir()) {
      dialog.setDirectory(proposed);
    } else {
      if (info.dir().exists() && info.isAbsolute()) dialog.setDirectory(info.dir());
      dialog.selectFile(info.fileName());
    }
  }
  if (dialog.exec() != QDialog::Accepted) return false;
  QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return false;
  QFileInfo chosen(files.front());
  if ((flags & FdPathMustExist) && !chosen.dir().exists()) return false;
  path = PathFromQ(QDir::toNativeSeparators(chosen.absoluteFilePath()));
  return true;
}

bool QtPlatform::BrowseForFolder(const std::string& prompt, std::string& directory,
                                 const std::string& start) {
  if (unattended_) return false;
  QString dir = QFileDialog::getExistingDirectory(parent_, ToQ(UiText(prompt.c_str())),
                                                  PathToQ(start), QFileDialog::ShowDirsOnly);
  if (dir.isEmpty()) return false;
  directory = PathFromQ(QDir::toNativeSeparators(dir));
  return true;
}

bool QtPlatform::SetClipboardText(const std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  clipboard->setText(ToQ(text));
  return true;
}

bool QtPlatform::ClipboardHasText() {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
  return data && data->hasText();
}

bool QtPlatform::SetClipboardData(const std::string& mimeType, const std::string& bytes) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  auto* data = new QMimeData;
  data->setData(QString::fromStdString(mimeType), QByteArray(bytes.data(), int(bytes.size())));
  clipboard->setMimeData(data);
  return true;
}

bool QtPlatform::AddClipboardData(const std::string& mimeType, const std::string& bytes) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* old = clipboard ? clipboard->mimeData() : nullptr;
  if (!old) return false;
  auto* data = new QMimeData;
  for (const QString& format : old->formats()) data->setData(format, old->data(format));
  data->setData(QString::fromStdString(mimeType), QByteArray(bytes.data(), int(bytes.size())));
  clipboard->setMimeData(data);
  return true;
}

bool QtPlatform::GetClipboardData(const std::string& mimeType, std::string& bytes) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
  const QString type = QString::fromStdString(mimeType);
  if (!data || !data->hasFormat(type)) return false;
  QByteArray raw = data->data(type);
  bytes.assign(raw.constData(), std::size_t(raw.size()));
  return true;
}

std::size_t QtPlatform::ClipboardDataSize(const std::string& mimeType) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
  const QString type = QString::fromStdString(mimeType);
  // The editor's own data is shared, not copied, to be measured.
  return data && data->hasFormat(type) ? std::size_t(data->data(type).size()) : 0;
}

bool QtPlatform::ClipboardHasData(const std::string& mimeType) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
  return data && data->hasFormat(QString::fromStdString(mimeType));
}

bool QtPlatform::OpenWithShell(const std::string& target) {
  const QString t = PathToQ(target);
  const int hash = t.lastIndexOf('#');
  if (!t.contains("://") && hash > 0 && !QFileInfo::exists(t) && QFileInfo::exists(t.left(hash))) {
    QUrl url = QUrl::fromLocalFile(t.left(hash));
    url.setFragment(t.mid(hash + 1));
    return QDesktopServices::openUrl(url);
  }
  return QDesktopServices::openUrl(t.contains("://") ? QUrl(t) : QUrl::fromLocalFile(t));
}

void QtPlatform::BeginWaitCursor() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtPlatform::EndWaitCursor() {
  QApplication::restoreOverrideCursor();
}
