// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fajl.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>

namespace platform {
namespace {

Status ReadError(const std::string& path, const std::string& reason) {
  return Status::Error("Unable to read " + path + ": " + reason);
}

Status WriteError(const std::string& path, const std::string& reason) {
  return Status::Error("Unable to write to " + path + ": " + reason);
}

std::string Megabytes(std::size_t bytes) {
  if (bytes >= (std::size_t{1} << 20) && bytes % (std::size_t{1} << 20) == 0)
    return std::to_string(bytes >> 20) + " MB";
  return std::to_string(bytes) + " bytes";
}

class Fd {
 public:
  explicit Fd(int fd) : fd_(fd) {}
  ~Fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

// Where the new file goes and with which permission bits; an errno when the
// target may not be replaced.
struct Target {
  std::string path;
  mode_t mode = 0;
  int error = 0;
};

Target ResolveTarget(const std::string& path) {
  Target t{path};
  struct stat st {};
  bool exists = ::lstat(path.c_str(), &st) == 0;
  if (exists && S_ISLNK(st.st_mode)) {
    char resolved[PATH_MAX];
    if (!::realpath(path.c_str(), resolved)) return {path, 0, errno};
    t.path = resolved;
    exists = ::stat(t.path.c_str(), &st) == 0;
  }
  if (exists) {
    if (S_ISDIR(st.st_mode)) return {path, 0, EISDIR};
    if (!S_ISREG(st.st_mode)) return {path, 0, EINVAL};
    // The read-only attribute holds for everyone, the owner and root included.
    if ((st.st_mode & 0222) == 0 || ::access(t.path.c_str(), W_OK) != 0) return {path, 0, EACCES};
    t.mode = st.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    t.mode = 0666 & ~mask;
  }
  return t;
}

std::string Directory(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// A temporary file beside the target: nameless (O_TMPFILE) where the file
// system allows, else a fresh name. `name` stays empty for a nameless one.
int CreateTemporary(const std::string& target, std::string& name) {
  name.clear();
#ifdef O_TMPFILE
  // Naming it later goes through /proc; without /proc a named file is used.
  if (::access("/proc/self/fd", X_OK) == 0) {
    const int fd = ::open(Directory(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
    if (fd >= 0) return fd;
  }
#endif
  name = target + ".XXXXXX";
  return ::mkostemp(name.data(), O_CLOEXEC);
}

// Gives a nameless temporary file the name it needs for the rename.
int NameTemporary(int fd, const std::string& target, std::string& name) {
  static std::mt19937 random{std::random_device{}()};
  const std::string proc = "/proc/self/fd/" + std::to_string(fd);
  static constexpr char kLetters[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
  for (int attempt = 0; attempt < 100; ++attempt) {
    name = target + ".";
    for (int i = 0; i < 6; ++i) name += kLetters[random() % (sizeof kLetters - 1)];
    if (::linkat(AT_FDCWD, proc.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) return 0;
    if (errno != EEXIST) {
      name.clear();
      return errno;
    }
  }
  name.clear();
  return EEXIST;
}

}  // namespace

bool FileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

std::string SystemErrorText(int error) { return std::strerror(error); }

Status ReadFile(const std::string& path, std::size_t cap, std::string& out) {
  out.clear();
  // Non-blocking, so a FIFO without a writer cannot make the open wait.
  const Fd fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.get() < 0) {
    const int error = errno;
    if (error == ENOENT || error == ENOTDIR)
      return Status::NotFound("Unable to read " + path + ": " + SystemErrorText(error));
    return ReadError(path, SystemErrorText(error));
  }
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return ReadError(path, SystemErrorText(errno));
  if (S_ISDIR(st.st_mode)) return ReadError(path, SystemErrorText(EISDIR));
  if (!S_ISREG(st.st_mode)) return ReadError(path, "not a regular file");
  const std::string tooLarge = "the file is larger than " + Megabytes(cap);
  if (static_cast<std::uint64_t>(st.st_size) > cap) return ReadError(path, tooLarge);
  out.reserve(static_cast<std::size_t>(st.st_size));
  char buf[65536];
  for (;;) {
    const ssize_t n = ::read(fd.get(), buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const int error = errno;
      out.clear();
      return ReadError(path, SystemErrorText(error));
    }
    if (n == 0) break;
    if (out.size() + static_cast<std::size_t>(n) > cap) {  // it grew while being read
      out.clear();
      return ReadError(path, tooLarge);
    }
    out.append(buf, static_cast<std::size_t>(n));
  }
  return {};
}

Status ReplaceFile(const std::string& path, std::string_view data) {
  return ReplaceFileWith(path, [data](std::FILE* f) -> Status {
    if (!data.empty() && std::fwrite(data.data(), 1, data.size(), f) != data.size())
      return Status::Error("write error");
    return {};
  });
}

Status ReplaceFileWith(const std::string& path, const FileWriter& writer) {
  const Target target = ResolveTarget(path);
  if (target.error) return WriteError(path, SystemErrorText(target.error));
  std::string temp;
  const int fd = CreateTemporary(target.path, temp);
  if (fd < 0) return WriteError(path, SystemErrorText(errno));
  std::FILE* f = ::fdopen(fd, "wb");
  if (!f) {
    const int error = errno;
    ::close(fd);
    if (!temp.empty()) ::unlink(temp.c_str());
    return WriteError(path, SystemErrorText(error));
  }
  std::string reason;
  if (::fchmod(fd, target.mode) != 0) reason = SystemErrorText(errno);
  if (reason.empty()) {
    errno = 0;
    const Status written = writer(f);
    const int error = errno;
    if (!written.ok()) {
      // The system's reason behind a library's words.
      reason = error ? SystemErrorText(error) : written.Message();
    } else if (std::fflush(f) != 0 || std::ferror(f)) {
      reason = SystemErrorText(errno ? errno : EIO);
    } else if (::fsync(fd) != 0) {
      reason = SystemErrorText(errno);
    }
  }
  // A nameless file is named through its descriptor, so before closing it.
  if (reason.empty() && temp.empty()) {
    if (const int error = NameTemporary(fd, target.path, temp)) reason = SystemErrorText(error);
  }
  if (std::fclose(f) != 0 && reason.empty()) reason = SystemErrorText(errno);
  if (reason.empty() && std::rename(temp.c_str(), target.path.c_str()) != 0)
    reason = SystemErrorText(errno);
  if (!reason.empty()) {
    if (!temp.empty()) ::unlink(temp.c_str());
    return WriteError(path, reason);
  }
  return {};
}

}  // namespace platform
