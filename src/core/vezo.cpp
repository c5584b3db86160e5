// SPDX-License-Identifier: GPL-3.0-or-later
#include "vezo.h"
#include "common.h"

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
unsigned pending_seed = 3521;

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

void copy_mbr(int *to, int *from)
{
    std::memcpy(to, from, sizeof(Genome));
}

long long roulette_wheel(const int *raw_fitness, long long total_fitness,
                         int fitness_multiplier, long long *wheel)
{
    long long lowest = total_fitness;
    for (int membr = 0; membr < CommunitySize; ++membr)
        lowest = std::min<long long>(lowest, raw_fitness[membr]);
    --lowest;

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
         int /*param0*/, int /*param1*/, int /*param2*/, int /*param3*/)
{
    static int my_mutation_bias = 11;
    static int mutation_biases[GenomeLength];
    static int total_mutebias = 0;
    static int my_mbrsInt[CommunitySize];
    static int fitness[CommunitySize];
    static long long wheel[CommunitySize];
    static int my_mbrsNew[CommunitySize];

    // Every process starts its first generation from the same point of the sequence.
    if (seed_pending) {
        srand(pending_seed);
        seed_pending = false;
    }

    if (mutation_bias != my_mutation_bias) {
        total_mutebias = 0;
        my_mutation_bias = mutation_bias;
        for (int g = 0; g < GenomeLength; ++g) {
            mutation_biases[g] = power(my_mutation_bias * (GenomeLength - g), 2);
            total_mutebias += mutation_biases[g];
        }
    }

    for (int membr = 0; membr < CommunitySize; ++membr)
        my_mbrsInt[membr] = genomeAsInteger(GenomeLength, my_community[membr]);

    long long total_fitness = 0;
    for (int membr = 0; membr < CommunitySize; ++membr) {
        fitness[membr] = my_environment[my_mbrsInt[membr]];
        total_fitness += fitness[membr];
    }
    if (total_fitness == 0) {
        fputs("total_fitness = 0. Not good. Seting to 1.\n", stdout);
        total_fitness = 1;
    }
    // The wheel never exceeds INT_MAX positions.
    const int wheel_size = static_cast<int>(roulette_wheel(fitness, total_fitness, fitness_multiplier, wheel));

    int breeding_units[CommunitySize];
    for (int membr = 0; membr < CommunitySize; ++membr) {
        const int a_random_num = rand() % wheel_size;
        breeding_units[membr] = roulette_member(wheel, a_random_num);
    }

    // Crossover in fixed pairs, on the genomes as nine-bit numbers: child k takes
    // B's bits below the split point and A's from there on, child k + 1 the other
    // way round.
    for (int k = 0; k < CommunitySize; k += 2) {
        const int split_point = rand() % GenomeLength;
        const int low_bits = (1 << split_point) - 1;
        const int parent_a = my_mbrsInt[breeding_units[k]];
        const int parent_b = my_mbrsInt[breeding_units[k + 1]];
        my_mbrsNew[k] = (parent_b & low_bits) | (parent_a & ~low_bits);
        my_mbrsNew[k + 1] = (parent_a & low_bits) | (parent_b & ~low_bits);
    }

    if (mutation_probability != 0) {
        for (int membr = 0; membr < CommunitySize; ++membr) {
            if (rand() % (100 - mutation_probability) != 0)
                continue;
            int b_random_num;
            if (my_mutation_bias != 0) {
                // The first position whose running sum of weights reaches r.
                const int r = rand() % total_mutebias + 1;
                int g = 0;
                int acc = mutation_biases[0];
                while (r > acc && g < GenomeLength - 1) {
                    ++g;
                    acc += mutation_biases[g];
                }
                b_random_num = g;
            } else {
                b_random_num = rand() % GenomeLength;
            }
            my_mbrsNew[membr] ^= 1 << b_random_num;
        }
    }

    for (int membr = 0; membr < CommunitySize; ++membr)
        write_genome(my_community[membr], my_mbrsNew[membr]);
    return 0;
}
