// Whole-file writing and reading that never destroy data: every file the
// program writes is made as a temporary file beside its target and renamed
// over it only once every byte is written and flushed, so an old file stays
// whole until its replacement is; a target that is one of the operation's own
// inputs, a special file, a read-only file or a program is never replaced. Reading opens
// without waiting and refuses anything that is not a regular file, so a pipe
// with no writer never stops the program.
//
// Paths are UTF-8, as everywhere in the engine; the operating-system layer
// (core/os/Os.h) makes every call to the system.
#pragma once

#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/os/Os.h"

namespace safefile {

// Why a write did not replace its target.
enum class Failure {
  None,
  SameAsInput,  // the target is the same file as one of the inputs
  NotRegular,   // the target exists and is a directory, device, pipe or socket
  ReadOnly,     // the target exists and may not be written
  Program,      // the target is the running program or a file with an execute bit
  CannotWrite,  // the temporary file could not be made, written, flushed or renamed
};

struct WriteError {
  Failure failure = Failure::None;
  std::string input;  // the input the target is the same file as
  int error = 0;      // errno of a failed write
};

// Who may read a file a write makes: as a new file usually is (the
// process's umask decides; a replaced file keeps its permissions), or only
// the user (0600 whatever the umask and the file replaced).
enum class Access { Usual, Private };

// Writes the whole of a new file to `out`; false on any failure.
using Producer = std::function<bool(std::FILE* out)>;

// What a write does with a target that is a symbolic link: write the file it
// leads to, or put the new file in the link's place (the file the link led
// to is never touched).
enum class Links { Follow, Replace };

// Writes `path` through `produce`. The old file, if any, is untouched unless
// the new one is complete; it keeps its permissions. No temporary file is left
// behind whatever happens. `inputs` are the files the operation reads.
bool Write(const std::string& path, const Producer& produce,
           const std::vector<std::string>& inputs = {}, WriteError* error = nullptr,
           Links links = Links::Follow, Access access = Access::Usual);
// As above, following links.
bool Write(const std::string& path, const Producer& produce, const std::vector<std::string>& inputs,
           WriteError* error, Access access);

// Writes `bytes` as the whole of `path`, as Write.
bool WriteBytes(const std::string& path, const std::string& bytes,
                const std::vector<std::string>& inputs = {}, WriteError* error = nullptr,
                Links links = Links::Follow, Access access = Access::Usual);
// As above, following links.
bool WriteBytes(const std::string& path, const std::string& bytes,
                const std::vector<std::string>& inputs, WriteError* error, Access access);

// The real path of the file a symbolic link at `path` leads to; empty when
// `path` is no link (a link that leads nowhere gives its own text).
std::string LinkTarget(const std::string& path);

// Writes `bytes` as the whole of `path`, as Write, readable and writable by
// the user alone (an existing file loses any other permission) and on disk
// when it returns: a copy of the user's unsaved work. A link at `path` is
// replaced, never written through (the name may lie in a stranger's folder).
bool WritePrivately(const std::string& path, const std::string& bytes,
                    const std::vector<std::string>& inputs = {}, WriteError* error = nullptr);

// The reason a write failed, naming `path`, as a user reads it (engine text:
// file names are shown as they are given).
std::string Describe(const std::string& path, const WriteError& error);

// Opens a regular file for reading; nullptr (with errno set) for a missing or
// unreadable file and at once for a directory, pipe, socket or device.
std::FILE* OpenForReading(const std::string& path);

// Files larger than `limit` are refused by ReadAll (errno EFBIG) before
// anything is read.
inline constexpr std::size_t kNoLimit = static_cast<std::size_t>(-1);

// Reads the whole of a regular file; false as OpenForReading or on a read error.
bool ReadAll(const std::string& path, std::string& bytes, std::size_t limit = kNoLimit);

// A whole file's bytes in storage that is not cleared before it is read into
// (a large project is read once, and clearing it first cost as much again).
struct FileBytes {
  std::unique_ptr<char[]> data;
  std::size_t size = 0;
  std::string_view view() const { return std::string_view(data.get(), size); }
};
bool ReadAll(const std::string& path, FileBytes& bytes, std::size_t limit = kNoLimit);

// Whether both paths reach one and the same existing file (same device and
// inode, through links or different spellings).
bool SameFile(const std::string& a, const std::string& b);
// Whether the open file (a descriptor or handle) and `path` are one and the same file.
bool SameFile(os::File::Native file, const std::string& path);
// Whether standard output is the file `path` (`>> path`).
bool SameAsStandardOutput(const std::string& path);

// What a file on disk is: which file (device and inode), its size and its
// modification time to the nanosecond. Two stamps differ when the file was
// replaced (a new inode) or written since.
struct FileStamp {
  bool exists = false;
  unsigned long long device = 0, inode = 0, size = 0;
  long long mtimeNs = 0;
  bool operator==(const FileStamp& o) const {
    return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
           mtimeNs == o.mtimeNs;
  }
  bool operator!=(const FileStamp& o) const { return !(*this == o); }
};
// The stamp of `path` (following links); `exists` is false for no file.
FileStamp StampOf(const std::string& path);

// The canonical real path of an existing `path`: every link and every "."
// and ".." resolved, so that "/proc/self/cwd/x" is the file it really is.
// False (errno set) when `path` reaches nothing.
bool RealPath(const std::string& path, std::string& real);

// Makes `directory` and its missing parents, each new one 0700, and makes
// `directory` itself 0700 when it already exists and is the user's: a
// folder only the user may enter. False when it is not a folder afterwards.
bool MakePrivateDirectory(const std::string& directory);

// Which file an open file is (device and inode), how long it was when
// opened, and when it last changed (its status change time, which no user
// can set back): a name pointed at another file meanwhile, or the file
// written since, gives another identity.
struct FileIdentity {
  unsigned long long device = 0, inode = 0, size = 0;
  long long changedNs = 0;
  bool operator==(const FileIdentity& o) const {
    return device == o.device && inode == o.inode && size == o.size && changedNs == o.changedNs;
  }
  bool operator!=(const FileIdentity& o) const { return !(*this == o); }
};

// A regular file opened for reading by a path that must not end in a link
// (O_NOFOLLOW), without waiting on a pipe; what it is comes from the open
// file itself, never from its name again.
class ReadOnlyFile {
 public:
  ReadOnlyFile() = default;
  ~ReadOnlyFile();
  ReadOnlyFile(const ReadOnlyFile&) = delete;
  ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;
  // False, with errno set, for a missing or unreadable file, a link (ELOOP)
  // and anything but a regular file (EINVAL).
  bool Open(const std::string& path);
  unsigned long long size() const { return identity_.size; }
  const FileIdentity& identity() const { return identity_; }
  // Up to `count` bytes from `offset` (fewer at the end of the file or on
  // an error); nothing is read beyond what is asked for.
  std::string Read(unsigned long long offset, std::size_t count) const;

 private:
  os::File file_;
  FileIdentity identity_;
};

// Prepares the process for writing files, once at its start: a file-size
// limit makes a write fail (and be reported) instead of ending the program,
// and an interrupt, terminate or hang-up signal that arrives while a
// temporary file is being written removes it before the program ends as the
// signal asks. Signals the caller's parent set to be ignored stay ignored.
void PrepareProcess();

// A lock file beside a file that every writer takes, so that two programs
// writing at once take turns. Released on close, also when a writer dies.
// The holder removes the lock file as it lets go, so that none is left
// behind; a waiter that then holds the removed file's lock notices and takes
// the new file's instead.
class LockFile {
 public:
  explicit LockFile(std::string path) : path_(std::move(path)) {}
  ~LockFile();
  LockFile(const LockFile&) = delete;
  LockFile& operator=(const LockFile&) = delete;
  // Waits up to `wait` for the lock; false when it could not be had.
  bool Acquire(std::chrono::milliseconds wait);

 private:
  std::string path_;
  os::File file_;
  bool held_ = false;
};

}  // namespace safefile
