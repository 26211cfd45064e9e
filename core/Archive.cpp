#include "core/Archive.h"

#include "core/Win1252.h"

Archive::Archive() : storing_(true) {}

Archive::Archive(const void* data, std::size_t size)
    : storing_(false), in_(static_cast<const uint8_t*>(data)), size_(size) {}

void Archive::Short() {
  throw ArchiveError("unexpected end of archive");
}

uint8_t Archive::Byte() {
  Need(1);
  return in_[pos_++];
}

uint16_t Archive::Word() {
  Need(2);
  uint16_t v = static_cast<uint16_t>(in_[pos_] | (in_[pos_ + 1] << 8));
  pos_ += 2;
  return v;
}

void Archive::WriteInt(int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) out_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

namespace {
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsAscii(const uint8_t* p, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i)
    if (p[i] >= 0x80) return false;
  return true;
}

// Whether a text goes into the file as its Windows-1252 bytes: every
// character has one, and the bytes do not begin as the UTF-8 mark does (such
// a text would read back as UTF-8).
bool StoredAs1252(std::string_view text) {
  return win1252::Holds(text) && text.substr(0, 6) != "\xC3\xAF\xC2\xBB\xC2\xBF";
}
}  // namespace

void Archive::WriteString(const std::string& text) {
  // A text Windows-1252 holds is stored in its bytes; any other is the UTF-8
  // mark and its UTF-8.
  std::string stored;
  if (!IsAscii(reinterpret_cast<const uint8_t*>(text.data()), text.size()))
    stored = StoredAs1252(text) ? win1252::Encode(text, win1252::Escape::Script)
                                : std::string(kUtf8Mark) + utf8::Valid(text);
  const std::string& value = stored.empty() ? text : stored;
  std::size_t n = value.size();
  if (n < 255) {
    out_.push_back(static_cast<char>(n));
  } else if (n < 65534) {
    out_.push_back(static_cast<char>(0xFF));
    out_.push_back(static_cast<char>(n & 0xFF));
    out_.push_back(static_cast<char>((n >> 8) & 0xFF));
  } else {
    out_.push_back(static_cast<char>(0xFF));
    out_.push_back(static_cast<char>(0xFF));
    out_.push_back(static_cast<char>(0xFF));
    WriteInt(static_cast<int32_t>(static_cast<uint32_t>(n)));
  }
  out_ += value;
}

std::string Archive::ReadString() {
  std::string s;
  ReadStringInto(s);
  return s;
}

void Archive::ReadStringInto(std::string& value) {
  bool wide = false;
  uint32_t n = Byte();
  if (n == 0xFF) {
    n = Word();
    if (n == 0xFFFE) {
      // The wide form: the marker is followed by a length counting 2-byte characters.
      wide = true;
      n = Byte();
      if (n == 0xFF) {
        n = Word();
        if (n == 0xFFFF) n = DWord();
      }
    } else if (n == 0xFFFF) {
      n = DWord();
    }
  }
  if (!wide) {
    Need(n);
    const uint8_t* p = in_ + pos_;
    pos_ += n;
    const std::string_view bytes(reinterpret_cast<const char*>(p), n);
    if (IsAscii(p, n))
      value.assign(bytes);
    else if (bytes.substr(0, kUtf8Mark.size()) == kUtf8Mark)
      value = utf8::Valid(bytes.substr(kUtf8Mark.size()));
    else
      value = codepage::ToUtf8(bytes, codePage_);
    return;
  }
  // Check the byte count without overflowing before anything is allocated.
  if (n > (size_ - pos_) / 2) throw ArchiveError("unexpected end of archive");
  std::u16string w;
  w.reserve(n);
  for (uint32_t i = 0; i < n; ++i) w.push_back(static_cast<char16_t>(Word()));
  value = utf8::FromUtf16(w);
}

void Archive::String(std::string& value) {
  if (storing_)
    WriteString(value);
  else
    ReadStringInto(value);
}
