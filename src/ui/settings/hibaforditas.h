// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The platform layer reports failures in English ("Unable to write to
// /home/u/rovas.ini: No space left on device"); the windows show them in
// Hungarian. This turns the known phrasings and the common system reasons
// into Hungarian and leaves anything else (paths, unknown texts) as it is.

#include <string>
#include <string_view>

// Windows-1250 in and out.
std::string HibaMagyarul(std::string_view uzenet);
