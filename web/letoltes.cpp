// SPDX-License-Identifier: GPL-3.0-or-later
// The web edition downloads nothing itself: the page bundles the
// exception-word list and the browser fetches it with the page.

#include "platform/letoltes.h"

namespace platform {

Status Download(const std::string&, std::string& body, long, const std::function<void()>&) {
  body.clear();
  return Status::NotSupported("no download in the browser");
}

}  // namespace platform
