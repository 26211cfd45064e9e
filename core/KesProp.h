// Base of every property group: the group's name and tree icon, its
// persistence, its page and its VelkoScript text; plus the property forms
// through which every generator writes a property and the script escaper.
#pragma once

#include <cstdint>
#include <string>

class Archive;

// Run-time class of a group (no group class derives from another).
enum class PropClass { None, Project, Button, State, Text, Border, Audio, Image, Advanced };

class KesProp {
 public:
  KesProp() = default;
  KesProp(const KesProp&) = delete;
  KesProp& operator=(const KesProp&) = delete;

  // 1. run-time class
  virtual PropClass GetClass() const = 0;
  // 2. destructor
  virtual ~KesProp() = default;
  // 3. writes the fields when the archive is storing, reads them otherwise
  virtual void Serialize(Archive& ar);
  // 6. the class name of the view that edits the group, or nullptr
  virtual const char* GetViewClass() const { return nullptr; }
  // 7. the group's VelkoScript text
  virtual std::string GetScript(const std::string& prefix, int tokenize);
  // 8. the page id, also the help string id of the page
  virtual int GetPageId() const { return 0; }

  // The label of the group's tree item.
  std::string name;
  // The resource id of the group's tree icon (0: none).
  int icon = 0;

  // Property forms: nothing when the value equals the default, otherwise the
  // keyword, a separator, the value and one blank (and ";" for a statement).
  static std::string FormatBool(const std::string& name, int32_t value, int32_t def,
                                int statement = 0);
  static std::string FormatInt(const std::string& name, int32_t value, int32_t def,
                               int statement = 0);
  static std::string FormatString(const std::string& name, const std::string& value,
                                  const std::string& def, int statement = 0);
  static std::string FormatQuoted(const std::string& name, const std::string& value,
                                  const std::string& def, int statement = 0);
  static std::string FormatColor(const std::string& name, uint32_t value, uint32_t def,
                                 int statement = 0);

  // Line feed becomes "\n", carriage return is dropped, a double quote becomes
  // "\x22" and a single quote "\'".
  static std::string EscapeScript(const std::string& text);
};

// "0x" and six upper-case hexadecimal digits, red first.
std::string ColorHex(uint32_t color);
