// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef COUNTFORM_H
#define COUNTFORM_H

#include <algorithm>
#include <climits>
#include <cmath>

// The n of tr(text, nullptr, n), which chooses a message's plural form ("1 run",
// "2 runs"), for counts that may pass an int; the text shows the count itself.
inline int countForm(long long count)
{
    return static_cast<int>(std::clamp<long long>(count, INT_MIN, INT_MAX));
}

// A mean count such as 2.5 members takes the plural unless it is a whole number.
inline int meanCountForm(double count)
{
    return count == std::floor(count) && std::abs(count) < INT_MAX ? static_cast<int>(count) : 2;
}

#endif
