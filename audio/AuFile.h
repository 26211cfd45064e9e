// Sun audio files: the format check the applet needs (8000 Hz mono µ-law),
// the resolution of a state's audio path, and the conversion to an 8-bit PCM
// WAVE file for test playback.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "core/SafeFile.h"

namespace au {
// Size of the WAVE header written by the conversion.
inline constexpr std::size_t kWaveHeaderSize = 44;
// Input bytes converted per pass.
inline constexpr std::size_t kPassSize = 512;
// Prefix of the temporary WAVE files.
inline constexpr const char* kTempPrefix = "vbw";

// One µ-law sample as unsigned 8-bit PCM: the G.711 expansion to 16 bits,
// then its high byte with the sign bit flipped (0x00 -> 0x02, 0x80 -> 0xFD,
// 0x7F and 0xFF -> 0x80).
unsigned char MuLawToPcm8(unsigned char u);

// Checks the header of an open Sun audio file: magic ".snd", header size at
// least 24, encoding 1, sample rate 8000 to 8012, one channel, and the rest of
// the header present in full. On success the read position is at the first
// sample.
bool CheckHeader(std::FILE* in);

// What a good file's header says, and how long it plays.
struct AuInfo {
  std::uint32_t rate = 0;
  std::uint32_t channels = 0;
  std::uint32_t encoding = 0;  // 1: 8-bit mu-law
  std::uint64_t samples = 0;   // the bytes after the header, one sample each
};
// CheckHeader that also fills `info`; the samples are counted to the end.
bool ReadHeader(std::FILE* in, AuInfo& info);
// "8000 Hz, 1 channel, 8-bit mu-law, 1.25 s (10000 samples)".
std::string DescribeAudio(const AuInfo& info);

// The 44-byte header of an 8000 Hz, 8-bit, mono PCM WAVE file whose sample
// data is `dataLength` bytes long.
std::string WaveHeader(std::uint32_t dataLength);

// Converts the samples of the open input (positioned after its header) to the
// open output: the WAVE header, then every byte to the end of the input, then
// the header again with the counted length. False on a read or write error.
bool WriteWave(std::FILE* in, std::FILE* out);

// Converts `auFile` into the file `waveFile`, which is replaced only by a
// complete conversion (see core/SafeFile.h). False, with any old `waveFile`
// unchanged and no partial file left, when the input is missing, not a
// regular file or not in the right format (`error` then says None), or when
// the output is refused or cannot be written (`error` says why).
bool ConvertFile(const std::string& auFile, const std::string& waveFile,
                 safefile::WriteError* error = nullptr);

// A new unique name for a temporary WAVE file in the temporary directory
// ("." when none can be found), ending in ".wav;".
std::string TempWaveName();
}  // namespace au

// Whether `path` is a Sun audio file the applet can play.
bool ValidateAudioFile(const std::string& path);

// The file a state's audio path names: a path of at least two characters that
// starts with '/' or '\' or has ':' second is taken as it is; any other
// non-empty path is relative to `programDir` and made a full path. `file` is
// the text the state stores; the result is the operating system's file name.
std::string ResolveAudioPath(const std::string& file, const std::string& programDir);

// Converts `auFile` for test playback into a new temporary WAVE file: deletes
// the previous one named by `waveFile` first, then stores the new name there.
// False when the input cannot be read or is not in the right format, or when
// the temporary file cannot be written; `waveFile` is empty then.
bool ConvertToWave(const std::string& auFile, std::string& waveFile);
