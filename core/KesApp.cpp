#include "core/KesApp.h"

#include <filesystem>
#include <system_error>

#include "core/KesDoc.h"
#include "core/Messages.h"

const std::array<const char*, 7> AppSettings::kDefaultDays = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const std::array<const char*, 12> AppSettings::kDefaultMonths = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};
const std::array<const char*, 2> AppSettings::kDefaultMeridiem = {"AM", "PM"};

AppSettings AppSettings::Defaults() {
  AppSettings s;
  s.nonJavaMessage = msg::kNonJavaMessage;
  for (std::size_t i = 0; i < 7; ++i) s.days[i] = kDefaultDays[i];
  for (std::size_t i = 0; i < 12; ++i) s.months[i] = kDefaultMonths[i];
  for (std::size_t i = 0; i < 2; ++i) s.meridiem[i] = kDefaultMeridiem[i];
  return s;
}

KesApp::KesApp(Platform& platform) : platform_(platform), settings_(AppSettings::Defaults()) {
  linkHistory = {kMakerWebAddress, kMakerMailAddress};
  fontNames = {"Arial", "TimesRoman", "Courier"};
}

KesApp::~KesApp() = default;

void KesApp::ReadSettings() {
  const AppSettings d = AppSettings::Defaults();
  Platform& p = platform_;
  settings_.browserPath = p.Get(setting::kBrowser);
  settings_.browserLocal = p.Get(setting::kBrowserLocal);
  settings_.browserClassPath = p.Get(setting::kBrowserClassPath);
  settings_.nonJavaMessage = p.Get(setting::kNonJavaMessage, d.nonJavaMessage);
  for (std::size_t i = 0; i < 7; ++i)
    settings_.days[i] = p.Get(setting::kDay, int(i) + 1, d.days[i]);
  for (std::size_t i = 0; i < 12; ++i)
    settings_.months[i] = p.Get(setting::kMonth, int(i) + 1, d.months[i]);
  for (std::size_t i = 0; i < 2; ++i)
    settings_.meridiem[i] = p.Get(setting::kMeridiem, int(i) + 1, d.meridiem[i]);
  settings_.html5Runtime = p.Get(setting::kHtml5Runtime) == 1 ? 1 : 0;
  settings_.pageLanguage = p.Get(setting::kPageLanguage);
  if (settings_.pageLanguage.empty()) settings_.pageLanguage = setting::kPageLanguage.def;
}

void KesApp::WriteSettings() {
  Platform& p = platform_;
  p.Put(setting::kNonJavaMessage, settings_.nonJavaMessage);
  for (std::size_t i = 0; i < 7; ++i) p.Put(setting::kDay, int(i) + 1, settings_.days[i]);
  for (std::size_t i = 0; i < 12; ++i) p.Put(setting::kMonth, int(i) + 1, settings_.months[i]);
  for (std::size_t i = 0; i < 2; ++i) p.Put(setting::kMeridiem, int(i) + 1, settings_.meridiem[i]);
  p.Put(setting::kBrowser, settings_.browserPath);
  p.Put(setting::kBrowserLocal, settings_.browserLocal);
  p.Put(setting::kBrowserClassPath, settings_.browserClassPath);
  p.Put(setting::kHtml5Runtime, settings_.html5Runtime);
  p.Put(setting::kPageLanguage, settings_.pageLanguage);
}

bool KesApp::CommitPages() {
  accepted_ = true;
  ++committing_;
  if (currentDoc_) currentDoc_->UpdateAllViews(kHintCommit);
  --committing_;
  return accepted_;
}

void KesApp::RefreshPages() {
  if (currentDoc_) currentDoc_->UpdateAllViews(kHintRefresh);
}

void KesApp::PushFront(std::vector<std::string>& list, const std::string& entry) {
  if (!list.empty() && list.front() == entry) return;
  list.insert(list.begin(), entry);
}

void KesApp::ShowContextHelp(int, std::string*, bool) {}

void KesApp::ShowHelpPage(const std::string&, const std::string&, bool, bool) {}

std::vector<std::string> KesApp::SplitCommandLine(const std::string& line) {
  // As a POSIX shell splits words: blanks separate them; single quotes keep
  // everything; double quotes keep all but a backslash before " \ or $;
  // a backslash outside quotes keeps the next character.
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (c == ' ' || c == '\t') {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else if (c == '\'') {
      inWord = true;
      const std::size_t end = line.find('\'', i + 1);
      word += line.substr(i + 1, end == std::string::npos ? std::string::npos : end - i - 1);
      i = end == std::string::npos ? line.size() : end;
    } else if (c == '"') {
      inWord = true;
      for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size() &&
            (line[i + 1] == '"' || line[i + 1] == '\\' || line[i + 1] == '$'))
          ++i;
        word += line[i];
      }
    } else if (c == '\\' && i + 1 < line.size()) {
      inWord = true;
      word += line[++i];
    } else {
      inWord = true;
      word += c;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

void KesApp::LaunchBrowser(const std::string& target) {
  if (settings_.browserClassPath == 0) platform_.UnsetEnvironment("CLASSPATH");
  bool ok;
  if (settings_.browserPath.empty()) {
    ok = platform_.OpenWithShell(target);
  } else {
    std::string argument = target;
    if (settings_.browserLocal == 0) {
      // "file:/" directly followed by the path, without its leading slash on POSIX.
      std::string path = target;
      if (!path.empty() && path[0] == '/') path.erase(0, 1);
      argument = "file:/" + path;
    }
    // The setting is a command line: the program, its own arguments, and the
    // page's address where "%u" stands, else at the end. A path with blanks
    // that names an existing file is one program, as it always was.
    std::error_code ec;
    std::vector<std::string> words = std::filesystem::is_regular_file(settings_.browserPath, ec)
                                         ? std::vector<std::string>{settings_.browserPath}
                                         : SplitCommandLine(settings_.browserPath);
    bool placed = false;
    for (std::string& w : words) {
      const std::size_t at = w.find("%u");
      if (at == std::string::npos) continue;
      w.replace(at, 2, argument);
      placed = true;
    }
    if (!placed) words.push_back(argument);
    ok = !words.empty() &&
         platform_.StartProcess(words.front(),
                                std::vector<std::string>(words.begin() + 1, words.end()));
  }
  if (!ok) platform_.MessageBox(msg::kBrowserFailed, MsgButtons::Ok, MsgIcon::Stop);
}
