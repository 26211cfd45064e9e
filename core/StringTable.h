// The string table of commands, pages and controls. Every command, page and
// control id names one entry of up to four fields separated by line feeds:
// status-bar prompt, tooltip, help topic and help anchor
// ("Create a new button\nNew Button\nbuttonnew").
#pragma once

#include <string>
#include <vector>

// The entry for `id`; empty when the table has none.
std::string LoadString(int id);

// Every id of the table, ascending.
std::vector<int> StringIds();

// The four fields of an entry; missing fields are empty.
struct HelpString {
  std::string prompt;
  std::string tooltip;
  std::string topic;
  std::string anchor;
};
HelpString SplitHelpString(const std::string& entry);

// The distinct help topics of the table, in ascending order of the first id
// naming each.
std::vector<std::string> HelpTopics();
