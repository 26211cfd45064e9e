// A stranger's project in the real editor's Info/Preview window: its script
// runs (it paints a marker) but reads no file outside the preview's own and
// reaches no listener on this machine by any road, its links and dialogs end
// up in the status bar, and a script that never ends neither locks the editor
// nor outlives Stop Preview. Help pages are sealed the same way.
#include <gtest/gtest.h>
#include <sys/types.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QNetworkDatagram>
#include <QStatusBar>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTimer>
#include <QUdpSocket>
#include <QWebEngineView>

#include "browser/BrowserPage.h"
#include "core/Doc.h"
#include "groups/project/PropProject.h"
#include "support/TestPlatform.h"
#include "ui/App.h"
#include "ui/CommandIds.h"
#include "ui/FrameMain.h"
#include "ui/KesWndInfo.h"
#include "ui/QuietApp.h"

using browser::WaitFor;

namespace {

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

// JavaScript that tries every road out of a page: files by address, the
// network by fetch, XHR, WebSocket, image, beacon, prefetch, WebRTC (also
// from a fresh frame) and a form post, then leaves a marker. Its texts are
// in backquotes, so that it fits a VelkoScript quoted text inside a PARAM.
QString Probe(quint16 tcp, quint16 udp, const QString& secret) {
  QString js =
      "var out={read:[]};"
      "function rd(u){try{var x=new XMLHttpRequest();x.open(`GET`,u,false);x.send();"
      "if(x.responseText)out.read.push(u);}catch(e){}}"
      "rd(`file:///etc/passwd`);rd(`file://SECRET`);rd(`../secret.txt`);"
      "rd(`http://127.0.0.1:TCP/xhr`);"
      "try{fetch(`http://127.0.0.1:TCP/fetch`).catch(function(){});}catch(e){}"
      "try{new WebSocket(`ws://127.0.0.1:TCP/ws`);}catch(e){}"
      "try{new Image().src=`http://127.0.0.1:TCP/img`;}catch(e){}"
      "try{navigator.sendBeacon(`http://127.0.0.1:TCP/beacon`,`x`);}catch(e){}"
      "try{var l=document.createElement(`link`);l.rel=`prefetch`;"
      "l.href=`http://127.0.0.1:TCP/prefetch`;document.head.appendChild(l);}catch(e){}"
      "function rtc(P){try{var pc=new P({iceServers:[{urls:`stun:127.0.0.1:UDP`}]});"
      "pc.createDataChannel(`d`);pc.createOffer().then(function(o){"
      "return pc.setLocalDescription(o);}).catch(function(){});}catch(e){}}"
      "rtc(window.RTCPeerConnection);"
      "try{rtc(document.body.appendChild(document.createElement(`iframe`))"
      ".contentWindow.RTCPeerConnection);}catch(e){}"
      "var m=document.createElement(`div`);m.id=`marker`;m.textContent=`ran`;"
      "document.body.appendChild(m);window.vbProbe=out;"
      "setTimeout(function(){try{var f=document.createElement(`form`);f.method=`POST`;"
      "f.action=`http://127.0.0.1:TCP/form`;document.body.appendChild(f);f.submit();}"
      "catch(e){}},50);";
  return js.replace("TCP", QString::number(tcp))
      .replace("UDP", QString::number(udp))
      .replace("SECRET", secret);
}

class SealedView : public ::testing::Test {
 protected:
  void SetUp() override {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the web engine library itself trips AddressSanitizer (new/delete mismatch)";
#endif
    ASSERT_TRUE(dir.isValid());
    QFile runtime(QStringLiteral(VB_SOURCE_DIR "/runtime/velkobutton.js"));
    ASSERT_TRUE(runtime.open(QIODevice::ReadOnly));
    ASSERT_TRUE(Write(dir.filePath("velkobutton.js"), runtime.readAll()));
    for (const char* f :
         {"VelkoButton.class", "VelkoButton.jar", "VelkoButton.cab", "VelkoJfc2.class"})
      ASSERT_TRUE(Write(dir.filePath(f), "applet"));
    ASSERT_TRUE(Write(dir.filePath("secret.txt"), "SECRET"));
    ASSERT_TRUE(tcp.listen(QHostAddress::LocalHost));
    ASSERT_TRUE(udp.bind(QHostAddress::LocalHost));
    QObject::connect(&tcp, &QTcpServer::newConnection, [this] { ++contacts; });
    QObject::connect(&udp, &QUdpSocket::readyRead, [this] {
      while (udp.hasPendingDatagrams()) {
        udp.receiveDatagram();
        ++contacts;
      }
    });
    QDir().mkpath(dir.filePath("Help"));
    platform.programDir = dir.path().toStdString() + "/";
    platform.previewDir = dir.filePath("Preview/").toStdString();
    qunsetenv("VELKOBUTTON_NO_BROWSER");
  }
  void TearDown() override {
    qputenv("VELKOBUTTON_NO_BROWSER", "1");
  }

  QString Probe() const {
    return ::Probe(tcp.serverPort(), udp.localPort(), dir.filePath("secret.txt"));
  }

  // The probe ran in `page` (its marker is there) and got nothing out.
  void ExpectSealed(QWebEnginePage* page) {
    auto js = [&](const QString& e) { return browser::RunJs(page, e); };
    ASSERT_TRUE(WaitFor([&] { return js("!!document.getElementById('marker')").toBool(); }))
        << js("location.href+' '+document.querySelectorAll('canvas').length+' "
              "'+document.body.innerHTML.slice(0,1500)")
               .toString()
               .toStdString();
    EXPECT_EQ(js("window.vbProbe.read.join(',')").toString(), QString());
    browser::Pause(1500);  // time for any packet to arrive
    EXPECT_EQ(contacts, 0);
  }

  QTemporaryDir dir;
  TestPlatform platform;
  QTcpServer tcp;
  QUdpSocket udp;
  int contacts = 0;
};

TEST_F(SealedView, AStrangersPreviewReachesNothingAndEndsWithStopPreview) {
  ASSERT_TRUE(Write(dir.filePath("Help/index.html"),
                    "<html><body>Index<script>" + Probe().toUtf8() + "</script></body></html>"));
  App editor(platform, Quiet(true));
  ASSERT_TRUE(editor.InitInstance({}));
  KesWndInfo* info = editor.frame()->info();
  ASSERT_TRUE(info->browserAvailable());
  QStringList status;
  QObject::connect(info, &KesWndInfo::statusText, [&](const QString& t) { status << t; });

  // The help page at start-up is sealed.
  ASSERT_TRUE(WaitFor([&] { return info->currentUrl().endsWith("index.html"); }, 20000));
  ExpectSealed(info->view()->page());

  // The project's own script runs in the preview, sealed; its form post and
  // a link it follows are shown, not loaded.
  const auto preview = [&](const std::string& script) {
    editor.doc().project()->beforeScript = script;
    editor.RefreshPages();  // the open page shows it, and keeps it when it commits
    editor.OnPreview();
  };
  preview("Script 1 '" + Probe().toStdString() +
          "setTimeout(function(){location.href=`http://127.0.0.1:1/away`;},100);'");
  ASSERT_TRUE(info->showingPreview());
  ASSERT_TRUE(WaitFor([&] { return info->currentUrl().endsWith("~VelkoButton.html"); }, 20000));
  ExpectSealed(info->view()->page());
  EXPECT_TRUE(status.contains("Link: http://127.0.0.1:1/away")) << status.join(" | ").toStdString();
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
  editor.ExitInstance();
}

}  // namespace
