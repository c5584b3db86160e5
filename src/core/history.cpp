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
    : records(FullGenerations), start(0), count(0), span(1)
{
    buckets.reserve(OverviewBuckets);
}

void History::add(const GenerationRecord &record)
{
    if (count > 0 && record.generation <= latest().generation) {
        records[(start + count - 1) % FullGenerations] = record;
        return;
    }
    if (count > 0)
        addToOverview(latest());
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
    span = 1;
}

const GenerationRecord &History::full(int index) const
{
    return records[(start + index) % FullGenerations];
}

std::vector<HistoryBucket> History::overview() const
{
    std::vector<HistoryBucket> all = buckets;
    if (count > 0)
        all.push_back(HistoryBucket::of(latest()));
    return all;
}

// The last bucket takes records until it spans span generations; when the buckets
// run out, neighbours merge and the span doubles.
void History::addToOverview(const GenerationRecord &record)
{
    const HistoryBucket single = HistoryBucket::of(record);
    if (!buckets.empty() && buckets.back().count < span) {
        buckets.back().merge(single);
        return;
    }
    if (static_cast<int>(buckets.size()) == OverviewBuckets) {
        for (int pair = 0; pair < OverviewBuckets / 2; ++pair) {
            buckets[pair] = buckets[2 * pair];
            buckets[pair].merge(buckets[2 * pair + 1]);
        }
        buckets.resize(OverviewBuckets / 2);
        span *= 2;
    }
    buckets.push_back(single);
}
