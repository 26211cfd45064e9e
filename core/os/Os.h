// The operating system, as the engine and the command line use it: files by
// descriptor or handle, their identity, times and permissions, links, locks,
// folders, processes, the environment, the settings folder, signals and the
// standard streams. One implementation per system (OsPosix.cpp, OsWindows.cpp);
// no other file of the engine or the command line includes a system header.
//
// Names are UTF-8 everywhere in the program; the Windows implementation
// converts them to UTF-16 at its calls, so that any name works on both
// systems. Failures leave errno set (the Windows implementation translates
// the system's error codes).
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace os {

// ---- Names ----------------------------------------------------------------

// The separator of the system's own form of a path.
#ifdef _WIN32
inline constexpr char kSeparator = '\\';
#else
inline constexpr char kSeparator = '/';
#endif
// `path` in the system's own form: one separator throughout ("a/b\\c" is
// "a\\b\\c" on Windows; unchanged on POSIX, where '\\' is a name's character).
std::string NativeSeparators(const std::string& path);
// A UTF-8 name as the standard library's path, and back.
inline std::filesystem::path FsPath(const std::string& utf8) {
  return std::filesystem::u8path(utf8);
}
inline std::string Utf8Of(const std::filesystem::path& path) {
  return path.u8string();
}

// ---- Files ----------------------------------------------------------------

// An open file: a descriptor on POSIX, a handle on Windows; closed with its
// owner. Every file the layer opens lets other programs read, write, rename
// and delete it meanwhile (on Windows: FILE_SHARE_READ | WRITE | DELETE), so
// that a file the program reads can still be replaced.
class File {
 public:
  using Native = std::intptr_t;
  static constexpr Native kNone = -1;
  File() = default;
  explicit File(Native native) : native_(native) {}
  ~File();
  File(File&& o) noexcept : native_(o.Release()) {}
  File& operator=(File&& o) noexcept;
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  bool valid() const { return native_ != kNone; }
  explicit operator bool() const { return valid(); }
  Native native() const { return native_; }
  Native Release() {
    const Native n = native_;
    native_ = kNone;
    return n;
  }
  void Close();

 private:
  Native native_ = kNone;
};

// How a file is opened.
enum OpenFlags : unsigned {
  kRead = 0,
  kReadWrite = 1u << 0,
  kCreate = 1u << 1,     // made when missing
  kExclusive = 1u << 2,  // with kCreate: fails (EEXIST) when the name is taken, link or not
  kNoFollow = 1u << 3,   // fails (ELOOP) when the name is a symbolic link
  kNoWait = 1u << 4,     // a pipe with no writer does not stop the open (POSIX)
  kFolder = 1u << 5,     // a folder, to flush its names to disk
};
// Permission bits of a new file (POSIX; less the process's umask).
inline constexpr unsigned kNewFileMode = 0666;
inline constexpr unsigned kPrivateFileMode = 0600;
inline constexpr unsigned kPrivateFolderMode = 0700;
inline constexpr unsigned kAnyWrite = 0222;
inline constexpr unsigned kAnyExecute = 0111;
inline constexpr unsigned kPermissionBits = 07777;

File Open(const std::string& path, unsigned flags, unsigned mode = kNewFileMode);
// The open file as a C stream ("rb", "wb"); the file is handed over to it
// whether or not this succeeds.
std::FILE* ToStream(File file, const char* mode);
// The file under a C stream, for the calls below (still the stream's).
File::Native NativeOf(std::FILE* stream);
// A second descriptor or handle of the same open file.
File Duplicate(File::Native file);
// Reads up to `count` bytes (ReadAt: from `offset`; on POSIX without moving
// the file's position); -1 on an error, 0 at the end.
long long Read(File::Native file, void* into, std::size_t count);
long long ReadAt(File::Native file, void* into, std::size_t count, unsigned long long offset);
// On disk (fsync, FlushFileBuffers); true where the file has no disk to go to.
bool Sync(File::Native file);
// The names in `folder` on disk.
void SyncFolder(const std::string& folder);

// What a file is.
enum class Kind { None, Regular, Folder, Link, Other };
// Which file: the device (Windows: the volume's serial number) and the file
// on it (the inode; the file index). Two names with one identity are one file.
// {0, 0} is an identity the system did not give (Windows, for a file it
// would not open), which is never the same as any other.
struct FileId {
  unsigned long long device = 0, index = 0;
  bool operator==(const FileId& o) const {
    return device == o.device && index == o.index && (device != 0 || index != 0);
  }
  bool operator!=(const FileId& o) const { return !(*this == o); }
  bool operator<(const FileId& o) const {
    return device != o.device ? device < o.device : index < o.index;
  }
};
struct FileInfo {
  Kind kind = Kind::None;
  FileId id;
  unsigned long long size = 0;
  long long modifiedNs = 0;  // last write, nanoseconds since 1970
  long long changedNs = 0;   // status change (POSIX), else last write
  unsigned mode = 0;         // permission bits; Windows: 0444 or 0666, 0777 for a program
  bool ownedByUser = true;   // owned by the process's effective user
  unsigned owner = 0, group = 0;
};
enum class Links { Follow, Own };
// False (errno set) when `path` reaches nothing; `Own` describes a link itself.
bool InfoOf(const std::string& path, FileInfo& info, Links links = Links::Follow);
bool InfoOf(File::Native file, FileInfo& info);
// The standard output's file, as above; false for a console or a closed stream.
bool InfoOfStandardOutput(FileInfo& info);
Kind KindOf(const std::string& path, Links links = Links::Follow);
// Whether the process may write `path` (access(W_OK); Windows: not read-only).
bool MayWrite(const std::string& path);
bool MayReadAndWrite(const std::string& path);

// Permission bits (Windows: only "no write" maps, to the read-only attribute).
bool SetMode(File::Native file, unsigned mode);
bool SetMode(const std::string& path, unsigned mode);
// The file's owner where the process may give it (root may); true on Windows.
bool SetOwner(File::Native file, unsigned owner, unsigned group);
// Opens `address` with the desktop's own program for it (xdg-open; the
// shell's "open").
bool OpenWithDesktop(const std::string& address);
// Sets the permission bits a new file of the process never has (umask),
// returning those before; nothing on Windows.
unsigned SetNewFileMask(unsigned mask);
// Whether the process runs as root (the superuser); false on Windows.
bool RunsAsRoot();
// The process's real user (0 on Windows).
unsigned UserId();
// Whether the other end of a local connection (a socket's descriptor) runs
// as this user; on Windows a named pipe is the session's own, and true.
bool PeerIsSameUser(std::intptr_t socket);

// Puts `from` in `to`'s place, atomically where the system allows: rename on
// POSIX (a reader of the old file keeps reading it); on Windows MoveFileExW
// with REPLACE_EXISTING and WRITE_THROUGH, else ReplaceFileW where the old
// file is open, tried again briefly while another program holds the target
// without letting it be deleted. `held`, a handle of the caller's on `from`,
// is closed before ReplaceFileW, which opens the replacement unshared.
bool Replace(const std::string& from, const std::string& to, File* held = nullptr);
bool Remove(const std::string& path);
// One folder (EEXIST when something is there).
bool MakeFolder(const std::string& path, unsigned mode = 0777);

// The canonical real path of an existing `path`: links, "." and ".."
// resolved. False (errno set) when it reaches nothing.
bool RealPath(const std::string& path, std::string& real);
// Makes `link` a symbolic link to `target`; false (ENOSYS or the system's
// refusal) where links cannot be made.
bool MakeLink(const std::string& target, const std::string& link);
// Makes a named pipe (a FIFO) at `path`; false (ENOSYS) where the system has none.
bool MakePipe(const std::string& path);
// The current folder, without a trailing separator.
std::string CurrentFolder();
// A new folder only the user may enter, "<temp>/<prefix>XXXXXX"; empty on failure.
std::string MakeTempFolder(const std::string& prefix);
std::string TempFolder();

// An exclusive lock of the file, taken without waiting, held until the
// descriptor or handle that took it closes (flock; on Windows LockFileEx on
// one byte far past any data, so that reading and writing stay free). False
// with EWOULDBLOCK when another holds it.
bool TryLock(File::Native file);

// ---- Processes and the environment ----------------------------------------

// Whether the variable is set, and its value.
bool GetEnv(const std::string& name, std::string& value);
std::string Env(const std::string& name);
void SetEnv(const std::string& name, const std::string& value);
void UnsetEnv(const std::string& name);
// A list of folders as the system separates them (':' on POSIX, ';' on Windows).
std::vector<std::string> SplitFolderList(const std::string& list);

// The running program's own file; empty when the system does not tell.
std::string ProgramPath();
long ProcessId();
// Whether no process `pid` runs any longer.
bool ProcessEnded(long pid);
// Ends process `pid` at once.
void KillProcess(long pid);
// Starts `argv` (the program looked up in PATH unless it names a folder) on
// its own, outliving this process and leaving no zombie; false when it could
// not be started.
bool StartDetached(const std::vector<std::string>& argv);
// Runs `program` in this process's place with `argv` (POSIX exec; on Windows
// the program runs and this process ends with its status). Returns only on
// failure, errno set.
int RunInstead(const std::string& program, const std::vector<std::string>& argv);
// The program's arguments as UTF-8 (on Windows from the wide command line).
std::vector<std::string> Arguments(int argc, char** argv);

// ---- Folders of the user --------------------------------------------------

// $HOME (the user's profile on Windows) without a trailing separator.
std::string HomeFolder();
// Where the user's settings are: $XDG_CONFIG_HOME or ~/.config; %APPDATA%.
std::string SettingsFolder();
// The system's settings folders, most important first: $XDG_CONFIG_DIRS or
// /etc/xdg; %PROGRAMDATA%.
std::vector<std::string> SystemSettingsFolders();
// The user's cache: $XDG_CACHE_HOME or ~/.cache; %LOCALAPPDATA%.
std::string CacheFolder();

// ---- Signals, limits and the standard streams -----------------------------

// Prepares the process for writing files: a file-size limit makes a write
// fail instead of ending the program, and the signals that end a program
// (interrupt, terminate, hang-up; Windows: the console's Ctrl+C, close and
// logoff events) call `cleanup` first, then end it as they would have.
// Signals the parent set to be ignored stay ignored. `cleanup` may only call
// RemoveFromHandler.
void OnEndSignals(void (*cleanup)());
// Removes a file from a signal handler (no allocation, no lock).
void RemoveFromHandler(const char* path);
// Holds back the signals that end the program while it lives (POSIX).
class EndSignalsHeld {
 public:
  EndSignalsHeld();
  ~EndSignalsHeld();
  EndSignalsHeld(const EndSignalsHeld&) = delete;
  EndSignalsHeld& operator=(const EndSignalsHeld&) = delete;

 private:
  alignas(16) unsigned char before_[256];
  bool held_ = false;
};
// The editor's way with the signals that end a program: each arrival puts
// its number on a pipe whose reading end this returns (-1 where there is
// none), a second one ends the program as the signal would have.
int CatchEndSignalsOnPipe();
int TakeEndSignal(int fd);
// The largest file the process may write, in bytes (RLIMIT_FSIZE), the limit
// before put in `before`; a write past it fails (EFBIG) instead of ending the
// process. False where the system has no such limit.
bool SetFileSizeLimit(unsigned long long bytes, unsigned long long* before = nullptr);

// Standard input, output and error carry bytes as they are (Windows: binary
// mode, so "\r\n" never becomes "\r\r\n"); called first thing.
void BinaryStandardStreams();
// Writes all of `bytes` to standard output past the C stream's buffer.
bool WriteStandardOutput(const char* bytes, std::size_t size);

// ---- The heap (glibc only; false or nothing elsewhere) --------------------

// The allocator grows its heap by `pad` at a time and gives back nothing
// below `trim`; blocks up to `largestBlock` (unless 0) come from the heap.
bool TuneHeap(std::size_t pad, std::size_t trim, std::size_t largestBlock);
// The heap's end now (0 where unknown).
std::uintptr_t HeapEnd();
// Asks for huge pages over the range, and (`populate`) maps it in now.
void AdviseHugePages(std::uintptr_t start, std::size_t size, bool populate);
// Whether AdviseHugePages can map ahead.
bool CanPopulate();

}  // namespace os
