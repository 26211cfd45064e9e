#include "ui/Previews.h"

#include <filesystem>
#include <system_error>

#include "core/Doc.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/SafeFile.h"
#include "core/Version.h"
#include "ui/App.h"
#include "ui/FrameMain.h"
#include "ui/KesWndInfo.h"

namespace fs = std::filesystem;

std::string Previews::Write(bool external) {
  Platform& platform = app_.platform();
  const std::string folder = platform.PreviewDir();
  if (!safefile::MakePrivateDirectory(folder)) return std::string();
  std::string page = folder + "~" + version::kInternalName + ".html";
  // The external preview is the page visitors get, with the runtime's line
  // where the project needs it; the internal one gets the runtime injected
  // and keeps the page file as the applet reads it.
  Doc& doc = app_.doc();
  const PageWriter::RuntimeScope runtime(doc.writer(), external ? kRuntimeOn : kRuntimeOff);
  if (!doc.SaveHtml(page, false, true)) return std::string();
  if (!doc.pageFiles().CopyResourcesTo(folder)) {
    platform.MessageBox(msg::kPreviewCopyFailed, MsgButtons::Ok, MsgIcon::Stop);
    return std::string();
  }
  return page;
}

void Previews::Show() {
  if (app_.BrowserAvailable()) app_.ShowInfoWindow();
  std::string page = Write(!app_.BrowserAvailable());
  if (page.empty()) return;
  app_.currentHelpPage.clear();
  app_.currentHelpAnchor.clear();
  if (app_.BrowserAvailable()) {
    app_.NavigateInfo(page, true);
    app_.helpLock = 1;
  } else {
    app_.LaunchBrowser(page);
  }
}

void Previews::ShowExternal() {
  std::string page = Write(true);
  if (!page.empty()) app_.LaunchBrowser(page);
}

void Previews::Stop() {
  // The preview's page goes with all its script work, whatever is shown next.
  FrameMain* frame = app_.frame();
  if (frame && frame->info()) frame->info()->EndPreview();
  app_.StartupHelp();
}

void Previews::EndOfOldProject() {
  // The old project's scripts stop with it.
  FrameMain* frame = app_.frame();
  if (frame && frame->info() && frame->info()->showingPreview()) Stop();
}

void Previews::DeleteFiles() {
  std::error_code ec;
  const fs::path folder = FsPath(app_.platform().PreviewDir());
  if (!fs::is_directory(folder, ec)) return;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code ignored;
    if (it->is_regular_file(ignored) || it->is_symlink(ignored)) fs::remove(it->path(), ignored);
  }
}
