// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The control bytes with fixed roles inside the engine. None of them survives
// in the engine's output.

// An invisible separator that keeps two letters from being read as one
// two-letter consonant; deleted as the pipeline's last step.
inline constexpr char kElvalaszto = '\x08';
// Marks dropped letters inside vowel skipping and forms the number placeholders.
inline constexpr char kJel = '\x01';
// The temporary placeholder of bracket mirroring.
inline constexpr char kZarojelHely = '\x02';
