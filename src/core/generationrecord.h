// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef GENERATIONRECORD_H
#define GENERATIONRECORD_H

#include "sizes.h"

#include <cstddef>

constexpr int CommunityPairs = CommunitySize * (CommunitySize - 1) / 2;

// What one generation looked like: the members' fitness on the landscape of the
// moment, how far apart their genomes lie, and the genomes themselves.
struct GenerationRecord
{
    long long generation;
    long long fitnessSum;
    int best;
    int worst;
    int hammingSum; // bits that differ, summed over every pair of members
    unsigned short genomes[CommunitySize];

    double mean() const { return double(fitnessSum) / CommunitySize; }
    // The mean Hamming distance over the pairs of members, 0 to GenomeLength.
    double diversity() const { return double(hammingSum) / CommunityPairs; }
    // How many members have the bit set.
    int bitCount(int bit) const;
};

GenerationRecord recordGeneration(long long generation, const int *landscape, const Genome *community);
// The same from the genomes as numbers 0 .. 511.
GenerationRecord recordGeneration(long long generation, const int *landscape, const int *genomes);

// The CSV columns: generation,best,mean,worst,diversity,m0..m9, with mean and
// diversity to three decimals and the members as genome values 0..511.
extern const char CsvHeader[];
constexpr std::size_t CsvRowMaxLength = 256;
// Writes one line, ending in a line feed, into out; returns the end of what it wrote.
char *writeCsvRow(char *out, const GenerationRecord &record);
// The same without the generation: best,mean,worst,diversity,m0..m9 and the line feed.
char *writeCsvState(char *out, const GenerationRecord &record);

#endif
