// SPDX-License-Identifier: GPL-3.0-or-later
#include "generationrecord.h"
#include "common.h"

#include <algorithm>
#include <charconv>

const char CsvHeader[] = "generation,best,mean,worst,diversity,m0,m1,m2,m3,m4,m5,m6,m7,m8,m9\n";

namespace {
const int Thousandths = 1000;

char *writeInteger(char *out, long long value)
{
    return std::to_chars(out, out + 24, value).ptr;
}

// A value given in thousandths, written with three decimals.
char *writeThousandths(char *out, long long thousandths)
{
    if (thousandths < 0) {
        *out++ = '-';
        thousandths = -thousandths;
    }
    out = writeInteger(out, thousandths / Thousandths);
    const int fraction = static_cast<int>(thousandths % Thousandths);
    *out++ = '.';
    *out++ = static_cast<char>('0' + fraction / 100);
    *out++ = static_cast<char>('0' + fraction / 10 % 10);
    *out++ = static_cast<char>('0' + fraction % 10);
    return out;
}
}

int GenerationRecord::bitCount(int bit) const
{
    int count = 0;
    for (unsigned short genome : genomes)
        count += (genome >> bit) & 1;
    return count;
}

GenerationRecord recordGeneration(long long generation, const int *landscape, const Genome *community)
{
    int genomes[CommunitySize];
    for (int membr = 0; membr < CommunitySize; ++membr)
        genomes[membr] = genomeAsInteger(GenomeLength, const_cast<int *>(community[membr]));
    return recordGeneration(generation, landscape, genomes);
}

GenerationRecord recordGeneration(long long generation, const int *landscape, const int *genomes)
{
    GenerationRecord record;
    record.generation = generation;
    record.fitnessSum = 0;
    for (int membr = 0; membr < CommunitySize; ++membr) {
        const int genome = genomes[membr];
        record.genomes[membr] = static_cast<unsigned short>(genome);
        const int fitness = landscape[genome];
        record.fitnessSum += fitness;
        record.best = membr == 0 ? fitness : std::max(record.best, fitness);
        record.worst = membr == 0 ? fitness : std::min(record.worst, fitness);
    }
    // A bit set in k members differs in k * (10 - k) of the pairs.
    record.hammingSum = 0;
    for (int bit = 0; bit < GenomeLength; ++bit) {
        const int ones = record.bitCount(bit);
        record.hammingSum += ones * (CommunitySize - ones);
    }
    return record;
}

char *writeCsvRow(char *out, const GenerationRecord &record)
{
    out = writeInteger(out, record.generation);
    *out++ = ',';
    return writeCsvState(out, record);
}

char *writeCsvState(char *out, const GenerationRecord &record)
{
    out = writeInteger(out, record.best);
    *out++ = ',';
    // The mean of ten integers is exact in thousandths.
    out = writeThousandths(out, record.fitnessSum * (Thousandths / CommunitySize));
    *out++ = ',';
    out = writeInteger(out, record.worst);
    *out++ = ',';
    // Rounded to the nearest thousandth; a pair sum never falls on a half.
    out = writeThousandths(out, (2LL * record.hammingSum * Thousandths + CommunityPairs) / (2 * CommunityPairs));
    for (unsigned short genome : record.genomes) {
        *out++ = ',';
        out = writeInteger(out, genome);
    }
    *out++ = '\n';
    return out;
}
