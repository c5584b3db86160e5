// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef COMMON_H
#define COMMON_H

int power(int base, int n);

// Sums power(2, i) over the elements i that are greater than 0: element 0 is the
// least significant bit. Inline, because every generation reads every member through it.
inline int genomeAsInteger(int bitsInArray, int *theMember)
{
    int value = 0;
    for (int bit = 0; bit < bitsInArray; ++bit)
        value |= static_cast<int>(theMember[bit] > 0) << bit;
    return value;
}

#endif
