// The operating-system layer on Windows: UTF-8 names become UTF-16 for the
// wide calls, files are opened so that others may read, write, rename and
// delete them meanwhile, and the system's error codes become errno values.
#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0601
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After windows.h:
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <thread>

#include "core/os/Os.h"

namespace os {

std::string NativeSeparators(const std::string& path) {
  std::string out = path;
  for (char& c : out)
    if (c == '/') c = '\\';
  return out;
}

namespace {

// Paths longer than this, in UTF-16 units, are refused (ENAMETOOLONG).
constexpr int kLongestPath = 32767;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// 100-nanosecond intervals from 1601 to 1970.
constexpr long long kEpochDifference = 116444736000000000LL;
// The byte a lock covers: far past the end of any file, so that a lock
// (which Windows enforces on reading and writing) never stands in the way.
constexpr DWORD kLockOffsetHigh = 0x7FFFFFFF;
// How often, and how long apart, a replacement is tried again while another
// program (a virus scanner, an indexer) has the target open.
constexpr int kReplaceAttempts = 10;
constexpr std::chrono::milliseconds kReplacePause{50};
constexpr DWORD kUnprivilegedLinks = 0x2;  // SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE

std::wstring Wide(const std::string& utf8) {
  if (utf8.empty()) return std::wstring();
  const int n =
      MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
  if (n > 0)
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), &out[0], n);
  return out;
}

std::string Utf8(const wchar_t* wide, std::size_t length) {
  if (length == 0) return std::string();
  const int n =
      WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  if (n > 0)
    WideCharToMultiByte(CP_UTF8, 0, wide, static_cast<int>(length), &out[0], n, nullptr, nullptr);
  return out;
}

std::string Utf8(const std::wstring& wide) {
  return Utf8(wide.data(), wide.size());
}

// The C library's error for the system's last error.
int ErrnoOf(DWORD error) {
  switch (error) {
    case ERROR_SUCCESS:
      return 0;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_PRIVILEGE_NOT_HELD:
      return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return EWOULDBLOCK;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_NOT_SAME_DEVICE:
      return EXDEV;
    case ERROR_DIRECTORY:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_PARAMETER:
      return EINVAL;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    case ERROR_CANT_RESOLVE_FILENAME:
      return ELOOP;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return ENOMEM;
    case ERROR_NOT_SUPPORTED:
    case ERROR_CALL_NOT_IMPLEMENTED:
      return ENOSYS;
    default:
      return EIO;
  }
}

// Sets errno from the last error and returns `result`.
template <typename T>
T Failed(T result) {
  errno = ErrnoOf(GetLastError());
  return result;
}

HANDLE H(File::Native file) {
  return reinterpret_cast<HANDLE>(file);
}

long long Nanoseconds(const FILETIME& t) {
  const long long ticks = static_cast<long long>(
      (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
  return (ticks - kEpochDifference) * 100;
}

long long Nanoseconds(const LARGE_INTEGER& t) {
  return (t.QuadPart - kEpochDifference) * 100;
}

bool EndsWithNoCase(const std::wstring& s, const wchar_t* tail) {
  const std::size_t n = std::wcslen(tail);
  return s.size() >= n && _wcsicmp(s.c_str() + s.size() - n, tail) == 0;
}

// A name the system runs as a program.
bool IsProgramName(const std::wstring& name) {
  for (const wchar_t* tail : {L".exe", L".com", L".bat", L".cmd"})
    if (EndsWithNoCase(name, tail)) return true;
  return false;
}

// The description of an open file; false for one that is no file on disk.
bool Describe(HANDLE h, FileInfo& info, bool ownLink) {
  info = FileInfo();
  if (GetFileType(h) != FILE_TYPE_DISK) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  BY_HANDLE_FILE_INFORMATION by{};
  if (!GetFileInformationByHandle(h, &by)) return false;
  info.id.device = by.dwVolumeSerialNumber;
  info.id.index = (static_cast<unsigned long long>(by.nFileIndexHigh) << 32) | by.nFileIndexLow;
  info.size = (static_cast<unsigned long long>(by.nFileSizeHigh) << 32) | by.nFileSizeLow;
  info.modifiedNs = Nanoseconds(by.ftLastWriteTime);
  info.changedNs = info.modifiedNs;
  FILE_BASIC_INFO basic{};
  if (GetFileInformationByHandleEx(h, FileBasicInfo, &basic, sizeof basic))
    info.changedNs = Nanoseconds(basic.ChangeTime);
  const DWORD attributes = by.dwFileAttributes;
  if (ownLink && (attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
    FILE_ATTRIBUTE_TAG_INFO tag{};
    if (GetFileInformationByHandleEx(h, FileAttributeTagInfo, &tag, sizeof tag) &&
        (tag.ReparseTag == IO_REPARSE_TAG_SYMLINK || tag.ReparseTag == IO_REPARSE_TAG_MOUNT_POINT))
      info.kind = Kind::Link;
  }
  if (info.kind == Kind::None)
    info.kind = (attributes & FILE_ATTRIBUTE_DIRECTORY) ? Kind::Folder : Kind::Regular;
  info.mode = (attributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
  if (info.kind == Kind::Folder) info.mode |= 0111;
  return true;
}

}  // namespace

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
  if (native_ != kNone) CloseHandle(H(native_));
  native_ = kNone;
}

File Open(const std::string& path, unsigned flags, unsigned mode) {
  const std::wstring name = Wide(path);
  if (name.empty()) {
    errno = ENOENT;
    return File();
  }
  if (name.size() > static_cast<std::size_t>(kLongestPath)) {
    errno = ENAMETOOLONG;
    return File();
  }
  DWORD access = GENERIC_READ;
  if (flags & kReadWrite) access |= GENERIC_WRITE;
  DWORD disposition = OPEN_EXISTING;
  if (flags & kCreate) disposition = (flags & kExclusive) ? CREATE_NEW : OPEN_ALWAYS;
  // Folders open too (they are told apart afterwards, as on POSIX).
  DWORD attributes = FILE_FLAG_BACKUP_SEMANTICS;
  attributes |= (mode & kAnyWrite) ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
  // A new file is never made through a link; kNoFollow opens the link itself.
  if (flags & (kNoFollow | kExclusive)) attributes |= FILE_FLAG_OPEN_REPARSE_POINT;
  HANDLE h =
      CreateFileW(name.c_str(), access, kShareAll, nullptr, disposition, attributes, nullptr);
  if (h == INVALID_HANDLE_VALUE) return Failed(File());
  File file(reinterpret_cast<File::Native>(h));
  if (flags & kNoFollow) {
    FileInfo info;
    if (Describe(h, info, true) && info.kind == Kind::Link) {
      errno = ELOOP;
      return File();
    }
  }
  return file;
}

std::FILE* ToStream(File file, const char* mode) {
  if (!file) return nullptr;
  const bool reading = std::strchr(mode, 'r') && !std::strchr(mode, '+');
  const int fd = _open_osfhandle(file.native(), _O_BINARY | (reading ? _O_RDONLY : 0));
  if (fd < 0) return nullptr;
  file.Release();
  std::FILE* stream = _fdopen(fd, mode);
  if (!stream) _close(fd);
  return stream;
}

File::Native NativeOf(std::FILE* stream) {
  return stream ? static_cast<File::Native>(_get_osfhandle(_fileno(stream))) : File::kNone;
}

File Duplicate(File::Native file) {
  HANDLE copy = INVALID_HANDLE_VALUE;
  if (!DuplicateHandle(GetCurrentProcess(), H(file), GetCurrentProcess(), &copy, 0, FALSE,
                       DUPLICATE_SAME_ACCESS))
    return Failed(File());
  return File(reinterpret_cast<File::Native>(copy));
}

long long Read(File::Native file, void* into, std::size_t count) {
  DWORD got = 0;
  const DWORD ask = count > MAXDWORD ? MAXDWORD : static_cast<DWORD>(count);
  if (!ReadFile(H(file), into, ask, &got, nullptr))
    return GetLastError() == ERROR_BROKEN_PIPE ? 0 : Failed(-1LL);
  return got;
}

long long ReadAt(File::Native file, void* into, std::size_t count, unsigned long long offset) {
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD got = 0;
  const DWORD ask = count > MAXDWORD ? MAXDWORD : static_cast<DWORD>(count);
  if (!ReadFile(H(file), into, ask, &got, &at))
    return GetLastError() == ERROR_HANDLE_EOF ? 0 : Failed(-1LL);
  return got;
}

bool Sync(File::Native file) {
  if (GetFileType(H(file)) != FILE_TYPE_DISK) return true;
  return FlushFileBuffers(H(file)) ? true : Failed(false);
}

void SyncFolder(const std::string&) {
  // A folder's names cannot be flushed on Windows; a replacement is written
  // through (MOVEFILE_WRITE_THROUGH) instead.
}

bool InfoOf(const std::string& path, FileInfo& info, Links links) {
  info = FileInfo();
  const std::wstring name = Wide(path);
  if (name.empty()) {
    errno = ENOENT;
    return false;
  }
  DWORD flags = FILE_FLAG_BACKUP_SEMANTICS;
  if (links == Links::Own) flags |= FILE_FLAG_OPEN_REPARSE_POINT;
  HANDLE h = CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                         flags, nullptr);
  if (h == INVALID_HANDLE_VALUE) {
    // A file the system keeps to itself still has attributes.
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(name.c_str(), GetFileExInfoStandard, &data)) return Failed(false);
    info.kind = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? Kind::Folder : Kind::Regular;
    info.size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    info.modifiedNs = info.changedNs = Nanoseconds(data.ftLastWriteTime);
    info.mode = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) ? 0444 : 0666;
  } else {
    const bool ok = Describe(h, info, links == Links::Own);
    const DWORD error = GetLastError();
    CloseHandle(h);
    if (!ok) {
      SetLastError(error);
      return Failed(false);
    }
  }
  if (info.kind == Kind::Regular && IsProgramName(name)) info.mode |= 0111;
  return true;
}

bool InfoOf(File::Native file, FileInfo& info) {
  return Describe(H(file), info, false) ? true : Failed(false);
}

bool InfoOfStandardOutput(FileInfo& info) {
  return InfoOf(reinterpret_cast<File::Native>(GetStdHandle(STD_OUTPUT_HANDLE)), info);
}

Kind KindOf(const std::string& path, Links links) {
  FileInfo info;
  return InfoOf(path, info, links) ? info.kind : Kind::None;
}

bool MayWrite(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return Failed(false);
  if (attributes & FILE_ATTRIBUTE_READONLY) {
    errno = EACCES;
    return false;
  }
  return true;
}

bool MayReadAndWrite(const std::string& path) {
  return MayWrite(path);
}

bool SetMode(File::Native file, unsigned mode) {
  FILE_BASIC_INFO basic{};
  if (!GetFileInformationByHandleEx(H(file), FileBasicInfo, &basic, sizeof basic))
    return Failed(false);
  const DWORD before = basic.FileAttributes;
  if (mode & kAnyWrite)
    basic.FileAttributes &= ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
  else
    basic.FileAttributes |= FILE_ATTRIBUTE_READONLY;
  if (basic.FileAttributes == before) return true;
  if (basic.FileAttributes == 0) basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
  return SetFileInformationByHandle(H(file), FileBasicInfo, &basic, sizeof basic) ? true
                                                                                  : Failed(false);
}

bool SetMode(const std::string& path, unsigned mode) {
  const std::wstring name = Wide(path);
  const DWORD attributes = GetFileAttributesW(name.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return Failed(false);
  DWORD now = attributes;
  if (mode & kAnyWrite)
    now &= ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
  else
    now |= FILE_ATTRIBUTE_READONLY;
  if (now == attributes) return true;
  return SetFileAttributesW(name.c_str(), now ? now : FILE_ATTRIBUTE_NORMAL) ? true : Failed(false);
}

bool SetOwner(File::Native, unsigned, unsigned) {
  return true;
}

bool OpenWithDesktop(const std::string& address) {
  const HINSTANCE result =
      ShellExecuteW(nullptr, L"open", Wide(address).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

unsigned SetNewFileMask(unsigned) {
  return 0;
}

bool RunsAsRoot() {
  return false;
}

unsigned UserId() {
  return 0;
}

bool PeerIsSameUser(std::intptr_t) {
  return true;
}

bool Replace(const std::string& from, const std::string& to, File* held) {
  const std::wstring source = Wide(from), target = Wide(to);
  const DWORD kFlags = MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH;
  for (int attempt = 0;; ++attempt) {
    // A rename over the old name; where the system refuses it because the
    // old file is open, ReplaceFileW, which moves the open file aside.
    if (MoveFileExW(source.c_str(), target.c_str(), kFlags)) return true;
    DWORD error = GetLastError();
    if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) {
      if (held) held->Close();
      if (ReplaceFileW(target.c_str(), source.c_str(), nullptr,
                       REPLACEFILE_IGNORE_MERGE_ERRORS | REPLACEFILE_IGNORE_ACL_ERRORS, nullptr,
                       nullptr))
        return true;
      error = GetLastError();
      // Failed halfway: the old file is gone from its name (deleted, or
      // left under a name of the system's) and the new one still has its
      // temporary name, which takes the free name now.
      if (error == ERROR_UNABLE_TO_MOVE_REPLACEMENT ||
          error == ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
        if (MoveFileExW(source.c_str(), target.c_str(), kFlags)) return true;
        error = GetLastError();
      }
    }
    const bool busy = error == ERROR_SHARING_VIOLATION || error == ERROR_ACCESS_DENIED ||
                      error == ERROR_LOCK_VIOLATION || error == ERROR_UNABLE_TO_REMOVE_REPLACED;
    if (!busy || attempt + 1 >= kReplaceAttempts) {
      SetLastError(error);
      return Failed(false);
    }
    std::this_thread::sleep_for(kReplacePause);
  }
}

bool Remove(const std::string& path) {
  return DeleteFileW(Wide(path).c_str()) ? true : Failed(false);
}

bool MakeFolder(const std::string& path, unsigned) {
  return CreateDirectoryW(Wide(path).c_str(), nullptr) ? true : Failed(false);
}

bool RealPath(const std::string& path, std::string& real) {
  const std::wstring name = Wide(path);
  if (name.empty()) {
    errno = ENOENT;
    return false;
  }
  HANDLE h = CreateFileW(name.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                         FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (h == INVALID_HANDLE_VALUE) return Failed(false);
  std::wstring buffer(kLongestPath + 1, L'\0');
  const DWORD n = GetFinalPathNameByHandleW(h, &buffer[0], kLongestPath,
                                            FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  const DWORD error = GetLastError();
  CloseHandle(h);
  if (n == 0 || n > static_cast<DWORD>(kLongestPath)) {
    SetLastError(n ? ERROR_FILENAME_EXCED_RANGE : error);
    return Failed(false);
  }
  buffer.resize(n);
  // "\\?\C:\x" is "C:\x", "\\?\UNC\server\share" is "\\server\share".
  if (buffer.compare(0, 8, L"\\\\?\\UNC\\") == 0)
    buffer = L"\\\\" + buffer.substr(8);
  else if (buffer.compare(0, 4, L"\\\\?\\") == 0)
    buffer.erase(0, 4);
  real = Utf8(buffer);
  return true;
}

bool MakeLink(const std::string& target, const std::string& link) {
  const std::wstring to = Wide(target);
  DWORD flags = kUnprivilegedLinks;
  const DWORD attributes = GetFileAttributesW(to.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
    flags |= SYMBOLIC_LINK_FLAG_DIRECTORY;
  if (CreateSymbolicLinkW(Wide(link).c_str(), to.c_str(), flags)) return true;
  // Older systems know no unprivileged links and refuse the flag.
  if (GetLastError() == ERROR_INVALID_PARAMETER &&
      CreateSymbolicLinkW(Wide(link).c_str(), to.c_str(), flags & ~kUnprivilegedLinks))
    return true;
  return Failed(false);
}

bool MakePipe(const std::string&) {
  errno = ENOSYS;
  return false;
}

namespace {

// A folder's name without its trailing separator, unless it is a root ("C:\").
std::string WithoutTrailingSeparator(std::wstring dir) {
  while (dir.size() > 3 && (dir.back() == L'\\' || dir.back() == L'/')) dir.pop_back();
  return Utf8(dir);
}

}  // namespace

std::string CurrentFolder() {
  std::wstring buffer(kLongestPath + 1, L'\0');
  const DWORD n = GetCurrentDirectoryW(kLongestPath, &buffer[0]);
  if (n == 0 || n > static_cast<DWORD>(kLongestPath)) return ".";
  buffer.resize(n);
  return WithoutTrailingSeparator(buffer);
}

std::string TempFolder() {
  wchar_t buffer[MAX_PATH + 2] = {};
  const DWORD n = GetTempPathW(MAX_PATH + 1, buffer);
  if (n == 0 || n > MAX_PATH + 1) return CurrentFolder();
  return WithoutTrailingSeparator(std::wstring(buffer, n));
}

std::string MakeTempFolder(const std::string& prefix) {
  static const char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  const std::string base = TempFolder() + "\\" + prefix;
  unsigned long long seed = GetTickCount64() ^ (static_cast<unsigned long long>(ProcessId()) << 32);
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string name = base;
    for (int i = 0; i < 6; ++i) {
      seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
      name += kLetters[(seed >> 33) % 36];
    }
    if (CreateDirectoryW(Wide(name).c_str(), nullptr)) return name;
    if (GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  return Failed(std::string());
}

bool TryLock(File::Native file) {
  OVERLAPPED at{};
  at.OffsetHigh = kLockOffsetHigh;
  if (LockFileEx(H(file), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at))
    return true;
  return Failed(false);
}

// ---- Processes and the environment ----------------------------------------

bool GetEnv(const std::string& name, std::string& value) {
  const wchar_t* v = _wgetenv(Wide(name).c_str());
  if (!v) return false;
  value = Utf8(v, std::wcslen(v));
  return true;
}

std::string Env(const std::string& name) {
  std::string value;
  GetEnv(name, value);
  return value;
}

void SetEnv(const std::string& name, const std::string& value) {
  _wputenv_s(Wide(name).c_str(), Wide(value).c_str());
}

void UnsetEnv(const std::string& name) {
  // An empty value removes the variable.
  _wputenv_s(Wide(name).c_str(), L"");
}

std::vector<std::string> SplitFolderList(const std::string& list) {
  std::vector<std::string> dirs;
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t end = list.find(';', start);
    if (end == std::string::npos) end = list.size();
    if (end > start) dirs.push_back(list.substr(start, end - start));
    start = end + 1;
  }
  return dirs;
}

std::string ProgramPath() {
  std::wstring buffer(kLongestPath + 1, L'\0');
  const DWORD n = GetModuleFileNameW(nullptr, &buffer[0], kLongestPath);
  if (n == 0 || n >= static_cast<DWORD>(kLongestPath)) return std::string();
  buffer.resize(n);
  return Utf8(buffer);
}

long ProcessId() {
  return static_cast<long>(GetCurrentProcessId());
}

bool ProcessEnded(long pid) {
  if (pid <= 0) return false;
  HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
  if (!h) return GetLastError() == ERROR_INVALID_PARAMETER;
  DWORD code = 0;
  const bool ended = GetExitCodeProcess(h, &code) && code != STILL_ACTIVE;
  CloseHandle(h);
  return ended;
}

void KillProcess(long pid) {
  if (pid <= 0) return;
  HANDLE h = OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(pid));
  if (!h) return;
  TerminateProcess(h, 1);
  CloseHandle(h);
}

namespace {

// One argument as the C runtime of the program started reads it back.
void AppendQuoted(const std::wstring& arg, std::wstring& line) {
  if (!line.empty()) line += L' ';
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
    line += arg;
    return;
  }
  line += L'"';
  for (std::size_t i = 0;; ++i) {
    std::size_t slashes = 0;
    while (i < arg.size() && arg[i] == L'\\') {
      ++i;
      ++slashes;
    }
    if (i == arg.size()) {
      line.append(slashes * 2, L'\\');
      break;
    }
    if (arg[i] == L'"')
      line.append(slashes * 2 + 1, L'\\');
    else
      line.append(slashes, L'\\');
    line += arg[i];
  }
  line += L'"';
}

bool Start(const std::string& program, const std::vector<std::string>& argv, DWORD flags,
           PROCESS_INFORMATION& started) {
  std::wstring line;
  for (const std::string& a : argv) AppendQuoted(Wide(a), line);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  const std::wstring app = Wide(program);
  return CreateProcessW(app.empty() ? nullptr : app.c_str(), &line[0], nullptr, nullptr, FALSE,
                        flags | CREATE_UNICODE_ENVIRONMENT, nullptr, nullptr, &startup, &started)
             ? true
             : Failed(false);
}

}  // namespace

bool StartDetached(const std::vector<std::string>& argv) {
  if (argv.empty() || argv[0].empty()) return false;
  PROCESS_INFORMATION started{};
  // No application name: the system looks the program up as a command line would.
  if (!Start(std::string(), argv, DETACHED_PROCESS | CREATE_NEW_PROCESS_GROUP, started))
    return false;
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return true;
}

int RunInstead(const std::string& program, const std::vector<std::string>& argv) {
  PROCESS_INFORMATION started{};
  std::vector<std::string> args = argv;
  if (args.empty()) args.push_back(program);
  if (!Start(program, args, 0, started)) return -1;
  CloseHandle(started.hThread);
  WaitForSingleObject(started.hProcess, INFINITE);
  DWORD code = 1;
  GetExitCodeProcess(started.hProcess, &code);
  CloseHandle(started.hProcess);
  std::fflush(nullptr);
  ExitProcess(code);
}

std::vector<std::string> Arguments(int argc, char** argv) {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!wide || count != argc) {
    if (wide) LocalFree(wide);
    return std::vector<std::string>(argv, argv + argc);
  }
  std::vector<std::string> args;
  for (int i = 0; i < count; ++i) args.push_back(Utf8(wide[i], std::wcslen(wide[i])));
  LocalFree(wide);
  return args;
}

// ---- Folders of the user --------------------------------------------------

std::string HomeFolder() {
  std::string home = Env("USERPROFILE");
  if (home.empty()) home = Env("HOMEDRIVE") + Env("HOMEPATH");
  while (home.size() > 3 && (home.back() == '\\' || home.back() == '/')) home.pop_back();
  return home.empty() ? CurrentFolder() : home;
}

std::string SettingsFolder() {
  const std::string roaming = Env("APPDATA");
  return roaming.empty() ? HomeFolder() + "\\AppData\\Roaming" : roaming;
}

std::vector<std::string> SystemSettingsFolders() {
  const std::string shared = Env("PROGRAMDATA");
  if (shared.empty()) return {};
  return {shared};
}

std::string CacheFolder() {
  const std::string local = Env("LOCALAPPDATA");
  return local.empty() ? HomeFolder() + "\\AppData\\Local" : local;
}

// ---- Signals, limits and the standard streams -----------------------------

namespace {

void (*g_cleanup)() = nullptr;

BOOL WINAPI OnConsoleEvent(DWORD event) {
  switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
      if (g_cleanup) g_cleanup();
      break;
    default:
      break;
  }
  // The system's own handler ends the program, as without us.
  return FALSE;
}

}  // namespace

void OnEndSignals(void (*cleanup)()) {
  g_cleanup = cleanup;
  SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

void RemoveFromHandler(const char* path) {
  wchar_t name[4096];
  const int n = MultiByteToWideChar(CP_UTF8, 0, path, -1, name, 4096);
  if (n > 0) DeleteFileW(name);
}

EndSignalsHeld::EndSignalsHeld() = default;
EndSignalsHeld::~EndSignalsHeld() = default;

int CatchEndSignalsOnPipe() {
  return -1;
}

int TakeEndSignal(int) {
  return 0;
}

bool SetFileSizeLimit(unsigned long long, unsigned long long*) {
  errno = ENOSYS;
  return false;
}

void BinaryStandardStreams() {
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}

bool WriteStandardOutput(const char* bytes, std::size_t size) {
  constexpr std::size_t kLargestWrite = 1u << 30;
  while (size > 0) {
    const unsigned part = static_cast<unsigned>(size < kLargestWrite ? size : kLargestWrite);
    const int n = _write(_fileno(stdout), bytes, part);
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

}  // namespace os
