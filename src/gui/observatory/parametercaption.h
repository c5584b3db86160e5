// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef PARAMETERCAPTION_H
#define PARAMETERCAPTION_H

#include "experiment.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

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

#endif
