#include "ui/App.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSplashScreen>
#include <QTimer>
#include <filesystem>
#include <system_error>

#include "core/Doc.h"
#include "core/HeadlessPlatform.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "output/DocStaging.h"
#include "output/PublishDialog.h"
#include "ui/DesktopEntry.h"
#include "ui/DiskWatch.h"
#include "ui/FrameMain.h"
#include "ui/KesWndInfo.h"
#include "ui/LiveView.h"
#include "ui/NewOpenDialog.h"
#include "ui/OptionsSheet.h"
#include "ui/QtPlatform.h"
#include "ui/SingleInstance.h"
#include "ui/Text.h"

namespace fs = std::filesystem;

// The pictures live in the static user-interface library: register them.
static void InitResources() {
  Q_INIT_RESOURCE(icons);
}

namespace {

QPixmap SplashPicture() {
  QIcon picture(":/icons/splash.svg");
  return picture.pixmap(QSize(420, 260));
}

}  // namespace

App::App(Platform& platform, AppOptions options)
    : KesApp(platform),
      options_(options),
      router_(*this),
      help_(*this),
      previews_(*this),
      doc_(std::make_unique<Doc>(*this)) {
  InitResources();
  setCurrentDoc(doc_.get());
  doc_->pageFiles().stopPreview = [this] { OnStopPreview(); };
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
  if (options_.translate) translations_.Install(ToQ(platform().Get(setting::kUiLanguage)));

  frame_ = std::make_unique<FrameMain>(*this, *doc_, options_.allowBrowser);
  if (auto* qt = dynamic_cast<QtPlatform*>(&platform())) qt->setDialogParent(frame_.get());
  if (options_.registerFileType) DesktopEntry::RegisterWhenAsked(options_.registerAsked);
  // Preview folders of editors that were killed before they could clean up.
  RemoveFoldersOfEndedProcesses(CacheDir(), kPreviewFolderPrefix);
  if (options_.singleInstance) {
    single_ = new SingleInstance(this);
    connect(single_, &SingleInstance::fileHandedOver, this, &App::OpenHandedOver);
    single_->Start();
  }

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
  if (single_) single_->Close();
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

bool App::OnFileNew() {
  if (!doc_->SaveModified()) return false;
  bool ok = doc_->OnNewDocument();
  if (!ok) platform().MessageBox(msg::kFailedToCreateEmpty, MsgButtons::Ok, MsgIcon::Exclamation);
  EndPreviewOfOldProject();
  WatchDiskFile();
  if (frame_) frame_->UpdateCommandStates();
  return ok;
}

bool App::OnFileOpen() {
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
  if (!diskWatch_) diskWatch_ = new DiskWatch(*this, this);
  diskWatch_->Watch();
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
// The window's parts the help and the previews use

bool App::BrowserAvailable() const {
  return frame_ && frame_->browserAvailable();
}

void App::NavigateInfo(const std::string& address, bool withRuntime) {
  QString runtime;
  if (withRuntime) {
    // A missing runtime leaves the page as a browser without Java shows it.
    QFile file(PathToQ(platform().ProgramDir() + kRuntimeFile));
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

void App::OpenHandedOver(const QString& path) {
  if (frame_) {
    frame_->setWindowState(frame_->windowState() & ~Qt::WindowMinimized);
    frame_->raise();
    frame_->activateWindow();
  }
  // Opened once the sender has its answer, as File Open would.
  QTimer::singleShot(0, this, [this, path] {
    router_.Run(StoreFirst::kOrStop, [this, path] { OpenDocumentFile(path); });
  });
}

bool App::OpenTemplate(const std::string& project) {
  if (!doc_->SaveModified()) return false;
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
