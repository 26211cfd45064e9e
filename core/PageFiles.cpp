#include "core/PageFiles.h"

#include "core/Doc.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/Platform.h"

bool PageFiles::SaveHtml(std::string& path, bool ask, bool preview) {
  // The document's own page path is text the project stores; any other path
  // is a file name as the operating system takes it.
  const bool stored = &path == &doc_.htmlPath;
  std::string file = stored ? OsFromStored(path) : path;
  if (ask && file.empty()) file = doc_.ProposedPagePath();
  if (ask) {
    if (!doc_.platform().FileDialog(
            false, "html", file,
            VB_TR_NOOP("FileDialog",
                       "HTML Files (*.html, *.htm)|*.htm;*.html|All Files (*.*)|*.*||"),
            FdHideReadOnly | FdOverwritePrompt))
      return false;
    // A name the project cannot store is not stored; the page is still written.
    if (!stored)
      path = file;
    else
      StoredFromOs(file, path);
  }
  if (!doc_.HasContents()) return false;
  // A page with the runtime needs it beside it: a file of that name there
  // holding other bytes is replaced only when the user agrees, before
  // anything is written.
  const bool runtime = !preview && doc_.writer().CarriesRuntime() && doc_.staging;
  if (runtime && !doc_.staging->AgreeToPlaceRuntime(doc_, file)) return false;
  const std::string html = doc_.BuildHtml(preview ? PageMode::Preview : PageMode::Page);
  safefile::WriteError error;
  if (!KesDoc::WriteWholeFile(file, html, {doc_.pathName()}, &error)) {
    doc_.ReportWriteFailure(file, error);
    return false;
  }
  if (runtime) PlaceRuntimeBeside(file);
  if (!preview && showResources) showResources(html);
  return true;
}

void PageFiles::PlaceRuntimeBeside(const std::string& page) {
  if (doc_.staging) doc_.staging->PlaceRuntimeBeside(doc_, page);
}

bool PageFiles::CopyResourcesTo(const std::string& directory) {
  std::vector<std::string> list;
  std::vector<GateKind> expected;
  if (!doc_.HasContents() || !doc_.staging) return false;
  doc_.GetResourceFiles(list, expected);
  return doc_.staging->StagePreview(doc_, list, expected, directory);
}

bool PageFiles::SaveInputFile(std::string path, bool ask) {
  if (ask) {
    std::string chosen = path;
    if (!doc_.platform().FileDialog(
            false, "txt", chosen,
            VB_TR_NOOP("FileDialog",
                       "VelkoVerify Input Files (*.txt, *.dat)|*.txt;*.dat|All Files (*.*)|*.*||"),
            FdHideReadOnly | FdOverwritePrompt))
      return false;
    path = chosen;
  }
  if (!doc_.HasContents()) return false;
  const std::string params = doc_.BuildParams(ParamForm::InputFile, std::string());
  safefile::WriteError error;
  if (!KesDoc::WriteWholeFile(path, params, {doc_.pathName()}, &error)) {
    doc_.ReportWriteFailure(path, error);
    return false;
  }
  return true;
}

bool PageFiles::CopySegmentToClipboard() {
  if (!doc_.HasContents()) return false;
  const std::string segment = doc_.BuildHtml(PageMode::Segment);
  if (!doc_.platform().SetClipboardText(segment)) {
    doc_.platform().MessageBox(msg::kClipboardFailed, MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  if (showResources) showResources(segment);
  return true;
}
