// SPDX-License-Identifier: GPL-3.0-or-later
#include "schema.h"
#include "generationstep.h"
#include "parameters.h"

#include <array>
#include <bitset>

namespace {
const int MutationRange = 100;

int bitAt(int position)
{
    return GenomeLength - 1 - position;
}
}

int Schema::order() const
{
    return static_cast<int>(std::bitset<GenomeLength>(mask).count());
}

int Schema::lowest() const
{
    for (int bit = 0; bit < GenomeLength; ++bit) {
        if (mask >> bit & 1)
            return bit;
    }
    return -1;
}

int Schema::highest() const
{
    for (int bit = GenomeLength - 1; bit >= 0; --bit) {
        if (mask >> bit & 1)
            return bit;
    }
    return -1;
}

int Schema::definingLength() const
{
    return mask == 0 ? 0 : highest() - lowest();
}

std::string Schema::text() const
{
    std::string text(GenomeLength, '*');
    for (int position = 0; position < GenomeLength; ++position) {
        const int bit = bitAt(position);
        if (mask >> bit & 1)
            text[position] = bits >> bit & 1 ? '1' : '0';
    }
    return text;
}

SchemaParse parseSchema(std::string_view text)
{
    SchemaParse parse;
    if (text.size() != GenomeLength) {
        parse.error = SchemaError::Length;
        parse.position = static_cast<int>(text.size());
        return parse;
    }
    for (int position = 0; position < GenomeLength; ++position) {
        const int bit = 1 << bitAt(position);
        switch (text[position]) {
        case '1':
            parse.schema.bits |= bit;
            [[fallthrough]];
        case '0':
            parse.schema.mask |= bit;
            break;
        case '*':
            break;
        default:
            parse.error = SchemaError::Character;
            parse.position = position;
            parse.schema = Schema();
            return parse;
        }
    }
    return parse;
}

double mutationChance(int mutationProbability)
{
    return mutationProbability == 0 ? 0.0 : 1.0 / (MutationRange - mutationProbability);
}

// From the step's own weights, once for every bias.
double flipChance(int bias, int bit)
{
    using Chances = std::array<std::array<double, GenomeLength>, Parameters::Bias.max + 1>;
    static const Chances chances = [] {
        Chances table;
        for (int setting = 0; setting <= Parameters::Bias.max; ++setting) {
            MutationBias weights;
            weights.follow(setting);
            for (int position = 0; position < GenomeLength; ++position) {
                table[setting][position] = setting == 0 ? 1.0 / GenomeLength
                                                        : double(weights.mutation_biases[position]) / weights.total_mutebias;
            }
        }
        return table;
    }();
    return chances[bias][bit];
}

int schemaCount(const Schema &schema, const int *genomes)
{
    int count = 0;
    for (int membr = 0; membr < CommunitySize; ++membr)
        count += schema.matches(genomes[membr]);
    return count;
}

SchemaBound schemaBound(const Schema &schema, const GenerationTrace &trace, int mutationProbability, int bias)
{
    SchemaBound bound;
    long long matchingShares = 0;
    for (int membr = 0; membr < CommunitySize; ++membr) {
        if (schema.matches(trace.before[membr])) {
            ++bound.count;
            matchingShares += trace.share(membr);
        }
    }
    const double width = double(trace.width);
    bound.meanShare = 1.0 / CommunitySize;
    bound.matchShare = bound.count > 0 ? matchingShares / width / bound.count : 0.0;
    bound.definingLength = schema.definingLength();
    bound.mutation = mutationChance(mutationProbability);
    for (int bit = 0; bit < GenomeLength; ++bit) {
        if (schema.mask >> bit & 1)
            bound.fixedFlip += flipChance(bias, bit);
    }
    return bound;
}
