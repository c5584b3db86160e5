// SPDX-License-Identifier: GPL-3.0-or-later
#include "history.h"

#include <algorithm>

HistoryBucket HistoryBucket::of(const GenerationRecord &record)
{
    HistoryBucket bucket;
    bucket.firstGeneration = record.generation;
    bucket.lastGeneration = record.generation;
    bucket.count = 1;
    bucket.best = record.best;
    bucket.worst = record.worst;
    bucket.meanTotal = record.mean();
    bucket.hammingTotal = record.hammingSum;
    for (int bit = 0; bit < GenomeLength; ++bit)
        bucket.bitTotals[bit] = record.bitCount(bit);
    return bucket;
}

void HistoryBucket::merge(const HistoryBucket &other)
{
    lastGeneration = other.lastGeneration;
    count += other.count;
    best = std::max(best, other.best);
    worst = std::min(worst, other.worst);
    meanTotal += other.meanTotal;
    hammingTotal += other.hammingTotal;
    for (int bit = 0; bit < GenomeLength; ++bit)
        bitTotals[bit] += other.bitTotals[bit];
}

History::History()
    : records(FullGenerations), start(0), count(0)
{
}

void History::add(const GenerationRecord &record)
{
    if (count > 0 && record.generation <= latest().generation) {
        records[(start + count - 1) % FullGenerations] = record;
        return;
    }
    if (count > 0)
        buckets.add(HistoryBucket::of(latest()));
    if (count == FullGenerations) {
        records[start] = record;
        start = (start + 1) % FullGenerations;
    } else {
        records[(start + count) % FullGenerations] = record;
        ++count;
    }
}

void History::clear()
{
    start = 0;
    count = 0;
    buckets.clear();
}

const GenerationRecord &History::full(int index) const
{
    return records[(start + index) % FullGenerations];
}

std::vector<HistoryBucket> History::overview() const
{
    std::vector<HistoryBucket> all = buckets.buckets();
    if (count > 0)
        all.push_back(HistoryBucket::of(latest()));
    return all;
}
