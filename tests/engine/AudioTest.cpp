#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>

#include "audio/AuFile.h"
#include "core/os/Os.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;

namespace {

void PutBig(std::string& s, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) s.push_back(static_cast<char>((v >> shift) & 0xFF));
}

// A Sun audio header; `headerSize` counts from the start of the file.
std::string AuHeader(std::uint32_t rate, std::uint32_t headerSize = 24, std::uint32_t encoding = 1,
                     std::uint32_t channels = 1, std::uint32_t magic = 0x2E736E64) {
  std::string s;
  PutBig(s, magic);
  PutBig(s, headerSize);
  PutBig(s, 0xFFFFFFFF);  // data size: unknown
  PutBig(s, encoding);
  PutBig(s, rate);
  PutBig(s, channels);
  return s;
}

// The classic table-free G.711 µ-law decoder, reduced to unsigned 8 bits.
unsigned char ClassicDecode(unsigned char u) {
  int v = ~u & 0xFF;
  int t = ((v & 0x0F) << 3) + 0x84;
  t <<= (v & 0x70) >> 4;
  int pcm16 = (v & 0x80) ? (0x84 - t) : (t - 0x84);
  return static_cast<unsigned char>((pcm16 / 256 + (pcm16 % 256 < 0 ? -1 : 0) + 128) & 0xFF);
}

std::string Little(std::uint32_t v, int n) {
  std::string s;
  for (int i = 0; i < n; ++i) s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
  return s;
}

// The WAVE file an 8000 Hz 8-bit mono PCM player expects for `samples`,
// written out field by field.
std::string ExpectedWave(const std::string& samples) {
  std::string w = "RIFF" + Little(std::uint32_t(samples.size()) + 36, 4) + "WAVEfmt " +
                  Little(16, 4) + Little(1, 2) + Little(1, 2) + Little(8000, 4) + Little(8000, 4) +
                  Little(1, 2) + Little(8, 2) + "data" + Little(std::uint32_t(samples.size()), 4);
  return w + samples;
}

}  // namespace

TEST(AudioCheck, SampleRateAndHeaderFields) {
  TempDir t;
  auto valid = [&](const std::string& bytes) {
    WriteBytes(t / "x.au", bytes);
    return ValidateAudioFile(t / "x.au");
  };
  EXPECT_FALSE(valid(AuHeader(7999) + "abc"));
  EXPECT_TRUE(valid(AuHeader(8000) + "abc"));
  EXPECT_TRUE(valid(AuHeader(8012) + "abc"));
  EXPECT_FALSE(valid(AuHeader(8013) + "abc"));
  EXPECT_FALSE(valid(AuHeader(8000, 23)));
  EXPECT_FALSE(valid(AuHeader(8000, 24, 2)));                 // 8-bit linear
  EXPECT_FALSE(valid(AuHeader(8000, 24, 1, 2)));              // stereo
  EXPECT_FALSE(valid(AuHeader(8000, 24, 1, 1, 0x646E732E)));  // little-endian magic
  EXPECT_FALSE(valid(AuHeader(8000).substr(0, 23)));          // cut inside the channels field
  EXPECT_FALSE(valid(""));
  EXPECT_TRUE(valid(AuHeader(8000)));  // no samples at all
  // An annotation after the fixed fields must be there in full.
  EXPECT_TRUE(valid(AuHeader(8000, 32) + "annotate"));
  EXPECT_FALSE(valid(AuHeader(8000, 40) + "annotate"));
  EXPECT_FALSE(valid(AuHeader(8000, 0xFFFFFFFF) + "short"));
  EXPECT_FALSE(ValidateAudioFile(t / "missing.au"));
  EXPECT_FALSE(ValidateAudioFile(t.dir()));
}

TEST(AudioCheck, PathResolution) {
  EXPECT_EQ(ResolveAudioPath("/snd/a.au", "/opt/vb/"), "/snd/a.au");
  EXPECT_EQ(ResolveAudioPath("\\snd\\a.au", "/opt/vb/"), "\\snd\\a.au");
  EXPECT_EQ(ResolveAudioPath("c:a.au", "/opt/vb/"), "c:a.au");
  // A relative name is below the folder, in the system's own form.
  const std::string prog = os::kSeparator == '/' ? "/opt/vb/" : "C:\\opt\\vb\\";
  EXPECT_EQ(ResolveAudioPath("a.au", prog), prog + "a.au");
  EXPECT_EQ(ResolveAudioPath("sounds/../b.au", prog), prog + "b.au");
  EXPECT_EQ(ResolveAudioPath("", "/opt/vb/"), "");
}

TEST(AudioConversion, MuLawExpansion) {
  EXPECT_EQ(au::MuLawToPcm8(0x00), 0x02);
  EXPECT_EQ(au::MuLawToPcm8(0x80), 0xFD);
  EXPECT_EQ(au::MuLawToPcm8(0xFF), 0x80);
  EXPECT_EQ(au::MuLawToPcm8(0x7F), 0x80);
  for (int u = 0; u < 256; ++u)
    EXPECT_EQ(au::MuLawToPcm8(static_cast<unsigned char>(u)),
              ClassicDecode(static_cast<unsigned char>(u)))
        << u;
}

TEST(AudioConversion, WaveFileMatchesAnIndependentDecoder) {
  TempDir t;
  // Several lengths around the 512-byte passes, an annotation, a rate that is
  // accepted but written as 8000.
  for (std::size_t n : {0u, 1u, 511u, 512u, 513u, 5000u}) {
    const std::string samples = Noise(n, static_cast<unsigned>(n) + 7);
    WriteBytes(t / "in.au", AuHeader(8012, 28) + "note" + samples);
    ASSERT_TRUE(au::ConvertFile(t / "in.au", t / "out.wav")) << n;
    std::string expected;
    for (char c : samples) expected.push_back(static_cast<char>(ClassicDecode(c)));
    EXPECT_EQ(ReadBytes(t / "out.wav"), ExpectedWave(expected)) << n;
  }
}

TEST(AudioConversion, HeaderOnlyGivesAnEmptyWave) {
  TempDir t;
  WriteBytes(t / "in.au", AuHeader(8000, 24));
  ASSERT_TRUE(au::ConvertFile(t / "in.au", t / "out.wav"));
  const std::string wave = ReadBytes(t / "out.wav");
  ASSERT_EQ(wave.size(), 44u);
  EXPECT_EQ(wave, std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1F\0\0\x40\x1F\0\0"
                              "\x01\0\x08\0data\0\0\0\0",
                              44));
}

TEST(AudioConversion, TemporaryWaveFiles) {
  TempDir t;
  WriteBytes(t / "in.au", AuHeader(8000) + std::string("\x00\x80\xFF", 3));
  std::string wave;
  ASSERT_TRUE(ConvertToWave(t / "in.au", wave));
  EXPECT_EQ(wave.substr(wave.size() - 5), ".wav;");
  EXPECT_EQ(ReadBytes(wave), ExpectedWave("\x02\xFD\x80"));
  const std::string first = wave;

  // The next conversion deletes the previous file and uses a new name.
  ASSERT_TRUE(ConvertToWave(t / "in.au", wave));
  EXPECT_NE(wave, first);
  EXPECT_FALSE(fs::exists(first));

  // A file that is not Sun audio leaves nothing behind.
  const std::string second = wave;
  WriteBytes(t / "bad.au", AuHeader(11025) + "xx");
  EXPECT_FALSE(ConvertToWave(t / "bad.au", wave));
  EXPECT_TRUE(wave.empty());
  EXPECT_FALSE(fs::exists(second));
  EXPECT_FALSE(au::ConvertFile(t / "bad.au", t / "out.wav"));
  EXPECT_FALSE(fs::exists(t / "out.wav"));
}
