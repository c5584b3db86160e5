// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef VEZO_H
#define VEZO_H

#include "sizes.h"

// One generation of the genetic algorithm on the community of nine-bit members.
int vezo(int mutation_probability, int mutation_bias, int fitness_multiplier,
         int *my_environment, int (*my_community)[9],
         int param0, int param1, int param2, int param3);

void copy_mbr(int *to, int *from);

// The next generation re-seeds the generator with seed before it draws, as the
// first generation of a process does with 3521.
void vezo_seed_next_generation(unsigned seed);
// Whether the next generation re-seeds, and with which seed.
bool vezo_reseed_pending(unsigned *seed);
void vezo_cancel_reseed();

struct GenerationTrace;
// The same generation, filling trace with what it drew (nothing when null).
int traced_vezo(int mutation_probability, int mutation_bias, int fitness_multiplier,
                int *my_environment, int (*my_community)[9],
                int param0, int param1, int param2, int param3, GenerationTrace *trace);

// The roulette wheel of the members: wheel[m] is where member m's share ends,
// so member m owns the positions wheel[m - 1] .. wheel[m] - 1. Shares are the
// raw fitness values raised above the lowest one, times the multiplier, and
// scaled down when their total would not fit in one rand() draw. Returns the
// wheel's size, its last end.
long long roulette_wheel(const int *raw_fitness, long long total_fitness,
                         int fitness_multiplier, long long *wheel);

// The wheel's zero: one below the lowest raw fitness, or one below the total when
// that is lower still (when most fitness is negative). A member's share is
// (raw fitness - wheel_lowest) * multiplier before any scaling.
long long wheel_lowest(const int *raw_fitness, long long total_fitness);

// The member is the number of shares that end at or before the position; counting
// them all avoids a branch on the random position.
inline int roulette_member(const long long *wheel, long long position)
{
    int membr = 0;
    for (int end = 0; end < CommunitySize - 1; ++end)
        membr += position >= wheel[end];
    return membr;
}

#endif
