// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ini.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <vector>

#include "platform/fajl.h"

namespace platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

constexpr std::string_view kBom = "\xEF\xBB\xBF";

using Line = detail::IniLine;

std::vector<Line> Parse(std::string_view text) {
  std::vector<Line> lines;
  std::size_t pos = text.substr(0, kBom.size()) == kBom ? kBom.size() : 0;
  while (pos < text.size()) {
    Line line;
    line.begin = pos;
    std::size_t end = pos;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    line.end = end;
    if (end < text.size()) {
      end += (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1;
    }
    line.next = end;
    pos = end;

    std::string_view body = Trim(text.substr(line.begin, line.end - line.begin));
    if (!body.empty() && body.front() == '[') {
      body.remove_prefix(1);
      line.kind = Line::kSection;
      line.name = Trim(body.substr(0, body.find(']')));
    } else if (!body.empty() && body.front() != ';') {
      std::size_t eq = body.find('=');
      if (eq != std::string_view::npos) {
        line.kind = Line::kKey;
        line.name = Trim(body.substr(0, eq));
        line.value = Trim(body.substr(eq + 1));
      }
    }
    lines.push_back(line);
  }
  return lines;
}

// Where a key lives: the index of its section header and of its line (or -1).
struct Place {
  long section = -1;
  long key = -1;
  long lastContent = -1;  // last non-blank line of the section
};

Place Find(const std::vector<Line>& lines, std::string_view text, std::string_view section,
           std::string_view key) {
  Place place;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Line& l = lines[i];
    if (l.kind == Line::kSection) {
      if (place.section >= 0) break;  // the first matching section ends here
      if (SameName(l.name, section)) place.section = place.lastContent = static_cast<long>(i);
      continue;
    }
    if (place.section < 0) continue;
    if (!Trim(text.substr(l.begin, l.end - l.begin)).empty()) {
      place.lastContent = static_cast<long>(i);
    }
    if (l.kind == Line::kKey && SameName(l.name, key)) {
      place.key = static_cast<long>(i);
      break;
    }
  }
  return place;
}

bool HasLineBreakOrNul(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string CutValue(std::string_view v) {
  v = v.substr(0, v.find('\0'));
  return std::string(v.substr(0, IniFile::kMaxValue));
}

// ": REASON" of a ReadFile() failure ("Unable to read PATH: REASON").
std::string Reason(const Status& read, const std::string& path) {
  return read.Message().substr(std::string_view("Unable to read ").size() + path.size());
}

Status WriteError(const std::string& file, int error) {
  return Status::Error("Unable to write to " + file + ": " + SystemErrorText(error));
}

}  // namespace

std::optional<int> ParseIniInteger(std::string_view s) {
  int base = 10;
  bool negative = false;
  if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  } else if (!s.empty() && (s[0] == '+' || s[0] == '-')) {
    negative = s[0] == '-';
    s.remove_prefix(1);
  }
  if (s.empty()) return std::nullopt;
  // Hexadecimal takes all 32 bits (0xFFFFFFFF is -1); decimal stays in the signed range.
  const std::int64_t limit =
      base == 16 ? 0xFFFFFFFFLL : (negative ? -std::int64_t{INT_MIN} : INT_MAX);
  std::int64_t value = 0;
  for (char c : s) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (base == 16 && c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else if (base == 16 && c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else {
      return std::nullopt;
    }
    value = value * base + digit;
    if (value > limit) return std::nullopt;
  }
  if (negative) value = -value;
  return static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
}

void IniFile::Load() const {
  if (loaded_) return;
  loaded_ = true;
  const Status read = ReadFile(path_, kMaxFile, text_);
  if (!read.ok() && !read.IsNotFound() && readStatus_.ok()) readStatus_ = read;
  lines_ = Parse(text_);
}

std::optional<std::string> IniFile::Read(std::string_view section, std::string_view key) const {
  Load();
  Place place = Find(lines_, text_, section, key);
  if (place.key < 0) return std::nullopt;
  return CutValue(lines_[static_cast<std::size_t>(place.key)].value);
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view def) const {
  std::optional<std::string> v = Read(section, key);
  return v ? std::move(*v) : CutValue(def);
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
  std::optional<std::string> v = Read(section, key);
  if (!v) return def;
  return ParseIniInteger(*v).value_or(def);
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool def) const {
  return ReadInteger(section, key, def ? 1 : 0) != 0;
}

Status IniFile::WriteStrings(std::span<const IniEntry> entries) {
  for (const IniEntry& e : entries) {
    if (HasLineBreakOrNul(e.section) || HasLineBreakOrNul(e.key) || HasLineBreakOrNul(e.value) ||
        e.section.find(']') != std::string_view::npos ||
        e.key.find('=') != std::string_view::npos || Trim(e.key).empty()) {
      return WriteError(path_, EINVAL);
    }
  }
  std::string text;
  if (const Status read = ReadFile(path_, kMaxFile, text); !read.ok() && !read.IsNotFound())
    return Status::Error("Unable to write to " + path_ + Reason(read, path_));

  for (const IniEntry& e : entries) {
    std::vector<Line> lines = Parse(text);
    Place place = Find(lines, text, e.section, e.key);
    std::string keyLine = std::string(e.key) + "=" + e.value;
    if (place.key >= 0) {
      const Line& l = lines[static_cast<std::size_t>(place.key)];
      text.replace(l.begin, l.end - l.begin, keyLine);
    } else if (place.section >= 0) {
      const Line& l = lines[static_cast<std::size_t>(place.lastContent)];
      std::string insert;
      if (l.next == l.end) insert = "\r\n";  // the last line of the file had no line end
      insert += keyLine + "\r\n";
      text.insert(l.next, insert);
    } else {
      if (!text.empty() && text.back() != '\n' && text.back() != '\r') text += "\r\n";
      text += "[" + std::string(e.section) + "]\r\n" + keyLine + "\r\n";
    }
  }
  if (Status replaced = ReplaceFile(path_, text); !replaced.ok()) return replaced;
  // What this object reads from now on is what it wrote.
  text_ = std::move(text);
  lines_ = Parse(text_);
  loaded_ = true;
  return {};
}

Status IniFile::WriteString(std::string_view section, std::string_view key,
                            std::string_view value) {
  const IniEntry entry{section, key, std::string(value)};
  return WriteStrings({&entry, 1});
}

Status IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
  return WriteString(section, key, std::to_string(value));
}

Status IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
  return WriteString(section, key, value ? "1" : "0");
}

}  // namespace platform
