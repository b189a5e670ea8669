// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/letoltes.h"

#include <curl/curl.h>
#include <dlfcn.h>

#include <cctype>
#include <memory>
#include <string_view>

namespace platform {
namespace {

// libcurl and the thirty-odd libraries it pulls in are opened at the first
// download, not at every start of the program and of rovas-cli.
constexpr const char* kCurlKonyvtar = "libcurl.so.4";

struct Curl {
  Curl() {
    konyvtar = dlopen(kCurlKonyvtar, RTLD_NOW | RTLD_LOCAL);
    if (!konyvtar) return;
    const bool mind =
        Betolt(global_init, "curl_global_init") && Betolt(global_cleanup, "curl_global_cleanup") &&
        Betolt(easy_init, "curl_easy_init") && Betolt(easy_cleanup, "curl_easy_cleanup") &&
        Betolt(easy_setopt, "curl_easy_setopt") && Betolt(easy_perform, "curl_easy_perform") &&
        Betolt(easy_getinfo, "curl_easy_getinfo") && Betolt(easy_strerror, "curl_easy_strerror");
    ok = mind && global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  }
  ~Curl() {
    if (ok) global_cleanup();
  }
  template <class F>
  bool Betolt(F& f, const char* nev) {
    f = reinterpret_cast<F>(dlsym(konyvtar, nev));
    return f != nullptr;
  }

  void* konyvtar = nullptr;
  bool ok = false;
  CURLcode (*global_init)(long) = nullptr;
  void (*global_cleanup)() = nullptr;
  CURL* (*easy_init)() = nullptr;
  void (*easy_cleanup)(CURL*) = nullptr;
  CURLcode (*easy_setopt)(CURL*, CURLoption, ...) = nullptr;
  CURLcode (*easy_perform)(CURL*) = nullptr;
  CURLcode (*easy_getinfo)(CURL*, CURLINFO, ...) = nullptr;
  const char* (*easy_strerror)(CURLcode) = nullptr;
};

struct Sink {
  std::string* body = nullptr;
  bool tooLarge = false;
  bool chunked = false;  // the last response's Transfer-Encoding is chunked
  const std::function<void()>* meanwhile = nullptr;
};

size_t Append(char* data, size_t size, size_t count, void* user) {
  Sink* sink = static_cast<Sink*>(user);
  size_t n = size * count;
  if (static_cast<std::int64_t>(sink->body->size() + n) > kMaxBody) {
    sink->tooLarge = true;
    return 0;  // makes libcurl stop with CURLE_WRITE_ERROR
  }
  sink->body->append(data, n);
  return n;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  if (s.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(s[i])) != prefix[i]) return false;
  }
  return true;
}

// Notes whether the final response (after any redirects) is chunked.
size_t ReadHeader(char* data, size_t size, size_t count, void* user) {
  Sink* sink = static_cast<Sink*>(user);
  const std::string_view line(data, size * count);
  if (StartsWithNoCase(line, "http/")) sink->chunked = false;  // a new response begins
  if (StartsWithNoCase(line, "transfer-encoding:") &&
      line.find("chunked") != std::string_view::npos) {
    sink->chunked = true;
  }
  return size * count;
}

int Progress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  const Sink* sink = static_cast<const Sink*>(user);
  if (*sink->meanwhile) (*sink->meanwhile)();
  return 0;
}

}  // namespace

Status Download(const std::string& url, std::string& body, long timeoutSeconds,
                const std::function<void()>& meanwhile) {
  body.clear();
  static Curl lib;
  if (!lib.ok) return Status::NotSupported(std::string("cannot load ") + kCurlKonyvtar);
  std::unique_ptr<CURL, void (*)(CURL*)> curl(lib.easy_init(), lib.easy_cleanup);
  if (!curl) return Status::NotSupported("curl_easy_init failed");

  Sink sink;
  sink.meanwhile = &meanwhile;
  sink.body = &body;

  char errbuf[CURL_ERROR_SIZE] = "";
  CURL* c = curl.get();
  lib.easy_setopt(c, CURLOPT_URL, url.c_str());
  lib.easy_setopt(c, CURLOPT_ERRORBUFFER, errbuf);
  lib.easy_setopt(c, CURLOPT_WRITEFUNCTION, Append);
  lib.easy_setopt(c, CURLOPT_WRITEDATA, &sink);
  lib.easy_setopt(c, CURLOPT_HEADERFUNCTION, ReadHeader);
  lib.easy_setopt(c, CURLOPT_HEADERDATA, &sink);
  lib.easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(kMaxBody));
  lib.easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
  lib.easy_setopt(c, CURLOPT_MAXREDIRS, 5L);
  // A secure address never continues over plain HTTP.
  const bool secure = StartsWithNoCase(url, "https:");
#if LIBCURL_VERSION_NUM >= 0x075500
  lib.easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
  lib.easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https");
#else
  lib.easy_setopt(c, CURLOPT_PROTOCOLS, CURLPROTO_HTTP | CURLPROTO_HTTPS);
  lib.easy_setopt(c, CURLOPT_REDIR_PROTOCOLS,
                  secure ? CURLPROTO_HTTPS : CURLPROTO_HTTP | CURLPROTO_HTTPS);
#endif
  if (meanwhile) {
    lib.easy_setopt(c, CURLOPT_XFERINFOFUNCTION, Progress);
    lib.easy_setopt(c, CURLOPT_XFERINFODATA, &sink);
    lib.easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
  }
  lib.easy_setopt(c, CURLOPT_TIMEOUT, timeoutSeconds);
  lib.easy_setopt(c, CURLOPT_CONNECTTIMEOUT, timeoutSeconds);
  lib.easy_setopt(c, CURLOPT_NOSIGNAL, 1L);

  CURLcode rc = lib.easy_perform(c);
  long status = 0;
  lib.easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
  curl_off_t declared = -1;
  lib.easy_getinfo(c, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &declared);
  long version = 0;
  lib.easy_getinfo(c, CURLINFO_HTTP_VERSION, &version);
  // HTTP/1 without a length or chunks ends only by closing, which a cut connection does too.
  const bool framed = declared >= 0 || sink.chunked || version >= CURL_HTTP_VERSION_2_0;
  Status result;
  if (sink.tooLarge || rc == CURLE_FILESIZE_EXCEEDED) {
    result = Status::Error("the answer is larger than " + std::to_string(kMaxBody >> 20) + " MB");
  } else if (rc != CURLE_OK) {
    result = Status::Error(errbuf[0] ? errbuf : lib.easy_strerror(rc));
  } else if (status != 200) {
    result = Status::Error("HTTP status " + std::to_string(status));
  } else if (!framed) {
    result = Status::Error("the answer has no declared length, so it may be cut short");
  }
  if (!result.ok()) body.clear();
  return result;
}

}  // namespace platform
