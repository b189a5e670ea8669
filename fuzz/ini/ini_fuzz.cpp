// SPDX-License-Identifier: GPL-3.0-or-later
// INI reader and writer on arbitrary file contents: reads never fail on a
// readable file, and a key written is read back as written.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/ini.h"

namespace {

const std::string& Path() {
  static const std::string path = [] {
    char templ[] = "/tmp/inifuzz.XXXXXX";
    int fd = ::mkstemp(templ);
    if (fd < 0) std::abort();
    ::close(fd);
    return std::string(templ);
  }();
  return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  std::FILE* f = std::fopen(Path().c_str(), "wb");
  if (!f) return 0;
  std::fwrite(text.data(), 1, text.size(), f);
  std::fclose(f);

  platform::IniFile ini(Path());
  // Section and key names taken from the input, so existing entries are hit too.
  std::string section = text.substr(0, std::min<size_t>(size, 4));
  std::string key = text.substr(std::min<size_t>(size, 4), 3);
  (void)ini.ReadString("Alap", "LMeret", "x");
  (void)ini.ReadInteger(section, key, 0);
  (void)platform::ParseIniInteger(text);
  if (auto v = ini.Read(section, key); v && v->size() > platform::IniFile::kMaxValue) std::abort();

  const std::string value = "v=a l\xE1[e]";
  if (!ini.WriteString(section, key, value).ok()) return 0;  // names the file cannot hold
  // Blanks around a name are not part of it.
  auto trimmed = [](std::string s) {
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.erase(0, 1);
    return s;
  };
  if (trimmed(section).empty() || trimmed(key).empty() || trimmed(key)[0] == ';' ||
      trimmed(key)[0] == '[' || trimmed(section) != section || trimmed(key) != key) {
    return 0;
  }
  if (ini.Read(section, key) != value) std::abort();
  return 0;
}
