#include "core/KesDoc.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "core/Archive.h"
#include "core/KesApp.h"
#include "core/Keywords.h"
#include "core/Messages.h"
#include "core/OsPath.h"
#include "core/Version.h"
#include "output/Staging.h"

namespace fs = std::filesystem;

void DocumentBase::SetPathName(const std::string& path) {
  pathName_ = path;
  title_ = path.empty() ? std::string("Untitled") : FileNameOf(path);
}

void DocumentBase::AddView(DocView* view) {
  if (std::find(views_.begin(), views_.end(), view) == views_.end()) views_.push_back(view);
}

void DocumentBase::RemoveView(DocView* view) {
  views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

void DocumentBase::UpdateAllViews(int hint) {
  // A view may add or remove views while it is told; walk a copy.
  std::vector<DocView*> views = views_;
  for (DocView* v : views)
    if (std::find(views_.begin(), views_.end(), v) != views_.end()) v->OnUpdate(hint);
}

KesDoc::KesDoc(KesApp& app) : app_(app) {}

KesDoc::~KesDoc() = default;

Platform& KesDoc::platform() const {
  return app_.platform();
}

std::string KesDoc::DriveRoot() const {
  return app_.platform().CurrentDriveRoot();
}

bool KesDoc::GetResourceFiles(std::vector<std::string>& list) {
  list.clear();
  return true;
}

bool KesDoc::CopyResourcesTo(const std::string& directory) {
  std::vector<std::string> list;
  GetResourceFiles(list);
  return StageFiles(platform(), list, directory);
}

std::string KesDoc::WriteStringParam(int form, const std::string& name, const std::string& value,
                                     const std::string& def, int escape) {
  if (value == def) return std::string();
  const std::string v = escape ? KesProp::EscapeScript(value) : value;
  if (form == 0) return "<PARAM NAME=" + name + " VALUE=\"" + v + "\">\r\n";
  return name + "=" + v + "\r\n";
}

std::string KesDoc::WriteLongParam(int form, const std::string& name, long value, long def) {
  if (value == def) return std::string();
  if (form == 0) return "<PARAM NAME=" + name + " VALUE=" + std::to_string(value) + ">\r\n";
  return name + "=" + std::to_string(value) + "\r\n";
}

std::string KesDoc::WriteIntParam(int form, const std::string& name, int value, int def) {
  if (value == def) return std::string();
  if (form == 0) return "<PARAM NAME=" + name + " VALUE=" + std::to_string(value) + ">\r\n";
  return name + "=" + std::to_string(value) + "\r\n";
}

std::string KesDoc::WriteColorParam(int form, const std::string& name, uint32_t value,
                                    uint32_t def) {
  if (value == def) return std::string();
  const std::string hex = ColorHex(value).substr(2);
  if (form == 0) return "<PARAM NAME=" + name + " VALUE=" + hex + ">\r\n";
  return name + "=" + hex + "\r\n";
}

std::string KesDoc::BuildParams(int, const std::string&) {
  return std::string();
}

std::string KesDoc::BuildHtml(int) {
  return std::string();
}

bool KesDoc::SaveHtml(std::string& path, bool ask, bool preview) {
  if (ask) {
    std::string chosen = path;
    if (!platform().FileDialog(false, "html", chosen,
                               "HTML Files (*.html, *.htm)|*.htm;*.html|All Files (*.*)|*.*||",
                               FdHideReadOnly | FdOverwritePrompt))
      return false;
    path = chosen;
  }
  const std::string html = BuildHtml(preview ? 1 : 0);
  if (!WriteWholeFile(path, html)) {
    platform().MessageBox(msg::Format(msg::kUnableToWrite, path), MsgButtons::Ok,
                          MsgIcon::Exclamation);
    return false;
  }
  if (!preview && showResources) showResources(html);
  return true;
}

bool KesDoc::SaveInputFile(std::string path, bool ask) {
  if (ask) {
    std::string chosen = path;
    if (!platform().FileDialog(
            false, "txt", chosen,
            "VelkoVerify Input Files (*.txt, *.dat)|*.txt;*.dat|All Files (*.*)|*.*||",
            FdHideReadOnly | FdOverwritePrompt))
      return false;
    path = chosen;
  }
  const std::string params = BuildParams(1, std::string());
  if (!WriteWholeFile(path, params)) {
    platform().MessageBox(msg::Format(msg::kUnableToWrite, path), MsgButtons::Ok,
                          MsgIcon::Exclamation);
    return false;
  }
  return true;
}

bool KesDoc::CopySegmentToClipboard() {
  const std::string segment = BuildHtml(2);
  if (!platform().SetClipboardText(segment)) {
    platform().MessageBox(msg::kClipboardFailed, MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  if (showResources) showResources(segment);
  return true;
}

void KesDoc::Serialize(Archive& ar) {
  std::string productVersion = version::kProductVersion;
  std::string build = version::kPrivateBuild;
  if (ar.IsStoring()) {
    ar.WriteString(productVersion);
    ar.WriteString(build);
    ar.WriteString(htmlPath);
  } else {
    ar.ReadString();
    ar.ReadString();
    htmlPath = ar.ReadString();
  }
}

bool KesDoc::ReadWholeFile(const std::string& path, std::string& bytes) {
  std::error_code ec;
  const fs::path file = FsPath(path);
  const fs::file_status st = fs::status(file, ec);
  if (ec || fs::is_directory(st)) return false;
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  // A device or pipe may never end: read it only up to a bound far beyond
  // any project.
  const bool regular = fs::is_regular_file(st);
  const std::size_t kStreamLimit = std::size_t(64) << 20;
  std::string data;
  if (regular) {
    // A file of known size is read straight into its buffer.
    const std::uintmax_t size = fs::file_size(file, ec);
    if (!ec && size < (std::uintmax_t(1) << 30)) {
      data.resize(static_cast<std::size_t>(size));
      in.read(data.data(), static_cast<std::streamsize>(data.size()));
      data.resize(static_cast<std::size_t>(in.gcount()));
      if (in.bad()) return false;
    }
  }
  char buf[65536];
  while (in) {
    in.read(buf, sizeof buf);
    data.append(buf, static_cast<std::size_t>(in.gcount()));
    if (!regular && data.size() > kStreamLimit) return false;
  }
  if (in.bad()) return false;
  bytes.swap(data);
  return true;
}

bool KesDoc::WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::FILE* f = std::fopen(OsName(path).c_str(), "wb");
  if (!f) return false;
  bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (std::fclose(f) != 0) ok = false;
  return ok;
}

bool KesDoc::WriteFileAtomically(const std::string& path, const std::string& bytes) {
  std::error_code ec;
  fs::path target = FsPath(path);
  // Saving through a link replaces the file it names, not the link.
  if (fs::is_symlink(target, ec)) {
    fs::path resolved = fs::weakly_canonical(target, ec);
    if (ec) return false;
    target = resolved;
  }
  // A directory or a read-only file is not replaced, as writing it in place
  // would fail.
  const fs::file_status old = fs::status(target, ec);
  const bool exists = !ec && fs::exists(old);
  if (exists &&
      (fs::is_directory(old) || (old.permissions() & fs::perms::owner_write) == fs::perms::none))
    return false;
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  // The temporary name stays short enough for the file system whatever the
  // target's name.
  std::string stem = target.filename().string().substr(0, 160);
  std::random_device rd;
  fs::path temp;
  std::FILE* f = nullptr;
  for (int attempt = 0; attempt < 16 && !f; ++attempt) {
    temp = dir / ("." + stem + ".tmp" + std::to_string(rd() % 1000000));
    f = std::fopen(temp.string().c_str(), "wbx");  // never reuses an existing file
    if (!f && errno != EEXIST) return false;
  }
  if (!f) return false;
  bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  if (std::fflush(f) != 0) ok = false;
  if (std::fclose(f) != 0) ok = false;
  if (ok) {
    // The replaced file keeps its permissions.
    if (exists) fs::permissions(temp, old.permissions(), ec);
    fs::rename(temp, target, ec);
    if (ec) ok = false;
  }
  if (!ok) fs::remove(temp, ec);
  return ok;
}

bool KesDoc::OnSaveDocument(const std::string& path) {
  if (!app_.CommitPages()) return false;
  Archive ar;
  Serialize(ar);
  if (!WriteFileAtomically(path, ar.Bytes())) {
    platform().MessageBox(msg::kFailedToSave, MsgButtons::Ok, MsgIcon::Exclamation);
    return false;
  }
  SetModifiedFlag(false);
  return true;
}

bool KesDoc::DoSave(const std::string& path, bool replace) {
  std::string target = path;
  if (target.empty()) {
    target = pathName();
    if (target.empty()) target = title() + ".but";
    if (!platform().FileDialog(false, "but", target, kProjectFilter,
                               FdHideReadOnly | FdOverwritePrompt))
      return false;
  }
  if (!OnSaveDocument(target)) return false;
  if (replace) SetPathName(target);
  return true;
}

bool KesDoc::DoFileSave() {
  return DoSave(pathName());
}

bool KesDoc::SaveModified() {
  if (stopPreview) stopPreview();
  app_.CommitPages();
  if (!IsModified()) return true;
  const std::string name = pathName().empty() ? title() : pathName();
  switch (platform().MessageBox(msg::Format(msg::kSaveChanges, name), MsgButtons::YesNoCancel,
                                MsgIcon::Exclamation)) {
    case IdCancel:
      return false;
    case IdYes:
      return DoFileSave();
    default:
      return true;
  }
}

bool KesDoc::CanCloseFrame() {
  if (!app_.CommitPages()) return false;
  return SaveModified();
}
