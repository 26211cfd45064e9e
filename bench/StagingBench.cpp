// Copying and converting the files a page needs: the block copy, the staging
// pass of a preview whose files are all up to date, and the WAVE conversion.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "audio/AuFile.h"
#include "core/Platform.h"
#include "output/Staging.h"

namespace fs = std::filesystem;

namespace {

struct Scratch {
  fs::path dir;
  Scratch() {
    std::random_device rd;
    dir = fs::temp_directory_path() / ("vbbench-" + std::to_string(rd()));
    fs::create_directories(dir);
  }
  ~Scratch() {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }
  std::string operator/(const std::string& name) const { return (dir / name).string(); }
};

void Write(const std::string& path, std::size_t n, bool auHeader = false) {
  std::mt19937 gen(7);
  std::string s(n, '\0');
  for (auto& c : s) c = static_cast<char>(gen() & 0xFF);
  if (auHeader) {
    const unsigned char h[24] = {0x2E, 0x73, 0x6E, 0x64, 0, 0, 0,    24,   0xFF, 0xFF, 0xFF, 0xFF,
                                 0,    0,    0,    1,    0, 0, 0x1F, 0x40, 0,    0,    0,    1};
    s.replace(0, 24, reinterpret_cast<const char*>(h), 24);
  }
  std::ofstream(path, std::ios::binary).write(s.data(), std::streamsize(s.size()));
}

// Answers every question with its last button; never shows anything.
class SilentPlatform : public Platform {
 public:
  int MessageBox(const std::string&, MsgButtons, MsgIcon) override { return IdCancel; }
  bool FileDialog(bool, const std::string&, std::string&, const std::string&, unsigned) override {
    return false;
  }
  bool BrowseForFolder(const std::string&, std::string&, const std::string&) override {
    return false;
  }
  bool SetClipboardText(const std::string&) override { return false; }
  bool ClipboardHasText() override { return false; }
  bool SetClipboardData(const std::string&, const std::string&) override { return false; }
  bool GetClipboardData(const std::string&, std::string&) override { return false; }
  bool ClipboardHasData(const std::string&) override { return false; }
  bool StartProcess(const std::string&, const std::vector<std::string>&) override { return false; }
  bool OpenWithShell(const std::string&) override { return false; }
  void UnsetEnvironment(const std::string&) override {}
  std::string GetProfileString(const std::string&, const std::string&,
                               const std::string& d) override {
    return d;
  }
  int GetProfileInt(const std::string&, const std::string&, int d) override { return d; }
  void WriteProfileString(const std::string&, const std::string&, const std::string&) override {}
  void WriteProfileInt(const std::string&, const std::string&, int) override {}
  std::string ProgramDir() override { return "/"; }
  std::string PreviewDir() override { return "/"; }
  void BeginWaitCursor() override {}
  void EndWaitCursor() override {}
};

void BM_BlockCopy(benchmark::State& state) {
  Scratch s;
  const std::size_t n = static_cast<std::size_t>(state.range(0));
  Write(s / "src.bin", n);
  for (auto _ : state) {
    fs::remove(s / "dst.bin");
    benchmark::DoNotOptimize(fileops::BlockCopy(s / "src.bin", s / "dst.bin"));
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(n));
}
BENCHMARK(BM_BlockCopy)->Arg(64 << 10)->Arg(4 << 20);

// A second preview of a project with 40 files: every copy is up to date.
void BM_StageUpToDate(benchmark::State& state) {
  Scratch s;
  std::vector<std::string> files;
  for (int i = 0; i < 40; ++i) {
    files.push_back(s / ("src/f" + std::to_string(i) + ".gif"));
    fs::create_directories(s / "src");
    Write(files.back(), 2000);
    fs::last_write_time(files.back(), fs::file_time_type::clock::now() - std::chrono::hours(1));
  }
  SilentPlatform p;
  const std::string out = s / "out/";
  StageFiles(p, files, out);
  for (auto _ : state) benchmark::DoNotOptimize(StageFiles(p, files, out));
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * 40);
}
BENCHMARK(BM_StageUpToDate);

// Converting a minute of 8000 Hz audio for test playback.
void BM_ConvertToWave(benchmark::State& state) {
  Scratch s;
  const std::size_t n = 24 + 8000 * 60;
  Write(s / "in.au", n, true);
  std::string wave;
  for (auto _ : state) benchmark::DoNotOptimize(ConvertToWave(s / "in.au", wave));
  fs::remove(wave);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(n));
}
BENCHMARK(BM_ConvertToWave);

}  // namespace
