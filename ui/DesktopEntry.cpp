#include "ui/DesktopEntry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "core/HeadlessPlatform.h"
#include "core/SafeFile.h"
#include "ui/Text.h"

namespace {

// Writes `bytes` unless the file already holds exactly them.
bool WriteIfChanged(const QString& path, const QByteArray& bytes) {
  QFile existing(path);
  if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes) return true;
  existing.close();
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  return safefile::WriteBytes(PathFromQ(path), bytes.toStdString());
}

constexpr const char* kEntryFile = "applications/velkobutton.desktop";
// More than any entry or MIME package of ours holds.
constexpr qint64 kLargestRegistrationFile = 64 * 1024;
constexpr const char* kMimeFile = "mime/packages/velkobutton.xml";
constexpr const char* kIconFiles[] = {
    "icons/hicolor/scalable/apps/velkobutton.svg",
    "icons/hicolor/scalable/mimetypes/application-x-velkobutton-project.svg"};

// The program an entry starts: the first word of its Exec line, unquoted as
// RegisterFileType quotes it; empty when no line names one.
QString EntryProgram(const QByteArray& entry) {
  for (const QByteArray& line : entry.split('\n')) {
    if (!line.startsWith("Exec=")) continue;
    const QString exec = QString::fromUtf8(line.mid(5)).trimmed();
    if (!exec.startsWith('"')) return exec.section(' ', 0, 0);
    QString program;
    for (int i = 1; i < exec.size() && exec[i] != '"'; ++i)
      program += exec[i] == '\\' && i + 1 < exec.size() ? exec[++i] : exec[i];
    return program;
  }
  return QString();
}

// Whether `program` is the command line of an installed prefix: its data
// folder found relative to it, and no build tree's Help/ beside it.
bool InstalledProgram(const QString& program) {
  const std::string dir = PathFromQ(QFileInfo(program).absolutePath());
  const ProgramLayout layout = FindProgramLayout(dir);
  return !layout.buildTree && layout.programDir != dir + "/";
}

// Refreshes the desktop's caches below `dataHome`; a missing tool is no failure.
void RefreshDesktopCaches(const QString& dataHome) {
  const QString updateMime = QStandardPaths::findExecutable("update-mime-database");
  if (!updateMime.isEmpty()) QProcess::startDetached(updateMime, {dataHome + "/mime"});
  const QString updateDesktop = QStandardPaths::findExecutable("update-desktop-database");
  if (!updateDesktop.isEmpty())
    QProcess::startDetached(updateDesktop, {dataHome + "/applications"});
}

}  // namespace

void DesktopEntry::RegisterWhenAsked(bool asked) {
  const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (dataHome.isEmpty()) return;
  const bool buildTree =
      FindProgramLayout(PathFromQ(QCoreApplication::applicationDirPath())).buildTree;
  QFile own(dataHome + "/" + kEntryFile);
  if (own.open(QIODevice::ReadOnly)) {
    const QString program = EntryProgram(own.read(kLargestRegistrationFile));
    own.close();
    const QString name = QFileInfo(program).fileName();
    // A program named by a bare word is found on the user's path: the
    // user's own choice. So is an entry for a program of another name.
    const bool ours =
        QFileInfo(program).isAbsolute() &&
        (name == QLatin1String("velkobutton") || name == QLatin1String("velkobutton-editor"));
    // An entry that an earlier version wrote for the editor's own program,
    // or one for a build tree, would hide the package's entry; one whose
    // program is gone starts nothing.
    const bool stale =
        ours &&
        (!QFileInfo(program).isExecutable() ||
         (!buildTree && (name != QLatin1String("velkobutton") || !InstalledProgram(program))));
    if (stale) {
      own.remove();
      QFile mime(dataHome + "/" + kMimeFile);
      if (mime.open(QIODevice::ReadOnly) &&
          mime.read(kLargestRegistrationFile).contains("application/x-velkobutton-project")) {
        mime.close();
        mime.remove();
      }
      for (const char* icon : kIconFiles) QFile::remove(dataHome + "/" + icon);
      RefreshDesktopCaches(dataHome);
    }
  }
  if (!buildTree || !asked) return;
  RegisterFileType(dataHome, QCoreApplication::applicationDirPath() + "/velkobutton");
}

bool DesktopEntry::RegisterFileType(const QString& dataHome, const QString& program) {
  if (dataHome.isEmpty()) return false;
  const QByteArray mime =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
      "  <mime-type type=\"application/x-velkobutton-project\">\n"
      "    <comment>VelkoButton Project Document</comment>\n"
      "    <comment xml:lang=\"cs\">Projekt VelkoButton</comment>\n"
      "    <comment xml:lang=\"de\">VelkoButton-Projektdokument</comment>\n"
      "    <icon name=\"velkobutton\"/>\n"
      "    <glob pattern=\"*.but\"/>\n"
      "    <magic priority=\"60\">\n"
      "      <match type=\"string\" value=\"\\x041.\" offset=\"0\"/>\n"
      "    </magic>\n"
      "  </mime-type>\n"
      "</mime-info>\n";
  QString exec = program;
  exec.replace('\\', "\\\\").replace('"', "\\\"").replace('`', "\\`").replace('$', "\\$");
  // The packaged entry, in every language it has, with this program in its Exec line.
  QFile packaged(QStringLiteral(":/packaging/velkobutton.desktop"));
  if (!packaged.open(QIODevice::ReadOnly)) return false;
  QByteArray desktop;
  for (const QByteArray& line : packaged.readAll().split('\n'))
    if (!line.isEmpty())
      desktop +=
          (line.startsWith("Exec=") ? QStringLiteral("Exec=\"%1\" %f").arg(exec).toUtf8() : line) +
          '\n';
  QFile iconFile(":/icons/velkobutton.svg");
  QByteArray icon = iconFile.open(QIODevice::ReadOnly) ? iconFile.readAll() : QByteArray();

  bool ok = WriteIfChanged(dataHome + "/" + kMimeFile, mime);
  ok = WriteIfChanged(dataHome + "/" + kEntryFile, desktop) && ok;
  if (!icon.isEmpty())
    for (const char* iconFile : kIconFiles)
      ok = WriteIfChanged(dataHome + "/" + iconFile, icon) && ok;
  RefreshDesktopCaches(dataHome);
  return ok;
}
