#include "ui/HelpSystem.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "core/OsPath.h"
#include "core/StringTable.h"
#include "ui/App.h"
#include "ui/Translations.h"

namespace {

constexpr std::size_t kTooltipBytes = 78;

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(FsPath(path), ec);
}

}  // namespace

void HelpSystem::ShowContextHelp(int id, std::string* tooltip, bool follow) {
  const std::string entry = LoadUiString(id);
  if (entry.empty()) return;
  HelpString h = SplitHelpString(entry);
  if (tooltip) {
    // At most 78 bytes, cut between characters: a translated tip may hold
    // characters of several bytes.
    std::size_t end = std::min<std::size_t>(h.tooltip.size(), kTooltipBytes);
    while (end < h.tooltip.size() && end > 0 &&
           (static_cast<unsigned char>(h.tooltip[end]) & 0xC0) == 0x80)
      --end;
    *tooltip = h.tooltip.substr(0, end);
  }
  app_.SetStatusPrompt(h.prompt);
  if (follow && app_.helpLock) return;
  ShowHelpPage(h.topic, h.anchor, follow, false);
}

void HelpSystem::ShowHelpPage(const std::string& topic, const std::string& anchor, bool follow,
                              bool byAddress) {
  const bool available = app_.BrowserAvailable();
  if (!follow && available) app_.ShowInfoWindow();
  if (app_.helpLock || (topic == app_.currentHelpPage && anchor == app_.currentHelpAnchor)) return;
  std::string address;
  if (byAddress) {
    address = topic;
  } else {
    address = PagePath(topic);
    if (!FileExists(address)) return;
  }
  if (!anchor.empty()) address += "#" + anchor;
  // The Info/Preview window shows only this computer's help files: a page on
  // the web opens in the user's browser.
  const bool remote = address.find("://") != std::string::npos;
  if (available && !remote) {
    app_.NavigateInfo(address);
    app_.currentHelpPage = topic;
    app_.currentHelpAnchor = anchor;
  } else if (!follow || remote) {
    app_.LaunchBrowser(address);
    app_.currentHelpPage.clear();
    app_.currentHelpAnchor.clear();
  }
  if (byAddress) {
    app_.currentHelpPage.clear();
    app_.currentHelpAnchor.clear();
  }
}

std::string HelpSystem::PagePath(const std::string& topic) const {
  return app_.platform().ProgramDir() + "Help/" + topic + ".html";
}

void HelpSystem::Startup() {
  app_.helpLock = 0;
  if (app_.BrowserAvailable()) ShowHelpPage("index", "", true, false);
}

void HelpSystem::Contents() {
  app_.helpLock = 0;
  app_.currentHelpPage.clear();
  app_.currentHelpAnchor.clear();
  ShowHelpPage("contents", "", false, false);
}

void HelpSystem::Faq() {
  ShowHelpPage(kFaqAddress, "", false, true);
  app_.helpLock = 1;
}

void HelpSystem::Web() {
  app_.LaunchBrowser(kHomeAddress);
}
