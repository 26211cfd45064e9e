#include "audio/AuFile.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <random>
#include <system_error>

#include "core/OsPath.h"
#include "core/SafeFile.h"

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t kMagic = 0x2E736E64;  // ".snd"

// Segment bases of the µ-law expansion.
constexpr std::int32_t kSegmentBase[8] = {0, 132, 396, 924, 1980, 4092, 8316, 16764};

constexpr unsigned char Expand(unsigned char u) {
  const unsigned v = static_cast<unsigned char>(~u);
  const unsigned e = (v >> 4) & 7u;
  const std::int32_t m = static_cast<std::int32_t>(v & 0x0Fu);
  std::int32_t s = kSegmentBase[e] + (m << (e + 3));
  if (v & 0x80u) s = -s;
  return static_cast<unsigned char>(((static_cast<std::uint16_t>(s) >> 8) & 0xFFu) ^ 0x80u);
}

constexpr std::array<unsigned char, 256> MakeTable() {
  std::array<unsigned char, 256> t{};
  for (unsigned i = 0; i < 256; ++i) t[i] = Expand(static_cast<unsigned char>(i));
  return t;
}

constexpr std::array<unsigned char, 256> kPcm8 = MakeTable();

bool ReadBigEndian(std::FILE* in, std::uint32_t& value) {
  unsigned char b[4];
  if (std::fread(b, 1, 4, in) != 4) return false;
  value = (std::uint32_t{b[0]} << 24) | (std::uint32_t{b[1]} << 16) | (std::uint32_t{b[2]} << 8) |
          std::uint32_t{b[3]};
  return true;
}

void PutLittle(std::string& out, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFFu));
}

void RemoveQuietly(const std::string& path) {
  std::error_code ec;
  fs::remove(FsPath(path), ec);
}

// Opens and checks the input, then writes the output whole through the
// whole-file writer: an old file at `waveFile` stays unless the conversion
// completes, and no partial file is left.
bool Convert(const std::string& auFile, const std::string& waveFile, safefile::WriteError* error) {
  if (error) *error = safefile::WriteError{};
  std::FILE* in = safefile::OpenForReading(auFile);
  if (!in) return false;
  if (!au::CheckHeader(in)) {
    std::fclose(in);
    return false;
  }
  const bool ok = safefile::Write(
      waveFile, [in](std::FILE* out) { return au::WriteWave(in, out); }, {auFile}, error);
  std::fclose(in);
  return ok;
}

}  // namespace

namespace au {

unsigned char MuLawToPcm8(unsigned char u) {
  return kPcm8[u];
}

// The header into `info`; with `count`, the samples after it too.
bool ReadHeaderCounting(std::FILE* in, AuInfo& info, bool count);

bool CheckHeader(std::FILE* in) {
  AuInfo ignored;
  return ReadHeaderCounting(in, ignored, false);
}

bool ReadHeader(std::FILE* in, AuInfo& info) {
  return ReadHeaderCounting(in, info, true);
}

std::string DescribeAudio(const AuInfo& info) {
  const std::uint64_t rate = info.rate ? info.rate : 1;
  const std::uint64_t centis = (info.samples * 100 + rate / 2) / rate;
  std::string hundredths = std::to_string(centis % 100);
  if (hundredths.size() < 2) hundredths.insert(0, "0");
  return std::to_string(info.rate) + " Hz, " + std::to_string(info.channels) +
         (info.channels == 1 ? " channel" : " channels") + ", 8-bit mu-law, " +
         std::to_string(centis / 100) + "." + hundredths + " s (" + std::to_string(info.samples) +
         " samples)";
}

bool ReadHeaderCounting(std::FILE* in, AuInfo& info, bool count) {
  std::uint32_t magic = 0, headerSize = 0, dataSize = 0, encoding = 0, rate = 0, channels = 0;
  if (!ReadBigEndian(in, magic) || magic != kMagic) return false;
  if (!ReadBigEndian(in, headerSize) || headerSize < 24) return false;
  if (!ReadBigEndian(in, dataSize)) return false;  // not checked
  if (!ReadBigEndian(in, encoding) || encoding != 1) return false;
  if (!ReadBigEndian(in, rate) || rate < 8000 || rate > 8012) return false;
  if (!ReadBigEndian(in, channels) || channels != 1) return false;
  // The rest of the header (an annotation) must be there in full.
  std::uint64_t rest = headerSize - 24u;
  char skip[512];
  while (rest > 0) {
    std::size_t want = rest < sizeof skip ? static_cast<std::size_t>(rest) : sizeof skip;
    std::size_t got = std::fread(skip, 1, want, in);
    if (got != want) return false;
    rest -= got;
  }
  info.rate = rate;
  info.channels = channels;
  info.encoding = encoding;
  info.samples = 0;
  if (count) {
    char block[4096];
    for (std::size_t got; (got = std::fread(block, 1, sizeof block, in)) > 0;) info.samples += got;
  }
  return true;
}

std::string WaveHeader(std::uint32_t dataLength) {
  std::string h;
  h.reserve(kWaveHeaderSize);
  h += "RIFF";
  PutLittle(h, dataLength + 36u, 4);
  h += "WAVE";
  h += "fmt ";
  PutLittle(h, 16, 4);
  PutLittle(h, 1, 2);     // PCM
  PutLittle(h, 1, 2);     // channels
  PutLittle(h, 8000, 4);  // sample rate
  PutLittle(h, 8000, 4);  // bytes per second
  PutLittle(h, 1, 2);     // block align
  PutLittle(h, 8, 2);     // bits per sample
  h += "data";
  PutLittle(h, dataLength, 4);
  return h;
}

bool WriteWave(std::FILE* in, std::FILE* out) {
  std::string header = WaveHeader(0);
  if (std::fwrite(header.data(), 1, header.size(), out) != header.size()) return false;
  // The WAVE length fields hold 32 bits, and the RIFF one 36 more.
  constexpr std::uint64_t kMaxData = 0xFFFFFFFFull - 36u;
  std::uint64_t count = 0;
  unsigned char buffer[kPassSize];
  for (;;) {
    std::size_t got = std::fread(buffer, 1, kPassSize, in);
    if (got == 0) break;
    for (std::size_t i = 0; i < got; ++i) buffer[i] = kPcm8[buffer[i]];
    if (std::fwrite(buffer, 1, got, out) != got) return false;
    count += got;
    if (count > kMaxData) return false;
  }
  if (std::ferror(in)) return false;
  header = WaveHeader(static_cast<std::uint32_t>(count));
  if (std::fflush(out) != 0 || std::fseek(out, 0, SEEK_SET) != 0) return false;
  if (std::fwrite(header.data(), 1, header.size(), out) != header.size()) return false;
  return std::fflush(out) == 0;
}

bool ConvertFile(const std::string& auFile, const std::string& waveFile,
                 safefile::WriteError* error) {
  return Convert(auFile, waveFile, error);
}

std::string TempWaveName() {
  std::error_code ec;
  fs::path dir = fs::temp_directory_path(ec);
  if (ec || dir.empty()) dir = ".";
  std::random_device rd;
  std::mt19937_64 gen((static_cast<std::uint64_t>(rd()) << 32) ^ rd());
  static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string name;
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = kTempPrefix;
    for (int i = 0; i < 8; ++i) name += kDigits[gen() % 36];
    fs::path p = dir / name;
    if (!fs::exists(p, ec) && !fs::exists(FsPath(EnginePath(p) + ".wav;"), ec))
      return EnginePath(p) + ".wav;";
  }
  return EnginePath(dir / name) + ".wav;";
}

}  // namespace au

bool ValidateAudioFile(const std::string& path) {
  std::FILE* in = safefile::OpenForReading(path);
  if (!in) return false;
  bool ok = au::CheckHeader(in);
  std::fclose(in);
  return ok;
}

std::string ResolveAudioPath(const std::string& file, const std::string& programDir) {
  if (file.empty()) return file;
  // The state stores the name as text; the result is the file it reaches.
  if (file.size() >= 2 && (file[0] == '/' || file[0] == '\\' || file[1] == ':'))
    return OsFromStored(file);
  std::error_code ec;
  fs::path p = FsPath(programDir) / FsPath(OsFromStored(file));
  fs::path full = fs::absolute(p, ec);
  if (ec) full = p;
  return EnginePath(full.lexically_normal());
}

bool ConvertToWave(const std::string& auFile, std::string& waveFile) {
  if (!waveFile.empty()) {
    RemoveQuietly(waveFile);
    waveFile.clear();
  }
  const std::string name = au::TempWaveName();
  if (!Convert(auFile, name, nullptr)) return false;
  waveFile = name;
  return true;
}
