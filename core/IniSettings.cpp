// The settings store: which files it reads, a key found in the first file
// that has it, and a key written to the application's file under its lock.
// The files' text is read in core/IniRead.cpp and written in
// core/IniWrite.cpp, its escaping in core/IniEscape.cpp.
#include "core/IniSettings.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <utility>

#include "core/SafeFile.h"
#include "core/Win1252.h"
#include "core/os/Os.h"

namespace ini {

namespace {

// QString::toInt: an optional sign and decimal digits, within int.
bool ParseInt(std::u16string_view s, int& value) {
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  if (i >= s.size()) return false;
  long long v = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < '0' || s[i] > '9') return false;
    v = v * 10 + (s[i] - '0');
    if (v > static_cast<long long>(INT_MAX) + 1) return false;
  }
  if (negative) v = -v;
  if (v < INT_MIN || v > INT_MAX) return false;
  value = static_cast<int>(v);
  return true;
}

bool IsUnicodeSpace(char16_t c) {
  return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
         (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x3000;
}

std::u16string_view TrimUnicode(std::u16string_view s) {
  while (!s.empty() && IsUnicodeSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsUnicodeSpace(s.back())) s.remove_suffix(1);
  return s;
}

std::u16string Ascii(const std::string& s) {
  return std::u16string(s.begin(), s.end());
}

}  // namespace

Value Value::Text(std::u16string text) {
  Value v;
  v.kind = Kind::String;
  v.text = std::move(text);
  return v;
}

const Value* Document::Find(const std::u16string& key) const {
  auto it = keys_.find(key);
  return it == keys_.end() ? nullptr : &it->second;
}

std::vector<std::u16string> Document::Keys() const {
  std::vector<std::u16string> keys;
  for (const auto& entry : keys_) keys.push_back(entry.first);
  return keys;
}

void Document::Set(const std::u16string& key, Value value) {
  keys_[key] = std::move(value);
}

std::u16string KeyOf(const std::string& section, const std::string& key) {
  const std::u16string joined = utf8::ToUtf16(section) + u"/" + utf8::ToUtf16(key);
  std::u16string out;
  for (char16_t c : joined) {
    if (c == u'/' && (out.empty() || out.back() == u'/')) continue;
    out += c;
  }
  if (!out.empty() && out.back() == u'/') out.pop_back();
  return out;
}

// ---- The store -----------------------------------------------------------

namespace {

// What separates folders in a settings file's path.
constexpr const char* kSeparators = os::kSeparator == '/' ? "/" : "/\\";

bool MakeDirs(const std::string& dir) {
  if (dir.empty()) return true;
  os::FileInfo info;
  if (os::InfoOf(dir, info)) return info.kind == os::Kind::Folder;
  const std::size_t slash = dir.find_last_of(kSeparators, dir.size() - 1);
  if (slash != std::string::npos && slash > 0 && !MakeDirs(dir.substr(0, slash))) return false;
  return os::MakeFolder(dir) || errno == EEXIST;
}

std::string DirOf(const std::string& path) {
  const std::size_t slash = path.find_last_of(kSeparators);
  if (slash == std::string::npos) return std::string();
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string ReadSmallFile(const std::string& path) {
  std::string bytes;
  if (!safefile::ReadAll(path, bytes, Store::kLargestFile)) bytes.clear();
  return bytes;
}

}  // namespace

Store::Store(std::vector<std::string> files)
    : files_(std::move(files)), loaded_(files_.size()), reportedTooLarge_(files_.size()) {}

Store Store::ForUser(const std::string& organization, const std::string& application) {
  const std::string user = os::SettingsFolder();
  const std::string sep(1, os::kSeparator);
  const std::string appFile = organization + sep + application + ".conf";
  const std::string orgFile = organization + ".conf";
  std::vector<std::string> files = {user + sep + appFile, user + sep + orgFile};
  const std::vector<std::string> dirs = os::SystemSettingsFolders();
  for (const std::string& d : dirs) files.push_back(d + sep + appFile);
  for (const std::string& d : dirs) files.push_back(d + sep + orgFile);
  return Store(std::move(files));
}

const Value* Store::Find(const std::u16string& key) const {
  for (std::size_t i = 0; i < files_.size(); ++i) {
    Loaded& l = loaded_[i];
    os::FileInfo st;
    if (!os::InfoOf(files_[i], st) || st.kind != os::Kind::Regular) {
      l = Loaded();
      continue;
    }
    const std::int64_t mtime = st.modifiedNs;
    if (!l.valid || l.device != st.id.device || l.inode != st.id.index || l.size != st.size ||
        l.mtimeNs != mtime) {
      l.tooLarge = st.size > kLargestFile;
      l.doc = l.tooLarge ? Document() : Document::Parse(ReadSmallFile(files_[i]));
      if (l.tooLarge && !reportedTooLarge_[i]) {
        reportedTooLarge_[i] = true;
        if (onTooLarge) onTooLarge(files_[i]);
      }
      l.valid = true;
      l.device = st.id.device;
      l.inode = st.id.index;
      l.size = st.size;
      l.mtimeNs = mtime;
    }
    if (const Value* v = l.doc.Find(key)) return v;
  }
  return nullptr;
}

std::string Store::GetString(const std::string& section, const std::string& key,
                             const std::string& def) const {
  const Value* v = Find(KeyOf(section, key));
  std::u16string text;
  if (!v || !ValueText(*v, text)) return def;
  return utf8::FromUtf16(text);
}

int Store::GetInt(const std::string& section, const std::string& key, int def) const {
  const Value* v = Find(KeyOf(section, key));
  if (!v || v->kind == Value::Kind::Invalid) return def;
  // A list reads as no number.
  std::u16string text;
  if (v->kind == Value::Kind::StringList || !ValueText(*v, text)) return def;
  int i = 0;
  return ParseInt(TrimUnicode(text), i) ? i : def;
}

bool Store::WriteString(const std::string& section, const std::string& key,
                        const std::string& value) {
  return Write(KeyOf(section, key), Value::Text(utf8::ToUtf16(value)));
}

bool Store::WriteInt(const std::string& section, const std::string& key, int value) {
  return Write(KeyOf(section, key), Value::Text(Ascii(std::to_string(value))));
}

bool Store::Write(const std::u16string& key, Value value) {
  if (files_.empty() || key.empty()) return false;
  const std::string& path = files_.front();
  if (!MakeDirs(DirOf(path))) return false;
  safefile::LockFile lock(path + ".lock");
  if (!lock.Acquire(lockWait)) return false;
  std::string bytes;
  os::FileInfo st;
  if (os::InfoOf(path, st)) {
    // A file that cannot be read is never replaced by one without its keys.
    if (st.size > kLargestFile || !os::MayReadAndWrite(path) ||
        !safefile::ReadAll(path, bytes, kLargestFile))
      return false;
  }
  Document doc = Document::Parse(bytes);
  doc.Set(key, std::move(value));
  const bool ok = safefile::WriteBytes(path, doc.Serialize());
  loaded_[0] = Loaded();
  return ok;
}

}  // namespace ini
