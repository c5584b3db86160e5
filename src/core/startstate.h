// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef STARTSTATE_H
#define STARTSTATE_H

#include "sizes.h"

// The seed of every start: before the first genomes are drawn and again at the
// first generation.
constexpr unsigned StartSeed = 3521;

// The start-up landscape is a tent peaking at 128 on indexes 256 and 257.
inline int startLandscapeValue(int index)
{
    return index < LandscapeSize / 2 ? index / 2 : LandscapeSize / 2 - index / 2;
}

// Fills the community with rand() % 2, member by member and bit by bit within each,
// continuing the one random sequence.
void drawGenomes(Genome *community);

#endif
