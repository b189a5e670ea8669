// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The outcome of an operation on a file or over the network, as a value: OK,
// or an error whose message says what failed, on which file, and the system's
// reason ("Unable to write to /home/u/rovas.ini: No space left on device").
// Two failures have a kind of their own because callers act on them: a file
// that does not exist (often not an error at all), and a facility of the
// system that cannot be used (the download library is not installed). The
// platform layer reports every failure this way, in English; the windows put
// their Hungarian text before the message.

#include <string>
#include <utility>

namespace platform {

class [[nodiscard]] Status {
 public:
  Status() = default;  // OK
  static Status Error(std::string message) { return Status(kError, std::move(message)); }
  static Status NotFound(std::string message) { return Status(kNotFound, std::move(message)); }
  static Status NotSupported(std::string message) {
    return Status(kNotSupported, std::move(message));
  }

  bool ok() const { return code_ == kOk; }
  bool IsNotFound() const { return code_ == kNotFound; }
  bool IsNotSupported() const { return code_ == kNotSupported; }
  // Empty when OK.
  const std::string& Message() const { return message_; }

 private:
  enum Code { kOk, kError, kNotFound, kNotSupported };
  Status(Code code, std::string message) : code_(code), message_(std::move(message)) {}
  Code code_ = kOk;
  std::string message_;
};

}  // namespace platform
