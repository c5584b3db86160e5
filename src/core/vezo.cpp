// SPDX-License-Identifier: GPL-3.0-or-later
#include "vezo.h"
#include "common.h"
#include "generationstep.h"
#include "parameters.h"
#include "random.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
// rand() yields 0 .. INT_MAX, so a wheel of up to INT_MAX positions is fully reachable.
const long long widest_wheel = INT_MAX;

// The first generation of a process, and the first after vezo_seed_next_generation(),
// seeds the generator before it draws.
bool seed_pending = true;
unsigned pending_seed = StartSeed;

// Writes a nine-bit value as nine elements of 0 or 1, element 0 the least significant bit.
void write_genome(int *genome, int value)
{
    for (int bit = 0; bit < GenomeLength; ++bit)
        genome[bit] = (value >> bit) & 1;
}
}

void vezo_seed_next_generation(unsigned seed)
{
    pending_seed = seed;
    seed_pending = true;
}

bool vezo_reseed_pending(unsigned *seed)
{
    *seed = pending_seed;
    return seed_pending;
}

void vezo_cancel_reseed()
{
    seed_pending = false;
}

void copy_mbr(int *to, int *from)
{
    std::memcpy(to, from, sizeof(Genome));
}

long long wheel_lowest(const int *raw_fitness, long long total_fitness)
{
    long long lowest = total_fitness;
    for (int membr = 0; membr < CommunitySize; ++membr)
        lowest = std::min<long long>(lowest, raw_fitness[membr]);
    return lowest - 1;
}

long long roulette_wheel(const int *raw_fitness, long long total_fitness,
                         int fitness_multiplier, long long *wheel)
{
    const long long lowest = wheel_lowest(raw_fitness, total_fitness);

    long long shares[CommunitySize];
    long long total = 0;
    for (int membr = 0; membr < CommunitySize; ++membr) {
        shares[membr] = (raw_fitness[membr] - lowest) * fitness_multiplier;
        total += shares[membr];
    }

    if (total > widest_wheel) {
        // Scale down in proportion; the divisor leaves room for the shares raised to 1.
        const long long divisor = total / (widest_wheel - CommunitySize) + 1;
        for (long long &share : shares)
            share = std::max(1LL, share / divisor);
    }

    long long end = 0;
    for (int membr = 0; membr < CommunitySize; ++membr) {
        end += shares[membr];
        wheel[membr] = end;
    }
    return end;
}

int vezo(int mutation_probability, int mutation_bias, int fitness_multiplier,
         int *my_environment, int (*my_community)[9],
         int param0, int param1, int param2, int param3)
{
    return traced_vezo(mutation_probability, mutation_bias, fitness_multiplier, my_environment, my_community,
                       param0, param1, param2, param3, nullptr);
}

int traced_vezo(int mutation_probability, int mutation_bias, int fitness_multiplier,
                int *my_environment, int (*my_community)[9],
                int /*param0*/, int /*param1*/, int /*param2*/, int /*param3*/, GenerationTrace *trace)
{
    static MutationBias bias;
    static int my_mbrsInt[CommunitySize];

    // Every process starts its first generation from the same point of the sequence.
    if (seed_pending) {
        ProcessRandom::seed(pending_seed);
        seed_pending = false;
    }

    for (int membr = 0; membr < CommunitySize; ++membr)
        my_mbrsInt[membr] = genomeAsInteger(GenomeLength, my_community[membr]);
    generationStep(mutation_probability, mutation_bias, fitness_multiplier, my_environment, my_mbrsInt, bias,
                   ProcessRandom::draw, stdout, trace);
    for (int membr = 0; membr < CommunitySize; ++membr)
        write_genome(my_community[membr], my_mbrsInt[membr]);
    return 0;
}
