// SPDX-License-Identifier: GPL-3.0-or-later
#include "lessonmeasure.h"

#include <algorithm>
#include <cmath>

StepMeasurement::StepMeasurement(const StepMeasure &measure, const GenerationRecord &start)
    : measure(measure), first(start), latest(start)
{
    if (measure.quantity == Quantity::FirstReach && start.best >= measure.target)
        reached = 0;
}

void StepMeasurement::add(const GenerationRecord &record)
{
    latest = record;
    ++seen;
    if (reached < 0 && record.best >= measure.target)
        reached = seen;
}

std::optional<double> StepMeasurement::value() const
{
    switch (measure.quantity) {
    case Quantity::DiversityShare:
        if (first.hammingSum == 0)
            return std::nullopt;
        return double(latest.hammingSum) / first.hammingSum;
    case Quantity::Best:
        return latest.best;
    case Quantity::FirstReach:
        return reached < 0 ? NeverReached : double(reached);
    case Quantity::SchemaCount: {
        int count = 0;
        for (unsigned short genome : latest.genomes)
            count += measure.schema.matches(genome);
        return count;
    }
    case Quantity::HitRateSpread:
        break;
    }
    return std::nullopt;
}

double hitRateSpread(const ExperimentSummary &summary)
{
    double low = 1.0;
    double high = 0.0;
    for (const CombinationSummary &combination : summary.combinations()) {
        low = std::min(low, combination.hitRate());
        high = std::max(high, combination.hitRate());
    }
    return high < low ? 0.0 : 100.0 * (high - low);
}

bool isFlat(const int *landscape)
{
    return std::all_of(landscape, landscape + LandscapeSize, [&](int value) { return value == landscape[0]; });
}

double driftDiversity(double d0, long long t)
{
    return d0 * std::pow(1.0 - 1.0 / CommunitySize, double(t));
}
