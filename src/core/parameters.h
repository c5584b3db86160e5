// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PARAMETERS_H
#define PARAMETERS_H

#include <algorithm>

// One parameter of the algorithm: its name on the command line, the values the
// generation step takes, the start value, and the highest value a control offers.
// The fitness control offers 100, which is stored as 99.
struct Parameter
{
    const char *name;
    int min;
    int max;
    int start;
    int offered;

    int store(int value) const { return std::clamp(value, min, max); }
    bool accepts(long long value) const { return value >= min && value <= offered; }
};

// Inline, so that each parameter is one object in the whole program.
namespace Parameters {
inline constexpr Parameter Fitness{"fitness", 1, 99, 20, 100};
inline constexpr Parameter Mutation{"mutation", 0, 99, 25, 99};
inline constexpr Parameter Bias{"bias", 0, 10, 1, 10};
inline constexpr const Parameter *All[] = {&Fitness, &Mutation, &Bias};
}

// The seed of every start: before the first genomes are drawn and again at the
// first generation.
constexpr unsigned StartSeed = 3521;

// The three parameters of a run, at their start values unless set.
struct Settings
{
    int fitness = Parameters::Fitness.start;
    int mutation = Parameters::Mutation.start;
    int bias = Parameters::Bias.start;

    int value(const Parameter &parameter) const;
    void set(const Parameter &parameter, int stored);
};

inline int Settings::value(const Parameter &parameter) const
{
    return &parameter == &Parameters::Fitness ? fitness : &parameter == &Parameters::Mutation ? mutation : bias;
}

inline void Settings::set(const Parameter &parameter, int stored)
{
    (&parameter == &Parameters::Fitness ? fitness : &parameter == &Parameters::Mutation ? mutation : bias) = stored;
}

#endif
