// Writes the help pages: index.html and help.css copied, contents.html from
// its template with the list of topics, and one page per help topic of the
// string table telling the user what that command or control does.
//
//   velko_helpgen SOURCE_DIR OUTPUT_DIR
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/StringTable.h"

namespace {

struct Area {
  int first, last;
  const char* name;   // heading in the contents
  const char* where;  // how the user reaches it
};

// Where each range of ids lives in the program.
const Area kAreas[] = {
    {57600, 57665, "File menu",
     "This command is on the <b>File</b> menu; New, Open and Save also have the keys Ctrl+N, "
     "Ctrl+O and Ctrl+S."},
    {40128, 40132, "Buttons menu",
     "This command is on the <b>Buttons</b> menu and on the <b>Buttons</b> toolbar. It works on "
     "the button selected in the outline tree on the left of the main window."},
    {57634, 57643, "Editing keys",
     "These keys work in the text box that has the focus, or, when no text box has it, on the "
     "item selected in the outline tree."},
    {15007, 15009, "View menu", "This command is on the <b>View</b> menu."},
    {40142, 40142, "View menu", "This command is on the <b>View</b> menu."},
    {15006, 15006, "Generate menu",
     "This command is on the <b>Generate</b> menu and on the <b>Project</b> toolbar."},
    {15013, 15015, "Generate menu",
     "This command is on the <b>Generate</b> menu and on the <b>Project</b> toolbar."},
    {15001, 15003, "Help menu", "This command is on the <b>Help</b> menu."},
    {15010, 15012, "Help menu",
     "This command is on the <b>Help</b> menu and on the <b>Project</b> toolbar."},
    {57664, 57670, "Help menu", "This command is on the <b>Help</b> menu."},
    {2600, 2699, "Button properties",
     "Select a button in the outline tree; the <b>General</b> tab of the Properties window shows "
     "this control."},
    {2700, 2799, "Button properties",
     "Select a button in the outline tree and open the <b>Size</b> tab of the Properties "
     "window. The position and size can only be edited when the project's layout is "
     "<i>User Defined</i>; the other layouts place the buttons themselves."},
    {2800, 2899, "Button properties",
     "Select a button in the outline tree and open the <b>Link</b> tab of the Properties window."},
    {3800, 3899, "Button properties",
     "Select a button in the outline tree and open the <b>Mouse Leave</b> tab of the Properties "
     "window. The script runs when the mouse pointer leaves the button."},
    {3000, 3099, "State properties",
     "Expand a button in the outline tree and select one of its states, <i>Up</i>, <i>Over</i> "
     "or <i>Down</i>. Each state has its own values: Up is the button at rest, Over is shown "
     "while the mouse is over it, Down while it is pressed or selected."},
    {3400, 3499, "Text properties",
     "Select the <b>Text</b> item under a state in the outline tree; this control is on the "
     "<b>General</b> tab."},
    {2300, 2399, "Text properties",
     "Select the <b>Text</b> item under a state in the outline tree; this control is on the "
     "<b>Font</b> tab."},
    {40037, 40053, "Text properties",
     "This entry is on the <b>Dynamic</b> menu of the Text page. It inserts a token that the "
     "applet replaces with the current date or time when the page is shown."},
    {2100, 2199, "Border properties",
     "Select the <b>Border</b> item under a state in the outline tree; this control is on the "
     "<b>Border</b> tab."},
    {2200, 2299, "Border properties",
     "Select the <b>Border</b> item under a state in the outline tree; this control is on the "
     "<b>Frame</b> tab."},
    {2500, 2599, "Image properties",
     "Select the <b>Image</b> item under a state in the outline tree. Images may be PNG, GIF, "
     "JPEG, SVG or WebP files; they are copied beside the page when you preview or publish."},
    {2400, 2499, "Advanced properties",
     "Select the <b>Advanced</b> item under a state in the outline tree. Its VelkoScript "
     "actions run when the button enters that state."},
    {1900, 1999, "Audio properties",
     "Select the <b>Audio</b> item under a state in the outline tree. Audio files must be Sun "
     "audio (.au) files."},
    {3100, 3199, "Project properties",
     "Select the project, the top item of the outline tree; this control is on the "
     "<b>General</b> tab."},
    {3200, 3299, "Project properties",
     "Select the project, the top item of the outline tree; this control is on the "
     "<b>Background</b> tab."},
    {3500, 3599, "Project properties",
     "Select the project, the top item of the outline tree; this control is on the "
     "<b>Output</b> tab."},
    {3600, 3699, "Project properties",
     "Select the project, the top item of the outline tree; this control is on the "
     "<b>VelkoScript</b> tab."},
    {1300, 1399, "Project properties",
     "This control is in the <b>Input Details</b> dialog, opened with the <b>Details...</b> "
     "button of the project's Output tab."},
    {3300, 3399, "Dialogs",
     "This is part of the <b>Insert Action</b> dialog, opened by the <b>Add Action...</b> "
     "buttons of the script pages."},
    {1600, 1699, "Dialogs",
     "This is part of the <b>New/Open Project</b> dialog shown when VelkoButton starts without "
     "a project file."},
    {1700, 1799, "Dialogs", "This is the dialog of <b>Help &gt; About VelkoButton...</b>."},
    {10011, 10014, "Publishing",
     "This is part of the <b>Publish</b> dialog of <b>Generate &gt; Publish...</b>."},
    {10015, 10020, "Publishing",
     "This is part of the <b>Resources</b> dialog, shown after the project has been published."},
    {1800, 1899, "Options",
     "This is on the <b>Configurable Text</b> page of <b>View &gt; Options...</b>. The names "
     "are used by the dynamic text of buttons."},
    {3700, 3799, "Options",
     "This is on the <b>Non Java Browsers</b> page of <b>View &gt; Options...</b>."},
};

const Area* AreaOf(int id) {
  for (const Area& a : kAreas)
    if (id >= a.first && id <= a.last) return &a;
  return nullptr;
}

std::string Html(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string Sentence(const std::string& prompt) {
  std::string s = prompt;
  if (!s.empty() && s.back() != '.' && s.back() != '!' && s.back() != '?') s += '.';
  return s;
}

bool ReadFile(const std::string& path, std::string& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream ss;
  ss << in.rdbuf();
  out = ss.str();
  return true;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  return bool(out);
}

const char* kHead =
    "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
    "<title>%TITLE% - VelkoButton Help</title>\n"
    "<link rel=\"stylesheet\" href=\"help.css\">\n</head>\n<body>\n";

std::string Head(const std::string& title) {
  std::string h = kHead;
  h.replace(h.find("%TITLE%"), 7, title);
  return h;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: velko_helpgen SOURCE_DIR OUTPUT_DIR\n");
    return 2;
  }
  const std::string src = std::string(argv[1]) + "/";
  const std::string out = std::string(argv[2]) + "/";

  // Further explanations, "topic|HTML" per line.
  std::map<std::string, std::string> details;
  {
    std::string text;
    if (ReadFile(src + "details.txt", text)) {
      std::istringstream lines(text);
      for (std::string line; std::getline(lines, line);) {
        std::size_t bar = line.find('|');
        if (line.empty() || line[0] == '#' || bar == std::string::npos) continue;
        details[line.substr(0, bar)] = line.substr(bar + 1);
      }
    }
  }

  // Every id of each topic, in table order.
  std::map<std::string, std::vector<int>> idsOf;
  for (int id : StringIds()) {
    HelpString h = SplitHelpString(LoadString(id));
    if (!h.topic.empty()) idsOf[h.topic].push_back(id);
  }

  std::map<std::string, std::vector<std::pair<std::string, std::string>>> byArea;
  std::vector<std::string> areaOrder;
  for (const std::string& topic : HelpTopics()) {
    const std::vector<int>& ids = idsOf[topic];
    HelpString first = SplitHelpString(LoadString(ids.front()));
    const Area* area = AreaOf(ids.front());
    std::string title = first.tooltip.empty() ? first.prompt : first.tooltip;

    std::string page = Head(Html(title));
    page +=
        "<p class=\"crumb\"><a href=\"index.html\">VelkoButton Help</a> &rsaquo; "
        "<a href=\"contents.html\">Contents</a>";
    if (area) page += std::string(" &rsaquo; ") + area->name;
    page += "</p>\n<h1>" + Html(title) + "</h1>\n";
    page += "<p class=\"lead\">" + Html(Sentence(first.prompt)) + "</p>\n";
    auto more = details.find(topic);
    if (more != details.end()) page += "<p>" + more->second + "</p>\n";
    // Several controls may share one topic (an edit box and its spin
    // buttons, the entries of one menu): list the others once.
    std::vector<std::string> seen = {first.prompt};
    for (std::size_t i = 1; i < ids.size(); ++i) {
      HelpString h = SplitHelpString(LoadString(ids[i]));
      bool dup = false;
      for (const std::string& s : seen) dup = dup || s == h.prompt;
      if (dup) continue;
      seen.push_back(h.prompt);
      page += "<p><b>" + Html(h.tooltip) + "</b>: " + Html(Sentence(h.prompt)) + "</p>\n";
    }
    if (area) page += std::string("<h2>Where to find it</h2>\n<p>") + area->where + "</p>\n";
    page +=
        "<p class=\"tip\">Point at a control or toolbar button to see its help here; use "
        "<b>Help &gt; Lock Topic</b> to keep this page while you work.</p>\n";
    page += "</body>\n</html>\n";
    if (!WriteFile(out + topic + ".html", page)) {
      std::fprintf(stderr, "velko_helpgen: cannot write %s%s.html\n", out.c_str(), topic.c_str());
      return 1;
    }
    std::string areaName = area ? area->name : "Other topics";
    if (!byArea.count(areaName)) areaOrder.push_back(areaName);
    byArea[areaName].emplace_back(topic, title);
  }

  std::string list;
  for (const std::string& name : areaOrder) {
    list += "<h2>" + Html(name) + "</h2>\n<ul class=\"topics\">\n";
    for (const auto& [topic, title] : byArea[name])
      list += "<li><a href=\"" + topic + ".html\">" + Html(title) + "</a></li>\n";
    list += "</ul>\n";
  }
  std::string contents, index, css;
  if (!ReadFile(src + "contents.html.in", contents) || !ReadFile(src + "index.html", index) ||
      !ReadFile(src + "help.css", css)) {
    std::fprintf(stderr, "velko_helpgen: cannot read the page sources in %s\n", src.c_str());
    return 1;
  }
  std::size_t at = contents.find("@TOPICS@");
  if (at != std::string::npos) contents.replace(at, 8, list);
  if (!WriteFile(out + "contents.html", contents) || !WriteFile(out + "index.html", index) ||
      !WriteFile(out + "help.css", css)) {
    std::fprintf(stderr, "velko_helpgen: cannot write into %s\n", out.c_str());
    return 1;
  }
  return 0;
}
