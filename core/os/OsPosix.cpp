// The operating-system layer on POSIX systems (Linux first).
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#endif

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "core/os/Os.h"

extern char** environ;

namespace os {

std::string NativeSeparators(const std::string& path) {
  return path;
}

// ---- Files ----------------------------------------------------------------

File::~File() {
  Close();
}

File& File::operator=(File&& o) noexcept {
  if (this != &o) {
    Close();
    native_ = o.Release();
  }
  return *this;
}

void File::Close() {
  if (native_ != kNone) ::close(static_cast<int>(native_));
  native_ = kNone;
}

File Open(const std::string& path, unsigned flags, unsigned mode) {
  int oflags = O_CLOEXEC;
  if (flags & kFolder)
    oflags |= O_RDONLY | O_DIRECTORY;
  else
    oflags |= (flags & kReadWrite) ? O_RDWR : O_RDONLY;
  if (flags & kCreate) oflags |= O_CREAT;
  if (flags & kExclusive) oflags |= O_EXCL;
  if (flags & kNoFollow) oflags |= O_NOFOLLOW;
  if (flags & kNoWait) oflags |= O_NONBLOCK;
  const int fd = ::open(path.c_str(), oflags, static_cast<mode_t>(mode));
  if (fd >= 0 && (flags & kNoWait)) {
    // Only the open waits on a pipe; reading blocks as usual.
    const int now = ::fcntl(fd, F_GETFL);
    if (now != -1) ::fcntl(fd, F_SETFL, now & ~O_NONBLOCK);
  }
  return File(fd);
}

std::FILE* ToStream(File file, const char* mode) {
  if (!file) return nullptr;
  std::FILE* stream = ::fdopen(static_cast<int>(file.native()), mode);
  if (stream) file.Release();
  return stream;
}

File::Native NativeOf(std::FILE* stream) {
  return stream ? ::fileno(stream) : File::kNone;
}

File Duplicate(File::Native file) {
  return File(::fcntl(static_cast<int>(file), F_DUPFD_CLOEXEC, 0));
}

long long Read(File::Native file, void* into, std::size_t count) {
  for (;;) {
    const ssize_t got = ::read(static_cast<int>(file), into, count);
    if (got < 0 && errno == EINTR) continue;
    return got;
  }
}

long long ReadAt(File::Native file, void* into, std::size_t count, unsigned long long offset) {
  for (;;) {
    const ssize_t got = ::pread(static_cast<int>(file), into, count, static_cast<off_t>(offset));
    if (got < 0 && errno == EINTR) continue;
    return got;
  }
}

bool Sync(File::Native file) {
  return ::fsync(static_cast<int>(file)) == 0 || errno == EINVAL;
}

void SyncFolder(const std::string& folder) {
  const File dir = Open(folder, kFolder);
  if (dir) ::fsync(static_cast<int>(dir.native()));
}

namespace {

long long Nanoseconds(const struct timespec& t) {
  return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

void Fill(const struct stat& st, FileInfo& info) {
  info.kind = S_ISREG(st.st_mode)   ? Kind::Regular
              : S_ISDIR(st.st_mode) ? Kind::Folder
              : S_ISLNK(st.st_mode) ? Kind::Link
                                    : Kind::Other;
  info.id.device = static_cast<unsigned long long>(st.st_dev);
  info.id.index = static_cast<unsigned long long>(st.st_ino);
  info.size = static_cast<unsigned long long>(st.st_size);
  info.modifiedNs = Nanoseconds(st.st_mtim);
  info.changedNs = Nanoseconds(st.st_ctim);
  info.mode = static_cast<unsigned>(st.st_mode & 07777);
  info.ownedByUser = st.st_uid == ::geteuid();
  info.owner = st.st_uid;
  info.group = st.st_gid;
}

}  // namespace

bool InfoOf(const std::string& path, FileInfo& info, Links links) {
  info = FileInfo();
  if (path.empty()) {
    errno = ENOENT;
    return false;
  }
  struct stat st {};
  if ((links == Links::Own ? ::lstat(path.c_str(), &st) : ::stat(path.c_str(), &st)) != 0)
    return false;
  Fill(st, info);
  return true;
}

bool InfoOf(File::Native file, FileInfo& info) {
  info = FileInfo();
  struct stat st {};
  if (::fstat(static_cast<int>(file), &st) != 0) return false;
  Fill(st, info);
  return true;
}

bool InfoOfStandardOutput(FileInfo& info) {
  return InfoOf(STDOUT_FILENO, info);
}

Kind KindOf(const std::string& path, Links links) {
  FileInfo info;
  return InfoOf(path, info, links) ? info.kind : Kind::None;
}

bool MayWrite(const std::string& path) {
  return ::access(path.c_str(), W_OK) == 0;
}

bool MayReadAndWrite(const std::string& path) {
  return ::access(path.c_str(), R_OK | W_OK) == 0;
}

bool SetMode(File::Native file, unsigned mode) {
  return ::fchmod(static_cast<int>(file), static_cast<mode_t>(mode)) == 0;
}

bool SetMode(const std::string& path, unsigned mode) {
  return ::chmod(path.c_str(), static_cast<mode_t>(mode)) == 0;
}

bool SetOwner(File::Native file, unsigned owner, unsigned group) {
  if (owner == ::geteuid() && group == ::getegid()) return true;
  return ::fchown(static_cast<int>(file), owner, group) == 0;
}

bool OpenWithDesktop(const std::string& address) {
  return StartDetached({"xdg-open", address});
}

unsigned SetNewFileMask(unsigned mask) {
  return static_cast<unsigned>(::umask(static_cast<mode_t>(mask)));
}

bool RunsAsRoot() {
  return ::geteuid() == 0;
}

unsigned UserId() {
  return ::getuid();
}

bool PeerIsSameUser(std::intptr_t socket) {
  if (socket < 0) return false;
#if defined(__linux__)
  struct ucred peer {};
  socklen_t length = sizeof peer;
  return ::getsockopt(static_cast<int>(socket), SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0 &&
         peer.uid == ::getuid();
#else
  uid_t uid = 0;
  gid_t gid = 0;
  return ::getpeereid(static_cast<int>(socket), &uid, &gid) == 0 && uid == ::getuid();
#endif
}

bool Replace(const std::string& from, const std::string& to, File*) {
  return ::rename(from.c_str(), to.c_str()) == 0;
}

bool Remove(const std::string& path) {
  return ::unlink(path.c_str()) == 0;
}

bool MakeFolder(const std::string& path, unsigned mode) {
  return ::mkdir(path.c_str(), static_cast<mode_t>(mode)) == 0;
}

bool RealPath(const std::string& path, std::string& real) {
  if (path.empty()) {
    errno = ENOENT;
    return false;
  }
  std::unique_ptr<char, decltype(&std::free)> resolved(::realpath(path.c_str(), nullptr),
                                                       &std::free);
  if (!resolved) return false;
  real = resolved.get();
  return true;
}

bool MakeLink(const std::string& target, const std::string& link) {
  return ::symlink(target.c_str(), link.c_str()) == 0;
}

bool MakePipe(const std::string& path) {
  return ::mkfifo(path.c_str(), 0600) == 0;
}

std::string CurrentFolder() {
  std::unique_ptr<char, decltype(&std::free)> cwd(::getcwd(nullptr, 0), &std::free);
  return cwd ? std::string(cwd.get()) : std::string(".");
}

std::string TempFolder() {
  std::string dir = Env("TMPDIR");
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir.empty() || dir[0] != '/' ? "/tmp" : dir;
}

std::string MakeTempFolder(const std::string& prefix) {
  std::string pattern = TempFolder() + "/" + prefix + "XXXXXX";
  return ::mkdtemp(&pattern[0]) ? pattern : std::string();
}

bool TryLock(File::Native file) {
  for (;;) {
    if (::flock(static_cast<int>(file), LOCK_EX | LOCK_NB) == 0) return true;
    if (errno != EINTR) return false;
  }
}

// ---- Processes and the environment ----------------------------------------

bool GetEnv(const std::string& name, std::string& value) {
  const char* v = std::getenv(name.c_str());
  if (!v) return false;
  value = v;
  return true;
}

std::string Env(const std::string& name) {
  std::string value;
  GetEnv(name, value);
  return value;
}

void SetEnv(const std::string& name, const std::string& value) {
  ::setenv(name.c_str(), value.c_str(), 1);
}

void UnsetEnv(const std::string& name) {
  ::unsetenv(name.c_str());
}

std::vector<std::string> SplitFolderList(const std::string& list) {
  std::vector<std::string> dirs;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(':', start);
    if (end == std::string::npos) end = list.size();
    if (end > start) dirs.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return dirs;
}

std::string ProgramPath() {
  std::string path;
  return RealPath("/proc/self/exe", path) ? path : std::string();
}

long ProcessId() {
  return static_cast<long>(::getpid());
}

bool ProcessEnded(long pid) {
  return pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

void KillProcess(long pid) {
  if (pid > 0) ::kill(static_cast<pid_t>(pid), SIGKILL);
}

bool StartDetached(const std::vector<std::string>& argv) {
  if (argv.empty() || argv[0].empty()) return false;
  // Everything the child needs is made before it exists: after fork it only
  // calls what is safe there.
  std::vector<std::string> candidates;
  if (argv[0].find('/') != std::string::npos) {
    candidates.push_back(argv[0]);
  } else {
    std::string path = Env("PATH");
    if (path.empty()) path = "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= path.size()) {
      std::size_t end = path.find(':', start);
      if (end == std::string::npos) end = path.size();
      const std::string dir = end > start ? path.substr(start, end - start) : ".";
      candidates.push_back(dir + "/" + argv[0]);
      start = end + 1;
    }
  }
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);

  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return false;
  const pid_t middle = ::fork();
  if (middle < 0) {
    ::close(report[0]);
    ::close(report[1]);
    return false;
  }
  if (middle == 0) {
    // The middle child starts the program in a new session and ends at
    // once, so the program is nobody's child here and leaves no zombie.
    ::close(report[0]);
    ::setsid();
    const pid_t child = ::fork();
    if (child == 0) {
      ::signal(SIGPIPE, SIG_DFL);
      int error = ENOENT;
      for (const std::string& c : candidates) {
        ::execve(c.c_str(), args.data(), environ);
        if (errno != ENOENT && errno != ENOTDIR) error = errno;
      }
      (void)!::write(report[1], &error, sizeof error);
      ::_exit(127);
    }
    if (child < 0) {
      const int error = errno;
      (void)!::write(report[1], &error, sizeof error);
    }
    ::_exit(0);
  }
  ::close(report[1]);
  int status = 0;
  while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
  }
  // The pipe closes without a word when the program started.
  int error = 0;
  ssize_t n;
  while ((n = ::read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
  }
  ::close(report[0]);
  return n == 0;
}

int RunInstead(const std::string& program, const std::vector<std::string>& argv) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  if (args.empty()) args.push_back(const_cast<char*>(program.c_str()));
  args.push_back(nullptr);
  ::execv(program.c_str(), args.data());
  return -1;
}

std::vector<std::string> Arguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}

// ---- Folders of the user --------------------------------------------------

std::string HomeFolder() {
  std::string home = Env("HOME");
  while (home.size() > 1 && home.back() == '/') home.pop_back();
  return home.empty() ? "/" : home;
}

std::string SettingsFolder() {
  const std::string user = Env("XDG_CONFIG_HOME");
  return user.empty() ? HomeFolder() + "/.config" : user;
}

std::vector<std::string> SystemSettingsFolders() {
  const std::string dirs = Env("XDG_CONFIG_DIRS");
  if (dirs.empty()) return {"/etc/xdg"};
  return SplitFolderList(dirs);
}

std::string CacheFolder() {
  std::string cache = Env("XDG_CACHE_HOME");
  // A relative cache folder would depend on the current folder: it counts as unset.
  if (cache.empty() || cache[0] != '/') cache = HomeFolder() + "/.cache";
  return cache;
}

// ---- Signals, limits and the standard streams -----------------------------

namespace {

constexpr int kEndSignals[] = {SIGINT, SIGTERM, SIGHUP};
void (*g_cleanup)() = nullptr;

extern "C" void CleanUpAndEnd(int sig) {
  if (g_cleanup) g_cleanup();
  // The handler was reset on entry: the signal, raised again, ends the
  // process as it would have without us once the handler returns.
  ::raise(sig);
}

}  // namespace

void OnEndSignals(void (*cleanup)()) {
  ::signal(SIGXFSZ, SIG_IGN);
  g_cleanup = cleanup;
  for (int sig : kEndSignals) {
    struct sigaction old {};
    if (::sigaction(sig, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
    struct sigaction act {};
    act.sa_handler = CleanUpAndEnd;
    sigemptyset(&act.sa_mask);
    act.sa_flags = SA_RESETHAND;
    ::sigaction(sig, &act, nullptr);
  }
}

void RemoveFromHandler(const char* path) {
  ::unlink(path);
}

static_assert(sizeof(sigset_t) <= 256, "EndSignalsHeld keeps a signal set");

EndSignalsHeld::EndSignalsHeld() {
  sigset_t ending;
  sigemptyset(&ending);
  for (int sig : kEndSignals) sigaddset(&ending, sig);
  held_ = ::pthread_sigmask(SIG_BLOCK, &ending, reinterpret_cast<sigset_t*>(before_)) == 0;
}

EndSignalsHeld::~EndSignalsHeld() {
  if (held_) ::pthread_sigmask(SIG_SETMASK, reinterpret_cast<sigset_t*>(before_), nullptr);
}

namespace {

constexpr int kEditorEndSignals[] = {SIGTERM, SIGHUP, SIGINT};
constexpr int kEditorEndSignalCount = sizeof kEditorEndSignals / sizeof kEditorEndSignals[0];

// What a signal handler may reach: the pipe, the actions in place before
// (which a second signal gets back) and how many signals came.
struct EndSignalState {
  int pipe[2] = {-1, -1};
  bool ignored[kEditorEndSignalCount] = {};
  struct sigaction before[kEditorEndSignalCount] = {};
  std::atomic<int> arrived{0};
};
EndSignalState g_endSignals;

extern "C" void OnEndSignal(int sig) {
  const int saved = errno;
  if (g_endSignals.arrived.fetch_add(1) > 0) {
    // Asked twice: the program ends now, through what was there before.
    for (int i = 0; i < kEditorEndSignalCount; ++i)
      if (kEditorEndSignals[i] == sig) ::sigaction(sig, &g_endSignals.before[i], nullptr);
    ::raise(sig);
    errno = saved;
    return;
  }
  const unsigned char byte = static_cast<unsigned char>(sig);
  [[maybe_unused]] const ssize_t written = ::write(g_endSignals.pipe[1], &byte, 1);
  errno = saved;
}

}  // namespace

int CatchEndSignalsOnPipe() {
  EndSignalState& state = g_endSignals;
  if (state.pipe[0] < 0) {
    if (::pipe2(state.pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
      state.pipe[0] = state.pipe[1] = -1;
      return -1;
    }
    for (int i = 0; i < kEditorEndSignalCount; ++i) {
      ::sigaction(kEditorEndSignals[i], nullptr, &state.before[i]);
      state.ignored[i] = state.before[i].sa_handler == SIG_IGN;
    }
  }
  for (int i = 0; i < kEditorEndSignalCount; ++i) {
    if (state.ignored[i]) {
      ::sigaction(kEditorEndSignals[i], &state.before[i], nullptr);
      continue;
    }
    struct sigaction act {};
    act.sa_handler = OnEndSignal;
    sigemptyset(&act.sa_mask);
    act.sa_flags = SA_RESTART;
    ::sigaction(kEditorEndSignals[i], &act, nullptr);
  }
  return state.pipe[0];
}

int TakeEndSignal(int fd) {
  unsigned char byte = 0;
  return fd >= 0 && ::read(fd, &byte, 1) == 1 ? byte : 0;
}

bool SetFileSizeLimit(unsigned long long bytes, unsigned long long* before) {
  struct rlimit limit {};
  if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
  if (before) *before = static_cast<unsigned long long>(limit.rlim_cur);
  ::signal(SIGXFSZ, SIG_IGN);
  limit.rlim_cur = static_cast<rlim_t>(bytes);
  return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

void BinaryStandardStreams() {}

bool WriteStandardOutput(const char* bytes, std::size_t size) {
  while (size > 0) {
    const ssize_t n = ::write(STDOUT_FILENO, bytes, size);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// ---- The heap -------------------------------------------------------------

#if defined(__GLIBC__) && defined(MADV_HUGEPAGE)
bool TuneHeap(std::size_t pad, std::size_t trim, std::size_t largestBlock) {
  if (pad > INT_MAX || trim > INT_MAX || largestBlock > INT_MAX) return false;
  if (largestBlock > 0) ::mallopt(M_MMAP_THRESHOLD, static_cast<int>(largestBlock));
  ::mallopt(M_TOP_PAD, static_cast<int>(pad));
  ::mallopt(M_TRIM_THRESHOLD, static_cast<int>(trim));
  return true;
}

std::uintptr_t HeapEnd() {
  return reinterpret_cast<std::uintptr_t>(::sbrk(0));
}

void AdviseHugePages(std::uintptr_t start, std::size_t size, bool populate) {
#if defined(MADV_POPULATE_WRITE)
  if (populate) {
    ::madvise(reinterpret_cast<void*>(start), size, MADV_POPULATE_WRITE);
    return;
  }
#else
  if (populate) return;
#endif
  ::madvise(reinterpret_cast<void*>(start), size, MADV_HUGEPAGE);
}

bool CanPopulate() {
#if defined(MADV_POPULATE_WRITE)
  return true;
#else
  return false;
#endif
}
#else
bool TuneHeap(std::size_t, std::size_t, std::size_t) {
  return false;
}
std::uintptr_t HeapEnd() {
  return 0;
}
void AdviseHugePages(std::uintptr_t, std::size_t, bool) {}
bool CanPopulate() {
  return false;
}
#endif

}  // namespace os
