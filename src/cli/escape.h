// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The %-escaping of rovas-cli fields: TAB, LF, CR, '%' and every other byte
// below 0x20 travel as %XX; bytes 0x80-0xFF travel raw.

#include <optional>
#include <string>
#include <string_view>

namespace cli {

std::string Escape(std::string_view bytes);
// Undoes Escape (hex digits of either case); nullopt for a malformed escape.
std::optional<std::string> Unescape(std::string_view field);

}  // namespace cli
