// SPDX-License-Identifier: GPL-3.0-or-later
#include "run.h"
#include "startstate.h"

#include <algorithm>

Run::Run(const int *landscape, const Settings &settings, unsigned seed)
    : parameters(settings), generator(seed), reseedSeed(seed)
{
    std::copy(landscape, landscape + LandscapeSize, ground);
    std::copy(landscape, landscape + LandscapeSize, reference);
    drawGenomeValues(members, generator);
}

Run::Run(const RunState &state)
    : parameters(state.settings), generator(state.seed), reseedPending(state.reseedPending),
      reseedSeed(state.reseedSeed), count(state.generation)
{
    std::copy(state.landscape, state.landscape + LandscapeSize, ground);
    std::copy(state.reference, state.reference + LandscapeSize, reference);
    std::copy(state.genomes, state.genomes + CommunitySize, members);
    generator.restore(state.seed, state.draws);
}

void Run::step(GenerationTrace *trace)
{
    if (reseedPending) {
        generator.seed(reseedSeed);
        reseedPending = false;
    }
    generationStep(parameters.mutation, parameters.bias, parameters.fitness, ground, members, bias, generator,
                   diagnostics, trace);
    ++count;
}

int Run::best() const
{
    int best = ground[members[0]];
    for (int membr = 1; membr < CommunitySize; ++membr)
        best = std::max(best, ground[members[membr]]);
    return best;
}

GenerationRecord Run::record() const
{
    return recordGeneration(count, ground, members);
}

RunState Run::state() const
{
    RunState state;
    std::copy(ground, ground + LandscapeSize, state.landscape);
    std::copy(reference, reference + LandscapeSize, state.reference);
    state.settings = parameters;
    std::copy(members, members + CommunitySize, state.genomes);
    state.generation = count;
    state.seed = generator.seedValue();
    state.draws = generator.draws();
    state.reseedPending = reseedPending;
    state.reseedSeed = reseedSeed;
    return state;
}
