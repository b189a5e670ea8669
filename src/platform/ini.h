// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Private-profile INI files: the settings files beside the program.
//
// An IniFile object reads its file once, at its first read, and answers every
// read from that (so loading 26 keys parses the file once); a new object sees
// the file as it is then. Every write reads the file afresh, changes it in
// memory and replaces it at once, so two windows writing keys of the same file
// never undo each other's work, and WriteStrings() changes many keys with one
// replacement: a save is never left half done.
//
// Reading:
// - sections and keys are matched without regard to ASCII letter case; the
//   first matching section and the first matching key in it win;
// - LF-only, CR LF and CR line ends, a UTF-8 byte-order mark at the start,
//   spaces and tabs around the key, the "=" and the value are all accepted;
//   lines starting with ";" are comments;
// - a value is returned as the bytes stand (Windows-1250), cut at the first
//   NUL byte and to at most kMaxValue bytes (the default too, like the
//   platform's 2048-byte read buffer);
// - a missing file, section or key gives the default;
// - an existing file that cannot be read (a directory, a FIFO, no permission,
//   more than kMaxFile bytes) gives the default too, and the object's
//   ReadStatus() holds the error "Unable to read %s: REASON", since silently
//   answering defaults would make the caller overwrite the user's settings.
//
// Writing a key replaces its line, or appends it at the end of its section,
// or appends the section at the end of the file; every other byte of the file
// is kept. Lines written end with CR LF. The file is replaced through a
// temporary file and a rename (fajl.h), so a failed or interrupted write
// leaves the file as it was; a read-only file is not replaced, and a file
// that cannot be read is not written either. A refused write returns the
// error "Unable to write to %s" (the full path). A key, section or value
// holding CR, LF or NUL cannot be stored in a line and is refused the same way
// rather than corrupting the file. Leading and trailing blanks of a value do
// not survive a round trip (they are trimmed on reading); quotes around a
// value are kept as data.
//
// An error's message is the text above followed by ": " and the reason
// ("Unable to write to /home/u/rovas.ini: No space left on device").

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace platform {

namespace detail {
// One physical line of a file: [begin, end) is its text, `next` the start of
// the next line; names and values are trimmed.
struct IniLine {
  enum Kind { kOther, kSection, kKey } kind = kOther;
  std::size_t begin = 0, end = 0, next = 0;
  std::string_view name;   // section or key name
  std::string_view value;  // key value
};
}  // namespace detail

// One key to write: WriteStrings() takes a list of them.
struct IniEntry {
  std::string_view section;
  std::string_view key;
  std::string value;
};

class IniFile {
 public:
  // The longest value a read returns.
  static constexpr std::size_t kMaxValue = 2047;
  // The largest file read: far more than any settings file needs.
  static constexpr std::size_t kMaxFile = std::size_t{1} << 20;

  explicit IniFile(std::string path) : path_(std::move(path)) {}

  const std::string& FileName() const { return path_; }

  // The value as stored (cut as above), or nullopt when the file, section or
  // key is missing.
  std::optional<std::string> Read(std::string_view section, std::string_view key) const;

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view def) const;
  // Decimal, or hexadecimal after "0x"/"0X" (longer than two characters);
  // anything else (empty, junk, out of 32-bit range) gives `def`.
  int ReadInteger(std::string_view section, std::string_view key, int def) const;
  // Read as an integer; any non-zero value is true.
  bool ReadBool(std::string_view section, std::string_view key, bool def) const;

  // The first read of this object that found the file unreadable, else OK.
  const Status& ReadStatus() const { return readStatus_; }

  // Every entry in order, in one replacement of the file: all are written or,
  // on any failure (an entry that cannot be stored included), none.
  Status WriteStrings(std::span<const IniEntry> entries);
  Status WriteString(std::string_view section, std::string_view key, std::string_view value);
  Status WriteInteger(std::string_view section, std::string_view key, int value);
  // Written as "1" or "0".
  Status WriteBool(std::string_view section, std::string_view key, bool value);

 private:
  void Load() const;

  std::string path_;
  mutable Status readStatus_;
  mutable bool loaded_ = false;
  mutable std::string text_;
  mutable std::vector<detail::IniLine> lines_;
};

// The integer rule of ReadInteger on a bare text; nullopt when it is not a number.
std::optional<int> ParseIniInteger(std::string_view text);

}  // namespace platform
