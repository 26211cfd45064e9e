#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <cstdlib>

#include "app/EditorPages.h"
#include "app/Heap.h"
#ifdef VB_TEST_HOOKS
#include "app/SmokeCheck.h"
#endif
#include "core/SafeFile.h"
#include "ui/App.h"
#include "ui/QtPlatform.h"
#include "ui/SealedWeb.h"

// The editor, a program of its own that `velkobutton` starts when no
// sub-command is given, so that the command line starts without the editor's
// libraries.
int main(int argc, char** argv) {
  // Before anything is written.
  safefile::PrepareProcess();
  // The embedded browser's sandbox cannot run as root.
  if (geteuid() == 0 && !std::getenv("QTWEBENGINE_DISABLE_SANDBOX"))
    setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 1);
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  sealed::PrepareProcess();
  QApplication qapp(argc, argv);
  QApplication::setApplicationName("VelkoButton");
  QApplication::setOrganizationName("Velko");
  QApplication::setApplicationDisplayName("VelkoButton");
  QApplication::setDesktopFileName("velkobutton");

  QStringList args = QApplication::arguments();
  args.removeFirst();
  ShowState requested = ShowState::Normal;
  QString file;
  bool optionsEnded = false;
  for (const QString& a : args) {
    if (!optionsEnded && a == "--") {
      optionsEnded = true;
      continue;
    }
    if (!optionsEnded && (a == "--minimized" || a == "-iconic")) requested = ShowState::Minimized;
    if (!optionsEnded && a == "--maximized") requested = ShowState::Maximized;
    if ((optionsEnded || !a.startsWith('-')) && file.isEmpty()) file = a;
  }
  // A running editor takes the file over.
  if (!file.isEmpty() && App::HandOff(file)) return 0;
  // The project read, its groups and the outline's items.
  constexpr std::size_t kEditorBytesPerProjectByte = 8;
  PrepareHeap(QFile::encodeName(file).toStdString(), kEditorBytesPerProjectByte);

  QtPlatform platform;
  int result = 1;
  {
    AppOptions options;
    options.registerPages = RegisterEditorPages;
    App app(platform, options);
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
    if (app.InitInstance(args, requested)) {
      EndHeapPreparation();
#ifdef VB_TEST_HOOKS
      const QString smoke = qEnvironmentVariable("VELKOBUTTON_SMOKE");
      if (!smoke.isEmpty()) StartSmokeCheck(app, smoke);
      // Benchmark aid: VELKOBUTTON_QUIT_WHEN_SHOWN=1 ends the program as soon
      // as the main window with the project's tree has been shown and painted.
      if (qEnvironmentVariableIntValue("VELKOBUTTON_QUIT_WHEN_SHOWN") == 1) {
        QTimer::singleShot(0, [] {
          QCoreApplication::processEvents();
          std::_Exit(0);
        });
      }
#endif
      result = QApplication::exec();
    }
    app.ExitInstance();
  }
  return result;
}
