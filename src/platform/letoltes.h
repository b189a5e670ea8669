// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// URL download into memory (libcurl, opened at the first download).
//
// The body is given only when the server answers 200 with a complete body;
// on any failure it is empty, so a half-downloaded or error page never stands
// in for the real thing. Complete means the transfer ended the way HTTP says
// it ends: the declared Content-Length arrived, or the chunked body's last
// chunk, or the stream ended cleanly in HTTP/2 or later; a body that is only
// ended by the server closing the connection cannot be told from a cut one
// and is refused. Bodies over kMaxBody bytes are refused. Redirects are
// followed (HTTP and HTTPS only; from HTTPS only to HTTPS). Nothing is written
// to disk: the caller checks the body before it replaces any file.

#include <cstdint>
#include <functional>
#include <string>

#include "platform/status.h"

namespace platform {

// The largest body Download accepts.
inline constexpr std::int64_t kMaxBody = 16 << 20;

// Downloads `url` into `body`. The whole transfer must finish within
// `timeoutSeconds`. `meanwhile`, when set, is called many times a second while
// the transfer runs (the window repaints from it). NotSupported when the
// download library cannot be loaded; an error, in the library's words, for a
// network error, a timeout, an answer other than 200, or a body that is
// incomplete or too large.
Status Download(const std::string& url, std::string& body, long timeoutSeconds = 30,
                const std::function<void()>& meanwhile = {});

}  // namespace platform
