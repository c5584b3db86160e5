// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GENOMES_H
#define GENOMES_H

#include "common.h"

#include <QList>

inline void setGenome(int *genome, int value)
{
    for (int bit = 0; bit < 9; ++bit)
        genome[bit] = (value >> bit) & 1;
}

inline void setCommunity(int (*community)[9], const QList<int> &values)
{
    for (int m = 0; m < 10; ++m)
        setGenome(community[m], values.at(m));
}

inline QList<int> genomeValues(const int (*community)[9])
{
    QList<int> values;
    for (int m = 0; m < 10; ++m)
        values << genomeAsInteger(9, const_cast<int *>(community[m]));
    return values;
}

// The start-up landscape: a tent peaking at 128 on indexes 256 and 257.
inline void fillTent(int *landscape)
{
    for (int i = 0; i < 512; ++i)
        landscape[i] = i < 256 ? i / 2 : 256 - i / 2;
}

#endif
