#include "ui/LiveScript.h"

#include <algorithm>
#include <cctype>

#include "core/ButtonsHtml.h"
#include "core/Doc.h"
#include "groups/button/PropButton.h"
#include "groups/button/PropState.h"
#include "groups/button/PropText.h"

namespace live {

namespace {

// Whether `line` of the page's style sheet is a rule of the buttons' looks
// ("#vb-Id .l3:hover,..."): the runtime gives each element its look inline,
// over these rules, so the page need not load anew when they change.
bool LookRule(const std::string& line) {
  const std::size_t space = line.find(' ');
  return !line.empty() && line[0] == '#' && space != std::string::npos &&
         line.compare(space, 3, " .l") == 0 && space + 3 < line.size() &&
         std::isdigit(static_cast<unsigned char>(line[space + 3]));
}

}  // namespace

// The page without its applet, its rules of looks and its description (the
// captions, which the runtime shows from the project): what a change of the
// project alone leaves as it is.
std::string ShellOf(const std::string& html) {
  const std::size_t start = html.find("<APPLET");
  const std::size_t end = html.find("</APPLET>");
  if (start == std::string::npos || end == std::string::npos || end < start) return html;
  const std::string rest = html.substr(0, start) + html.substr(end);
  std::string shell;
  for (std::size_t at = 0; at < rest.size();) {
    const std::size_t eol = std::min(rest.find('\n', at), rest.size() - 1) + 1;
    const std::string line = rest.substr(at, eol - at);
    if (!LookRule(line) && line.rfind("<META NAME=\"description\"", 0) != 0) shell += line;
    at = eol;
  }
  return shell;
}

// What of `button` the page shows outside its applet: the fonts of its
// states (a font file is declared in the style sheet) and whether their
// captions differ (the style sheet then has rules for them). The rest of it
// is in the applet and its rules of looks.
std::string ShellKey(const PropButton& button) {
  std::string key;
  for (int s = 0; s < 3; ++s) {
    key += button.state(s)->text->font;
    key += '\n';
  }
  const std::string up = buttons_html::CaptionText(button.upState->text->text);
  const bool several = buttons_html::CaptionText(button.overState->text->text) != up ||
                       buttons_html::CaptionText(button.downState->text->text) != up;
  key += several ? '1' : '0';
  return key;
}

// The page's parameters of the lists of images and sounds, as `html` has them.
std::string ListsOf(const std::string& html) {
  std::string lists;
  for (const char* name : {"<PARAM NAME=Images0 ", "<PARAM NAME=Audio0 "}) {
    const std::size_t at = html.find(name);
    if (at != std::string::npos) lists += html.substr(at, html.find('>', at) + 1 - at);
  }
  return lists;
}

// ---- What the view asks of the page writer. The page as the view shows it
// has the runtime, whether or not the published page needs it.

// The page generated whole, with its applet's script: the statements of
// every button, or of those the first thread wrote when a second thread
// wrote the rest.
Page PageOf(Doc& doc) {
  const PageWriter::RuntimeScope runtime(doc.writer(), kRuntimeAlways);
  PageWriter::Page made = doc.writer().Write(PageMode::Page, true);
  Page page;
  page.html = std::move(made.html);
  page.allButtons = made.buttons.size() == doc.ButtonCount();
  page.script = {std::move(made.head), std::move(made.buttons), ListsOf(page.html)};
  return page;
}

std::optional<Script> Statements(Doc& doc, const std::vector<int>& buttons) {
  std::vector<std::size_t> which;
  for (const int i : buttons) {
    if (i < 0 || static_cast<std::size_t>(i) >= doc.ButtonCount()) return std::nullopt;
    which.push_back(static_cast<std::size_t>(i));
  }
  PageWriter::Statements made = doc.ButtonStatements(which);
  // The statements come in button order, once each.
  std::sort(which.begin(), which.end());
  which.erase(std::unique(which.begin(), which.end()), which.end());
  Script script{
      std::move(made.head), {}, ListsOf(doc.writer().ListParams(made.images, made.audio))};
  for (const int i : buttons) {
    const std::size_t k = static_cast<std::size_t>(
        std::lower_bound(which.begin(), which.end(), static_cast<std::size_t>(i)) - which.begin());
    if (k >= made.buttons.size()) return std::nullopt;
    script.buttons.push_back(made.buttons[k]);
  }
  return script;
}

}  // namespace live
