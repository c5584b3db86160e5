// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef TABLEVEZO_H
#define TABLEVEZO_H

#include "common.h"
#include "vezo.h"

#include <cstdlib>

// One generation selected through a roulette table of one entry per unit of
// adjusted fitness, summed in int: the straightforward form of the algorithm,
// valid while the adjusted total fits in an int and the table fits in memory.
// It does not seed the generator; callers seed it.
inline void table_vezo(int mutation_probability, int mutation_bias, int fitness_multiplier,
                       const int *environment, int (*community)[9])
{
    int biases[9];
    int total_bias = 0;
    for (int g = 0; g < 9; ++g) {
        biases[g] = power(mutation_bias * (9 - g), 2);
        total_bias += biases[g];
    }

    int parents[10][9];
    int fitness[10];
    int total = 0;
    for (int m = 0; m < 10; ++m) {
        copy_mbr(parents[m], community[m]);
        fitness[m] = environment[genomeAsInteger(9, community[m])];
        total += fitness[m];
    }
    if (total == 0)
        total = 1;
    int lowest = total;
    for (int m = 0; m < 10; ++m) {
        if (fitness[m] < lowest)
            lowest = fitness[m];
    }
    --lowest;
    total = 0;
    for (int m = 0; m < 10; ++m) {
        fitness[m] = (fitness[m] - lowest) * fitness_multiplier;
        total += fitness[m];
    }

    int *ww = static_cast<int *>(malloc(sizeof(int) * total));
    int fitscan = 0;
    for (int m = 0; m < 10; ++m) {
        for (int unit = 0; unit < fitness[m]; ++unit)
            ww[fitscan++] = m;
    }
    int breeding_units[10];
    for (int m = 0; m < 10; ++m)
        breeding_units[m] = ww[rand() % total];
    free(ww);

    int children[10][9];
    for (int k = 0; k < 10; k += 2) {
        const int s = rand() % 9;
        copy_mbr(children[k], parents[breeding_units[k]]);
        copy_mbr(children[k + 1], parents[breeding_units[k + 1]]);
        for (int split = 0; split < s; ++split) {
            children[k][split] = parents[breeding_units[k + 1]][split];
            children[k + 1][split] = parents[breeding_units[k]][split];
        }
    }

    if (mutation_probability != 0) {
        for (int m = 0; m < 10; ++m) {
            if (rand() % (100 - mutation_probability) != 0)
                continue;
            int flip;
            if (mutation_bias != 0) {
                const int r = rand() % total_bias + 1;
                int acc = 0;
                for (flip = 0; flip < 9; ++flip) {
                    acc += biases[flip];
                    if (r <= acc)
                        break;
                }
            } else {
                flip = rand() % 9;
            }
            children[m][flip] = children[m][flip] == 0 ? 1 : 0;
        }
    }

    for (int m = 0; m < 10; ++m)
        copy_mbr(community[m], children[m]);
}

#endif
