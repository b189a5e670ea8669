// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/programdir.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

namespace platform {
namespace {

namespace fs = std::filesystem;

constexpr const char* kMappa = "tollnok";  // the program's folder in every shared place

std::string& Override() {
  static std::string dir;
  return dir;
}

std::string ExecutableDir() {
  std::string buf(PATH_MAX, '\0');
  ssize_t n = ::readlink("/proc/self/exe", buf.data(), buf.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= buf.size()) return {};
  buf.resize(static_cast<std::size_t>(n));
  std::size_t slash = buf.rfind('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? std::string("/") : buf.substr(0, slash);
}

std::string Join(std::string dir, std::string_view name) {
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir + std::string(name);
}

// Where a file belongs: the user's settings, the user's data, or the program's
// own read-only files. A ".tmp" companion goes with its file.
enum class Fajta { kBeallitas, kAdat, kSajat };

Fajta FajtaOf(std::string_view name) {
  if (name.ends_with(".tmp")) name.remove_suffix(4);
  if (name == "rovas.ini" || name == "rovaskep.ini") return Fajta::kBeallitas;
  if (name == "szo.xml") return Fajta::kAdat;
  return Fajta::kSajat;
}

// PREFIX/share/tollnok when `dir` is PREFIX/bin (the programs) or
// PREFIX/libexec/tollnok (rovas-cli's helper) of an installation, else empty.
std::string InstalledDataDir(const std::string& dir) {
  fs::path prefix(dir);
  if (prefix.filename() == kMappa && prefix.parent_path().filename() == "libexec")
    prefix = prefix.parent_path();
  else if (prefix.filename() != "bin")
    return {};
  const fs::path data = prefix.parent_path() / "share" / kMappa;
  std::error_code ec;
  return fs::is_directory(data, ec) ? data.string() : std::string();
}

bool Writable(const std::string& dir) {
  return ::faccessat(AT_FDCWD, dir.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

// $VAR when it holds an absolute path (relative ones are invalid and ignored),
// else HOME/fallback; empty when there is no home either.
std::string XdgBase(const char* var, const char* fallback) {
  const char* v = std::getenv(var);
  if (v && v[0] == '/') return v;
  std::string home;
  if (const char* h = std::getenv("HOME"); h && h[0] == '/') {
    home = h;
  } else if (const passwd* pw = ::getpwuid(::geteuid()); pw && pw->pw_dir) {
    home = pw->pw_dir;
  }
  return home.empty() ? home : Join(home, fallback);
}

// Creates `dir` and its missing parents, new ones private to the user.
void MakeDirs(const std::string& dir) {
  for (std::size_t at = dir.find('/', 1);; at = dir.find('/', at + 1)) {
    const std::string part = dir.substr(0, at);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return;
    if (at == std::string::npos) return;
  }
}

// Copies `from` to `to` when `to` is missing, through a temporary file so that a
// failed copy leaves no partial file for the next start to take as settings.
void CopyIfMissing(const std::string& from, const std::string& to) {
  std::error_code ec;
  if (fs::exists(to, ec) || !fs::is_regular_file(from, ec)) return;
  const std::string tmp = to + ".masolat";
  if (fs::copy_file(from, tmp, fs::copy_options::overwrite_existing, ec)) {
    fs::rename(tmp, to, ec);
  }
  if (ec) fs::remove(tmp, ec);
}

// The program's own copy of a user's file: in the data folder of an
// installation when it lies there, else beside the program.
std::string OwnCopy(const std::string& dir, const std::string& data, std::string_view name) {
  std::error_code ec;
  if (!data.empty() && fs::exists(Join(data, name), ec)) return Join(data, name);
  return Join(dir, name);
}

}  // namespace

std::string ProgramDir() {
  if (!Override().empty()) return Override();
  static const std::string dir = ExecutableDir();
  return dir;
}

std::string ProgramFile(std::string_view name) {
  const std::string dir = ProgramDir();
  const std::string data = InstalledDataDir(dir);
  if (data.empty() && Writable(dir)) return Join(dir, name);

  const Fajta fajta = FajtaOf(name);
  if (fajta == Fajta::kSajat) return Join(data.empty() ? dir : data, name);
  const std::string base = fajta == Fajta::kBeallitas ? XdgBase("XDG_CONFIG_HOME", ".config")
                                                      : XdgBase("XDG_DATA_HOME", ".local/share");
  if (base.empty()) return Join(dir, name);
  const std::string xdg = Join(base, kMappa);
  MakeDirs(xdg);
  const std::string path = Join(xdg, name);
  if (!name.ends_with(".tmp")) CopyIfMissing(OwnCopy(dir, data, name), path);
  return path;
}

std::string ExistingProgramFile(std::string_view name) {
  const std::string dir = ProgramDir();
  const std::string data = InstalledDataDir(dir);
  const std::string sajat = OwnCopy(dir, data, name);
  std::error_code ec;
  const Fajta fajta = FajtaOf(name);
  if ((!data.empty() || !Writable(dir)) && fajta != Fajta::kSajat) {
    const std::string base = fajta == Fajta::kBeallitas ? XdgBase("XDG_CONFIG_HOME", ".config")
                                                        : XdgBase("XDG_DATA_HOME", ".local/share");
    if (!base.empty()) {
      const std::string user = Join(Join(base, kMappa), name);
      if (fs::is_regular_file(user, ec)) return user;
    }
  }
  return fs::is_regular_file(sajat, ec) ? sajat : std::string();
}

void SetProgramDirOverride(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  Override() = std::move(dir);
}

}  // namespace platform
