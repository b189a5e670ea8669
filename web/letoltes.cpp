// SPDX-License-Identifier: GPL-3.0-or-later
// The web edition downloads nothing itself: the page bundles the
// exception-word list and the browser fetches it with the page.

#include "platform/letoltes.h"

namespace platform {

DownloadResult DownloadToFile(const std::string&, const std::string&, long,
                              const std::function<void()>&) {
  return {DownloadResult::kNoFacility, "no download in the browser"};
}

}  // namespace platform
