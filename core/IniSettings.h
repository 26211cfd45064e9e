// The user's settings store: INI files read and written with the standard
// library alone, by the command line and the editor alike, so that one class
// writes the settings file and the command line starts without loading Qt.
//
// Reading finds a key in the application's file, then the organisation's
// file, then the same two files in every system configuration folder. The
// files written by earlier versions of the editor (through Qt's settings
// class) read as they were written: quoted and escaped text, lists (unquoted
// commas), "@@" for a leading '@', "@ByteArray(...)"; other typed values
// ("@Rect(...)", "@Variant(...)") hold no text of ours and are kept as they
// stand. Writing changes one key of the application's file under a lock
// beside it, as a whole file or not at all.
//
// Keys, sections and values cross this interface in UTF-8 (the
// engine's text); the files hold UTF-8. Paths are in the system's encoding.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ini {

// One value as the editor's settings class holds it after reading.
struct Value {
  enum class Kind {
    Invalid,     // "@Invalid()": reads as missing
    String,      // text
    StringList,  // text with unquoted commas
    ByteArray,   // "@ByteArray(...)": `text` holds one byte per code unit
    List,        // a list with a typed element
    Other,       // "@Rect(...)", "@Variant(...)", ...: kept as it stands
  };
  Kind kind = Kind::Invalid;
  std::u16string text;
  std::vector<Value> items;  // the elements of StringList and List

  static Value Text(std::u16string text);
};

// The value a stored text reads as ("@@x" is "@x", "@Rect(1 2 3 4)" a
// rectangle, ...).
Value FromStoredText(const std::u16string& stored);
// The value part of a line ("a, b", "\"x;y\"", ...), as read.
Value ParseValue(std::string_view bytes);
// A value as its line's value part (quoted and escaped where needed).
std::string FormatValue(const Value& value);
// The text of a value as the editor reads it, false when it has none (a
// list reads as its elements joined by ", ").
bool ValueText(const Value& value, std::u16string& text);

// One file's keys ("Section/Key"; keys of [General] have no section).
class Document {
 public:
  // Never fails: a broken file reads as the keys that can be made out of it.
  static Document Parse(std::string_view bytes);
  const Value* Find(const std::u16string& key) const;
  void Set(const std::u16string& key, Value value);
  // The whole file: sections and keys in the order of their names, comments
  // left out, values in their written form.
  std::string Serialize() const;
  std::vector<std::u16string> Keys() const;

 private:
  std::map<std::u16string, Value> keys_;
};

// The full key of a section's key, in the editor's form (no doubled,
// leading or trailing '/'); section and key in UTF-8.
std::u16string KeyOf(const std::string& section, const std::string& key);

// The settings store of one organisation and application.
class Store {
 public:
  // `files`: most specific first; writes go to the first.
  explicit Store(std::vector<std::string> files);
  // The user's store as the environment places it: $XDG_CONFIG_HOME (else
  // ~/.config), then $XDG_CONFIG_DIRS (else /etc/xdg).
  static Store ForUser(const std::string& organization, const std::string& application);

  const std::vector<std::string>& files() const { return files_; }

  // The text (UTF-8); `def` when the key is missing or holds no text.
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& def) const;
  // A whole number (surrounding spaces allowed), else `def`.
  int GetInt(const std::string& section, const std::string& key, int def) const;
  // False when the file could not be written (it is then unchanged).
  bool WriteString(const std::string& section, const std::string& key, const std::string& value);
  bool WriteInt(const std::string& section, const std::string& key, int value);

  // How long a write waits for another program's lock before giving up.
  std::chrono::milliseconds lockWait{std::chrono::seconds(10)};

  // A settings file larger than this is not read (its keys are taken as
  // missing, so the defaults hold) and never replaced: real ones are a few
  // kilobytes, and reading a huge one at every start would cost seconds.
  static constexpr std::uint64_t kLargestFile = std::uint64_t(1) << 20;
  // Called once for each file left unread because it is larger.
  std::function<void(const std::string& file)> onTooLarge;

 private:
  const Value* Find(const std::u16string& key) const;
  bool Write(const std::u16string& key, Value value);

  struct Loaded {
    bool valid = false;
    std::uint64_t device = 0, inode = 0, size = 0;
    std::int64_t mtimeNs = 0;
    bool tooLarge = false;
    Document doc;
  };
  std::vector<std::string> files_;
  mutable std::vector<Loaded> loaded_;
  mutable std::vector<bool> reportedTooLarge_;
};

}  // namespace ini
