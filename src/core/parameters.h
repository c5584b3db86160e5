// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PARAMETERS_H
#define PARAMETERS_H

#include "message.h"

#include <algorithm>

struct Parameter;

// The three parameters of a run, at their start values unless set.
struct Settings
{
    int fitness;
    int mutation;
    int bias;

    Settings();
    constexpr Settings(int fitness, int mutation, int bias) : fitness(fitness), mutation(mutation), bias(bias) {}

    int value(const Parameter &parameter) const;
    void set(const Parameter &parameter, int stored);
};

// One parameter of the algorithm: its name on the command line, the values the
// generation step takes, the start value, the highest value a control offers (the
// fitness control offers 100, which is stored as 99), where Settings keeps it, its
// caption in the windows (translated there in the context "Parameters") and the
// values an experiment tries first.
struct Parameter
{
    const char *name;
    int min;
    int max;
    int start;
    int offered;
    int Settings::*field;
    const char *caption;
    const char *experimentValues;

    int store(int value) const { return std::clamp(value, min, max); }
    bool accepts(long long value) const { return value >= min && value <= offered; }
};

// Inline, so that each parameter is one object in the whole program.
namespace Parameters {
inline constexpr Parameter Fitness{"fitness", 1, 99, 20, 100, &Settings::fitness, QT_TRANSLATE_NOOP("Parameters", "Fitness multiplier"), "1,20,99"};
inline constexpr Parameter Mutation{"mutation", 0, 99, 25, 99, &Settings::mutation, QT_TRANSLATE_NOOP("Parameters", "Mutation probability"), "0,25,50,90"};
inline constexpr Parameter Bias{"bias", 0, 10, 1, 10, &Settings::bias, QT_TRANSLATE_NOOP("Parameters", "Mutation bias"), "0,1,10"};
inline constexpr const Parameter *All[] = {&Fitness, &Mutation, &Bias};
}

// The seed of every start: before the first genomes are drawn and again at the
// first generation.
constexpr unsigned StartSeed = 3521;
// The largest seed glibc's generator takes.
constexpr unsigned long long LargestSeed = 4294967295ULL;

inline Settings::Settings()
    : fitness(Parameters::Fitness.start), mutation(Parameters::Mutation.start), bias(Parameters::Bias.start)
{
}

inline int Settings::value(const Parameter &parameter) const
{
    return this->*parameter.field;
}

inline void Settings::set(const Parameter &parameter, int stored)
{
    this->*parameter.field = stored;
}

#endif
