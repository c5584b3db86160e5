// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RUNSTATE_H
#define RUNSTATE_H

#include "parameters.h"
#include "sizes.h"

#include <string>

// The pace a run starts at where it is watched: slow enough to follow.
constexpr int WatchablePace = 20; // generations per second

// The most generations a run may reach: far beyond any run, and far from the end of
// the counters that go on from there. A snapshot keeps no run past it.
constexpr long long MostGenerations = 1LL << 50;

// Everything that decides how a run goes on from here, and what a snapshot keeps.
struct RunState
{
    int landscape[LandscapeSize];
    int reference[LandscapeSize];    // what "Reload" brings back
    std::string name;                // of the landscape: a file, a preset, or "edited"
    Settings settings;
    int pace = WatchablePace;        // generations per second for "Run", 0: as fast as possible
    int genomes[CommunitySize];      // as numbers 0 .. 511
    long long generation = 0;
    unsigned seed = StartSeed;       // the generator was seeded with this
    long long draws = 0;             // and has drawn this many numbers since
    bool reseedPending = true;       // the next generation seeds the generator first
    unsigned reseedSeed = StartSeed;
};

#endif
