#include "platform/programdir.h"

#include <unistd.h>

#include <climits>

namespace platform {
namespace {

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

}  // namespace

std::string ProgramDir() {
  if (!Override().empty()) return Override();
  static const std::string dir = ExecutableDir();
  return dir;
}

std::string ProgramFile(std::string_view name) {
  std::string dir = ProgramDir();
  if (dir.empty() || dir.back() != '/') dir += '/';
  return dir + std::string(name);
}

void SetProgramDirOverride(std::string dir) {
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  Override() = std::move(dir);
}

}  // namespace platform
