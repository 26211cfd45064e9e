// The layers stay as built: every source file belongs to the library its
// folder's build file lists it in, and includes only files of its own
// library or of one built before it (engine, then user interface, then the
// editor's assembly, then the executables); no engine file includes a Qt
// header, and no file of core/ one of output/; no file but the operating-system layer
// (core/os/) includes a header of the system, POSIX or Windows. Read from the source tree, so
// that a new include that reaches up fails here.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kRoot = VB_SOURCE_DIR;

// Libraries in the order they are built.
int RankOf(const std::string& target) {
  static const std::map<std::string, int> kRanks = {
      {"velko_engine", 0},       {"velko_ui", 1},    {"velko_editor_pages", 2},
      {"velkobutton-editor", 3}, {"velkobutton", 3},
  };
  auto it = kRanks.find(target);
  return it == kRanks.end() ? -1 : it->second;
}

std::string Read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Every file a folder's build file gives to a library, by its path from the root.
void ListFiles(const std::string& folder, std::map<std::string, int>& ranks) {
  const std::string text = Read(kRoot / folder / "CMakeLists.txt");
  static const std::regex kBlock(
      R"((target_sources|add_library|add_executable)\(\s*([A-Za-z_-]+)([^)]*)\))");
  static const std::regex kFile(R"(([A-Za-z0-9_./]+\.(cpp|h)))");
  for (std::sregex_iterator b(text.begin(), text.end(), kBlock), end; b != end; ++b) {
    const int rank = RankOf((*b)[2]);
    if (rank < 0) continue;
    const std::string files = (*b)[3];
    for (std::sregex_iterator f(files.begin(), files.end(), kFile); f != end; ++f)
      ranks[(fs::path(folder) / (*f)[1].str()).lexically_normal().generic_string()] = rank;
  }
}

}  // namespace

TEST(Layering, NoFileIncludesALaterLayerAndTheEngineNoQt) {
  std::map<std::string, int> ranks;
  for (const char* folder :
       {"core", "groups/button", "groups/project", "output", "audio", "ui", "app"})
    ListFiles(folder, ranks);
  ASSERT_GT(ranks.size(), 100u);
  // A header goes with its source file; a header alone with its folder's engine
  // (core/) or user interface (ui/).
  const auto rankOf = [&](const std::string& path) {
    auto it = ranks.find(path);
    if (it != ranks.end()) return it->second;
    const std::string stem = path.substr(0, path.rfind('.'));
    it = ranks.find(stem + ".cpp");
    if (it != ranks.end()) return it->second;
    if (path.rfind("ui/", 0) == 0) return RankOf("velko_ui");
    if (path.rfind("app/", 0) == 0) return RankOf("velkobutton");
    return RankOf("velko_engine");
  };
  std::vector<std::string> files;
  for (const auto& [path, rank] : ranks) files.push_back(path);
  for (const auto& [path, rank] : ranks)
    if (path.size() > 4 && path.compare(path.size() - 4, 4, ".cpp") == 0) {
      const std::string header = path.substr(0, path.size() - 4) + ".h";
      if (fs::exists(kRoot / header) && !ranks.count(header)) files.push_back(header);
    }
  static const std::regex kInclude(R"re(#include\s+(["<])([^">]+)[">])re");
  // The system's own headers: POSIX and the C library's extensions, and Windows.
  static const std::regex kSystemHeader(
      R"re((unistd|fcntl|signal|dirent|pwd|grp|spawn|poll|pthread|termios|dlfcn|syslog|sched|)re"
      R"re(utime|libgen|malloc|mntent|glob|fnmatch|ftw|io|direct|process|conio|windows|)re"
      R"re(win[a-z0-9]*|shellapi|shlobj|shlwapi|fileapi|handleapi|processthreadsapi|ws2tcpip)\.h|)re"
      R"re((sys|netinet|arpa|linux|asm)/.*)re",
      std::regex::icase);
  // Files of the user interface that still speak to the system themselves,
  // with the reason (none today).
  static const std::map<std::string, std::string> kSystemCallers = {};
  std::vector<std::string> faults;
  for (const std::string& file : files) {
    const int rank = rankOf(file);
    const std::string text = Read(kRoot / file);
    for (std::sregex_iterator i(text.begin(), text.end(), kInclude), end; i != end; ++i) {
      const std::string target = (*i)[2];
      if ((*i)[1] == "<") {
        if (rank == 0 && target.size() > 1 && target[0] == 'Q')
          faults.push_back(file + " (engine) includes <" + target + ">");
        if (file.rfind("core/os/", 0) != 0 && !kSystemCallers.count(file) &&
            std::regex_match(target, kSystemHeader))
          faults.push_back(file + " includes the system's <" + target + ">, outside core/os/");
        continue;
      }
      if (!fs::exists(kRoot / target)) continue;  // beside it, or generated
      if (rankOf(target) > rank) faults.push_back(file + " includes " + target + ", a later layer");
      // The document and what it is made of lie below the output: staging
      // and publishing call the core, never the other way.
      if (file.rfind("core/", 0) == 0 && target.rfind("output/", 0) == 0)
        faults.push_back(file + " includes " + target + ", the output above the core");
    }
  }
  std::string all;
  for (const std::string& f : faults) all += "\n  " + f;
  EXPECT_TRUE(faults.empty()) << all;
}
