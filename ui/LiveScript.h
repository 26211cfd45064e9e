// What the Live View asks of the page writer, and how it tells what a change
// reached: the applet's script cut into the part before the buttons and the
// buttons' statements, the page's lists of files, the page without its
// applet and looks, and what of a button shows outside the applet.
#pragma once

#include <optional>
#include <string>
#include <vector>

class Doc;
class PropButton;

namespace live {

// The script of a project's applet as the page writer makes it: what comes
// before the buttons, buttons' statements, and the page's parameters of the
// lists of images and sounds that the statements number.
struct Script {
  std::string head;
  std::vector<std::string> buttons;
  std::string lists;
};

// The page generated whole, with its applet's script.
struct Page {
  std::string html;
  Script script;
  bool allButtons = false;  // the script holds every button's statement
};

// The page as the view shows it (with the runtime, whether or not the
// published page needs it), generated whole: the statements of every
// button, or of those the first thread wrote when a second thread wrote the
// rest.
Page PageOf(Doc& doc);
// The applet's script with the statements of `buttons` alone (in that
// order), each exactly as a whole generation writes it; none when the page
// writer cannot give them apart.
std::optional<Script> Statements(Doc& doc, const std::vector<int>& buttons);

// The page without its applet, its rules of looks and its description:
// what a change of the project alone leaves as it is.
std::string ShellOf(const std::string& html);
// What of `button` the page shows outside its applet.
std::string ShellKey(const PropButton& button);
// The page's parameters of the lists of images and sounds, as `html` has them.
std::string ListsOf(const std::string& html);

}  // namespace live
