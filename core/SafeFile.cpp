#include "core/SafeFile.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <new>
#include <system_error>
#include <thread>

#include "core/Messages.h"
#include "core/Platform.h"
#include "core/os/Os.h"

namespace fs = std::filesystem;

namespace safefile {
namespace {

// The longest temporary's path the signal handler's table holds.
constexpr std::size_t kLongestPendingPath = 4096;
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
  target = os::FsPath(path);
  if (links == Links::Replace || os::KindOf(path, os::Links::Own) != os::Kind::Link) return true;
  std::string resolved;
  if (!os::RealPath(path, resolved)) return false;
  target = os::FsPath(resolved);
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
  char path[kLongestPendingPath];
};
constexpr int kPendingSlots = 32;
PendingSlot g_pending[kPendingSlots];

int RegisterPending(const std::string& path) {
  if (path.size() >= kLongestPendingPath) return -1;
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

// What a signal that ends the program does first.
void RemovePending() {
  for (PendingSlot& slot : g_pending)
    if (slot.state.load() == kLive) os::RemoveFromHandler(slot.path);
}

// A temporary of this target left by a run that ended before it could
// remove it: nobody holds its lock. Locked while it is removed, so that a
// writer that has just made a file of that name never loses it.
void RemoveIfAbandoned(const std::string& temp) {
  os::FileInfo info;
  if (!os::InfoOf(temp, info, os::Links::Own) || info.kind != os::Kind::Regular ||
      !info.ownedByUser)
    return;
  const os::File file = os::Open(temp, os::kRead | os::kNoFollow | os::kNoWait);
  if (!file) return;
  if (os::TryLock(file.native()) && SameFile(file.native(), temp)) os::Remove(temp);
}

bool SameId(const std::string& a, const os::FileInfo& held) {
  os::FileInfo named;
  return os::InfoOf(a, named) && named.id == held.id;
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
  os::FileInfo sa;
  if (a.empty() || b.empty() || !os::InfoOf(a, sa)) return false;
  return SameId(b, sa);
}

bool SameFile(os::File::Native file, const std::string& path) {
  os::FileInfo held;
  return os::InfoOf(file, held) && SameId(path, held);
}

bool SameAsStandardOutput(const std::string& path) {
  os::FileInfo out;
  return os::InfoOfStandardOutput(out) && SameId(path, out);
}

FileStamp StampOf(const std::string& path) {
  FileStamp stamp;
  os::FileInfo info;
  if (path.empty() || !os::InfoOf(path, info)) return stamp;
  stamp.exists = true;
  stamp.device = info.id.device;
  stamp.inode = info.id.index;
  stamp.size = info.size;
  stamp.mtimeNs = info.modifiedNs;
  return stamp;
}

void PrepareProcess() {
  os::OnEndSignals(RemovePending);
}

std::string LinkTarget(const std::string& path) {
  if (path.empty() || os::KindOf(path, os::Links::Own) != os::Kind::Link) return std::string();
  std::string resolved;
  if (os::RealPath(path, resolved)) return resolved;
  std::error_code ec;
  const fs::path leads = fs::read_symlink(os::FsPath(path), ec);
  return ec || leads.empty() ? path : os::Utf8Of(leads);
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
  const std::string targetName = os::Utf8Of(target);
  os::FileInfo old;
  // A link that is replaced is no file the new one takes anything from.
  const bool exists = links == Links::Replace ? os::InfoOf(targetName, old, os::Links::Own) &&
                                                    old.kind != os::Kind::Link
                                              : os::InfoOf(targetName, old);
  if (exists) {
    for (const std::string& input : inputs)
      if (SameFile(input, targetName)) return Fail(error, Failure::SameAsInput, 0, input);
    if (old.kind != os::Kind::Regular) return Fail(error, Failure::NotRegular);
    // A page written over a program would run in its place.
    if ((old.mode & os::kAnyExecute) != 0 || SameFile(os::ProgramPath(), targetName))
      return Fail(error, Failure::Program);
    // Root may write anything; a file nobody may write is still left alone.
    if ((old.mode & os::kAnyWrite) == 0 || !os::MayWrite(targetName))
      return Fail(error, Failure::ReadOnly);
  }

  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  const std::string stem = os::Utf8Of(target.filename()).substr(0, kTempStemLength);
  std::string temp;
  os::File file;
  os::File lock;
  int slot = -1;
  for (int attempt = 0; attempt < kTempAttempts && !file; ++attempt) {
    const os::EndSignalsHeld held;
    temp = os::Utf8Of(dir / os::FsPath(TempName(stem, attempt)));
    // Exclusive: never reuses a file that is already there (nor follows a link).
    file = os::Open(temp, os::kReadWrite | os::kCreate | os::kExclusive,
                    readers == Access::Private ? os::kPrivateFileMode : os::kNewFileMode);
    if (!file) {
      if (errno != EEXIST) return Fail(error, Failure::CannotWrite, errno);
      RemoveIfAbandoned(temp);
      continue;
    }
    // Held until the file has its name, so that no other writer takes it
    // for one that was abandoned; one that did so before the lock was
    // taken has removed the name, and another is tried. The lock is taken
    // through a second descriptor, which outlives the stream written to.
    lock = os::Duplicate(file.native());
    if (!lock || !os::TryLock(lock.native()) || !SameFile(file.native(), temp)) {
      lock.Close();
      file.Close();
      continue;
    }
    slot = RegisterPending(temp);
  }
  if (!file) return Fail(error, Failure::CannotWrite, EEXIST);
  int err = 0;
  // The replacement keeps the old file's owner where the process may give it
  // (root may), and its permissions.
  if (exists && !os::SetOwner(file.native(), old.owner, old.group) && os::RunsAsRoot()) err = errno;
  if (!err && readers == Access::Private && !os::SetMode(file.native(), os::kPrivateFileMode))
    err = errno;
  if (!err && readers == Access::Usual && exists &&
      !os::SetMode(file.native(), old.mode & os::kPermissionBits))
    err = errno;
  std::FILE* out = nullptr;
  if (!err) {
    out = os::ToStream(std::move(file), "wb");
    if (!out) err = errno ? errno : EIO;
  }
  file.Close();
  if (out) {
    errno = 0;
    bool produced = false;
    try {
      produced = produce(out);
    } catch (...) {
      // The text could not be made: no temporary file stays behind.
      std::fclose(out);
      os::Remove(temp);
      ReleasePending(slot);
      throw;
    }
    if (!produced) err = errno ? errno : EIO;
    if (!err && std::fflush(out) != 0) err = errno;
    // On disk before it takes an old file's place, so that a crash cannot
    // leave an empty file where the old one was; a new file needs no wait,
    // unless it is private work kept while the system goes down.
    if (!err && (exists || durable) && !os::Sync(os::NativeOf(out))) err = errno;
    if (std::fclose(out) != 0 && !err) err = errno ? errno : EIO;
  }
  if (!err && !os::Replace(temp, targetName, &lock)) err = errno;
  // A replacement that failed halfway (Windows) can leave the old name
  // empty: the new text then stays under its temporary name, never removed.
  std::error_code gone;
  if (err && !(exists && !fs::exists(os::FsPath(targetName), gone) && !gone)) os::Remove(temp);
  // The new name on disk too, so that work kept while the system goes down
  // is found after it.
  if (!err && durable) os::SyncFolder(os::Utf8Of(dir));
  ReleasePending(slot);
  lock.Close();
  if (err) return Fail(error, Failure::CannotWrite, err);
  // What earlier runs that were killed left of this target goes too.
  for (int attempt = 0; attempt < kTempAttempts; ++attempt) {
    const std::string other = os::Utf8Of(dir / os::FsPath(TempName(stem, attempt)));
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
  return os::RealPath(path, real);
}

bool MakePrivateDirectory(const std::string& directory) {
  if (directory.empty()) return false;
  // Each missing folder from the top down, made private as it is made.
  fs::path part;
  for (const fs::path& piece : os::FsPath(directory)) {
    part /= piece;
    // The root ("/", "C:\", "\\server\") is there and cannot be made.
    if (piece.empty() || !part.has_relative_path()) continue;
    const std::string name = os::Utf8Of(part);
    if (os::KindOf(name) == os::Kind::Folder) continue;
    if (!os::MakeFolder(name, os::kPrivateFolderMode) && errno != EEXIST) return false;
  }
  os::FileInfo info;
  if (!os::InfoOf(directory, info) || info.kind != os::Kind::Folder) return false;
  if (info.ownedByUser && info.mode != os::kPrivateFolderMode)
    os::SetMode(directory, os::kPrivateFolderMode);
  return true;
}

ReadOnlyFile::~ReadOnlyFile() = default;

bool ReadOnlyFile::Open(const std::string& path) {
  file_ = os::Open(path, os::kRead | os::kNoFollow | os::kNoWait);
  if (!file_) return false;
  os::FileInfo info;
  if (!os::InfoOf(file_.native(), info) || info.kind != os::Kind::Regular) {
    file_.Close();
    errno = EINVAL;
    return false;
  }
  identity_.device = info.id.device;
  identity_.inode = info.id.index;
  identity_.size = info.size;
  identity_.changedNs = info.changedNs;
  return true;
}

std::string ReadOnlyFile::Read(unsigned long long offset, std::size_t count) const {
  std::string bytes;
  if (!file_) return bytes;
  bytes.resize(count);
  std::size_t have = 0;
  while (have < count) {
    const long long got = os::ReadAt(file_.native(), &bytes[have], count - have, offset + have);
    if (got <= 0) break;
    have += static_cast<std::size_t>(got);
  }
  bytes.resize(have);
  return bytes;
}

std::FILE* OpenForReading(const std::string& path) {
  // Opening a pipe with no writer returns at once.
  os::File file = os::Open(path, os::kRead | os::kNoWait);
  if (!file) return nullptr;
  os::FileInfo info;
  if (!os::InfoOf(file.native(), info) || info.kind != os::Kind::Regular) {
    errno = EINVAL;
    return nullptr;
  }
  return os::ToStream(std::move(file), "rb");
}

bool ReadAll(const std::string& path, FileBytes& bytes, std::size_t limit) {
  std::FILE* in = OpenForReading(path);
  if (!in) return false;
  const os::File::Native file = os::NativeOf(in);
  // One read into a buffer of the file's size; a file that grows meanwhile
  // is read on to its end (up to the limit), one that shrinks keeps what was there.
  os::FileInfo info;
  const std::size_t expected = os::InfoOf(file, info) ? static_cast<std::size_t>(info.size) : 0;
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
    const long long got = os::Read(file, data.get() + have, capacity - have);
    if (got < 0) {
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
  if (held_) os::Remove(path_);
}

bool LockFile::Acquire(std::chrono::milliseconds wait) {
  constexpr std::chrono::milliseconds kRetry{20};
  const auto deadline = std::chrono::steady_clock::now() + wait;
  for (;;) {
    if (!file_)
      file_ = os::Open(path_, os::kReadWrite | os::kCreate | os::kNoFollow, os::kPrivateFileMode);
    if (!file_) return false;
    if (os::TryLock(file_.native())) {
      os::FileInfo held, named;
      if (os::InfoOf(file_.native(), held) && os::InfoOf(path_, named, os::Links::Own) &&
          held.id == named.id) {
        held_ = true;
        return true;
      }
      // The writer before removed this file as it let go.
      file_.Close();
    } else if (errno != EWOULDBLOCK && errno != EINTR) {
      return false;
    }
    if (std::chrono::steady_clock::now() >= deadline) return false;
    if (file_) std::this_thread::sleep_for(kRetry);
  }
}

}  // namespace safefile
