// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SCHEMA_H
#define SCHEMA_H

#include "sizes.h"

#include <string>
#include <string_view>

struct GenerationTrace;

// A pattern of genomes, written as nine characters from bit 8 down to bit 0: 1 and
// 0 fix a bit, * leaves it free.
struct Schema
{
    int mask = 0; // the fixed positions
    int bits = 0; // their values

    bool matches(int genome) const { return (genome & mask) == bits; }
    int order() const;
    // The outermost fixed positions, -1 without any.
    int lowest() const;
    int highest() const;
    // highest() - lowest(), 0 with fewer than two fixed positions.
    int definingLength() const;
    std::string text() const;
    bool operator==(const Schema &other) const { return mask == other.mask && bits == other.bits; }
};

enum class SchemaError { None, Length, Character };

struct SchemaParse
{
    Schema schema;
    SchemaError error = SchemaError::None;
    int position = 0; // the length given, or where the bad character stands
};

// One byte per character; nothing but the nine characters is taken.
SchemaParse parseSchema(std::string_view text);

// The chance that a child mutates at mutation probability p: 1/(100 - p), 0 at p = 0.
double mutationChance(int mutationProbability);
// The chance that bit is the one a mutation flips: 1/9 at bias 0, the same
// weights (9 - bit)^2 / 285 at any bias from 1 to 10.
double flipChance(int bias, int bit);

int schemaCount(const Schema &schema, const int *genomes);

// The schema theorem's lower bound on the expected count of matching members in
// the next generation, m(H,t) * (S_H / S̄) * (1 - d(H)/9) * (1 - q * P_H), with
// each factor at hand.
struct SchemaBound
{
    int count = 0;          // m(H,t)
    double matchShare = 0;  // S_H: the matching members' mean share, as a part of the wheel
    double meanShare = 0;   // S̄: the mean share of all ten
    int definingLength = 0; // d(H)
    double mutation = 0;    // q
    double fixedFlip = 0;   // P_H: the chance that the flipped bit is a fixed one

    double selection() const { return count > 0 ? matchShare / meanShare : 0.0; }
    double crossoverSurvival() const { return 1.0 - double(definingLength) / GenomeLength; }
    double mutationSurvival() const { return 1.0 - mutation * fixedFlip; }
    double value() const { return count * selection() * crossoverSurvival() * mutationSurvival(); }
};

// The bound for the generation that follows the one trace starts from.
SchemaBound schemaBound(const Schema &schema, const GenerationTrace &trace, int mutationProbability, int bias);

#endif
