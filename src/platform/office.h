// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The installed-Office probe's source: the subkey names of the Office key
// ("SOFTWARE\Microsoft\Office" under the local machine). Linux has no such
// key, so the system's source lists nothing; tests inject names.

#include <optional>
#include <string>
#include <vector>

namespace platform {

class OfficeRegistry {
 public:
  virtual ~OfficeRegistry() = default;
  // The subkey names, or nullopt when the key cannot be opened.
  virtual std::optional<std::vector<std::string>> SubkeyNames() const = 0;
};

// The system's source: on Linux the key does not exist.
const OfficeRegistry& SystemOfficeRegistry();

// A source that answers the given names (nullopt: the key cannot be opened).
class FixedOfficeRegistry : public OfficeRegistry {
 public:
  explicit FixedOfficeRegistry(std::optional<std::vector<std::string>> names)
      : names_(std::move(names)) {}
  std::optional<std::vector<std::string>> SubkeyNames() const override { return names_; }

 private:
  std::optional<std::vector<std::string>> names_;
};

}  // namespace platform
