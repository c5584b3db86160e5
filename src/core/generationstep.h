// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GENERATIONSTEP_H
#define GENERATIONSTEP_H

#include "common.h"
#include "sizes.h"
#include "vezo.h"

#include <cstdio>

constexpr int Pairs = CommunitySize / 2;

// The weight of each bit position for the biased choice of the bit to flip, built
// for the bias it was last asked for: (bias * (9 - g))^2 for position g, all 0 for
// bias 0. 11 lies outside the bias range, so the first generation builds it.
struct MutationBias
{
    int my_mutation_bias = 11;
    int mutation_biases[GenomeLength] = {};
    int total_mutebias = 0;

    void follow(int mutation_bias)
    {
        if (mutation_bias == my_mutation_bias)
            return;
        total_mutebias = 0;
        my_mutation_bias = mutation_bias;
        for (int g = 0; g < GenomeLength; ++g) {
            mutation_biases[g] = power(my_mutation_bias * (GenomeLength - g), 2);
            total_mutebias += mutation_biases[g];
        }
    }
};

// What one generation drew, for those who want to see it: the wheel, the parents,
// the split points and the flips. Child k of a pair takes the bits from the split
// upward from its parent (draw k) and the bits below it from its partner (the
// pair's other draw).
struct GenerationTrace
{
    int fitness[CommunitySize];      // raw fitness of each member
    long long wheel[CommunitySize];  // where each member's share of the wheel ends
    long long width;                 // the wheel's size
    long long lowest;                // the wheel's zero, see wheel_lowest()
    int multiplier;                  // the fitness multiplier it was drawn with
    int parents[CommunitySize];      // the member behind each draw
    int splits[Pairs];
    int flipped[CommunitySize];      // the bit each child flipped, -1 when it did not mutate
    int before[CommunitySize];       // the genomes as numbers, before and after
    int after[CommunitySize];

    long long share(int membr) const { return wheel[membr] - (membr > 0 ? wheel[membr - 1] : 0); }
    // The share before the multiplier and any scaling.
    long long units(int membr) const { return fitness[membr] - lowest; }
    // Whether the wheel was scaled down to fit one draw, changing the shares a little.
    bool scaled() const
    {
        long long total = 0;
        for (int membr = 0; membr < CommunitySize; ++membr)
            total += units(membr);
        return total * multiplier != width;
    }
    int partner(int child) const { return parents[child ^ 1]; }
};

// One generation on the ten genomes given as nine-bit numbers, rewritten in place,
// with draw() for every random number, in the order the window has always drawn
// them: ten wheel positions, five split points, then for each child a mutation test
// and, when it mutates, the bit. A zero total of raw fitness is said on diagnostics
// (when there is one) and taken as 1.
template <typename Draw>
void generationStep(int mutation_probability, int mutation_bias, int fitness_multiplier,
                    const int *my_environment, int *genomes, MutationBias &bias, Draw &draw,
                    std::FILE *diagnostics, GenerationTrace *trace)
{
    bias.follow(mutation_bias);

    int fitness[CommunitySize];
    long long total_fitness = 0;
    for (int membr = 0; membr < CommunitySize; ++membr) {
        fitness[membr] = my_environment[genomes[membr]];
        total_fitness += fitness[membr];
    }
    if (total_fitness == 0) {
        if (diagnostics)
            std::fputs("total_fitness = 0. Not good. Seting to 1.\n", diagnostics);
        total_fitness = 1;
    }
    long long wheel[CommunitySize];
    // The wheel never exceeds INT_MAX positions.
    const int wheel_size = static_cast<int>(roulette_wheel(fitness, total_fitness, fitness_multiplier, wheel));

    int breeding_units[CommunitySize];
    for (int membr = 0; membr < CommunitySize; ++membr) {
        const int a_random_num = draw() % wheel_size;
        breeding_units[membr] = roulette_member(wheel, a_random_num);
    }

    // Crossover in fixed pairs: child k takes B's bits below the split point and
    // A's from there on, child k + 1 the other way round.
    int my_mbrsNew[CommunitySize];
    int splits[Pairs];
    for (int k = 0; k < CommunitySize; k += 2) {
        const int split_point = draw() % GenomeLength;
        splits[k / 2] = split_point;
        const int low_bits = (1 << split_point) - 1;
        const int parent_a = genomes[breeding_units[k]];
        const int parent_b = genomes[breeding_units[k + 1]];
        my_mbrsNew[k] = (parent_b & low_bits) | (parent_a & ~low_bits);
        my_mbrsNew[k + 1] = (parent_a & low_bits) | (parent_b & ~low_bits);
    }

    int flipped[CommunitySize] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    if (mutation_probability != 0) {
        for (int membr = 0; membr < CommunitySize; ++membr) {
            if (draw() % (100 - mutation_probability) != 0)
                continue;
            int b_random_num;
            if (bias.my_mutation_bias != 0) {
                // The first position whose running sum of weights reaches r.
                const int r = draw() % bias.total_mutebias + 1;
                int g = 0;
                int acc = bias.mutation_biases[0];
                while (r > acc && g < GenomeLength - 1) {
                    ++g;
                    acc += bias.mutation_biases[g];
                }
                b_random_num = g;
            } else {
                b_random_num = draw() % GenomeLength;
            }
            my_mbrsNew[membr] ^= 1 << b_random_num;
            flipped[membr] = b_random_num;
        }
    }

    if (trace) {
        trace->width = wheel_size;
        trace->lowest = wheel_lowest(fitness, total_fitness);
        trace->multiplier = fitness_multiplier;
        for (int membr = 0; membr < CommunitySize; ++membr) {
            trace->fitness[membr] = fitness[membr];
            trace->wheel[membr] = wheel[membr];
            trace->parents[membr] = breeding_units[membr];
            trace->flipped[membr] = flipped[membr];
            trace->before[membr] = genomes[membr];
            trace->after[membr] = my_mbrsNew[membr];
        }
        for (int pair = 0; pair < Pairs; ++pair)
            trace->splits[pair] = splits[pair];
    }
    for (int membr = 0; membr < CommunitySize; ++membr)
        genomes[membr] = my_mbrsNew[membr];
}

#endif
