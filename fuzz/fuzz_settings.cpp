// libFuzzer target for the settings store's file form: any bytes read as a
// settings file, are written back and read again without crashing or
// hanging, and every key read is found.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/IniSettings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const ini::Document doc = ini::Document::Parse(bytes);
  const std::string written = doc.Serialize();
  const ini::Document again = ini::Document::Parse(written);
  for (const std::u16string& key : again.Keys())
    if (!again.Find(key)) std::abort();
  for (const std::u16string& key : doc.Keys())
    if (!doc.Find(key)) std::abort();
  return 0;
}
