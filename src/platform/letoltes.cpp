#include "platform/letoltes.h"

#include <curl/curl.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

namespace platform {
namespace {

struct CurlGlobal {
  CurlGlobal() : ok(curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK) {}
  ~CurlGlobal() {
    if (ok) curl_global_cleanup();
  }
  bool ok;
};

struct Sink {
  std::FILE* file = nullptr;
  bool writeFailed = false;
};

size_t WriteToFile(char* data, size_t size, size_t count, void* user) {
  Sink* sink = static_cast<Sink*>(user);
  size_t n = size * count;
  if (std::fwrite(data, 1, n, sink->file) != n) {
    sink->writeFailed = true;
    return 0;  // makes libcurl stop with CURLE_WRITE_ERROR
  }
  return n;
}

DownloadResult Failed(std::string detail) { return {DownloadResult::kFailed, std::move(detail)}; }

}  // namespace

DownloadResult DownloadToFile(const std::string& url, const std::string& path,
                              long timeoutSeconds) {
  static CurlGlobal global;
  if (!global.ok) return {DownloadResult::kNoFacility, "curl_global_init failed"};
  std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), curl_easy_cleanup);
  if (!curl) return {DownloadResult::kNoFacility, "curl_easy_init failed"};

  Sink sink;
  sink.file = std::fopen(path.c_str(), "wb");
  if (!sink.file) return Failed("cannot create " + path);

  char errbuf[CURL_ERROR_SIZE] = "";
  CURL* c = curl.get();
  curl_easy_setopt(c, CURLOPT_URL, url.c_str());
  curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errbuf);
  curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, WriteToFile);
  curl_easy_setopt(c, CURLOPT_WRITEDATA, &sink);
  curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
#if LIBCURL_VERSION_NUM >= 0x075500
  curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
#else
  curl_easy_setopt(c, CURLOPT_PROTOCOLS, CURLPROTO_HTTP | CURLPROTO_HTTPS);
  curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS, CURLPROTO_HTTP | CURLPROTO_HTTPS);
#endif
  curl_easy_setopt(c, CURLOPT_TIMEOUT, timeoutSeconds);
  curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, timeoutSeconds);
  curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);

  CURLcode rc = curl_easy_perform(c);
  long status = 0;
  curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
  // Flushed to the disk before anyone renames it over the real file.
  bool closed = std::fflush(sink.file) == 0 && ::fsync(::fileno(sink.file)) == 0;
  closed = std::fclose(sink.file) == 0 && closed;

  DownloadResult result;
  if (rc != CURLE_OK) {
    result = Failed(errbuf[0] ? errbuf : curl_easy_strerror(rc));
  } else if (status != 200) {
    result = Failed("HTTP status " + std::to_string(status));
  } else if (sink.writeFailed || !closed) {
    result = Failed("cannot write " + path);
  } else {
    result = {DownloadResult::kOk, {}};
  }
  if (!result.ok()) std::remove(path.c_str());
  return result;
}

}  // namespace platform
