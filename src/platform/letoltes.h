#pragma once
// URL download to a file (libcurl, opened at the first download).
//
// The file is written only when the server answers 200 with a complete body;
// on any failure the file is removed, so a half-downloaded or error page never
// stands in for the real thing. Redirects are followed (HTTP and HTTPS only).

#include <string>

namespace platform {

struct DownloadResult {
  enum Status {
    kOk,
    kNoFacility,  // the download library could not be started
    kFailed,      // network error, timeout, non-200 answer, or the file could not be written
  } status = kFailed;
  std::string detail;  // what went wrong, for logs (empty on success)

  bool ok() const { return status == kOk; }
};

// Downloads `url` into `path`, overwriting an existing file. The whole
// transfer must finish within `timeoutSeconds`.
DownloadResult DownloadToFile(const std::string& url, const std::string& path,
                              long timeoutSeconds = 30);

}  // namespace platform
