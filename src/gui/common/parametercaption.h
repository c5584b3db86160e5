// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PARAMETERCAPTION_H
#define PARAMETERCAPTION_H

#include "experiment.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <algorithm>

// A parameter as the observatory and the experiment window call it.
inline QString parameterCaption(const Parameter &parameter)
{
    return QCoreApplication::translate("Parameters", parameter.caption);
}

// A combination of the varied values, as a legend or a cell names it.
inline QString combinationCaption(const std::vector<Variation> &variations, const Settings &settings)
{
    QStringList parts;
    for (const Variation &variation : variations)
        parts << QString("%1 %2").arg(parameterCaption(*variation.parameter)).arg(settings.value(*variation.parameter));
    return parts.isEmpty() ? QCoreApplication::translate("Parameters", "all runs") : parts.join(", ");
}

// What a parameter does to the run, for its tooltip and for screen readers.
inline QString parameterMeaning(const Parameter &parameter)
{
    if (&parameter == &Parameters::Fitness)
        return QCoreApplication::translate("Parameters", "Each member's share of the wheel is (fitness − lowest) × this: it "
                                                         "changes how long the wheel is, not who is drawn how often");
    if (&parameter == &Parameters::Mutation)
        return QCoreApplication::translate("Parameters", "p: each child mutates with probability 1/(100 − p); 0: never");
    return QCoreApplication::translate("Parameters", "0: every bit is as likely to flip; 1 to 10, all alike: the lower the "
                                                     "bit, the likelier, (9 − bit)² in 285");
}

// The parameters an experiment keeps fixed, with their values: "Fitness multiplier 20, Mutation bias 1".
inline QString fixedCaption(const QList<const Parameter *> &varied, const Settings &settings)
{
    QStringList parts;
    for (const Parameter *parameter : Parameters::All) {
        if (!varied.contains(parameter))
            parts << QString("%1 %2").arg(parameterCaption(*parameter)).arg(settings.value(*parameter));
    }
    return parts.join(", ");
}

// Said wherever the fitness multiplier is varied: it scales every share of the wheel alike.
inline QString multiplierNote()
{
    return QCoreApplication::translate("Parameters",
                                       "The fitness multiplier changes how long the wheel is, not who is drawn how "
                                       "often: expect no difference beyond chance, within the hit rates' intervals.");
}

inline bool variesMultiplier(const std::vector<Variation> &variations)
{
    return std::any_of(variations.begin(), variations.end(),
                       [](const Variation &variation) { return variation.parameter == &Parameters::Fitness; });
}

#endif
