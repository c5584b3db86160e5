// SPDX-License-Identifier: GPL-3.0-or-later
#include "common.h"

int power(int base, int n)
{
    // Unsigned multiplication wraps like 32-bit hardware instead of overflowing.
    unsigned result = 1;
    for (int i = 1; i <= n; ++i)
        result *= static_cast<unsigned>(base);
    return static_cast<int>(result);
}
