#include "ui/App.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSplashScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <filesystem>
#include <system_error>

#include "core/Doc.h"
#include "core/HeadlessPlatform.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/SafeFile.h"
#include "core/StringTable.h"
#include "core/Version.h"
#include "core/Win1252.h"
#include "output/DocStaging.h"
#include "output/PublishDialog.h"
#include "output/Staging.h"
#include "ui/FrameMain.h"
#include "ui/KesWndInfo.h"
#include "ui/LiveView.h"
#include "ui/NewOpenDialog.h"
#include "ui/OptionsSheet.h"
#include "ui/QtPlatform.h"
#include "ui/ReloadBar.h"
#include "ui/Text.h"

namespace fs = std::filesystem;

// The pictures live in the static user-interface library: register them.
static void InitResources() {
  Q_INIT_RESOURCE(icons);
}

namespace {

bool FileExists(const std::string& path) {
  std::error_code ec;
  return fs::is_regular_file(FsPath(path), ec);
}

// Writes `bytes` unless the file already holds exactly them.
bool WriteIfChanged(const QString& path, const QByteArray& bytes) {
  QFile existing(path);
  if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes) return true;
  existing.close();
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  return safefile::WriteBytes(PathFromQ(path), bytes.toStdString());
}

QPixmap SplashPicture() {
  QIcon picture(":/icons/splash.svg");
  return picture.pixmap(QSize(420, 260));
}

}  // namespace

App::App(Platform& platform, AppOptions options)
    : KesApp(platform), options_(options), doc_(std::make_unique<Doc>(*this)) {
  InitResources();
  setCurrentDoc(doc_.get());
  doc_->stopPreview = [this] { OnStopPreview(); };
  doc_->staging = std::make_unique<DocStaging>();
  if (options_.registerPages) options_.registerPages(pages_);
}

App::~App() {
  ExitInstance();
  if (auto* qt = dynamic_cast<QtPlatform*>(&platform())) qt->setDialogParent(nullptr);
  // The frame's views refer to the document: close them first.
  frame_.reset();
  // The Live View took its folder with it: this process's preview folder,
  // now empty, goes too.
  if (started_) {
    std::error_code ignored;
    fs::remove(FsPath(platform().PreviewDir()), ignored);
  }
}

bool App::InitInstance(const QStringList& args, ShowState requested) {
  started_ = true;
  // The command line: the first argument that is not a switch names a
  // project; after "--" every argument is a name.
  QString file;
  bool optionsEnded = false;
  for (const QString& a : args) {
    if (!optionsEnded && a == "--") {
      optionsEnded = true;
      continue;
    }
    if (!optionsEnded && a.startsWith('-')) continue;
    file = a;
    break;
  }

  QSplashScreen* splash = nullptr;
  if (options_.splash) {
    splash = new QSplashScreen(SplashPicture(), Qt::WindowStaysOnTopHint);
    splash->setWindowFlag(Qt::FramelessWindowHint);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    QTimer::singleShot(2000, splash, [splash, this] {
      splash->close();
      if (frame_) frame_->update();
    });
    QCoreApplication::processEvents();
  }

  LoadRecentFiles();
  ReadSettings();

  frame_ = std::make_unique<FrameMain>(*this, *doc_, options_.allowBrowser);
  if (auto* qt = dynamic_cast<QtPlatform*>(&platform())) qt->setDialogParent(frame_.get());
  if (options_.registerFileType) RegisterWhenAsked(options_.registerAsked);
  // Preview folders of editors that were killed before they could clean up.
  RemoveFoldersOfEndedProcesses(CacheDir(), kPreviewFolderPrefix);
  if (options_.singleInstance) StartServer();

  const bool noFile = file.isEmpty();
  if (noFile) {
    if (!doc_->OnNewDocument()) {
      platform().MessageBox(msg::kFailedToCreateEmpty, MsgButtons::Ok, MsgIcon::Exclamation);
      return false;
    }
  } else {
    // A file that cannot be read has said why; the editor starts with a new
    // project. The document has none while the file is read, so nothing
    // (the Live View included) generates a page until one of them fills it.
    QString path = QFileInfo(file).absoluteFilePath();
    if (doc_->OnOpenDocument(PathFromQ(QDir::toNativeSeparators(path)))) {
      AddToRecentFiles(path);
      WatchDiskFile();
    } else if (!doc_->HasContents() && !doc_->OnNewDocument()) {
      platform().MessageBox(msg::kFailedToCreateEmpty, MsgButtons::Ok, MsgIcon::Exclamation);
      return false;
    }
  }
  frame_->UpdateCommandStates();

  frame_->RestorePlacement(platform().Get(setting::kWindowPlacement), requested);
  frame_->repaint();
  if (splash) splash->raise();

  {
    WaitCursor wait(platform());
    StartupHelp();
  }
  frame_->setAcceptDrops(true);

  const bool recovered = OfferRecovery();
  if (noFile && !recovered && options_.newOpenDialog) RunNewOpenDialog();
  return true;
}

void App::ExitInstance() {
  if (exited_ || !started_) return;
  exited_ = true;
  WriteSettings();
  SaveRecentFiles();
  DeletePreviewFiles();
  if (server_) server_->close();
}

void App::LoadRecentFiles() {
  recentFiles_.clear();
  for (int i = 1; i <= kRecentFiles; ++i) {
    std::string entry = platform().Get(setting::kRecentFile, i, "");
    if (!entry.empty()) recentFiles_ << PathToQ(OsFromStored(entry));
  }
}

void App::SaveRecentFiles() {
  // The settings hold Windows-1252 text: a name it cannot hold is left out
  // rather than stored damaged.
  int n = 0;
  for (const QString& file : recentFiles_) {
    std::string entry;
    if (StoredFromOs(PathFromQ(file), entry)) platform().Put(setting::kRecentFile, ++n, entry);
  }
  while (n < kRecentFiles) platform().Put(setting::kRecentFile, ++n, "");
}

void App::AddToRecentFiles(const QString& path) {
  if (path.isEmpty()) return;
  for (int i = recentFiles_.size() - 1; i >= 0; --i)
    if (QDir::cleanPath(recentFiles_[i]) == QDir::cleanPath(path)) recentFiles_.removeAt(i);
  recentFiles_.prepend(path);
  while (recentFiles_.size() > kRecentFiles) recentFiles_.removeLast();
  if (frame_) frame_->RebuildRecentMenu();
}

void App::EndPreviewOfOldProject() {
  // The old project's scripts stop with it.
  if (frame_ && frame_->info() && frame_->info()->showingPreview()) OnStopPreview();
}

bool App::OnFileNew() {
  if (!CommitPages()) return false;
  if (!doc_->SaveModified()) return false;
  bool ok = doc_->OnNewDocument();
  if (!ok) platform().MessageBox(msg::kFailedToCreateEmpty, MsgButtons::Ok, MsgIcon::Exclamation);
  EndPreviewOfOldProject();
  WatchDiskFile();
  if (frame_) frame_->UpdateCommandStates();
  return ok;
}

bool App::OnFileOpen() {
  if (!CommitPages()) return false;
  std::string path;
  if (!platform().FileDialog(true, "but", path, KesDoc::kProjectFilter,
                             FdHideReadOnly | FdFileMustExist | FdPathMustExist))
    return false;
  return OpenDocumentFile(PathToQ(path));
}

bool App::OpenDocumentFile(const QString& path) {
  if (!doc_->SaveModified()) return false;
  QString absolute = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
  bool ok = doc_->OnOpenDocument(PathFromQ(absolute));
  if (ok) AddToRecentFiles(absolute);
  EndPreviewOfOldProject();
  WatchDiskFile();
  if (frame_) frame_->UpdateCommandStates();
  return ok;
}

bool App::OnFileSave() {
  bool ok = doc_->DoFileSave();
  if (ok) AddToRecentFiles(PathToQ(doc_->pathName()));
  WatchDiskFile();
  if (frame_) frame_->UpdateCommandStates();
  return ok;
}

bool App::OnFileSaveAs() {
  bool ok = doc_->DoSave(std::string());
  if (ok) AddToRecentFiles(PathToQ(doc_->pathName()));
  WatchDiskFile();
  if (frame_) frame_->UpdateCommandStates();
  return ok;
}

void App::WatchDiskFile() {
  if (!watcher_) {
    watcher_ = new QFileSystemWatcher(this);
    // A change comes as several signals (a save by rename touches the
    // folder and the file), and a file may be written for a while: one
    // look once it has been quiet.
    quietTimer_ = new QTimer(this);
    quietTimer_->setSingleShot(true);
    quietTimer_->setInterval(kQuietMs);
    connect(quietTimer_, &QTimer::timeout, this, &App::DiskFileQuiet);
    connect(watcher_, &QFileSystemWatcher::fileChanged, this, &App::DiskFileTouched);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, this, &App::DiskFileTouched);
    if (frame_) {
      connect(frame_->reloadBar(), &ReloadBar::reloadChosen, this, &App::OnReloadChosen);
      connect(frame_->reloadBar(), &ReloadBar::keepChosen, this, &App::OnKeepChosen);
    }
  }
  const QStringList watched = watcher_->files() + watcher_->directories();
  if (!watched.isEmpty()) watcher_->removePaths(watched);
  quietTimer_->stop();
  declined_ = safefile::FileStamp();
  reloadWanted_ = false;
  if (frame_) frame_->reloadBar()->Withdraw();
  if (doc_->pathName().empty()) return;
  const QString file = PathToQ(doc_->pathName());
  lastSeen_ = safefile::StampOf(doc_->pathName());
  // The folder too, so that a file replaced by another one is still seen.
  watcher_->addPaths({file, QFileInfo(file).absolutePath()});
}

void App::DiskFileTouched() {
  lastSeen_ = safefile::StampOf(doc_->pathName());
  quietTimer_->start();
}

void App::DiskFileQuiet() {
  const safefile::FileStamp now = safefile::StampOf(doc_->pathName());
  if (now != lastSeen_) {
    DiskFileTouched();
    return;
  }
  // A file replaced by another one is watched anew.
  const QString file = PathToQ(doc_->pathName());
  if (now.exists && !watcher_->files().contains(file)) watcher_->addPath(file);
  ReloadBar* bar = frame_ ? frame_->reloadBar() : nullptr;
  if (!doc_->ChangedOnDisk()) {
    // Put back as it was (or removed): nothing to offer.
    reloadWanted_ = false;
    if (bar) bar->Withdraw();
    return;
  }
  if (reloadWanted_) {
    ReloadDiskFile();
    return;
  }
  if (now == declined_ || !bar) return;
  const std::string name = DisplayName(doc_->pathName());
  bar->Offer(
      ToQ(msg::Format(doc_->IsModified() ? msg::kChangedOnDiskLosing : msg::kChangedOnDisk, name)));
}

void App::OnReloadChosen() {
  // Read only once the file has been quiet: a file still being written is
  // read when its writer has finished.
  reloadWanted_ = true;
  const safefile::FileStamp now = safefile::StampOf(doc_->pathName());
  if (quietTimer_->isActive() || now != lastSeen_) {
    DiskFileTouched();
    return;
  }
  ReloadDiskFile();
}

void App::OnKeepChosen() {
  reloadWanted_ = false;
  declined_ = safefile::StampOf(doc_->pathName());
  if (frame_) frame_->reloadBar()->Withdraw();
}

void App::ReloadDiskFile() {
  reloadWanted_ = false;
  if (frame_) frame_->reloadBar()->Withdraw();
  // What a page holds is part of the project a failed reload keeps.
  CommitPages();
  const safefile::FileStamp version = safefile::StampOf(doc_->pathName());
  if (doc_->ReloadFromDisk()) {
    EndPreviewOfOldProject();
    WatchDiskFile();
  } else {
    // That version is not offered again; a later one is.
    declined_ = version;
  }
  if (frame_) frame_->UpdateCommandStates();
}

// ---------------------------------------------------------------------------
// Preview

std::string App::WritePreview(bool external) {
  const std::string folder = platform().PreviewDir();
  if (!safefile::MakePrivateDirectory(folder)) return std::string();
  CommitPages();
  std::string page = folder + "~" + version::kInternalName + ".html";
  // The external preview is the page visitors get, with the runtime's line
  // where the project needs it; the internal one gets the runtime injected
  // and keeps the page file as the applet reads it.
  const KesDoc::RuntimeScope runtime(*doc_, external ? KesDoc::kRuntimeOn : KesDoc::kRuntimeOff);
  if (!doc_->SaveHtml(page, false, true)) return std::string();
  if (!doc_->CopyResourcesTo(folder)) {
    platform().MessageBox(msg::kPreviewCopyFailed, MsgButtons::Ok, MsgIcon::Stop);
    return std::string();
  }
  return page;
}

void App::OnPreview() {
  if (!CommitPages()) return;
  if (BrowserAvailable()) ShowInfoWindow();
  std::string page = WritePreview(!BrowserAvailable());
  if (page.empty()) return;
  currentHelpPage.clear();
  currentHelpAnchor.clear();
  if (BrowserAvailable()) {
    NavigateInfo(page, true);
    helpLock = 1;
  } else {
    LaunchBrowser(page);
  }
}

void App::OnPreviewExternal() {
  std::string page = WritePreview(true);
  if (!page.empty()) LaunchBrowser(page);
}

void App::OnStopPreview() {
  // The preview's page goes with all its script work, whatever is shown next.
  if (frame_ && frame_->info()) frame_->info()->EndPreview();
  StartupHelp();
}

// ---------------------------------------------------------------------------
// Publish and options

void App::OnPublish() {
  PublishDialog dialog(*this, *doc_, frame_.get());
  dialog.exec();
}

bool App::OnOptions() {
  OptionsSheet sheet(*this, frame_ ? frame_->toolbars() : nullptr, frame_.get());
  const bool applied = sheet.Run();
  // What the pages say may have changed: the Live View shows it.
  if (applied && frame_ && frame_->live()) frame_->live()->SettingsChanged();
  return applied;
}

// ---------------------------------------------------------------------------
// Help

void App::ShowContextHelp(int id, std::string* tooltip, bool follow) {
  const std::string entry = LoadString(id);
  if (entry.empty()) return;
  HelpString h = SplitHelpString(entry);
  if (tooltip) *tooltip = h.tooltip.substr(0, 78);
  SetStatusPrompt(h.prompt);
  if (follow && helpLock) return;
  ShowHelpPage(h.topic, h.anchor, follow, false);
}

void App::ShowHelpPage(const std::string& topic, const std::string& anchor, bool follow,
                       bool byAddress) {
  const bool available = BrowserAvailable();
  if (!follow && available) ShowInfoWindow();
  if (helpLock || (topic == currentHelpPage && anchor == currentHelpAnchor)) return;
  std::string address;
  if (byAddress) {
    address = topic;
  } else {
    address = HelpPagePath(topic);
    if (!FileExists(address)) return;
  }
  if (!anchor.empty()) address += "#" + anchor;
  // The Info/Preview window shows only this computer's help files: a page on
  // the web opens in the user's browser.
  const bool remote = address.find("://") != std::string::npos;
  if (available && !remote) {
    NavigateInfo(address);
    currentHelpPage = topic;
    currentHelpAnchor = anchor;
  } else if (!follow || remote) {
    LaunchBrowser(address);
    currentHelpPage.clear();
    currentHelpAnchor.clear();
  }
  if (byAddress) {
    currentHelpPage.clear();
    currentHelpAnchor.clear();
  }
}

std::string App::HelpPagePath(const std::string& topic) {
  return platform().ProgramDir() + "Help/" + topic + ".html";
}

void App::StartupHelp() {
  helpLock = 0;
  if (BrowserAvailable()) ShowHelpPage("index", "", true, false);
}

void App::OnHelpContents() {
  helpLock = 0;
  currentHelpPage.clear();
  currentHelpAnchor.clear();
  ShowHelpPage("contents", "", false, false);
}

void App::OnHelpFaq() {
  ShowHelpPage(kFaqAddress, "", false, true);
  helpLock = 1;
}

void App::OnHelpWeb() {
  LaunchBrowser(kHomeAddress);
}

void App::OnHelp(int id) {
  ShowContextHelp(id, nullptr, false);
}

bool App::BrowserAvailable() const {
  return frame_ && frame_->browserAvailable();
}

void App::NavigateInfo(const std::string& address, bool withRuntime) {
  QString runtime;
  if (withRuntime) {
    // A missing runtime leaves the page as a browser without Java shows it.
    QFile file(PathToQ(platform().ProgramDir() + KesDoc::kRuntimeFile));
    if (file.open(QIODevice::ReadOnly)) runtime = QString::fromUtf8(file.readAll());
  }
  if (frame_ && frame_->info()) frame_->info()->Navigate(PathToQ(address), runtime);
  emit helpShown(PathToQ(address));
}

void App::ShowInfoWindow() {
  if (frame_ && !frame_->IsInfoVisible()) frame_->ShowInfo(true);
}

void App::SetStatusPrompt(const std::string& prompt) {
  lastPrompt_ = prompt;
  if (frame_) frame_->SetStatusPrompt(ToQ(prompt));
}

// ---------------------------------------------------------------------------
// Exit, registration, hand-over

void App::DeletePreviewFiles() {
  std::error_code ec;
  const fs::path folder = FsPath(platform().PreviewDir());
  if (!fs::is_directory(folder, ec)) return;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code ignored;
    if (it->is_regular_file(ignored) || it->is_symlink(ignored)) fs::remove(it->path(), ignored);
  }
}

namespace {

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

void App::RegisterWhenAsked(bool asked) {
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

bool App::RegisterFileType(const QString& dataHome, const QString& program) {
  if (dataHome.isEmpty()) return false;
  const QByteArray mime =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
      "  <mime-type type=\"application/x-velkobutton-project\">\n"
      "    <comment>VelkoButton Project Document</comment>\n"
      "    <icon name=\"velkobutton\"/>\n"
      "    <glob pattern=\"*.but\"/>\n"
      "    <magic priority=\"60\">\n"
      "      <match type=\"string\" value=\"\\x041.\" offset=\"0\"/>\n"
      "    </magic>\n"
      "  </mime-type>\n"
      "</mime-info>\n";
  QString exec = program;
  exec.replace('\\', "\\\\").replace('"', "\\\"").replace('`', "\\`").replace('$', "\\$");
  const QByteArray desktop = QStringLiteral(
                                 "[Desktop Entry]\n"
                                 "Type=Application\n"
                                 "Name=VelkoButton\n"
                                 "GenericName=Web Button Editor\n"
                                 "Comment=Design interactive buttons for web pages\n"
                                 "Exec=\"%1\" %f\n"
                                 "Icon=velkobutton\n"
                                 "Terminal=false\n"
                                 "Categories=Development;WebDevelopment;\n"
                                 "Keywords=button;menu;navigation;rollover;web;html;\n"
                                 "MimeType=application/x-velkobutton-project;\n")
                                 .arg(exec)
                                 .toUtf8();
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

namespace {

// A folder nobody but this user may enter: owned by the user, no access for
// group or others, and no link.
bool PrivateFolder(const QString& dir) {
  if (dir.isEmpty()) return false;
  struct stat st {};
  return lstat(QFile::encodeName(dir).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
         st.st_uid == getuid() && (st.st_mode & 077) == 0;
}

// Whether the other end of a local connection runs as this user.
bool SameUserPeer(qintptr fd) {
#if defined(__linux__)
  struct ucred peer {};
  socklen_t length = sizeof peer;
  return fd >= 0 &&
         getsockopt(static_cast<int>(fd), SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 &&
         peer.uid == getuid();
#elif defined(Q_OS_UNIX)
  uid_t uid = 0;
  gid_t gid = 0;
  return fd >= 0 && getpeereid(static_cast<int>(fd), &uid, &gid) == 0 && uid == getuid();
#else
  (void)fd;
  return true;  // a named pipe of the user's own session
#endif
}

}  // namespace

QString App::ServerName() {
  // The session's own folder, else one the program makes for the user; where
  // neither can be had, every start is an editor of its own.
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (PrivateFolder(runtime)) return runtime + QStringLiteral("/velkobutton.socket");
  const QString own =
      QDir::tempPath() + QStringLiteral("/velkobutton-") + QString::number(getuid());
  mkdir(QFile::encodeName(own).constData(), 0700);
  if (PrivateFolder(own)) return own + QStringLiteral("/velkobutton.socket");
  return QString();
}

bool App::HandOff(const QString& path) {
  const QString name = ServerName();
  if (name.isEmpty()) return false;
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(500)) return false;
  // The name goes only to an editor of the same user.
  if (!SameUserPeer(socket.socketDescriptor())) return false;
  QByteArray line = QFileInfo(path).absoluteFilePath().toUtf8() + '\n';
  socket.write(line);
  if (!socket.waitForBytesWritten(1000)) return false;
  // The running editor answers once it has the name.
  bool answered = socket.waitForReadyRead(2000) && socket.readAll().startsWith("ok");
  socket.disconnectFromServer();
  return answered;
}

void App::StartServer() {
  const QString name = ServerName();
  if (name.isEmpty()) return;
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(name)) {
    // A name left behind by an editor that ended abruptly: take it over,
    // unless an editor of this user still answers on it.
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(200) && SameUserPeer(probe.socketDescriptor())) {
      probe.disconnectFromServer();
      return;
    }
    probe.abort();
    QLocalServer::removeServer(name);
    if (!server_->listen(name)) return;
  }
  connect(server_, &QLocalServer::newConnection, this, &App::OnNewConnection);
}

void App::OnNewConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    if (!SameUserPeer(socket->socketDescriptor())) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (!socket->canReadLine()) {
        // Refuse absurdly long names instead of buffering without end.
        if (socket->bytesAvailable() > 64 * 1024) socket->abort();
        return;
      }
      QString path = QString::fromUtf8(socket->readLine()).trimmed();
      socket->write("ok\n");
      socket->flush();
      if (path.isEmpty()) return;
      if (frame_) {
        frame_->setWindowState(frame_->windowState() & ~Qt::WindowMinimized);
        frame_->raise();
        frame_->activateWindow();
      }
      // Opened once the sender has its answer, as File Open would.
      QTimer::singleShot(0, this, [this, path] {
        if (CommitPages()) OpenDocumentFile(path);
      });
    });
  }
}

bool App::OpenTemplate(const std::string& project) {
  if (!CommitPages() || !doc_->SaveModified()) return false;
  const bool ok = doc_->OpenAsNew(project);
  EndPreviewOfOldProject();
  WatchDiskFile();
  if (frame_) frame_->UpdateCommandStates();
  return ok;
}

void App::OnFileNewChoosing() {
  if (!options_.newOpenDialog) {
    OnFileNew();
    return;
  }
  NewOpenDialog dialog(*this, recentFiles_,
                       PathToQ(platform().ProgramDir()) + QStringLiteral("templates/"),
                       frame_.get());
  if (dialog.exec() != QDialog::Accepted) return;
  if (!dialog.selectedTemplate().isEmpty())
    OpenTemplate(PathFromQ(dialog.selectedTemplate()));
  else if (!dialog.openExisting())
    OnFileNew();
  else if (dialog.isMoreFiles())
    OnFileOpen();
  else
    OpenDocumentFile(dialog.selectedPath());
}

void App::RunNewOpenDialog() {
  NewOpenDialog dialog(*this, recentFiles_,
                       PathToQ(platform().ProgramDir()) + QStringLiteral("templates/"),
                       frame_.get());
  if (dialog.exec() != QDialog::Accepted) return;
  if (!dialog.selectedTemplate().isEmpty()) {
    OpenTemplate(PathFromQ(dialog.selectedTemplate()));
    return;
  }
  if (!dialog.openExisting()) return;
  if (dialog.isMoreFiles())
    OnFileOpen();
  else
    OpenDocumentFile(dialog.selectedPath());
}
