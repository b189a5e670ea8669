#include "platform/fajlcsere.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

int WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

}  // namespace

std::string RendszerHiba(int hiba) { return std::strerror(hiba); }

int FajlCsere(const std::string& utvonal, std::string_view tartalom) {
  std::string cel = utvonal;
  struct stat st {};
  bool letezik = ::lstat(cel.c_str(), &st) == 0;
  if (letezik && S_ISLNK(st.st_mode)) {
    char valodi[PATH_MAX];
    if (!::realpath(cel.c_str(), valodi)) return errno;
    cel = valodi;
    letezik = ::stat(cel.c_str(), &st) == 0;
  }
  if (letezik) {
    if (S_ISDIR(st.st_mode)) return EISDIR;
    if (!S_ISREG(st.st_mode)) return EINVAL;
    // The read-only attribute holds for everyone, the owner and root included.
    if ((st.st_mode & 0222) == 0 || ::access(cel.c_str(), W_OK) != 0) return EACCES;
  }
  std::string ideiglenes = cel + ".XXXXXX";
  const int fd = ::mkstemp(ideiglenes.data());
  if (fd < 0) return errno;
  mode_t mod;
  if (letezik) {
    mod = st.st_mode & 07777;
  } else {
    const mode_t maszk = ::umask(0);
    ::umask(maszk);
    mod = 0666 & ~maszk;
  }
  int hiba = ::fchmod(fd, mod) == 0 ? 0 : errno;
  if (!hiba) hiba = WriteAll(fd, tartalom);
  if (!hiba && ::fsync(fd) != 0) hiba = errno;
  if (::close(fd) != 0 && !hiba) hiba = errno;
  if (!hiba && ::rename(ideiglenes.c_str(), cel.c_str()) != 0) hiba = errno;
  if (hiba) ::unlink(ideiglenes.c_str());
  return hiba;
}

}  // namespace platform
