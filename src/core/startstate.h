// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef STARTSTATE_H
#define STARTSTATE_H

#include "parameters.h"
#include "sizes.h"

// The start-up landscape is a tent peaking at 128 on indexes 256 and 257.
inline int startLandscapeValue(int index)
{
    return index < LandscapeSize / 2 ? index / 2 : LandscapeSize / 2 - index / 2;
}

void fillStartLandscape(int *landscape);

// Ten genomes of draw() % 2 bits, member by member and bit by bit within each, as numbers.
template <typename Draw>
void drawGenomeValues(int *genomes, Draw &draw)
{
    for (int membr = 0; membr < CommunitySize; ++membr) {
        genomes[membr] = 0;
        for (int bit = 0; bit < GenomeLength; ++bit)
            genomes[membr] |= (draw() % 2) << bit;
    }
}

// Fills the community the same way, continuing the process-wide random sequence.
void drawGenomes(Genome *community);

#endif
