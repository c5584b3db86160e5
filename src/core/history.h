// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef HISTORY_H
#define HISTORY_H

#include "doublingseries.h"
#include "generationrecord.h"

#include <vector>

// Generations summed up over a run of them: the span a chart column shows.
struct HistoryBucket
{
    long long firstGeneration;
    long long lastGeneration;
    long long count;
    int best;           // the highest best of the span
    int worst;          // the lowest worst
    double meanTotal;   // the members' mean fitness, summed over the span
    long long hammingTotal;
    long long bitTotals[GenomeLength]; // members with the bit set, summed

    double mean() const { return meanTotal / count; }
    // Mean Hamming distance over the pairs of members, 0 to GenomeLength.
    double diversity() const { return double(hammingTotal) / (double(count) * CommunityPairs); }
    double bitShare(int bit) const { return double(bitTotals[bit]) / (double(count) * CommunitySize); }

    static HistoryBucket of(const GenerationRecord &record);
    void merge(const HistoryBucket &other);
};

// The record of a run in bounded memory: every generation of the last
// FullGenerations in full, and the whole run since the last clear as at most
// OverviewBuckets buckets, each twice as wide as before whenever they run out.
class History
{
public:
    static constexpr int FullGenerations = 100000;
    static constexpr int OverviewBuckets = 1024;

    History();

    // A record of the generation last added replaces it (new genomes drawn, say).
    void add(const GenerationRecord &record);
    void clear();

    bool isEmpty() const { return count == 0; }
    // The records kept in full, oldest first; the latest is the one that may still be replaced.
    int fullCount() const { return count; }
    const GenerationRecord &full(int index) const;
    const GenerationRecord &latest() const { return full(count - 1); }
    // Every generation since the last clear, the latest as a bucket of its own.
    std::vector<HistoryBucket> overview() const;

private:
    std::vector<GenerationRecord> records; // a ring of FullGenerations
    int start;
    int count;
    DoublingSeries<HistoryBucket, OverviewBuckets> buckets; // every record but the latest
};

#endif
