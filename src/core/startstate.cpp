// SPDX-License-Identifier: GPL-3.0-or-later
#include "startstate.h"
#include "random.h"

void fillStartLandscape(int *landscape)
{
    for (int index = 0; index < LandscapeSize; ++index)
        landscape[index] = startLandscapeValue(index);
}

void drawGenomes(Genome *community)
{
    for (int membr = 0; membr < CommunitySize; ++membr) {
        for (int bit = 0; bit < GenomeLength; ++bit)
            community[membr][bit] = ProcessRandom::draw() % 2;
    }
}
