#pragma once
// URL download to a file (libcurl, opened at the first download).
//
// The file is written only when the server answers 200 with a complete body;
// on any failure the file is removed, so a half-downloaded or error page never
// stands in for the real thing. Complete means the transfer ended the way HTTP
// says it ends: the declared Content-Length arrived, or the chunked body's
// last chunk, or the stream ended cleanly in HTTP/2 or later; a body that is
// only ended by the server closing the connection cannot be told from a cut
// one and is refused. Bodies over kMaxBody bytes are refused. Redirects are
// followed (HTTP and HTTPS only; from HTTPS only to HTTPS).

#include <cstdint>
#include <functional>
#include <string>

namespace platform {

struct DownloadResult {
  enum Status {
    kOk,
    kNoFacility,  // the download library could not be started
    kFailed,      // network error, timeout, non-200 answer, incomplete or too large a body,
                  // or the file could not be written
  } status = kFailed;
  std::string detail;  // what went wrong, in the library's words (empty on success)

  bool ok() const { return status == kOk; }
};

// The largest body DownloadToFile accepts.
inline constexpr std::int64_t kMaxBody = 16 << 20;

// Downloads `url` into `path`, overwriting an existing file. The whole
// transfer must finish within `timeoutSeconds`. `meanwhile`, when set, is
// called many times a second while the transfer runs (the window repaints
// from it).
DownloadResult DownloadToFile(const std::string& url, const std::string& path,
                              long timeoutSeconds = 30,
                              const std::function<void()>& meanwhile = {});

}  // namespace platform
