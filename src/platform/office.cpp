// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/office.h"

namespace platform {

const OfficeRegistry& SystemOfficeRegistry() {
  static const FixedOfficeRegistry none(std::nullopt);
  return none;
}

}  // namespace platform
