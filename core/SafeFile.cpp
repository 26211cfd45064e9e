#include "core/SafeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

#include "core/Messages.h"

namespace fs = std::filesystem;

namespace safefile {
namespace {

constexpr mode_t kAnyWrite = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr mode_t kNewFileMode = 0666;  // less the process's umask
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

// The file a write replaces: a link is followed to the file it names.
fs::path ResolveTarget(const std::string& path) {
  fs::path target(path);
  std::error_code ec;
  if (fs::is_symlink(fs::symlink_status(target, ec))) {
    fs::path resolved = fs::weakly_canonical(target, ec);
    if (!ec) return resolved;
  }
  return target;
}

std::string Spare(std::mt19937_64& gen) {
  static const char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string s;
  for (int i = 0; i < 8; ++i) s += kDigits[gen() % 36];
  return s;
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
  struct stat sa {};
  struct stat sb {};
  if (a.empty() || b.empty()) return false;
  if (stat(a.c_str(), &sa) != 0 || stat(b.c_str(), &sb) != 0) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool Write(const std::string& path, const Producer& produce, const std::vector<std::string>& inputs,
           WriteError* error) {
  if (error) *error = WriteError{};
  if (path.empty()) return Fail(error, Failure::CannotWrite, ENOENT);
  const fs::path target = ResolveTarget(path);
  struct stat old {};
  const bool exists = stat(target.c_str(), &old) == 0;
  if (exists) {
    for (const std::string& input : inputs)
      if (SameFile(input, target.string())) return Fail(error, Failure::SameAsInput, 0, input);
    if (!S_ISREG(old.st_mode)) return Fail(error, Failure::NotRegular);
    // Root may write anything; a file nobody may write is still left alone.
    if ((old.st_mode & kAnyWrite) == 0 || access(target.c_str(), W_OK) != 0)
      return Fail(error, Failure::ReadOnly);
  }

  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  const std::string stem = target.filename().string().substr(0, kTempStemLength);
  std::random_device rd;
  std::mt19937_64 gen((static_cast<std::uint64_t>(rd()) << 32) ^ rd());
  fs::path temp;
  int fd = -1;
  for (int attempt = 0; attempt < kTempAttempts && fd < 0; ++attempt) {
    temp = dir / ("." + stem + "." + Spare(gen) + ".tmp");
    // O_EXCL: never reuses a file that is already there.
    fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (fd < 0 && errno != EEXIST) return Fail(error, Failure::CannotWrite, errno);
  }
  if (fd < 0) return Fail(error, Failure::CannotWrite, EEXIST);
  int err = 0;
  // The replacement keeps the old file's permissions.
  if (exists && fchmod(fd, old.st_mode & 07777) != 0) err = errno;
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
      throw;
    }
    if (!produced) err = errno ? errno : EIO;
    if (!err && std::fflush(out) != 0) err = errno;
    // On disk before it takes an old file's place, so that a crash cannot
    // leave an empty file where the old one was; a new file needs no wait.
    if (!err && exists && fsync(fileno(out)) != 0 && errno != EINVAL) err = errno;
    if (std::fclose(out) != 0 && !err) err = errno ? errno : EIO;
  }
  if (!err && rename(temp.c_str(), target.c_str()) != 0) err = errno;
  if (err) {
    unlink(temp.c_str());
    return Fail(error, Failure::CannotWrite, err);
  }
  return true;
}

bool WriteBytes(const std::string& path, const std::string& bytes,
                const std::vector<std::string>& inputs, WriteError* error) {
  return Write(
      path,
      [&bytes](std::FILE* out) {
        return bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
      },
      inputs, error);
}

std::string Describe(const std::string& path, const WriteError& error) {
  switch (error.failure) {
    case Failure::None:
      return std::string();
    case Failure::SameAsInput:
      return msg::Format(msg::kSameAsInput, path, error.input);
    case Failure::NotRegular:
      return msg::Format(msg::kNotRegularFile, path);
    case Failure::ReadOnly:
      return msg::Format(msg::kReadOnlyFile, path);
    case Failure::CannotWrite:
      break;
  }
  return msg::Format(msg::kCannotWriteFile, path,
                     error.error ? std::strerror(error.error) : "unknown error");
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

bool ReadAll(const std::string& path, FileBytes& bytes) {
  std::FILE* in = OpenForReading(path);
  if (!in) return false;
  const int fd = fileno(in);
  // One read into a buffer of the file's size; a file that grows meanwhile
  // is read on to its end, one that shrinks keeps what was there.
  struct stat st {};
  const std::size_t expected =
      fstat(fd, &st) == 0 && st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
  std::size_t capacity = expected + 1;
  std::unique_ptr<char[]> data(new char[capacity]);
  std::size_t have = 0;
  bool ok = true;
  for (;;) {
    if (have == capacity) {
      std::unique_ptr<char[]> larger(new char[capacity * 2]);
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

bool ReadAll(const std::string& path, std::string& bytes) {
  FileBytes whole;
  if (!ReadAll(path, whole)) return false;
  bytes.assign(whole.data.get(), whole.size);
  return true;
}

}  // namespace safefile
