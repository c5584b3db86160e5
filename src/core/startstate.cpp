// SPDX-License-Identifier: GPL-3.0-or-later
#include "startstate.h"

#include <cstdlib>

void drawGenomes(Genome *community)
{
    for (int membr = 0; membr < CommunitySize; ++membr) {
        for (int bit = 0; bit < GenomeLength; ++bit)
            community[membr][bit] = rand() % 2;
    }
}
