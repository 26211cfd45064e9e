// Base of every property group: the group's name and tree icon, its
// persistence, its page and its VelkoScript text; plus the property forms
// through which every generator writes a property and the script escaper.
#pragma once

#include <cstdint>
#include <new>
#include <string>
#include <string_view>

class Archive;

// Visits the values a group stores itself (not those of the groups it holds),
// each under the name edits and change events call it by, in the order the
// group stores them.
class FieldVisitor {
 public:
  virtual ~FieldVisitor() = default;
  virtual void Int(std::string_view name, int32_t& value) = 0;
  virtual void Color(std::string_view name, uint32_t& value) = 0;
  virtual void Text(std::string_view name, std::string& value) = 0;
};

// A property's keyword as the generator names it, with the tokenize flag: the
// forms look its token up only when they write the property.
struct PropKey {
  std::string_view word;
  bool tokenize;
};

// Run-time class of a group (no group class derives from another).
enum class PropClass { None, Project, Button, State, Text, Border, Audio, Image, Advanced };

class KesProp {
 public:
  KesProp() = default;
  KesProp(const KesProp&) = delete;
  KesProp& operator=(const KesProp&) = delete;

  // Which kind of group this is.
  virtual PropClass GetClass() const = 0;
  virtual ~KesProp() = default;
  // Writes the fields when the archive is storing, reads them otherwise.
  virtual void Serialize(Archive& ar);
  // Hands every value the group stores itself to `visitor`.
  virtual void VisitFields(FieldVisitor& visitor) = 0;
  // The view class of the page that edits the group (as the editor's page
  // registry knows it), or nullptr for a group without a page.
  virtual const char* GetViewClass() const { return nullptr; }
  // The group's VelkoScript text after `prefix`; `tokenize` writes keywords
  // as their token numbers instead of words.
  virtual std::string GetScript(const std::string& prefix, bool tokenize);
  // The page id, also the help string id of the page.
  virtual int GetPageId() const { return 0; }

  // The label of the group's tree item.
  std::string name;
  // The resource id of the group's tree icon (0: none).
  int icon = 0;

  // Property forms: nothing when the value equals the default, otherwise the
  // keyword, a separator, the value and one blank (and ";" for a statement).
  static std::string FormatBool(const std::string& name, int32_t value, int32_t def,
                                bool statement = false);
  static std::string FormatInt(const std::string& name, int32_t value, int32_t def,
                               bool statement = false);
  static std::string FormatString(const std::string& name, const std::string& value,
                                  const std::string& def, bool statement = false);
  static std::string FormatQuoted(const std::string& name, const std::string& value,
                                  const std::string& def, bool statement = false);
  static std::string FormatColor(const std::string& name, uint32_t value, uint32_t def,
                                 bool statement = false);

  // The same forms appending their text to `out`, so that a generator fills one
  // buffer instead of joining temporary strings.
  static void AddBool(std::string& out, std::string_view name, int32_t value, int32_t def,
                      bool statement = false);
  static void AddInt(std::string& out, std::string_view name, int32_t value, int32_t def,
                     bool statement = false);
  static void AddString(std::string& out, std::string_view name, std::string_view value,
                        std::string_view def, bool statement = false);
  static void AddQuoted(std::string& out, std::string_view name, std::string_view value,
                        std::string_view def, bool statement = false);
  static void AddColor(std::string& out, std::string_view name, uint32_t value, uint32_t def,
                       bool statement = false);
  static void AddBool(std::string& out, PropKey key, int32_t value, int32_t def,
                      bool statement = false);
  static void AddInt(std::string& out, PropKey key, int32_t value, int32_t def,
                     bool statement = false);
  static void AddString(std::string& out, PropKey key, std::string_view value, std::string_view def,
                        bool statement = false);
  static void AddQuoted(std::string& out, PropKey key, std::string_view value, std::string_view def,
                        bool statement = false);
  static void AddColor(std::string& out, PropKey key, uint32_t value, uint32_t def,
                       bool statement = false);

  // The text of a quoted text, read back exactly by the runtime: a line feed
  // becomes "\n", a carriage return is dropped, a double quote becomes "\x22"
  // and a single quote "\'"; a backslash becomes "\x5C" where the next
  // character written after it is n, ', x or u (the reader would take it for
  // an escape), and stays as it is elsewhere. `end` is the character written
  // right after the text: the closing quote unless told.
  static std::string EscapeScript(const std::string& text);
  static void AddEscaped(std::string& out, std::string_view text, char end = '\'');
};

// A group held in place inside the group that owns it, so that a button and
// all its groups take one allocation. Used like the pointer it replaces:
// empty until emplace() creates the group.
template <class T>
class Held {
 public:
  Held() = default;
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  ~Held() { reset(); }

  template <class... Args>
  T& emplace(Args&&... args) {
    reset();
    ptr_ = new (static_cast<void*>(storage_)) T(static_cast<Args&&>(args)...);
    return *ptr_;
  }
  void reset() {
    if (ptr_) ptr_->~T();
    ptr_ = nullptr;
  }
  T* get() const { return ptr_; }
  T* operator->() const { return ptr_; }
  T& operator*() const { return *ptr_; }
  explicit operator bool() const { return ptr_ != nullptr; }

 private:
  alignas(T) unsigned char storage_[sizeof(T)];
  T* ptr_ = nullptr;
};

// "0x" and six upper-case hexadecimal digits, red first.
std::string ColorHex(uint32_t color);
void AppendColorHex(std::string& out, uint32_t color);
