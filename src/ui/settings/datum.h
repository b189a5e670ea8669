// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Dates of the exception-word updates: the "yyyy.mm.dd" text kept in rovas.ini
// and shown in the settings window, its parse, and the automatic-download rule.

#include <chrono>
#include <string>
#include <string_view>

// A local date and time. The zero value (TIdopont{}) means "never".
using TIdopont = std::chrono::local_seconds;

// The local date and time now, from the system clock.
TIdopont HelyiIdo();

// Midnight of the day of `t`.
TIdopont NapKezdete(TIdopont t);

// "yyyy.mm.dd" of the day of `t`.
std::string DatumSzoveg(TIdopont t);

// The date of a "yyyy.mm.dd" text (the short-date format; one-digit month and
// day, surrounding blanks and a closing "." are accepted). Anything that is not
// a valid date, "Soha" among them, gives TIdopont{} (never).
TIdopont DatumErtelmezes(std::string_view szoveg);

// Whether the automatic download is due: the option is on and the last update
// is never, or more than 7 days away from today (either direction, so a clock
// turned back does not stop the updates for good).
bool AutomatikusLetoltesEsedekes(bool onmukodo, TIdopont utolsoFrissites, TIdopont most);
