#pragma once
// The outcome of an operation on a file or over the network, as a value: OK,
// or an error whose message says what failed, on which file, and the system's
// reason ("Unable to write to /home/u/rovas.ini: No space left on device").
// The platform layer reports every failure this way; the windows show the
// message.

#include <string>
#include <utility>

namespace platform {

class [[nodiscard]] Status {
 public:
  Status() = default;  // OK
  static Status Error(std::string message) { return Status(std::move(message)); }

  bool ok() const { return !error_; }
  // Empty when OK.
  const std::string& Message() const { return message_; }

 private:
  explicit Status(std::string message) : error_(true), message_(std::move(message)) {}
  bool error_ = false;
  std::string message_;
};

}  // namespace platform
