// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LESSONMEASURE_H
#define LESSONMEASURE_H

#include "experiment.h"
#include "generationrecord.h"
#include "schema.h"

#include <limits>
#include <optional>

// What a lesson's step measures, so that a class can set its prediction beside
// the program's own answer. A step either runs the lesson's run on for some
// generations or makes an experiment.
enum class Quantity {
    DiversityShare, // the diversity at the end as a part of the diversity at the start
    Best,           // the best fitness at the end
    FirstReach,     // generations until the best first reached the target
    SchemaCount,    // members that match the schema at the end
    HitRateSpread   // an experiment's highest hit rate less its lowest, in percentage points
};

struct StepMeasure
{
    Quantity quantity = Quantity::Best;
    long long generations = 1;
    int target = 0;   // for FirstReach
    Schema schema;    // for SchemaCount
};

// "Not reached within the step's generations".
constexpr double NeverReached = std::numeric_limits<double>::infinity();

// Follows a run from the generation a step starts at, one generation after another.
class StepMeasurement
{
public:
    StepMeasurement(const StepMeasure &measure, const GenerationRecord &start);

    void add(const GenerationRecord &record);
    bool done() const { return seen >= measure.generations; }
    long long generationsSeen() const { return seen; }
    // Once done; none where the quantity has no value (a share of a diversity of 0).
    std::optional<double> value() const;

private:
    StepMeasure measure;
    GenerationRecord first;
    GenerationRecord latest;
    long long seen = 0;
    long long reached = -1;
};

// The spread of an experiment's hit rates.
double hitRateSpread(const ExperimentSummary &summary);

// Every genome scores the same: the wheel gives every member the same share.
bool isFlat(const int *landscape);
// The expected diversity after t generations of drift from d0, for ten members: each
// locus keeps its pairs' difference with the chance 1 - 1/10 per generation.
double driftDiversity(double d0, long long t);

#endif
