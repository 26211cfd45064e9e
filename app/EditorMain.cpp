#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QPixmap>
#include <QScreen>
#include <QSocketNotifier>
#include <QStringList>
#include <QTimer>
#include <cstdlib>
#include <memory>

#include "app/EditorLaunch.h"
#include "app/EditorPages.h"
#include "app/Heap.h"
#ifdef VB_TEST_HOOKS
#include "app/SmokeCheck.h"
#include "core/Doc.h"
#include "ui/Text.h"
#endif
#include "core/SafeFile.h"
#include "core/os/Os.h"
#include "ui/App.h"
#include "ui/QtPlatform.h"
#include "ui/SealedWeb.h"
#include "ui/SingleInstance.h"

#ifdef VB_TEST_HOOKS
namespace {

// Test builds only: with VELKOBUTTON_MESSAGES=FILE every message the editor
// shows is added to FILE as a line and answered with its first button (OK,
// Yes, Retry or Abort).
class RecordingPlatform : public QtPlatform {
 public:
  explicit RecordingPlatform(const QString& file) : file_(file) {}
  int MessageBox(const std::string& text, MsgButtons buttons, MsgIcon) override {
    QFile out(file_);
    if (out.open(QIODevice::WriteOnly | QIODevice::Append))
      out.write(ToQ(text).toUtf8().replace('\n', ' ') + '\n');
    switch (buttons) {
      case MsgButtons::YesNo:
      case MsgButtons::YesNoCancel:
        return IdYes;
      case MsgButtons::RetryCancel:
        return IdRetry;
      case MsgButtons::AbortRetryIgnore:
        return IdAbort;
      default:
        return IdOk;
    }
  }

 private:
  QString file_;
};

}  // namespace
#endif

// The editor, a program of its own that `velkobutton` starts when no
// sub-command is given, so that the command line starts without the editor's
// libraries.
int main(int argc, char** argv) {
  // Before anything is written.
  safefile::PrepareProcess();
  // A logout, a closed terminal or Ctrl+C in it ends the editor through its
  // normal exit, from the start on.
  const int endSignals = CatchEndSignals();
  // Without a display Qt would abort; one line says why instead.
  if (!HasDisplay()) return 1;
  const bool verbose = WantsVerbose(argc, argv);
  if (!verbose) QuietWebEngine();
  // The embedded browser's sandbox cannot run as root.
  std::string given;
  if (os::RunsAsRoot() && !os::GetEnv("QTWEBENGINE_DISABLE_SANDBOX", given))
    os::SetEnv("QTWEBENGINE_DISABLE_SANDBOX", "1");
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  sealed::PrepareProcess();
  QApplication qapp(argc, argv);
  QApplication::setApplicationName("VelkoButton");
  QApplication::setOrganizationName("Velko");
  QApplication::setApplicationDisplayName("VelkoButton");
  QApplication::setDesktopFileName("velkobutton");
  // The web engine's start-up information is for --verbose (QT_LOGGING_RULES
  // still decides over this).
  if (!verbose)
    QLoggingCategory::setFilterRules(
        QStringLiteral("qt.webenginecontext.info=false\nqt.webenginecontext.debug=false"));

  QStringList args = QApplication::arguments();
  args.removeFirst();
  ShowState requested = ShowState::Normal;
  AppOptions options;
  options.registerPages = RegisterEditorPages;
  QString file;
  bool optionsEnded = false;
  for (const QString& a : args) {
    if (!optionsEnded && a == "--") {
      optionsEnded = true;
      continue;
    }
    if (!optionsEnded && (a == "--minimized" || a == "-iconic")) requested = ShowState::Minimized;
    if (!optionsEnded && a == "--maximized") requested = ShowState::Maximized;
    if (!optionsEnded && a == "--register") options.registerAsked = true;
    if ((optionsEnded || !a.startsWith('-')) && file.isEmpty()) file = a;
  }
  // A running editor takes the file over.
  if (!file.isEmpty() && SingleInstance::HandOff(file)) return 0;
  // The project read, its groups and the outline's items.
  constexpr std::size_t kEditorBytesPerProjectByte = 8;
  PrepareHeap(QFile::encodeName(file).toStdString(), kEditorBytesPerProjectByte);

  std::unique_ptr<QtPlatform> platformHolder;
#ifdef VB_TEST_HOOKS
  const QString messages = qEnvironmentVariable("VELKOBUTTON_MESSAGES");
  if (!messages.isEmpty()) platformHolder = std::make_unique<RecordingPlatform>(messages);
#endif
  if (!platformHolder) platformHolder = std::make_unique<QtPlatform>();
  QtPlatform& platform = *platformHolder;
  int result = 1;
  {
    App app(platform, options);
    std::unique_ptr<QSocketNotifier> endNotifier;
    if (endSignals >= 0) {
      endNotifier = std::make_unique<QSocketNotifier>(endSignals, QSocketNotifier::Read);
      QObject::connect(endNotifier.get(), &QSocketNotifier::activated, &app, [&app, endSignals] {
        if (TakeEndSignal(endSignals) != 0) app.EndWithoutQuestions();
      });
    }
#ifdef VB_TEST_HOOKS
    // Test and benchmark builds only: VELKOBUTTON_GRAB=FILE.png saves a picture of the
    // screen after a few seconds and ends the program.
    const QString grab = qEnvironmentVariable("VELKOBUTTON_GRAB");
    if (!grab.isEmpty()) {
      const int delay = qEnvironmentVariableIntValue("VELKOBUTTON_GRAB_DELAY");
      QTimer::singleShot(delay > 0 ? delay : 5000, [grab] {
        if (QScreen* screen = QGuiApplication::primaryScreen()) screen->grabWindow(0).save(grab);
        std::_Exit(0);
      });
    }
#endif
    const bool started = app.InitInstance(args, requested);
    // Once more: a library that started with the window (the embedded
    // browser's engine) may have set actions of its own.
    CatchEndSignals();
    if (started) {
      EndHeapPreparation();
#ifdef VB_TEST_HOOKS
      const QString smoke = qEnvironmentVariable("VELKOBUTTON_SMOKE");
      if (!smoke.isEmpty()) StartSmokeCheck(app, smoke);
      // Benchmark aid: VELKOBUTTON_QUIT_WHEN_SHOWN=1 ends the program as soon
      // as the main window with the project's tree has been shown and painted.
      // VELKOBUTTON_UNSAVED=FILE: once started, the editor adds a button (an
      // edit it does not save), writes the external preview and then names
      // the preview's folder in FILE.
      const QString unsaved = qEnvironmentVariable("VELKOBUTTON_UNSAVED");
      if (!unsaved.isEmpty()) {
        QTimer::singleShot(0, &app, [&app, unsaved] {
          app.doc().AddNewButton(-1);
          const std::string page = app.WritePreview(true);
          QFile out(unsaved);
          if (out.open(QIODevice::WriteOnly))
            out.write(QFile::encodeName(QFileInfo(PathToQ(page)).absolutePath()) + '\n');
        });
      }
      if (qEnvironmentVariableIntValue("VELKOBUTTON_QUIT_WHEN_SHOWN") == 1) {
        QTimer::singleShot(0, [] {
          QCoreApplication::processEvents();
          std::_Exit(0);
        });
      }
#endif
      // A signal that came during start-up has ended it already.
      result = app.ending() ? 0 : QApplication::exec();
    }
    app.ExitInstance();
  }
  return result;
}
