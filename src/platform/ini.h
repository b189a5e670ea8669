#pragma once
// Private-profile INI files: the settings files beside the program.
//
// Nothing is cached: every read opens and parses the file again, every write
// rewrites it at once, so the file is always the single source of truth (two
// windows writing keys of the same file never undo each other's work).
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
// - an existing file that cannot be read (a directory, no permission) gives
//   the default too, and the object's ReadStatus() holds the error "Unable to
//   read %s", since silently answering defaults would make the caller
//   overwrite the user's settings.
//
// Writing a key replaces its line, or appends it at the end of its section,
// or appends the section at the end of the file; every other byte of the file
// is kept. Lines written end with CR LF. The file is replaced through a
// temporary file and a rename (fajlcsere.h), so a failed or interrupted write
// leaves the file as it was; a read-only file is not replaced. A refused
// write returns the error "Unable to write to %s" (the full path). A key,
// section or value holding CR, LF or NUL cannot be stored in a line and is
// refused the same way rather than corrupting the file. Leading and trailing
// blanks of a value do not survive a round trip (they are trimmed on
// reading); quotes around a value are kept as data.
//
// An error's message is the text above followed by ": " and the system's
// reason ("Unable to write to /home/u/rovas.ini: No space left on device").

#include <optional>
#include <string>
#include <string_view>

#include "platform/status.h"

namespace platform {

class IniFile {
 public:
  // The longest value a read returns.
  static constexpr std::size_t kMaxValue = 2047;

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

  Status WriteString(std::string_view section, std::string_view key, std::string_view value);
  Status WriteInteger(std::string_view section, std::string_view key, int value);
  // Written as "1" or "0".
  Status WriteBool(std::string_view section, std::string_view key, bool value);

 private:
  std::string path_;
  mutable Status readStatus_;
};

// The integer rule of ReadInteger on a bare text; nullopt when it is not a number.
std::optional<int> ParseIniInteger(std::string_view text);

}  // namespace platform
