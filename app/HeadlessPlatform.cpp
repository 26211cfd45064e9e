#include "app/HeadlessPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

#include "core/Win1252.h"

namespace {
QString Q(const std::string& s1252) {
  return QString::fromStdString(win1252::ToUtf8(s1252));
}
std::string S(const QString& q) {
  return win1252::FromUtf8(q.toStdString());
}
// File names stay in the operating system's encoding.
QString QPath(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}
std::string SPath(const QString& q) {
  return QFile::encodeName(q).toStdString();
}
QString Key(const std::string& section, const std::string& key) {
  return Q(section) + "/" + Q(key);
}
}  // namespace

HeadlessPlatform::HeadlessPlatform() = default;

int HeadlessPlatform::MessageBox(const std::string& text, MsgButtons buttons, MsgIcon) {
  shown.push_back(text);
  if (!quiet) {
    std::string line = win1252::ToUtf8(text) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
  }
  switch (buttons) {
    case MsgButtons::Ok:
      return IdOk;
    case MsgButtons::OkCancel:
    case MsgButtons::RetryCancel:
    case MsgButtons::YesNoCancel:
      return IdCancel;
    case MsgButtons::YesNo:
      return IdNo;
    case MsgButtons::AbortRetryIgnore:
      return IdAbort;
  }
  return IdCancel;
}

bool HeadlessPlatform::StartProcess(const std::string& program,
                                    const std::vector<std::string>& args) {
  QStringList list;
  // The argument is the page's file name (or an address made from it).
  for (const auto& a : args) list << QPath(a);
  return QProcess::startDetached(QString::fromStdString(win1252::ToUtf8(program)), list);
}

bool HeadlessPlatform::OpenWithShell(const std::string& target) {
  const QString t = QPath(target);
  const QUrl url = t.contains("://") ? QUrl(t) : QUrl::fromLocalFile(t);
  // The command line has no desktop session of its own: the desktop's opener
  // takes the address (the editor's platform asks the desktop services).
  return QProcess::startDetached("xdg-open", {QString::fromUtf8(url.toEncoded())});
}

void HeadlessPlatform::UnsetEnvironment(const std::string& name) {
  qunsetenv(name.c_str());
}

std::string HeadlessPlatform::GetProfileString(const std::string& section, const std::string& key,
                                               const std::string& def) {
  QSettings s("Velko", "VelkoButton");
  QVariant v = s.value(Key(section, key));
  if (!v.isValid()) return def;
  // A hand-edited INI value with unquoted commas reads back as a list.
  if (v.typeId() == QMetaType::QStringList) return S(v.toStringList().join(", "));
  if (!v.canConvert<QString>()) return def;
  return S(v.toString());
}

int HeadlessPlatform::GetProfileInt(const std::string& section, const std::string& key, int def) {
  QSettings s("Velko", "VelkoButton");
  QVariant v = s.value(Key(section, key));
  if (!v.isValid()) return def;
  bool ok = false;
  int i = v.toString().trimmed().toInt(&ok);
  return ok ? i : def;
}

void HeadlessPlatform::WriteProfileString(const std::string& section, const std::string& key,
                                          const std::string& value) {
  QSettings s("Velko", "VelkoButton");
  s.setValue(Key(section, key), Q(value));
}

void HeadlessPlatform::WriteProfileInt(const std::string& section, const std::string& key,
                                       int value) {
  QSettings s("Velko", "VelkoButton");
  s.setValue(Key(section, key), value);
}

std::string HeadlessPlatform::ProgramDir() {
  return FindProgramDir();
}

std::string HeadlessPlatform::PreviewDir() {
  return FindPreviewDir(FindProgramDir());
}

std::string FindProgramDir() {
  QString exeDir =
      QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
  if (QFileInfo(exeDir + "/Help").isDir()) return SPath(QDir::cleanPath(exeDir)) + "/";
  QDir installed(exeDir + "/../share/velkobutton");
  if (installed.exists()) return SPath(installed.canonicalPath()) + "/";
  return SPath(QDir::cleanPath(exeDir)) + "/";
}

std::string FindPreviewDir(const std::string& programDir) {
  QFileInfo dir(QPath(programDir));
  if (dir.isDir() && dir.isWritable()) return programDir + "Preview/";
  QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
  return SPath(cache) + "/velkobutton/Preview/";
}
