// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TIMINGS_H
#define TIMINGS_H

// How long a message stays on a status bar.
constexpr int StatusMilliseconds = 8000;
// How often a held shift button repeats, in either window.
constexpr int ShiftRepeatMilliseconds = 10;

#endif
