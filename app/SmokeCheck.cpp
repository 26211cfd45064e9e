#include "app/SmokeCheck.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include "core/Doc.h"
#include "output/PublishFolder.h"
#include "ui/App.h"
#include "ui/FrameMain.h"
#include "ui/KesWndInfo.h"
#include "ui/Text.h"

namespace {

constexpr int kHelpDeadlineMs = 30000;

void WriteLine(const QString& path, const QString& text) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(text.toUtf8() + "\n");
}

const char* OutcomeName(PublishOutcome::Kind kind) {
  switch (kind) {
    case PublishOutcome::Kind::Published:
      return "published";
    case PublishOutcome::Kind::Refused:
      return "refused";
    case PublishOutcome::Kind::NoFolder:
      return "no folder";
    case PublishOutcome::Kind::PageNotWritten:
      return "page not written";
    case PublishOutcome::Kind::FilesMissing:
      return "files missing";
    case PublishOutcome::Kind::Cancelled:
      return "cancelled";
    case PublishOutcome::Kind::Unavailable:
      return "files unavailable";
    case PublishOutcome::Kind::Declined:
      return "declined";
  }
  return "unknown";
}

// Publishes, previews and ends the editor.
void PublishAndEnd(App& app, const QString& dir) {
  Doc& doc = app.doc();
  {
    const PageWriter::RuntimeScope runtime(doc.writer(), kRuntimeOn);
    const PublishOutcome outcome =
        PublishToFolder(doc, app.platform(), PathFromQ(dir + "/published/"), "page.html");
    WriteLine(dir + "/publish.txt", QString::fromLatin1(OutcomeName(outcome.kind)) + " " +
                                        QString::number(outcome.failures));
  }
  const QString preview = PathToQ(app.WritePreview(true));
  WriteLine(dir + "/preview.txt", preview);
  QCoreApplication::quit();
}

}  // namespace

void StartSmokeCheck(App& app, const QString& dir) {
  KesWndInfo* info = app.frame() ? app.frame()->info() : nullptr;
  if (!info || !info->browserAvailable()) {
    WriteLine(dir + "/help.txt", "no browser");
    QTimer::singleShot(0, [&app, dir] { PublishAndEnd(app, dir); });
    return;
  }
  auto* deadline = new QTimer(info);
  deadline->setSingleShot(true);
  auto finish = [&app, dir, info, deadline](bool ok) {
    if (!deadline->isActive()) return;
    deadline->stop();
    WriteLine(dir + "/help.txt",
              info->lastAddress() + (ok ? QStringLiteral(" loaded") : QStringLiteral(" failed")));
    QTimer::singleShot(0, [&app, dir] { PublishAndEnd(app, dir); });
  };
  QObject::connect(info, &KesWndInfo::loadFinished, deadline, finish);
  QObject::connect(deadline, &QTimer::timeout, info, [info, dir, &app] {
    WriteLine(dir + "/help.txt", info->lastAddress() + " timed out");
    PublishAndEnd(app, dir);
  });
  deadline->start(kHelpDeadlineMs);
  // The start's help page may have loaded already: it is loaded again.
  info->Navigate(info->lastAddress());
}
