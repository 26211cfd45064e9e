#include "core/Win1252.h"

namespace {
// Code points of the bytes 0x80 to 0x9F; the five undefined bytes keep their value.
const char32_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
constexpr char32_t kReplacement = 0xFFFD;
constexpr char kHexDigits[] = "0123456789ABCDEF";

// Whether Windows-1252 has a byte for `cp`, and which.
bool ByteOf(char32_t cp, char& byte) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
    byte = static_cast<char>(cp);
    return true;
  }
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == cp) {
      byte = static_cast<char>(0x80 + i);
      return true;
    }
  return false;
}

// Upper-case hexadecimal without leading zeros.
void AppendHex(std::string& out, char32_t cp) {
  char digits[8];
  int n = 0;
  do {
    digits[n++] = kHexDigits[cp & 0xF];
    cp >>= 4;
  } while (cp != 0);
  while (n > 0) out.push_back(digits[--n]);
}

void AppendEscaped(std::string& out, char32_t cp, win1252::Escape escape) {
  switch (escape) {
    case win1252::Escape::Script:
      out += "\\u{";
      AppendHex(out, cp);
      out.push_back('}');
      break;
    case win1252::Escape::Html:
      out += "&#x";
      AppendHex(out, cp);
      out.push_back(';');
      break;
    case win1252::Escape::Css:
      out.push_back('\\');
      AppendHex(out, cp);
      out.push_back(' ');
      break;
    case win1252::Escape::Url: {
      std::string bytes;
      utf8::Append(bytes, cp);
      for (unsigned char b : bytes) {
        out.push_back('%');
        out.push_back(kHexDigits[b >> 4]);
        out.push_back(kHexDigits[b & 0xF]);
      }
      break;
    }
  }
}
}  // namespace

namespace win1252 {

char32_t ToUnicode(unsigned char c) {
  if (c >= 0x80 && c <= 0x9F) return kHigh[c - 0x80];
  return c;
}

char FromUnicode(char32_t cp) {
  char byte = '?';
  ByteOf(cp, byte);
  return byte;
}

bool HasByte(char32_t cp) {
  char byte;
  return ByteOf(cp, byte);
}

std::string ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (unsigned char c : text) utf8::Append(out, ToUnicode(c));
  return out;
}

std::string FromUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) out.push_back(FromUnicode(utf8::Next(text, i)));
  return out;
}

void AppendEncoded(std::string& out, std::string_view text, Escape escape) {
  std::size_t from = 0;
  for (std::size_t i = 0; i < text.size();) {
    // Plain ASCII is copied in runs.
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
      continue;
    }
    out.append(text.data() + from, i - from);
    const char32_t cp = utf8::Next(text, i);
    char byte;
    if (ByteOf(cp, byte))
      out.push_back(byte);
    else
      AppendEscaped(out, cp, escape);
    from = i;
  }
  out.append(text.data() + from, text.size() - from);
}

std::string Encode(std::string_view text, Escape escape) {
  std::string out;
  out.reserve(text.size());
  AppendEncoded(out, text, escape);
  return out;
}

bool Holds(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      ++i;
      continue;
    }
    // An invalid sequence reads as U+FFFD, which has no byte either.
    if (!HasByte(utf8::Next(text, i))) return false;
  }
  return true;
}

}  // namespace win1252

namespace utf8 {

namespace {
// How a well-formed sequence led by `c` goes on (no overlong forms, no
// surrogates, nothing beyond U+10FFFF); `need` 0: `c` leads none.
struct Lead {
  std::size_t need = 0;
  char32_t bits = 0;
  unsigned char lo = 0x80, hi = 0xBF;  // the second byte's range
};

Lead LeadOf(unsigned char c) {
  Lead l;
  if (c >= 0xC2 && c <= 0xDF) {
    l.need = 1;
    l.bits = c & 0x1F;
  } else if (c >= 0xE0 && c <= 0xEF) {
    l.need = 2;
    l.bits = c & 0x0F;
    if (c == 0xE0) l.lo = 0xA0;
    if (c == 0xED) l.hi = 0x9F;
  } else if (c >= 0xF0 && c <= 0xF4) {
    l.need = 3;
    l.bits = c & 0x07;
    if (c == 0xF0) l.lo = 0x90;
    if (c == 0xF4) l.hi = 0x8F;
  }
  return l;
}

// How many of the bytes after the lead (at most `l.need`) are fitting
// continuation bytes.
std::size_t Fitting(const Lead& l, std::string_view s) {
  std::size_t k = 1;
  for (; k <= l.need && k < s.size(); ++k) {
    const unsigned char b = static_cast<unsigned char>(s[k]);
    if (b < (k == 1 ? l.lo : 0x80) || b > (k == 1 ? l.hi : 0xBF)) break;
  }
  return k - 1;
}
}  // namespace

char32_t Next(std::string_view s, std::size_t& i) {
  const unsigned char c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) {
    ++i;
    return c;
  }
  const Lead l = LeadOf(c);
  if (l.need == 0 || Fitting(l, s.substr(i)) < l.need) {
    ++i;
    return kReplacement;
  }
  char32_t cp = l.bits;
  for (std::size_t k = 1; k <= l.need; ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
  i += l.need + 1;
  return cp;
}

bool CutShort(std::string_view s) {
  if (s.empty()) return false;
  const Lead l = LeadOf(static_cast<unsigned char>(s[0]));
  const std::size_t fitting = Fitting(l, s);
  return l.need > 0 && fitting < l.need && fitting == s.size() - 1;
}

void Append(std::string& out, char32_t cp) {
  if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

bool IsValid(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    if (static_cast<unsigned char>(s[i]) < 0x80) {
      ++i;
      continue;
    }
    const std::size_t at = i;
    if (Next(s, i) == kReplacement && i - at != 3) return false;
  }
  return true;
}

std::string Valid(std::string_view s) {
  if (IsValid(s)) return std::string(s);
  std::string out;
  out.reserve(s.size() + 8);
  for (std::size_t i = 0; i < s.size();) Append(out, Next(s, i));
  return out;
}

std::size_t Length(std::string_view s) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < s.size(); ++n) Next(s, i);
  return n;
}

std::string_view Prefix(std::string_view s, std::size_t count) {
  std::size_t i = 0;
  for (std::size_t n = 0; n < count && i < s.size(); ++n) Next(s, i);
  return s.substr(0, i);
}

std::string FromUtf16(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    }
    Append(out, c);  // a lone surrogate becomes U+FFFD
  }
  return out;
}

std::u16string ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    char32_t cp = Next(text, i);
    if (cp < 0x10000) {
      out.push_back(static_cast<char16_t>(cp));
    } else {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    }
  }
  return out;
}

}  // namespace utf8
