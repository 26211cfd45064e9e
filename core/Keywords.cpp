#include "core/Keywords.h"

#include <cctype>
#include <cstring>

namespace {
struct Pair {
  const char* word;
  const char* token;
};

// The keyword table, in its fixed order.
constexpr Pair kTable[] = {
    // commands
    {"Internet", "1"},
    {"Timer", "2"},
    {"Call", "3"},
    {"Audio", "4"},
    {"Output", "5"},
    {"Cursor", "6"},
    {"Set", "7"},
    {"Script", "8"},
    {"Read", "9"},
    {"Pause", "10"},
    {"Add", "11"},
    {"Sub", "12"},
    // output targets
    {"Status", "0"},
    {"Console", "1"},
    // yes/no
    {"Yes", "1"},
    {"No", "0"},
    {"True", "1"},
    {"False", "0"},
    // audio modes
    {"Play", "0"},
    {"Loop", "1"},
    {"Stop", "2"},
    // cursors
    {"CrosshairCursor", "1"},
    {"DefaultCursor", "0"},
    {"E_ResizeCursor", "11"},
    {"HandCursor", "12"},
    {"MoveCursor", "13"},
    {"N_ResizeCursor", "8"},
    {"NE_ResizeCursor", "7"},
    {"NW_ResizeCursor", "6"},
    {"S_ResizeCursor", "9"},
    {"SE_ResizeCursor", "5"},
    {"SW_ResizeCursor", "4"},
    {"TextCursor", "2"},
    {"W_Resize", "10"},
    {"WaitCursor", "3"},
    // script languages
    {"VelkoScript", "0"},
    {"JavaScript", "1"},
    // objects and object commands
    {"Button", "100"},
    {"PropSet", "101"},
    {"PropGet", "102"},
    {"Animate", "103"},
    {"StateSet", "104"},
    // properties
    {"State", "0"},
    {"Name", "1"},
    {"Mode", "2"},
    {"X", "3"},
    {"Y", "4"},
    {"Width", "5"},
    {"Height", "6"},
    {"Show", "7"},
    {"Drag", "8"},
    {"Color", "9"},
    {"Style", "10"},
    {"Text", "11"},
    {"TextColor", "12"},
    {"TextSize", "13"},
    {"TextStyle", "14"},
    {"TextAlignX", "15"},
    {"TextAlignY", "16"},
    {"TextOffsetX", "17"},
    {"TextOffsetY", "18"},
    {"TextFont", "19"},
    {"Image", "20"},
    {"ImageStyle", "21"},
    {"ImageAlignX", "22"},
    {"ImageAlignY", "23"},
    {"ImageOffsetX", "24"},
    {"ImageOffsetY", "25"},
    {"BorderStyle", "26"},
    {"BorderSmooth", "27"},
    {"BorderTop", "28"},
    {"BorderMid", "29"},
    {"BorderBot", "30"},
    {"BorderThick", "31"},
    {"FrameThick", "32"},
    {"FrameColor", "33"},
    {"Event", "34"},
    {"Tip", "35"},
    // states
    {"Up", "200"},
    {"Over", "201"},
    {"Down", "202"},
    {"All", "203"},
    // alignment
    {"Top", "0"},
    {"Center", "1"},
    {"Bottom", "2"},
    {"Left", "0"},
    {"Right", "2"},
    // background
    {"Solid", "0"},
    {"Transparent", "1"},
    // image style
    {"Normal", "0"},
    {"Tile", "1"},
    {"Scale", "2"},
    // border style
    {"None", "0"},
    {"Flat", "1"},
    {"Bevel", "2"},
    {"Point", "3"},
    {"Raised", "4"},
    // button modes
    {"Push", "0"},
    {"Check", "1"},
    {"Radio", "2"},
};
static_assert(sizeof(kTable) / sizeof(kTable[0]) == 100, "the keyword table has 100 pairs");

constexpr char Upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The table's positions in an open-addressed hash table made at compile
// time: a lookup compares one word, rarely two, and knows the lengths
// without counting them. A word that appears twice in the table is found at
// its first place, because both places share their probe sequence and the
// first was filled first.
constexpr std::size_t kTableSize = sizeof(kTable) / sizeof(kTable[0]);
constexpr std::size_t kSlots = 256;  // a power of two, well above kTableSize
struct Slot {
  bool used = false;
  unsigned char pos = 0;
  unsigned char wordLength = 0;
  unsigned char tokenLength = 0;
};
struct Slots {
  Slot slot[kSlots];
};

constexpr std::size_t Length(const char* s) {
  std::size_t n = 0;
  while (s[n] != '\0') ++n;
  return n;
}

// Case-blind: the length and three letters.
constexpr std::size_t Hash(const char* s, std::size_t n) {
  return (n * 31 + static_cast<unsigned char>(Upper(s[0])) * 7 +
          static_cast<unsigned char>(Upper(s[n - 1])) * 13 +
          static_cast<unsigned char>(Upper(s[n / 2]))) &
         (kSlots - 1);
}

constexpr Slots MakeSlots() {
  Slots t{};
  for (std::size_t i = 0; i < kTableSize; ++i) {
    const std::size_t n = Length(kTable[i].word);
    std::size_t h = Hash(kTable[i].word, n);
    while (t.slot[h].used) h = (h + 1) & (kSlots - 1);
    t.slot[h].used = true;
    t.slot[h].pos = static_cast<unsigned char>(i);
    t.slot[h].wordLength = static_cast<unsigned char>(n);
    t.slot[h].tokenLength = static_cast<unsigned char>(Length(kTable[i].token));
  }
  return t;
}
constexpr Slots kSlotTable = MakeSlots();

// Every table word is plain ASCII, so ASCII case folding decides equality
// (the lengths are equal already).
bool EqualNoCase(std::string_view a, const char* b) {
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Upper(a[i]) != Upper(b[i])) return false;
  return true;
}
}  // namespace

std::string_view TokView(std::string_view word, bool tokenize) {
  if (tokenize == 0 || word.empty()) return word;
  for (std::size_t h = Hash(word.data(), word.size());; h = (h + 1) & (kSlots - 1)) {
    const Slot& slot = kSlotTable.slot[h];
    if (!slot.used) return word;
    if (slot.wordLength != word.size()) continue;
    const Pair& p = kTable[slot.pos];
    if (EqualNoCase(word, p.word)) return std::string_view(p.token, slot.tokenLength);
  }
}

std::string Tok(const std::string& word, bool tokenize) {
  return std::string(TokView(word, tokenize));
}

void AppendDecimal(std::string& out, int64_t value) {
  char buf[24];
  char* end = buf + sizeof buf;
  char* p = end;
  // Digits of the magnitude, taken without overflow for the most negative value.
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--p = '-';
  out.append(p, static_cast<std::size_t>(end - p));
}

std::string ReplaceChars(const std::string& text, const std::string& set, char replacement) {
  std::string out;
  out.reserve(text.size());
  AppendReplacingChars(out, text, set, replacement);
  return out;
}

void AppendReplacingChars(std::string& out, std::string_view text, std::string_view set,
                          char replacement) {
  const std::size_t start = out.size();
  out += text;
  for (std::size_t i = start; i < out.size(); ++i)
    if (set.find(out[i]) != std::string_view::npos) out[i] = replacement;
}

bool IsAddress(const std::string& path, const std::string& driveRoot) {
  std::string prefix;
  std::size_t p = path.find(":\\");
  if (p != std::string::npos) {
    prefix = path.substr(0, p + 2);
  } else {
    p = path.find(':');
    if (p != std::string::npos) prefix = path.substr(0, p + 1);
  }
  if (prefix.empty()) return false;
  if (!driveRoot.empty() && prefix == driveRoot) return false;
  return path.find("://") != std::string::npos;
}

std::string FileNameOf(const std::string& path) {
  std::size_t start = 0;
  if (path.size() >= 2 && path[1] == ':') start = 2;
  std::size_t slash = path.find_last_of("/\\");
  if (slash != std::string::npos && slash + 1 > start) start = slash + 1;
  return path.substr(start);
}

bool IsFontFile(const std::string& font) {
  std::string lower;
  for (char c : font) lower.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c));
  for (const char* ext : {".woff2", ".woff", ".ttf", ".otf"}) {
    const std::string e = ext;
    if (lower.size() > e.size() && lower.compare(lower.size() - e.size(), e.size(), e) == 0)
      return true;
  }
  return false;
}

bool IsAbsolutePath(const std::string& path) {
  if (path.empty()) return false;
  if (path[0] == '/' || path[0] == '\\') return true;
  return path.size() >= 2 && path[1] == ':';
}
