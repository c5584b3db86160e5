// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef LANDSCAPENAME_H
#define LANDSCAPENAME_H

#include "landscapepresets.h"

#include <QCoreApplication>
#include <QString>

// A landscape's name is kept as snapshots hold it, the same in every language: a
// file's name, a preset's English name ("tent", "random walk (seed 3)"),
// "edited", "start-up tent" or "reference of FILE". The windows show it translated.
class LandscapeName
{
    Q_DECLARE_TR_FUNCTIONS(LandscapeName)

public:
    static QString preset(Preset preset);
    static QString seeded(Preset preset, unsigned seed);
    static QString edited();
    static QString referenceOf(const QString &file);
    // What Reload brings back when no snapshot brought another: "start-up tent".
    static QString startUp();

    // A name as the windows show it: translated when it is one of the above.
    static QString shown(const QString &name);
    // A preset's name and what it teaches, translated.
    static QString shownPreset(Preset preset);
    static QString presetDescription(Preset preset);
};

#endif
