// Byte archive of the project file and of a group's clipboard data: 4-byte
// little-endian integers and colours, strings with a 1-, 3- or 7-byte length
// prefix and no terminator. The same calls write when storing and read when
// loading, so each group lists its fields once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

#include "core/CodePages.h"

// Thrown when the bytes end early or do not match the layout.
class ArchiveError : public std::runtime_error {
 public:
  explicit ArchiveError(const char* what) : std::runtime_error(what) {}
};

class Archive {
 public:
  // An archive that writes into its own buffer.
  Archive();
  // An archive that reads `size` bytes at `data`; the bytes must outlive it.
  Archive(const void* data, std::size_t size);

  bool IsStoring() const { return storing_; }
  // The code page of the 8-bit strings read (Windows-1252 unless set); a
  // string marked as UTF-8 is UTF-8 whatever it is.
  void SetCodePage(CodePage page) { codePage_ = page; }

  // Transfers one value in the archive's direction.
  void Int(int32_t& value) {
    if (storing_)
      WriteInt(value);
    else
      value = ReadInt();
  }
  void Color(uint32_t& value) {
    if (storing_)
      WriteInt(static_cast<int32_t>(value));
    else
      value = static_cast<uint32_t>(ReadInt());
  }
  void String(std::string& value);

  // Writing only.
  void WriteInt(int32_t value);
  void WriteString(const std::string& value);
  const std::string& Bytes() const { return out_; }
  std::string TakeBytes() { return std::move(out_); }

  // Reading only.
  int32_t ReadInt() { return static_cast<int32_t>(DWord()); }
  std::string ReadString();
  // Reads into `value`, reusing its storage.
  void ReadStringInto(std::string& value);
  bool AtEnd() const { return pos_ == size_; }

 private:
  uint8_t Byte();
  uint16_t Word();
  // Read on every integer of a project: kept here so that it is inlined.
  uint32_t DWord() {
    Need(4);
    const uint8_t* p = in_ + pos_;
    pos_ += 4;
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
  }
  void Need(std::size_t n) const {
    if (n > size_ - pos_) Short();
  }
  [[noreturn]] static void Short();

  bool storing_;
  CodePage codePage_ = CodePage::kWestern;
  std::string out_;
  const uint8_t* in_ = nullptr;
  std::size_t size_ = 0;
  std::size_t pos_ = 0;
};
