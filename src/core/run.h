// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef RUN_H
#define RUN_H

#include "generationrecord.h"
#include "generationstep.h"
#include "parameters.h"
#include "random.h"
#include "runstate.h"

#include <cstdio>

// One run of the algorithm on a generator of its own: the window's start (genomes
// drawn after seeding, the first generation seeded alike) and its generation step,
// so that a run with a seed equals the window's run restarted with that seed.
class Run
{
public:
    Run(const int *landscape, const Settings &settings, unsigned seed);
    explicit Run(const RunState &state);

    void step(GenerationTrace *trace = nullptr);

    long long generation() const { return count; }
    const int *landscape() const { return ground; }
    const int *genomes() const { return members; }
    const Settings &settings() const { return parameters; }
    // The highest raw fitness among the members.
    int best() const;
    GenerationRecord record() const;
    RunState state() const;

    // Where a generation whose members all have fitness 0 says so; none when null.
    void setDiagnostics(std::FILE *file) { diagnostics = file; }

private:
    int ground[LandscapeSize];
    int reference[LandscapeSize];
    int members[CommunitySize];
    Settings parameters;
    Random generator;
    MutationBias bias;
    bool reseedPending = true;
    unsigned reseedSeed;
    long long count = 0;
    std::FILE *diagnostics = stderr;
};

#endif
