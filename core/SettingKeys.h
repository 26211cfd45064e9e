// Every setting the program keeps, declared once: its section, key and
// default. The command line and the editor read and write them through these
// names and the one store (see core/IniSettings.h).
#pragma once

#include <string>

namespace setting {

struct Text {
  const char* section;
  const char* key;
  const char* def;
};
struct Number {
  const char* section;
  const char* key;
  int def;
};
// One of a numbered run of keys ("Day1" to "Day7", "Bar2Commands").
struct Series {
  const char* section;
  const char* prefix;
  const char* suffix;
  std::string KeyOf(int n) const { return prefix + std::to_string(n) + suffix; }
};

// The Options sheet. The texts' defaults are the program's own names (see
// AppSettings::Defaults).
inline constexpr Text kBrowser{"Options", "Browser", ""};
inline constexpr Number kBrowserLocal{"Options", "BrowserLocal", 0};
inline constexpr Number kBrowserClassPath{"Options", "BrowserClassPath", 0};
inline constexpr Text kNonJavaMessage{"Options", "NonJavaMessage", ""};
inline constexpr Series kDay{"Options", "Day", ""};
inline constexpr Series kMonth{"Options", "Month", ""};
inline constexpr Series kMeridiem{"Options", "Meridiem", ""};
// Pages carry the JavaScript runtime unless this is 0.
inline constexpr Number kHtml5Runtime{"Settings", "Html5Runtime", 1};
// The language a page with the runtime names in its <HTML LANG="...">.
inline constexpr Text kPageLanguage{"Settings", "PageLanguage", "en"};
// The editor's language ("de", "cs", "en"); empty follows the system's.
inline constexpr Text kUiLanguage{"Settings", "Language", ""};
// Whether the Publish dialog opens the published page in the browser.
inline constexpr Number kOpenPublishedPage{"Settings", "OpenPublishedPage", 1};

// The editor's window, recent files and toolbars.
inline constexpr Text kWindowPlacement{"Settings", "WindowPos", ""};
inline constexpr Series kRecentFile{"Recent File List", "File", ""};
inline constexpr Text kDockState{"Toolbars", "State", ""};
inline constexpr Number kBarCount{"Toolbars", "BarCount", -1};
inline constexpr Series kBarKey{"Toolbars", "Bar", "Key"};
inline constexpr Series kBarName{"Toolbars", "Bar", "Name"};
inline constexpr Series kBarCommands{"Toolbars", "Bar", "Commands"};
inline constexpr Number kLargeButtons{"Toolbars", "LargeButtons", 0};
inline constexpr Number kShowTooltips{"Toolbars", "ShowTooltips", 1};
inline constexpr Number kCoolLook{"Toolbars", "CoolLook", 1};
// The colours last picked in a colour pop-up, most recent first, as
// comma-separated RRGGBB.
inline constexpr Text kRecentColors{"Settings", "RecentColors", ""};

// Recovery files of unsaved edits kept when the editor had to end without
// asking (see core/Recovery.h), and the projects they belong to.
inline constexpr Series kRecoveryFile{"Recovery", "File", ""};
inline constexpr Series kRecoveryProject{"Recovery", "Project", ""};

}  // namespace setting
