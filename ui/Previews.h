// The Generate menu's previews: the page and its files staged in this
// process's private preview folder, shown in the Info/Preview window or the
// user's browser, and the end of a preview. The application object owns it.
#pragma once

#include <string>

class App;

class Previews {
 public:
  explicit Previews(App& app) : app_(app) {}

  // Writes the preview page and stages its files; the page's path, or empty
  // when something failed. `external`: the page is shown by an outside
  // browser, so it carries the JavaScript runtime's line and the runtime is
  // staged beside it.
  std::string Write(bool external);
  // Preview Internally (the user's browser when there is no embedded one).
  void Show();
  void ShowExternal();
  void Stop();
  // After New or Open: a preview of the project that was open ends.
  void EndOfOldProject();
  // Deletes every file of the preview folder (failures ignored).
  void DeleteFiles();

 private:
  App& app_;
};
