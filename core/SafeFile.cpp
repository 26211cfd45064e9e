#include "core/SafeFile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>
#include <system_error>
#include <thread>

#include "core/Messages.h"
#include "core/Platform.h"

namespace fs = std::filesystem;

namespace safefile {
namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kAnyExecute = S_IXUSR | S_IXGRP | S_IXOTH;
// The running program, however the target names it.
constexpr const char* kOwnProgram = "/proc/self/exe";
constexpr mode_t kNewFileMode = 0666;  // less the process's umask
constexpr mode_t kPrivateFileMode = 0600;
constexpr mode_t kPrivateFolderMode = 0700;
// Temporary names keep well inside a file system's name limit whatever the target's.
constexpr std::size_t kTempStemLength = 160;
constexpr int kTempAttempts = 16;

bool Fail(WriteError* error, Failure failure, int err = 0, const std::string& input = {}) {
  if (error) {
    error->failure = failure;
    error->error = err;
    error->input = input;
  }
  return false;
}

// The file a write replaces: a link is followed to the file it names, unless
// the link itself is to be replaced. False for a link that leads nowhere
// (dangling, or a loop).
bool ResolveTarget(const std::string& path, Links links, fs::path& target) {
  target = fs::path(path);
  struct stat st {};
  if (links == Links::Replace || lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
  char resolved[PATH_MAX];
  if (!realpath(path.c_str(), resolved)) return false;
  target = resolved;
  return true;
}

// The temporaries of one target take one of a few names of their own, the
// same in every run, so that one left by a run that was killed is found and
// removed by the next write of that target without reading the folder.
std::string TempName(const std::string& stem, int attempt) {
  static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::uint64_t h = 1469598103934665603ull;  // FNV-1a
  for (unsigned char c : stem) h = (h ^ c) * 1099511628211ull;
  h = (h ^ static_cast<std::uint64_t>(attempt)) * 1099511628211ull;
  std::string s = "." + stem + ".";
  for (int i = 0; i < 8; ++i, h /= 36) s += kDigits[h % 36];
  return s + ".tmp";
}

// The temporaries being written now, for the signal handler, which can reach
// nothing else: the one table of the process's own. A slot's path is whole
// before the slot is marked live.
enum SlotState : int { kFree, kClaimed, kLive };
struct PendingSlot {
  std::atomic<int> state{kFree};
  char path[PATH_MAX];
};
constexpr int kPendingSlots = 32;
PendingSlot g_pending[kPendingSlots];

int RegisterPending(const std::string& path) {
  if (path.size() >= PATH_MAX) return -1;
  for (int i = 0; i < kPendingSlots; ++i) {
    int expected = kFree;
    if (!g_pending[i].state.compare_exchange_strong(expected, kClaimed)) continue;
    std::memcpy(g_pending[i].path, path.c_str(), path.size() + 1);
    g_pending[i].state.store(kLive);
    return i;
  }
  return -1;
}

void ReleasePending(int slot) {
  if (slot >= 0) g_pending[slot].state.store(kFree);
}

extern "C" void RemovePendingAndEnd(int sig) {
  for (PendingSlot& slot : g_pending)
    if (slot.state.load() == kLive) unlink(slot.path);
  // The handler was reset on entry: the signal, raised again, ends the
  // process as it would have without us once the handler returns.
  raise(sig);
}

// Holds back the signals that end the program (their handler removes the
// registered temporaries) while a temporary is made and registered, so that
// none can end the program with a file made but not yet registered.
class EndSignalsHeld {
 public:
  EndSignalsHeld() {
    sigset_t ending;
    sigemptyset(&ending);
    for (int sig : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&ending, sig);
    held_ = pthread_sigmask(SIG_BLOCK, &ending, &before_) == 0;
  }
  ~EndSignalsHeld() {
    if (held_) pthread_sigmask(SIG_SETMASK, &before_, nullptr);
  }
  EndSignalsHeld(const EndSignalsHeld&) = delete;
  EndSignalsHeld& operator=(const EndSignalsHeld&) = delete;

 private:
  sigset_t before_{};
  bool held_ = false;
};

// A temporary of this target left by a run that ended before it could
// remove it: nobody holds its lock. Locked while it is removed, so that a
// writer that has just made a file of that name never loses it.
void RemoveIfAbandoned(const fs::path& temp) {
  struct stat st {};
  if (lstat(temp.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != geteuid()) return;
  const int fd = open(temp.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return;
  if (flock(fd, LOCK_EX | LOCK_NB) == 0 && SameFile(fd, temp.string())) unlink(temp.c_str());
  close(fd);
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {};
  struct stat sb {};
  if (a.empty() || b.empty()) return false;
  if (stat(a.c_str(), &sa) != 0 || stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool SameFile(int fd, const std::string& path) {
  struct stat sa {};
  struct stat sb {};
  if (fstat(fd, &sa) != 0 || stat(path.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

FileStamp StampOf(const std::string& path) {
  FileStamp stamp;
  struct stat st {};
  if (path.empty() || stat(path.c_str(), &st) != 0) return stamp;
  stamp.exists = true;
  stamp.device = static_cast<unsigned long long>(st.st_dev);
  stamp.inode = static_cast<unsigned long long>(st.st_ino);
  stamp.size = static_cast<unsigned long long>(st.st_size);
  stamp.mtimeNs = static_cast<long long>(st.st_mtim.tv_sec) * 1000000000LL + st.st_mtim.tv_nsec;
  return stamp;
}

void PrepareProcess() {
  std::signal(SIGXFSZ, SIG_IGN);
  for (int sig : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction old {};
    if (sigaction(sig, nullptr, &old) != 0 || old.sa_handler == SIG_IGN) continue;
    struct sigaction act {};
    act.sa_handler = RemovePendingAndEnd;
    sigemptyset(&act.sa_mask);
    act.sa_flags = SA_RESETHAND;
    sigaction(sig, &act, nullptr);
  }
}

std::string LinkTarget(const std::string& path) {
  struct stat st {};
  if (path.empty() || lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return std::string();
  char resolved[PATH_MAX];
  if (realpath(path.c_str(), resolved)) return resolved;
  std::error_code ec;
  const fs::path leads = fs::read_symlink(fs::path(path), ec);
  return ec || leads.empty() ? path : leads.string();
}

namespace {

// Write, the new file readable and writable by its owner alone when
// `readers` is Private, and on disk before it returns when `durable` is set.
bool WriteFile(const std::string& path, const Producer& produce,
               const std::vector<std::string>& inputs, WriteError* error, Links links,
               Access readers, bool durable) {
  if (error) *error = WriteError{};
  if (path.empty()) return Fail(error, Failure::CannotWrite, ENOENT);
  fs::path target;
  if (!ResolveTarget(path, links, target)) return Fail(error, Failure::NotRegular);
  struct stat old {};
  // A link that is replaced is no file the new one takes anything from.
  const bool exists = links == Links::Replace
                          ? lstat(target.c_str(), &old) == 0 && !S_ISLNK(old.st_mode)
                          : stat(target.c_str(), &old) == 0;
  if (exists) {
    for (const std::string& input : inputs)
      if (SameFile(input, target.string())) return Fail(error, Failure::SameAsInput, 0, input);
    if (!S_ISREG(old.st_mode)) return Fail(error, Failure::NotRegular);
    // A page written over a program would run in its place.
    if ((old.st_mode & kAnyExecute) != 0 || SameFile(kOwnProgram, target.string()))
      return Fail(error, Failure::Program);
    // Root may write anything; a file nobody may write is still left alone.
    if ((old.st_mode & kAnyWrite) == 0 || access(target.c_str(), W_OK) != 0)
      return Fail(error, Failure::ReadOnly);
  }

  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  const std::string stem = target.filename().string().substr(0, kTempStemLength);
  fs::path temp;
  int fd = -1;
  int slot = -1;
  for (int attempt = 0; attempt < kTempAttempts && fd < 0; ++attempt) {
    const EndSignalsHeld held;
    temp = dir / TempName(stem, attempt);
    // O_EXCL: never reuses a file that is already there (nor follows a link).
    fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
              readers == Access::Private ? kPrivateFileMode : kNewFileMode);
    if (fd < 0) {
      if (errno != EEXIST) return Fail(error, Failure::CannotWrite, errno);
      RemoveIfAbandoned(temp);
      continue;
    }
    // Held until the file has its name, so that no other writer takes it
    // for one that was abandoned; one that did so before the lock was
    // taken has removed the name, and another is tried.
    if (flock(fd, LOCK_EX | LOCK_NB) != 0 || !SameFile(fd, temp.string())) {
      close(fd);
      fd = -1;
      continue;
    }
    slot = RegisterPending(temp.string());
  }
  if (fd < 0) return Fail(error, Failure::CannotWrite, EEXIST);
  // The lock lives as long as any descriptor of the file is open.
  const int lockFd = dup(fd);
  int err = 0;
  // The replacement keeps the old file's owner where the process may give it
  // (root may), and its permissions.
  if (exists && (old.st_uid != geteuid() || old.st_gid != getegid()) &&
      fchown(fd, old.st_uid, old.st_gid) != 0 && geteuid() == 0)
    err = errno;
  if (!err && readers == Access::Private && fchmod(fd, kPrivateFileMode) != 0) err = errno;
  if (!err && readers == Access::Usual && exists && fchmod(fd, old.st_mode & 07777) != 0)
    err = errno;
  std::FILE* out = err ? nullptr : fdopen(fd, "wb");
  if (!out) {
    if (!err) err = errno;
    close(fd);
  } else {
    errno = 0;
    bool produced = false;
    try {
      produced = produce(out);
    } catch (...) {
      // The text could not be made: no temporary file stays behind.
      std::fclose(out);
      unlink(temp.c_str());
      ReleasePending(slot);
      if (lockFd >= 0) close(lockFd);
      throw;
    }
    if (!produced) err = errno ? errno : EIO;
    if (!err && std::fflush(out) != 0) err = errno;
    // On disk before it takes an old file's place, so that a crash cannot
    // leave an empty file where the old one was; a new file needs no wait,
    // unless it is private work kept while the system goes down.
    if (!err && (exists || durable) && fsync(fileno(out)) != 0 && errno != EINVAL) err = errno;
    if (std::fclose(out) != 0 && !err) err = errno ? errno : EIO;
  }
  if (!err && rename(temp.c_str(), target.c_str()) != 0) err = errno;
  if (err) unlink(temp.c_str());
  // The new name on disk too, so that work kept while the system goes down
  // is found after it.
  if (!err && durable) {
    const int folder = open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
      fsync(folder);
      close(folder);
    }
  }
  ReleasePending(slot);
  if (lockFd >= 0) close(lockFd);
  if (err) return Fail(error, Failure::CannotWrite, err);
  // What earlier runs that were killed left of this target goes too.
  for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
    const fs::path other = dir / TempName(stem, attempt);
    if (other != temp) RemoveIfAbandoned(other);
  }
  return true;
}

}  // namespace

bool Write(const std::string& path, const Producer& produce, const std::vector<std::string>& inputs,
           WriteError* error, Links links, Access access) {
  return WriteFile(path, produce, inputs, error, links, access, false);
}

bool Write(const std::string& path, const Producer& produce, const std::vector<std::string>& inputs,
           WriteError* error, Access access) {
  return WriteFile(path, produce, inputs, error, Links::Follow, access, false);
}

bool WritePrivately(const std::string& path, const std::string& bytes,
                    const std::vector<std::string>& inputs, WriteError* error) {
  return WriteFile(
      path,
      [&bytes](std::FILE* out) {
        return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
      },
      inputs, error, Links::Replace, Access::Private, true);
}

bool WriteBytes(const std::string& path, const std::string& bytes,
                const std::vector<std::string>& inputs, WriteError* error, Links links,
                Access access) {
  return Write(
      path,
      [&bytes](std::FILE* out) {
        return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
      },
      inputs, error, links, access);
}

bool WriteBytes(const std::string& path, const std::string& bytes,
                const std::vector<std::string>& inputs, WriteError* error, Access access) {
  return WriteBytes(path, bytes, inputs, error, Links::Follow, access);
}

std::string Describe(const std::string& path, const WriteError& error, Platform* platform) {
  const auto text = [platform](const char* message) {
    return platform ? platform->Translate("msg", message) : std::string(message);
  };
  switch (error.failure) {
    case Failure::None:
      return std::string();
    case Failure::SameAsInput:
      return msg::Format(text(msg::kSameAsInput), path, error.input);
    case Failure::NotRegular:
      return msg::Format(text(msg::kNotRegularFile), path);
    case Failure::ReadOnly:
      return msg::Format(text(msg::kReadOnlyFile), path);
    case Failure::Program:
      return msg::Format(text(msg::kProgramFile), path);
    case Failure::CannotWrite:
      break;
  }
  return msg::Format(text(msg::kCannotWriteFile), path,
                     error.error ? std::strerror(error.error) : "unknown error");
}

bool RealPath(const std::string& path, std::string& real) {
  if (path.empty()) {
    errno = ENOENT;
    return false;
  }
  std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr), &std::free);
  if (!resolved) return false;
  real = resolved.get();
  return true;
}

bool MakePrivateDirectory(const std::string& directory) {
  if (directory.empty()) return false;
  std::string path = directory;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  // Each missing folder from the top down, made private as it is made.
  for (std::size_t at = path.find('/', 1);; at = path.find('/', at + 1)) {
    const std::string part = at == std::string::npos ? path : path.substr(0, at);
    if (mkdir(part.c_str(), kPrivateFolderMode) != 0 && errno != EEXIST) return false;
    if (at == std::string::npos) break;
  }
  struct stat st {};
  if (stat(path.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  if (st.st_uid == geteuid() && (st.st_mode & 07777) != kPrivateFolderMode)
    chmod(path.c_str(), kPrivateFolderMode);
  return true;
}

ReadOnlyFile::~ReadOnlyFile() {
  if (fd_ >= 0) close(fd_);
}

bool ReadOnlyFile::Open(const std::string& path) {
  if (fd_ >= 0) close(fd_);
  fd_ = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) return false;
  struct stat st {};
  if (fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd_);
    fd_ = -1;
    errno = EINVAL;
    return false;
  }
  identity_.device = static_cast<unsigned long long>(st.st_dev);
  identity_.inode = static_cast<unsigned long long>(st.st_ino);
  identity_.size = static_cast<unsigned long long>(st.st_size);
  identity_.changedNs =
      static_cast<long long>(st.st_ctim.tv_sec) * 1000000000LL + st.st_ctim.tv_nsec;
  return true;
}

std::string ReadOnlyFile::Read(unsigned long long offset, std::size_t count) const {
  std::string bytes;
  if (fd_ < 0) return bytes;
  bytes.resize(count);
  std::size_t have = 0;
  while (have < count) {
    const ssize_t got = pread(fd_, &bytes[have], count - have, static_cast<off_t>(offset + have));
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    have += static_cast<std::size_t>(got);
  }
  bytes.resize(have);
  return bytes;
}

std::FILE* OpenForReading(const std::string& path) {
  // O_NONBLOCK: opening a pipe with no writer returns at once.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    errno = EINVAL;
    return nullptr;
  }
  const int flags = fcntl(fd, F_GETFL);
  if (flags != -1) fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
  std::FILE* in = fdopen(fd, "rb");
  if (!in) close(fd);
  return in;
}

bool ReadAll(const std::string& path, FileBytes& bytes, std::size_t limit) {
  std::FILE* in = OpenForReading(path);
  if (!in) return false;
  const int fd = fileno(in);
  // One read into a buffer of the file's size; a file that grows meanwhile
  // is read on to its end (up to the limit), one that shrinks keeps what was there.
  struct stat st {};
  const std::size_t expected =
      fstat(fd, &st) == 0 && st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
  if (expected > limit) {
    std::fclose(in);
    errno = EFBIG;
    return false;
  }
  std::size_t capacity = expected + 1;
  std::unique_ptr<char[]> data(new (std::nothrow) char[capacity]);
  if (!data) {
    std::fclose(in);
    errno = ENOMEM;
    return false;
  }
  std::size_t have = 0;
  bool ok = true;
  for (;;) {
    if (have == capacity) {
      if (capacity > limit) {
        ok = false;
        errno = EFBIG;
        break;
      }
      std::unique_ptr<char[]> larger(new (std::nothrow) char[capacity * 2]);
      if (!larger) {
        ok = false;
        errno = ENOMEM;
        break;
      }
      std::memcpy(larger.get(), data.get(), have);
      data = std::move(larger);
      capacity *= 2;
    }
    const ssize_t got = read(fd, data.get() + have, capacity - have);
    if (got < 0) {
      if (errno == EINTR) continue;
      ok = false;
      break;
    }
    if (got == 0) break;
    have += static_cast<std::size_t>(got);
  }
  std::fclose(in);
  if (!ok) return false;
  bytes.data = std::move(data);
  bytes.size = have;
  return true;
}

bool ReadAll(const std::string& path, std::string& bytes, std::size_t limit) {
  FileBytes whole;
  if (!ReadAll(path, whole, limit)) return false;
  bytes.assign(whole.data.get(), whole.size);
  return true;
}

LockFile::~LockFile() {
  // Removed while still held, so that no writer can lock it in between.
  if (held_) ::unlink(path_.c_str());
  if (fd_ >= 0) ::close(fd_);
}

bool LockFile::Acquire(std::chrono::milliseconds wait) {
  constexpr std::chrono::milliseconds kRetry{20};
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (fd_ < 0) fd_ = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd_ < 0) return false;
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
      struct stat held {
      }, named{};
      if (::fstat(fd_, &held) == 0 && ::lstat(path_.c_str(), &named) == 0 &&
          held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
        held_ = true;
        return true;
      }
      // The writer before removed this file as it let go.
      ::close(fd_);
      fd_ = -1;
    } else if (errno != EWOULDBLOCK && errno != EINTR) {
      return false;
    }
    if (std::chrono::steady_clock::now() >= deadline) return false;
    if (fd_ >= 0) std::this_thread::sleep_for(kRetry);
  }
}

}  // namespace safefile
