// The editor's help: the status prompt and tooltip of a command or page, the
// help page shown in the Info/Preview window (or the user's browser), the
// help lock and the Help menu's commands. The application object owns it and
// shows pages through its own window functions, which tests replace.
#pragma once

#include <string>

class App;

class HelpSystem {
 public:
  static constexpr const char* kFaqAddress = "https://www.velko.example/velkobutton/faq.html";
  static constexpr const char* kHomeAddress = "https://www.velko.example/";

  explicit HelpSystem(App& app) : app_(app) {}

  // The prompt of string `id` to the status bar, its tooltip to `tooltip`
  // (when given) and its page to the Info/Preview window; `follow`: the
  // help follows the pointer, so a locked topic stays.
  void ShowContextHelp(int id, std::string* tooltip, bool follow);
  void ShowHelpPage(const std::string& topic, const std::string& anchor, bool follow,
                    bool byAddress);
  // The path of a help topic's page.
  std::string PagePath(const std::string& topic) const;
  // Clears the help lock and shows the page "index" when the browser is available.
  void Startup();
  void Contents();
  void Faq();
  void Web();

 private:
  App& app_;
};
