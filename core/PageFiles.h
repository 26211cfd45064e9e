// Where the written project goes: the page and the input file on disk, the
// applet's segment on the clipboard, the runtime and the resources beside a
// page; and the hooks the user interface fills for them.
#pragma once

#include <functional>
#include <string>

class Doc;

class PageFiles {
 public:
  explicit PageFiles(Doc& doc) : doc_(doc) {}
  PageFiles(const PageFiles&) = delete;
  PageFiles& operator=(const PageFiles&) = delete;

  // Writes the page (the preview's page or a whole page); asks for the path
  // first when `ask` is set. After a page that is not a preview, the
  // Resources hook runs.
  bool SaveHtml(std::string& path, bool ask, bool preview);
  // Writes the parameters as an input file; asks for the path first when
  // `ask` is set.
  bool SaveInputFile(std::string path, bool ask);
  // The applet's segment on the clipboard; then the Resources hook runs.
  bool CopySegmentToClipboard();
  // Copies the runtime from the program's folder beside `page` (unless an
  // up-to-date copy is there); a refused or failed copy is reported.
  void PlaceRuntimeBeside(const std::string& page);
  // Stages the files the page needs that a page can use into `directory`
  // (through the document's staging; false without it).
  bool CopyResourcesTo(const std::string& directory);

  // Hooks the user interface fills: the Resources dialog for a written page,
  // and stopping a running internal preview.
  std::function<void(const std::string& html)> showResources;
  std::function<void()> stopPreview;

 private:
  Doc& doc_;
};
