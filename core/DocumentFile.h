// The project file: New, Open (from a file or its bytes, or a template as a
// new project), reading the file again (as it is, or with its 8-bit texts in
// another code page), Save with the renaming of the
// project's files when it moves to another folder, and a fresh project in
// place of one that could not be read.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/CodePages.h"
#include "core/SafeFile.h"

class Archive;
class Doc;

class DocumentFile {
 public:
  explicit DocumentFile(Doc& doc) : doc_(doc) {}
  DocumentFile(const DocumentFile&) = delete;
  DocumentFile& operator=(const DocumentFile&) = delete;

  // Doc.h says what each does.
  bool New();
  bool Open(const std::string& path, CodePage page = CodePage::kWestern);
  bool Reload();
  bool ReadAgainIn(CodePage page);
  bool OpenAsNew(const std::string& path);
  bool OpenFromBytes(std::string_view bytes, const std::string& path,
                     CodePage page = CodePage::kWestern);
  void DeleteContents();
  bool Save(const std::string& path);
  std::vector<std::string> RebaseFileNames(const std::string& from, const std::string& to);
  void Serialize(Archive& ar);
  std::string ProposedPagePath() const;

 private:
  // OpenFromBytes; when memory runs out on the way, says so and starts a
  // new project in place of what was half read.
  bool OpenOrStartAfresh(safefile::FileBytes& bytes, const std::string& path,
                         CodePage page = CodePage::kWestern);
  // Why the file at `path` cannot be read again as a project ("" when it
  // can); it is read into `scratch`, its 8-bit texts in `page`.
  std::string WhyNotReloaded(const std::string& path, safefile::FileBytes& bytes, Doc& scratch,
                             CodePage page = CodePage::kWestern);

  Doc& doc_;
};
